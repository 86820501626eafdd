#include <windows.h>

#include "core/stored_port.h"

namespace pemlar {

StoredPort storedPort() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Nirvel\\Pemlar", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return {std::nullopt, "keine Einstellungen (HKCU\\Software\\Nirvel\\Pemlar)"};
    }
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LSTATUS status = RegQueryValueExW(key, L"Selcted_Com", nullptr, &type,
                                            reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (status == ERROR_FILE_NOT_FOUND) {
        return {std::nullopt, "keine Schnittstelle gespeichert"};
    }
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) {
        return {std::nullopt, "gespeicherter Wert \"Selcted_Com\" ist kein REG_DWORD"};
    }
    std::string why;
    if (const auto port =
            usablePort(static_cast<long long>(static_cast<std::int32_t>(value)), why)) {
        return {*port, {}};
    }
    return {std::nullopt, why};
}

}  // namespace pemlar
