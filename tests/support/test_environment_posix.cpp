#include <pty.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

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

std::filesystem::path folder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    return std::filesystem::path(config != nullptr ? config : "") / "Nirvel";
}
std::filesystem::path file() {
    return folder() / "Pemlar.conf";
}

}  // namespace

void clear() {
    std::filesystem::remove_all(folder());
}

void write(int selectedCom, int selectedLabel) {
    std::filesystem::create_directories(folder());
    std::ofstream(file(), std::ios::binary)
        << "[General]\nSelcted_Com=" << selectedCom << "\nSelcted_Lab=" << selectedLabel << "\n";
}

std::string dump() {
    std::ifstream in(file(), std::ios::binary);
    return in.is_open() ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

std::optional<int> value(const char* name) {
    std::istringstream lines(dump());
    const std::string prefix = std::string(name) + "=";
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(prefix)) {
            try {
                return std::stoi(line.substr(prefix.size()));
            } catch (const std::exception&) {
                return std::nullopt;
            }
        }
    }
    return std::nullopt;
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
