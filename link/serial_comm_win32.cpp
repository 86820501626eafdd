#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>

#include "link/port_scan.h"
#include "link/win32_registry_api.h"

namespace pemlar {

namespace {

// "COM254" and its NUL; anything longer is no port name.
constexpr DWORD kDataChars = 8;
// The longest value name the registry allows, and its NUL.
constexpr DWORD kNameChars = 16384;

// The number of "COM<n>", 1-254, digits only and no leading zero; nothing otherwise.
std::optional<std::int32_t> comNumberOf(std::wstring_view text) {
    if (text.size() < 4 || text.size() > 6 || (text[0] != L'C' && text[0] != L'c') ||
        (text[1] != L'O' && text[1] != L'o') || (text[2] != L'M' && text[2] != L'm') ||
        text[3] == L'0') {
        return std::nullopt;
    }
    std::int32_t n = 0;
    for (const wchar_t c : text.substr(3)) {
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        n = n * 10 + (c - L'0');
    }
    return n >= kFirstScannedPort && n <= kLastScannedPort ? std::optional(n) : std::nullopt;
}

// REG_SZ data that ends in its one NUL, as the number it names. The size is the one the
// registry reports: data written without its NUL is refused, never read past.
std::optional<std::int32_t> comNumberOfData(DWORD type, const wchar_t* data, DWORD bytes) {
    if (type != REG_SZ || bytes % sizeof(wchar_t) != 0 || bytes < sizeof(wchar_t) ||
        bytes > kDataChars * sizeof(wchar_t)) {
        return std::nullopt;
    }
    const std::wstring_view text(data, bytes / sizeof(wchar_t) - 1);
    if (data[text.size()] != L'\0' || text.find(L'\0') != std::wstring_view::npos) {
        return std::nullopt;
    }
    return comNumberOf(text);
}

}  // namespace

std::vector<std::int32_t> serialCommPorts(const Win32RegistryApi& api) {
    HKEY key = nullptr;
    if (api.openKeyEx(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE,
                      &key) != ERROR_SUCCESS ||
        key == nullptr) {
        return {};
    }
    const std::unique_ptr<std::remove_pointer_t<HKEY>, std::function<void(HKEY)>> owner(
        key, [&api](HKEY k) { api.closeKey(k); });
    std::vector<std::int32_t> numbers;
    std::vector<wchar_t> name(kNameChars, L'\0');
    for (DWORD index = 0;; ++index) {
        wchar_t data[kDataChars] = {};
        DWORD nameChars = kNameChars;
        DWORD type = REG_NONE;
        DWORD bytes = kDataChars * sizeof(wchar_t);
        const LSTATUS status = api.enumValue(key, index, name.data(), &nameChars, nullptr, &type,
                                             reinterpret_cast<LPBYTE>(data), &bytes);
        if (status == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (status == ERROR_MORE_DATA) {
            continue;  // data too long for a port name
        }
        if (status != ERROR_SUCCESS) {
            return {};
        }
        if (const std::optional<std::int32_t> n = comNumberOfData(type, data, bytes)) {
            numbers.push_back(*n);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

Win32RegistryApi systemWin32RegistryApi() {
    return {
        .openKeyEx = &RegOpenKeyExW,
        .enumValue = &RegEnumValueW,
        .closeKey = &RegCloseKey,
    };
}

}  // namespace pemlar
