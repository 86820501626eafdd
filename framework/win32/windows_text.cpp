// The one place where text crosses between the windows (UTF-16) and the data layer
// (Windows-1252 bytes, or characters as UTF-32).

#include <algorithm>

#include "framework/win32/native.h"
#include "framework/win32/utf16.h"

namespace pemlar::fw::win32 {

std::wstring wide(std::string_view windowsText) {
    const std::u16string units = wideFromWindows(windowsText);
    return {units.begin(), units.end()};
}

std::wstring wideChars(std::u32string_view text) {
    const std::u16string units = wideFromChars(text);
    return {units.begin(), units.end()};
}

std::string narrow(std::wstring_view units) {
    const std::u16string copy(units.begin(), units.end());
    return windowsFromWide(copy);
}

std::u32string chars(std::wstring_view units) {
    const std::u16string copy(units.begin(), units.end());
    return charsFromWide(copy);
}

std::wstring windowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

}  // namespace pemlar::fw::win32
