// The settings file and the series log with real pipes and devices in their place:
// neither may block or read without end.
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core/backups.h"
#include "core/file_system.h"
#include "core/settings_place.h"
#include "tests/support/scoped_environment.h"
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

// Which folders count is the base layer's (tests/base); this is what lies below them.
TEST(SettingsPlace, FilesBelowTheUsersFolders) {
    const ScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/c");
    const ScopedEnvironment data("XDG_DATA_HOME", "/tmp/d");
    EXPECT_EQ(settingsFile(), fs::path("/tmp/c/Nirvel/Pemlar.conf"));
    EXPECT_EQ(userBackupFolder(), fs::path("/tmp/d/Nirvel/Pemlar/backups"));
}

}  // namespace
