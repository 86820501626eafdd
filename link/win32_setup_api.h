#pragma once
// The SetupAPI calls behind the Windows port identities, in one table so that a test
// can stand in for the system (Wine lists no serial adapters). Windows builds only.

#include <windows.h>
// clang-format off
#include <setupapi.h>
// clang-format on

#include <functional>

#include "link/port_identity.h"
#include "link/win32_registry_api.h"

namespace pemlar {

struct Win32SetupApi {
    std::function<HDEVINFO(const GUID* classGuid, PCWSTR enumerator, HWND parent, DWORD flags)>
        getClassDevs;
    std::function<BOOL(HDEVINFO, DWORD index, PSP_DEVINFO_DATA)> enumDeviceInfo;
    std::function<BOOL(HDEVINFO, PSP_DEVINFO_DATA, DWORD property, PDWORD type, PBYTE buffer,
                       DWORD size, PDWORD required)>
        getDeviceRegistryProperty;
    std::function<BOOL(HDEVINFO, PSP_DEVINFO_DATA, PWSTR buffer, DWORD size, PDWORD required)>
        getDeviceInstanceId;
    std::function<HKEY(HDEVINFO, PSP_DEVINFO_DATA, DWORD scope, DWORD profile, DWORD keyType,
                       REGSAM access)>
        openDevRegKey;
    std::function<LSTATUS(HKEY, LPCWSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                          LPDWORD size)>
        regQueryValueEx;
    std::function<LSTATUS(HKEY)> regCloseKey;
    std::function<BOOL(HDEVINFO)> destroyDeviceInfoList;
};

// The real calls.
Win32SetupApi systemWin32SetupApi();

// The identifier that asks `api` (the Ports class, devices present) and `registry` (the
// SERIALCOMM names) once. A COM number that neither lists does not exist, unless
// neither lists anything: then nothing is known and every number may be a port.
PortIdentifier setupApiPortIdentifier(Win32SetupApi api, Win32RegistryApi registry);

}  // namespace pemlar
