#include <windows.h>

#include <memory>
#include <type_traits>

#include "core/settings_place.h"
#include "core/stored_port.h"

namespace pemlar {

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

}  // namespace

StoredPort storedPort() {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_QUERY_VALUE, &opened) !=
        ERROR_SUCCESS) {
        return {std::nullopt, std::string("keine Einstellungen (HKCU\\") + kSettingsKeyPath + ")"};
    }
    const UniqueKey key(opened);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LSTATUS status = RegQueryValueExA(key.get(), kPortSettingName, nullptr, &type,
                                            reinterpret_cast<BYTE*>(&value), &size);
    if (status == ERROR_FILE_NOT_FOUND) {
        return {std::nullopt, "keine Schnittstelle gespeichert"};
    }
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) {
        return {std::nullopt,
                std::string("gespeicherter Wert \"") + kPortSettingName + "\" ist kein REG_DWORD"};
    }
    std::string why;
    if (const auto port =
            usablePort(static_cast<long long>(static_cast<std::int32_t>(value)), why)) {
        return {*port, {}};
    }
    return {std::nullopt, why};
}

}  // namespace pemlar
