// openSettingsStore: the settings live in the registry, under the place's key.

#include "framework/settings_store.h"
#include "framework/win32/registry_settings.h"

namespace pemlar::fw {

std::unique_ptr<SettingsStore> openSettingsStore(const SettingsPlace& place) {
    return win32::makeRegistrySettings(place.registryKey);
}

}  // namespace pemlar::fw
