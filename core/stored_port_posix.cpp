#include "core/settings_place.h"
#include "core/stored_port.h"

namespace pemlar {

StoredPort storedPort() {
    const std::filesystem::path file = settingsFile();
    const SettingsFileRead settings = readSettingsFile(file);
    if (!settings.text) {
        return {std::nullopt, "keine Einstellungen (" + file.string() +
                                  (settings.refused.empty() ? "" : ": " + settings.refused) + ")"};
    }
    std::string why;
    if (const auto port = portFromSettingsText(*settings.text, why)) {
        return {*port, {}};
    }
    return {std::nullopt, why};
}

}  // namespace pemlar
