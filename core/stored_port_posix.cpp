#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/stored_port.h"

namespace pemlar {

StoredPort storedPort() {
    // Where the window program's settings store keeps its file: <config>/Nirvel/Pemlar.conf.
    std::string folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != 0) {
        folder = config;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != 0) {
        folder = std::string(home) + "/.config";
    }
    const std::string file = folder + "/Nirvel/Pemlar.conf";
    std::ifstream in(file, std::ios::binary);
    if (folder.empty() || !in) {
        return {std::nullopt, "keine Einstellungen (" + file + ")"};
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::string why;
    if (const auto port = portFromSettingsText(text.str(), why)) {
        return {*port, {}};
    }
    return {std::nullopt, why};
}

}  // namespace pemlar
