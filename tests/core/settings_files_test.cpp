// The settings file, the label list and the series log with real pipes and devices in
// their place: none of them may block or read without end.
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "core/backups.h"
#include "core/file_system.h"
#include "core/label_file.h"
#include "core/settings_place.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace pemlar;
namespace fs = std::filesystem;

struct PlaceCase {
    const char* what;
    std::function<void(const fs::path&)> make;
    const char* settingsRefused;  // nullptr: readable or missing
    bool labelsRead;
    FileFailure append;
};

class SettingsAndLogFiles : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(SettingsAndLogFiles, NeverBlockAndStayWithinTheirBounds) {
    const TempFolder dir;
    const fs::path file = dir.path() / "Pemlar.conf";
    GetParam().make(file);
    const SettingsFileRead settings = readSettingsFile(file);
    if (GetParam().settingsRefused == nullptr) {
        EXPECT_EQ(settings.refused, "") << GetParam().what;
    } else {
        EXPECT_FALSE(settings.text) << GetParam().what;
        EXPECT_EQ(settings.refused, GetParam().settingsRefused) << GetParam().what;
    }
    EXPECT_EQ(readLabelFile(file) != kDefaultLabel, GetParam().labelsRead) << GetParam().what;
    bool empty = false;
    EXPECT_EQ(platform::prepareAppendFile(file, empty).failure, GetParam().append)
        << GetParam().what;
}

void writeText(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsAndLogFiles,
    ::testing::Values(
        PlaceCase{"settings", [](const fs::path& f) { writeText(f, settingsFileText(5, 1)); },
                  nullptr, true, FileFailure::None},
        PlaceCase{"missing", [](const fs::path&) {}, nullptr, false, FileFailure::None},
        PlaceCase{"a pipe", [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); },
                  "keine normale Datei", false, FileFailure::NotRegularFile},
        PlaceCase{"a link to /dev/zero",
                  [](const fs::path& f) { fs::create_symlink("/dev/zero", f); },
                  "keine normale Datei", false, FileFailure::NotRegularFile},
        PlaceCase{"a folder", [](const fs::path& f) { fs::create_directory(f); },
                  "keine normale Datei", false, FileFailure::CannotCreate},
        PlaceCase{"65 KiB",
                  [](const fs::path& f) { writeText(f, std::string(65 * 1024, 'x') + "\n"); },
                  "größer als 64 KiB", true, FileFailure::None}));

class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsPlace, ARelativeXdgFolderIsIgnored) {
    const ScopedVariable home("HOME", "/home/tester");
    const struct {
        const char* config;
        const char* data;
        const char* settings;
        const char* backups;
    } cases[] = {
        {"/tmp/cfg", "/tmp/dat", "/tmp/cfg/Nirvel/Pemlar.conf", "/tmp/dat/Nirvel/Pemlar/backups"},
        {"rel/cfg", "rel/dat", "/home/tester/.config/Nirvel/Pemlar.conf",
         "/home/tester/.local/share/Nirvel/Pemlar/backups"},
        {"", nullptr, "/home/tester/.config/Nirvel/Pemlar.conf",
         "/home/tester/.local/share/Nirvel/Pemlar/backups"},
    };
    for (const auto& c : cases) {
        const ScopedVariable config("XDG_CONFIG_HOME", c.config);
        const ScopedVariable data("XDG_DATA_HOME", c.data);
        EXPECT_EQ(settingsFile(), fs::path(c.settings)) << c.config;
        EXPECT_EQ(userBackupFolder(), fs::path(c.backups)) << c.config;
    }
}

TEST(SettingsPlace, TheFileTextIsReadBackByName) {
    const std::string text = settingsFileText(7, -2);
    EXPECT_EQ(settingText(text, kPortSettingName), "7");
    EXPECT_EQ(settingText(text, kLabelSettingName), "-2");
}

}  // namespace
