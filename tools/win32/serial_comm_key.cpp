// Enters COM port names in HKLM\HARDWARE\DEVICEMAP\SERIALCOMM, as serial drivers do, for
// Wine prefixes whose mount manager is off (it would otherwise write them): the smoke run
// and the start-time benchmark give the program the list a Windows machine has.
//
//   serial_comm_key COM1 [COM2 ...]   values \Device\Serial0, \Device\Serial1, ... in order
//
// HARDWARE exists only while the wineserver runs, and a key below it must be volatile
// too, which reg.exe and regedit cannot make: hence this program. Needs the right to
// write HKLM (on Windows an administrator; under Wine anyone).
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using OwnedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

OwnedKey volatileKey(HKEY parent, const wchar_t* name) {
    HKEY key = nullptr;
    const LSTATUS status =
        RegCreateKeyExW(parent, name, 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_SET_VALUE | KEY_CREATE_SUB_KEY, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        std::fwprintf(stderr, L"serial_comm_key: cannot create %ls (error %ld)\n", name,
                      static_cast<long>(status));
        return nullptr;
    }
    return OwnedKey(key);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: serial_comm_key COM1 [COM2 ...]\n");
        return 2;
    }
    const OwnedKey map = volatileKey(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP");
    const OwnedKey list = map ? volatileKey(map.get(), L"SERIALCOMM") : nullptr;
    if (!list) {
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        const std::wstring name = L"\\Device\\Serial" + std::to_wstring(i - 1);
        const std::wstring port = argv[i];
        const LSTATUS status = RegSetValueExW(
            list.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(port.c_str()),
            static_cast<DWORD>((port.size() + 1) * sizeof(wchar_t)));
        if (status != ERROR_SUCCESS) {
            std::fwprintf(stderr, L"serial_comm_key: cannot write %ls (error %ld)\n", name.c_str(),
                          static_cast<long>(status));
            return 1;
        }
    }
    return 0;
}
