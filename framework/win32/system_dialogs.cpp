#include "framework/win32/system_dialogs.h"

#include <algorithm>
#include <vector>

#include "framework/win32/utf16.h"

namespace pemlar::fw::win32 {

namespace {

const wchar_t* wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// Room for long paths (\\?\ and long-path aware systems); a 260-character buffer
// would make the dialog fail for a deep folder as if the user had cancelled.
constexpr DWORD kPathBufferChars = 32768;

}  // namespace

Win32DialogApi systemWin32DialogApi() {
    return {
        [](HWND owner, LPCWSTR text, LPCWSTR caption, UINT flags) {
            return MessageBoxW(owner, text, caption, flags);
        },
        [](LPOPENFILENAMEW ofn) { return GetOpenFileNameW(ofn); },
        [](LPOPENFILENAMEW ofn) { return GetSaveFileNameW(ofn); },
    };
}

int showMessageBox(const Win32DialogApi& api, HWND owner, const MessageBoxCall& call) {
    return api.messageBoxW(owner, wide(call.text), wide(call.caption), call.flags);
}

std::optional<std::string> runFileDialog(const Win32DialogApi& api, HWND owner,
                                         const FileDialogSetup& setup) {
    std::vector<wchar_t> path(kPathBufferChars, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = setup.filter.empty() ? nullptr : wide(setup.filter);
    ofn.nFilterIndex = setup.filterIndex;
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = kPathBufferChars;
    ofn.lpstrTitle = setup.title.empty() ? nullptr : wide(setup.title);
    ofn.lpstrInitialDir = setup.directory.empty() ? nullptr : wide(setup.directory);
    // The proposed name, cut to the buffer (its last unit stays the NUL).
    const std::size_t nameUnits = std::min<std::size_t>(setup.fileName.size(), path.size() - 1);
    std::copy_n(setup.fileName.begin(), nameUnits, path.begin());
    ofn.Flags = setup.flags;
    const BOOL chosen = setup.mode == FileDialogMode::Open ? api.getOpenFileNameW(&ofn)
                                                           : api.getSaveFileNameW(&ofn);
    if (!chosen) {
        return std::nullopt;
    }
    path.back() = L'\0';
    const auto* units = reinterpret_cast<const char16_t*>(path.data());
    return toUtf8(std::u16string_view(units));
}

}  // namespace pemlar::fw::win32
