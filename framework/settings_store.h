#pragma once
// The per-user store of the program's remembered numbers: named 32-bit values kept
// between runs (the registry on Windows). Toolkit-neutral: standard types only.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>

namespace pemlar::fw {

enum class SettingsProblem {
    None,
    NoAccess,    // the store can't be opened or created
    NotWritten,  // a value could not be written
};

struct SettingsValue {
    std::string_view name;
    std::int32_t value = 0;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Reads each value by name. One that is missing or not a 32-bit number becomes 0
    // and is written back; every write is tried before NotWritten is reported. With
    // NoAccess nothing is read and the values keep theirs.
    virtual SettingsProblem loadOrCreate(std::span<SettingsValue> values) = 0;
    // Writes one value at once.
    virtual SettingsProblem save(std::string_view name, std::int32_t value) = 0;
};

// The fixed English warning that tells the user of a problem (empty for None); it is
// shown with the caption kSettingsWarningCaption, an OK button and no icon.
constexpr std::string_view settingsProblemText(SettingsProblem problem) {
    switch (problem) {
        case SettingsProblem::NoAccess:
            return "  No registry-access possible!";
        case SettingsProblem::NotWritten:
            return "  Could not create entries!";
        case SettingsProblem::None:
            break;
    }
    return {};
}
inline constexpr std::string_view kSettingsWarningCaption = "Warning";

// Where the store is: the registry key under HKEY_CURRENT_USER for the Win32 back end,
// the settings file for the Qt one. The caller states it (the program's place is fixed
// once, outside the window layer).
struct SettingsPlace {
    std::string_view registryKey;
    std::filesystem::path file;
};

// The store at `place`.
std::unique_ptr<SettingsStore> openSettingsStore(const SettingsPlace& place);

}  // namespace pemlar::fw
