#pragma once
// The registry calls behind the COM numbers Windows lists, in one table so that a test
// can stand in for the system (Wine with its mount manager off has no such key).
// Windows builds only.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace pemlar {

struct Win32RegistryApi {
    std::function<LSTATUS(HKEY parent, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY result)>
        openKeyEx;
    std::function<LSTATUS(HKEY, DWORD index, LPWSTR name, LPDWORD nameChars, LPDWORD reserved,
                          LPDWORD type, LPBYTE data, LPDWORD dataBytes)>
        enumValue;
    std::function<LSTATUS(HKEY)> closeKey;
};

// The real calls.
Win32RegistryApi systemWin32RegistryApi();

// The COM numbers (1-254) that HKLM\HARDWARE\DEVICEMAP\SERIALCOMM names, ascending, each
// once: every serial driver enters its ports there while they are present. Values that
// are not a REG_SZ "COM<n>" are passed over. Empty when the key is missing or cannot be
// read to its end: then nothing is known.
std::vector<std::int32_t> serialCommPorts(const Win32RegistryApi& api);

}  // namespace pemlar
