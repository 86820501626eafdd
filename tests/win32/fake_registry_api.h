#pragma once
// A stand-in for the registry calls that list SERIALCOMM: its values as a driver may
// have written them, right or wrong.

#include <cstring>
#include <string>
#include <vector>

#include "link/win32_registry_api.h"

namespace pemlar {

struct FakeRegistryValue {
    std::wstring name;
    DWORD type = REG_SZ;
    std::vector<BYTE> data;
};

// The text's UTF-16 bytes, with its NUL unless told not.
inline std::vector<BYTE> wideBytes(const std::wstring& text, bool nul = true) {
    const std::size_t bytes = (text.size() + (nul ? 1 : 0)) * sizeof(wchar_t);
    std::vector<BYTE> data(bytes);
    std::memcpy(data.data(), text.c_str(), bytes);
    return data;
}

inline FakeRegistryValue comValue(const std::wstring& name, const std::wstring& port) {
    return {name, REG_SZ, wideBytes(port)};
}

struct FakeRegistry {
    bool keyThere = true;
    std::vector<FakeRegistryValue> values;
    // The enumeration fails with this at value `failAt` (-1: never).
    int failAt = -1;
    LSTATUS failure = ERROR_ACCESS_DENIED;
    std::wstring opened;  // the path asked for under HKEY_LOCAL_MACHINE
    int openKeys = 0;

    Win32RegistryApi api() {
        const auto key = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x5C0));
        return {
            .openKeyEx = [this, key](HKEY parent, LPCWSTR subKey, DWORD, REGSAM,
                                     PHKEY result) -> LSTATUS {
                opened = parent == HKEY_LOCAL_MACHINE ? subKey : L"(not HKLM)";
                if (!keyThere) {
                    return ERROR_FILE_NOT_FOUND;
                }
                ++openKeys;
                *result = key;
                return ERROR_SUCCESS;
            },
            .enumValue = [this](HKEY, DWORD index, LPWSTR name, LPDWORD nameChars, LPDWORD,
                                LPDWORD type, LPBYTE data, LPDWORD bytes) -> LSTATUS {
                if (static_cast<int>(index) == failAt) {
                    return failure;
                }
                if (index >= values.size()) {
                    return ERROR_NO_MORE_ITEMS;
                }
                const FakeRegistryValue& value = values[index];
                if (*nameChars <= value.name.size() || *bytes < value.data.size()) {
                    *bytes = static_cast<DWORD>(value.data.size());
                    return ERROR_MORE_DATA;
                }
                std::memcpy(name, value.name.c_str(), (value.name.size() + 1) * sizeof(wchar_t));
                *nameChars = static_cast<DWORD>(value.name.size());
                *type = value.type;
                std::memcpy(data, value.data.data(), value.data.size());
                *bytes = static_cast<DWORD>(value.data.size());
                return ERROR_SUCCESS;
            },
            .closeKey = [this](HKEY) -> LSTATUS {
                --openKeys;
                return ERROR_SUCCESS;
            },
        };
    }
};

}  // namespace pemlar
