// The settings file and the series log with real pipes and devices in their place:
// neither may block or read without end.
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "core/backups.h"
#include "core/file_system.h"
#include "core/settings_place.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace pemlar;
namespace fs = std::filesystem;

TEST(SettingsAndLogFiles, NeverBlockAndStayWithinTheirBounds) {
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
        const char* settingsRefused;
        FileFailure append;
    } cases[] = {
        {"settings", [](const fs::path& f) { std::ofstream(f) << settingsFileText(5, 1); }, "",
         FileFailure::None},
        {"missing", [](const fs::path&) {}, "", FileFailure::None},
        {"a pipe", [](const fs::path& f) { mkfifo(f.c_str(), 0600); }, "keine normale Datei",
         FileFailure::NotRegularFile},
        {"a link to /dev/zero", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); },
         "keine normale Datei", FileFailure::NotRegularFile},
        {"65 KiB", [](const fs::path& f) { std::ofstream(f) << std::string(65 * 1024, 'x'); },
         "größer als 64 KiB", FileFailure::None},
    };
    for (const auto& c : cases) {
        const TempFolder dir;
        const fs::path file = dir.path() / "Pemlar.conf";
        c.make(file);
        const SettingsFileRead settings = readSettingsFile(file);
        EXPECT_EQ(settings.refused, c.settingsRefused) << c.what;
        EXPECT_EQ(settings.text.has_value(), c.what == std::string("settings")) << c.what;
        bool empty = false;
        EXPECT_EQ(platform::prepareAppendFile(file, empty).failure, c.append) << c.what;
    }
}

TEST(SettingsPlace, ARelativeXdgFolderIsIgnored) {
    const auto set = [](const char* name, const char* value) {
        value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
    };
    const auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto config = saved("XDG_CONFIG_HOME");
    const auto data = saved("XDG_DATA_HOME");
    const auto home = saved("HOME");
    set("HOME", "/home/tester");
    const struct {
        const char* xdg;
        const char* settings;
        const char* backups;
    } cases[] = {
        {"/tmp/x", "/tmp/x/Nirvel/Pemlar.conf", "/tmp/x/Nirvel/Pemlar/backups"},
        {"rel/x", "/home/tester/.config/Nirvel/Pemlar.conf",
         "/home/tester/.local/share/Nirvel/Pemlar/backups"},
        {nullptr, "/home/tester/.config/Nirvel/Pemlar.conf",
         "/home/tester/.local/share/Nirvel/Pemlar/backups"},
    };
    for (const auto& c : cases) {
        set("XDG_CONFIG_HOME", c.xdg);
        set("XDG_DATA_HOME", c.xdg);
        EXPECT_EQ(settingsFile(), fs::path(c.settings));
        EXPECT_EQ(userBackupFolder(), fs::path(c.backups));
    }
    set("XDG_CONFIG_HOME", config ? config->c_str() : nullptr);
    set("XDG_DATA_HOME", data ? data->c_str() : nullptr);
    set("HOME", home ? home->c_str() : nullptr);
}

}  // namespace
