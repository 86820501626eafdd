#pragma once
// The two remembered choices, kept in the per-user settings store (fw::openSettingsStore)
// at the program's place (core/settings_place.h) as the 32-bit values "Selcted_Com" and
// "Selcted_Lab". They are written when missing at start and at once on every change,
// never at exit. A settings file that is no regular file counts as a store that can't
// be opened.

#include <cstdint>

#include "core/settings_place.h"
#include "framework/settings_store.h"

namespace pemlar {

struct StoredChoices {
    std::int32_t port = 0;   // COM port number; 0 = none stored
    std::int32_t label = 0;  // index into the label list
};

// Fills choices from the store. A value that is missing or not a 32-bit number is set
// to 0 and written. With NoAccess nothing is read and choices keep their values; with
// NotWritten the values that were read are kept.
fw::SettingsProblem readStoredSettings(StoredChoices& choices);
// Write one value at once.
fw::SettingsProblem storePortSetting(std::int32_t port);
fw::SettingsProblem storeLabelSetting(std::int32_t label);

}  // namespace pemlar
