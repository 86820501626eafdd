#pragma once
// Where and in what form the program's two remembered numbers live, for every program
// that reads or writes them: the window's store, the command line, the tests.
//
// Windows: REG_DWORD values under HKEY_CURRENT_USER\Software\Nirvel\Pemlar. Elsewhere
// the file <config>/Nirvel/Pemlar.conf (<config>: $XDG_CONFIG_HOME when it is an
// absolute path, else ~/.config), in the form the Qt settings store reads and writes:
// a line "[General]", then one "Name=value" line per number.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pemlar {

inline constexpr char kPortSettingName[] = "Selcted_Com";
inline constexpr char kLabelSettingName[] = "Selcted_Lab";
inline constexpr char kSettingsKeyPath[] = "Software\\Nirvel\\Pemlar";
// A settings file larger than this is no file of ours (a link to /dev/zero, a log).
inline constexpr std::size_t kSettingsFileMaxBytes = 64 * 1024;

// The settings file; empty where the settings live in the registry, or when the
// environment names no home folder.
std::filesystem::path settingsFile();

// The file's text for these two numbers.
std::string settingsFileText(std::int32_t port, std::int32_t label);

// The text of value `name` in the [General] group of a settings file's text, without
// blanks around it and without the quotes Qt may put around it; nothing when absent.
std::optional<std::string_view> settingText(std::string_view fileText, std::string_view name);

struct SettingsFileRead {
    std::optional<std::string> text;  // nothing when the file is missing or refused
    std::string refused;              // why a file that is there can't be used; "" otherwise
};

// Reads the settings file without ever blocking: a pipe, a device or a folder in its
// place, or a file beyond kSettingsFileMaxBytes, is refused; a missing file is neither.
SettingsFileRead readSettingsFile(const std::filesystem::path& file);

}  // namespace pemlar
