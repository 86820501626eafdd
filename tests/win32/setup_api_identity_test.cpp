// The Windows port identities against a fake of the SetupAPI calls: Wine lists no
// serial adapters, so what real drivers register (CH340, FTDI, an ACM device, the
// built-in port) is laid out here as Windows keeps it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "link/win32_setup_api.h"
#include "tests/win32/fake_registry_api.h"

using namespace pemlar;

namespace {

struct FakeDevice {
    std::wstring portName;
    std::wstring friendlyName;
    std::wstring hardwareId;
    std::wstring service;
    std::wstring manufacturer;
    std::wstring instanceId;
};

// Handles are the device's index; every one handed out must come back.
struct FakeSetupApi {
    std::vector<FakeDevice> devices;
    int openKeys = 0;
    int openSets = 0;

    static BOOL copy(const std::wstring& text, void* buffer, DWORD bytes) {
        const std::size_t needed = (text.size() + 1) * sizeof(wchar_t);
        if (bytes < needed) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return FALSE;
        }
        std::memcpy(buffer, text.c_str(), needed);
        return TRUE;
    }

    Win32SetupApi api() {
        const auto set = reinterpret_cast<HDEVINFO>(static_cast<std::uintptr_t>(0x5E7));
        return {
            .getClassDevs =
                [this, set](const GUID*, PCWSTR, HWND, DWORD) {
                    ++openSets;
                    return set;
                },
            .enumDeviceInfo = [this](HDEVINFO, DWORD index, PSP_DEVINFO_DATA info) -> BOOL {
                if (index >= devices.size()) {
                    SetLastError(ERROR_NO_MORE_ITEMS);
                    return FALSE;
                }
                info->DevInst = index;
                return TRUE;
            },
            .getDeviceRegistryProperty = [this](HDEVINFO, PSP_DEVINFO_DATA info, DWORD property,
                                                PDWORD type, PBYTE buffer, DWORD size,
                                                PDWORD) -> BOOL {
                const FakeDevice& d = devices[info->DevInst];
                *type = property == SPDRP_HARDWAREID ? REG_MULTI_SZ : REG_SZ;
                switch (property) {
                    case SPDRP_FRIENDLYNAME:
                        return copy(d.friendlyName, buffer, size);
                    case SPDRP_HARDWAREID:
                        return copy(d.hardwareId, buffer, size);
                    case SPDRP_SERVICE:
                        return copy(d.service, buffer, size);
                    case SPDRP_MFG:
                        return copy(d.manufacturer, buffer, size);
                    default:
                        SetLastError(ERROR_INVALID_DATA);
                        return FALSE;
                }
            },
            .getDeviceInstanceId = [this](HDEVINFO, PSP_DEVINFO_DATA info, PWSTR buffer, DWORD size,
                                          PDWORD) -> BOOL {
                return copy(devices[info->DevInst].instanceId, buffer,
                            static_cast<DWORD>(size * sizeof(wchar_t)));
            },
            .openDevRegKey =
                [this](HDEVINFO, PSP_DEVINFO_DATA info, DWORD, DWORD, DWORD, REGSAM) {
                    ++openKeys;
                    return reinterpret_cast<HKEY>(
                        static_cast<std::uintptr_t>(0x1000 + info->DevInst));
                },
            .regQueryValueEx = [this](HKEY key, LPCWSTR name, LPDWORD, LPDWORD type, LPBYTE data,
                                      LPDWORD size) -> LSTATUS {
                const auto index = reinterpret_cast<std::uintptr_t>(key) - 0x1000;
                if (std::wstring(name) != L"PortName") {
                    return ERROR_FILE_NOT_FOUND;
                }
                *type = REG_SZ;
                return copy(devices[index].portName, data, *size) ? ERROR_SUCCESS : ERROR_MORE_DATA;
            },
            .regCloseKey = [this](HKEY) -> LSTATUS {
                --openKeys;
                return ERROR_SUCCESS;
            },
            .destroyDeviceInfoList = [this](HDEVINFO) -> BOOL {
                --openSets;
                return TRUE;
            },
        };
    }
};

TEST(SetupApiIdentity, FromThePortsClass) {
    FakeSetupApi fake;
    fake.devices = {
        {L"COM7", L"USB-SERIAL CH340 (COM7)", L"USB\\VID_1A86&PID_7523&REV_0264\0USB\\VID_1A86",
         L"CH341SER_A64", L"wch.cn", L"USB\\VID_1A86&PID_7523\\5&2B3C4D&0&2"},
        {L"COM3", L"USB Serial Port (COM3)", L"FTDIBUS\\COMPORT&VID_0403&PID_6001", L"FTSER2K",
         L"FTDI", L"FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000"},
        {L"COM4", L"Serielles USB-Gerät (COM4)", L"USB\\VID_2341&PID_0043&REV_0001", L"usbser",
         L"Microsoft", L"USB\\VID_2341&PID_0043\\85736323838351F0E1A1"},
        {L"COM1", L"Kommunikationsanschluss (COM1)", L"ACPI\\PNP0501", L"Serial",
         L"(Standardanschlusstypen)", L"ACPI\\PNP0501\\0"},
    };
    FakeRegistry noKey;
    noKey.keyThere = false;
    const PortIdentifier identify = setupApiPortIdentifier(fake.api(), noKey.api());
    const struct {
        const char* device;
        PortKind kind;
        const char* vendor;
        const char* product;
        const char* serial;
        const char* description;
    } cases[] = {
        {"\\\\.\\COM7", PortKind::UsbAdapter, "1A86", "7523", "", "USB wch.cn USB-SERIAL CH340"},
        {"\\\\.\\com3", PortKind::UsbAdapter, "0403", "6001", "A50285BI",
         "USB FTDI USB Serial Port, Seriennr. A50285BI"},
        {"\\\\.\\COM4", PortKind::Acm, "2341", "0043", "85736323838351F0E1A1",
         "USB (ACM) Microsoft Serielles USB-Gerät, Seriennr. 85736323838351F0E1A1"},
        {"\\\\.\\COM1", PortKind::BuiltIn, "", "", "", "eingebaute Schnittstelle"},
        {"\\\\.\\COM9", PortKind::Other, "", "", "", ""},
    };
    for (const auto& c : cases) {
        const PortIdentity id = identify(c.device);
        EXPECT_EQ(id.kind, c.kind) << c.device;
        EXPECT_EQ(id.vendorId, c.vendor) << c.device;
        EXPECT_EQ(id.productId, c.product) << c.device;
        EXPECT_EQ(id.serial, c.serial) << c.device;
        EXPECT_EQ(describePortIdentity(id), c.description) << c.device;
        EXPECT_TRUE(id.withheld.empty()) << c.device;
    }
    EXPECT_EQ(fake.openSets, 0) << "the device list is given back";
    EXPECT_EQ(fake.openKeys, 0) << "every key is closed";
    EXPECT_TRUE(sameDevice("\\\\.\\COM7", "com7"));
    EXPECT_FALSE(sameDevice("\\\\.\\COM7", "\\\\.\\COM17"));
}

// A number that neither SetupAPI nor SERIALCOMM lists is absent, so that a scan does not
// open it; when neither lists anything, nothing is known and every number may be a port.
TEST(SetupApiIdentity, OnlyListedNumbersExistOnceTheSystemListsAny) {
    const FakeDevice com7{L"COM7",
                          L"USB-SERIAL CH340 (COM7)",
                          L"USB\\VID_1A86&PID_7523",
                          L"CH341SER_A64",
                          L"wch.cn",
                          L"USB\\VID_1A86&PID_7523\\5&2B3C4D&0&2"};
    const struct {
        const char* name;
        bool adapter;               // SetupAPI lists COM7
        bool keyThere;              // SERIALCOMM exists
        const wchar_t* serialComm;  // its one value
        std::vector<std::pair<const char*, bool>> exists;
    } cases[] = {
        {"nothing listed", false, false, L"", {{"\\\\.\\COM1", true}, {"\\\\.\\COM200", true}}},
        {"only garbage listed", false, true, L"LPT1", {{"\\\\.\\COM1", true}}},
        {"SERIALCOMM alone",
         false,
         true,
         L"COM3",
         {{"\\\\.\\COM3", true},
          {"\\\\.\\com3", true},
          {"\\\\.\\COM1", false},
          {"\\\\.\\COM7", false},
          {"\\\\.\\CNCA0", true}}},
        {"SetupAPI alone", true, false, L"", {{"\\\\.\\COM7", true}, {"\\\\.\\COM3", false}}},
        {"both",
         true,
         true,
         L"COM3",
         {{"\\\\.\\COM7", true}, {"\\\\.\\COM3", true}, {"\\\\.\\COM4", false}}},
    };
    for (const auto& c : cases) {
        FakeSetupApi setupApi;
        if (c.adapter) {
            setupApi.devices = {com7};
        }
        FakeRegistry registry;
        registry.keyThere = c.keyThere;
        registry.values = {comValue(L"\\Device\\Serial0", c.serialComm)};
        const PortIdentifier identify = setupApiPortIdentifier(setupApi.api(), registry.api());
        for (const auto& [device, exists] : c.exists) {
            EXPECT_EQ(identify(device).exists, exists) << c.name << ": " << device;
        }
        EXPECT_EQ(registry.openKeys, 0) << c.name;
    }
}

}  // namespace
