#include "ui/settings_store.h"

#include <array>

#include "core/settings_place.h"

namespace pemlar {

namespace {

// The program's store, or nothing when a pipe, a device or a huge file sits where the
// settings file belongs: the settings code would hang opening or reading it.
std::unique_ptr<fw::SettingsStore> openStore() {
    const fw::SettingsPlace place{kSettingsKeyPath, settingsFile()};
    if (!readSettingsFile(place.file).refused.empty()) {
        return nullptr;
    }
    return fw::openSettingsStore(place);
}

}  // namespace

fw::SettingsProblem readStoredSettings(StoredChoices& choices) {
    const auto store = openStore();
    if (!store) {
        return fw::SettingsProblem::NoAccess;
    }
    std::array<fw::SettingsValue, 2> values = {{
        {kPortSettingName, choices.port},
        {kLabelSettingName, choices.label},
    }};
    const fw::SettingsProblem problem = store->loadOrCreate(values);
    choices.port = values[0].value;
    choices.label = values[1].value;
    return problem;
}

fw::SettingsProblem storePortSetting(std::int32_t port) {
    const auto store = openStore();
    return store ? store->save(kPortSettingName, port) : fw::SettingsProblem::NoAccess;
}

fw::SettingsProblem storeLabelSetting(std::int32_t label) {
    const auto store = openStore();
    return store ? store->save(kLabelSettingName, label) : fw::SettingsProblem::NoAccess;
}

}  // namespace pemlar
