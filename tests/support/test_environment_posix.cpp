#include <pty.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "core/settings_place.h"
#include "tests/support/test_environment.h"

namespace pemlar {

void setEnvironment(const char* name, const std::string& value, bool overwrite) {
    ::setenv(name, value.c_str(), overwrite ? 1 : 0);
}

bool underWine() {
    return false;
}

namespace stored_settings {

namespace {

std::filesystem::path file() {
    return settingsFile();
}
std::filesystem::path folder() {
    return file().parent_path();
}

}  // namespace

void clear() {
    std::filesystem::remove_all(folder());
}

void write(int selectedCom, int selectedLabel) {
    std::filesystem::create_directories(folder());
    std::ofstream(file(), std::ios::binary) << settingsFileText(selectedCom, selectedLabel);
}

std::string dump() {
    std::ifstream in(file(), std::ios::binary);
    return in.is_open() ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

std::optional<int> value(const char* name) {
    const std::string text = dump();
    const std::optional<std::string_view> stored = settingText(text, name);
    if (!stored) {
        return std::nullopt;
    }
    int number = 0;
    const char* end = stored->data() + stored->size();
    const auto [rest, error] = std::from_chars(stored->data(), end, number);
    return error == std::errc{} && rest == end ? std::optional<int>(number) : std::nullopt;
}

bool block() {
    // A folder where the store's file belongs.
    std::filesystem::create_directories(file());
    return true;
}

}  // namespace stored_settings

namespace {

class Pty final : public PortDevice {
public:
    using PortDevice::PortDevice;
    ~Pty() override {
        std::error_code ignored;
        std::filesystem::remove(path(), ignored);
        for (int fd : {slave, master}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }

    int master = -1;
    int slave = -1;
};

}  // namespace

std::unique_ptr<PortDevice> makePortDevice(const std::filesystem::path& folder, int comNumber) {
    auto pty = std::make_unique<Pty>(folder / ("COM" + std::to_string(comNumber)));
    char name[256] = {};
    if (openpty(&pty->master, &pty->slave, name, nullptr, nullptr) != 0) {
        return nullptr;
    }
    std::error_code error;
    std::filesystem::create_symlink(name, pty->path(), error);
    return error ? nullptr : std::move(pty);
}

}  // namespace pemlar
