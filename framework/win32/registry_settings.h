#pragma once
// The settings store in the registry: REG_DWORD values under one key, opened (created
// when missing) for each load or save and closed again at once.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "framework/settings_store.h"

namespace pemlar::fw::win32 {

class RegistrySettings final : public SettingsStore {
public:
    // Values under root\keyPath. `root` stays the caller's (a predefined key such as
    // HKEY_CURRENT_USER, or a key the caller closes after this object is gone).
    RegistrySettings(HKEY root, std::wstring keyPath);

    SettingsProblem loadOrCreate(std::span<SettingsValue> values) override;
    SettingsProblem save(std::string_view name, std::int32_t value) override;

private:
    HKEY root_;
    std::wstring keyPath_;
};

// HKEY_CURRENT_USER\<keyPath>.
std::unique_ptr<SettingsStore> makeRegistrySettings(std::string_view keyPath);

}  // namespace pemlar::fw::win32
