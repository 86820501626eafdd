#pragma once
// The two remembered choices, kept in the per-user settings store (on Windows the
// registry key HKEY_CURRENT_USER\Software\Nirvel\Pemlar, elsewhere
// <config>/Nirvel/Pemlar.conf) as the 32-bit values "Selcted_Com" and "Selcted_Lab".
// They are written when missing at start and at once on every change, never at exit.

#include <cstdint>

#include <QString>

namespace pemlar {

inline constexpr char kSettingsOrganisation[] = "Nirvel";
inline constexpr char kSettingsApplication[] = "Pemlar";
inline constexpr char kPortSettingName[] = "Selcted_Com";
inline constexpr char kLabelSettingName[] = "Selcted_Lab";

enum class SettingsWarning {
    None,
    NoAccess,    // the store can't be opened or created
    NotWritten,  // a value could not be written
};

// The fixed English texts of the two warnings, and their caption "Warning". Empty for
// SettingsWarning::None.
QString settingsWarningText(SettingsWarning warning);
QString settingsWarningCaption();

struct StoredChoices {
    std::int32_t port = 0;   // COM port number; 0 = none stored
    std::int32_t label = 0;  // index into the label list
};

// Fills choices from the store. A value that is missing or not a 32-bit number is set
// to 0 and written. With NoAccess nothing is read and choices keep their values; with
// NotWritten the values that were read are kept.
SettingsWarning readStoredSettings(StoredChoices& choices);
// Write one value at once.
SettingsWarning storePortSetting(std::int32_t port);
SettingsWarning storeLabelSetting(std::int32_t label);

}  // namespace pemlar
