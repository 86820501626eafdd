#include "ui/settings_store.h"

#include <array>

namespace pemlar {

fw::SettingsProblem readStoredSettings(StoredChoices& choices) {
    std::array<fw::SettingsValue, 2> values = {{
        {kPortSettingName, choices.port},
        {kLabelSettingName, choices.label},
    }};
    const fw::SettingsProblem problem = fw::openSettingsStore()->loadOrCreate(values);
    choices.port = values[0].value;
    choices.label = values[1].value;
    return problem;
}

fw::SettingsProblem storePortSetting(std::int32_t port) {
    return fw::openSettingsStore()->save(kPortSettingName, port);
}

fw::SettingsProblem storeLabelSetting(std::int32_t label) {
    return fw::openSettingsStore()->save(kLabelSettingName, label);
}

}  // namespace pemlar
