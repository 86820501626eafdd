#pragma once
// The message box and the common file dialogs of the Win32 back end. The three calls
// go through a table, so tests can answer them without a window system.

#include <windows.h>
// commdlg.h needs windows.h first
#include <commdlg.h>

#include <functional>
#include <optional>
#include <string>

#include "framework/win32/file_dialog_setup.h"
#include "framework/win32/message_box_setup.h"

namespace pemlar::fw::win32 {

struct Win32DialogApi {
    std::function<int(HWND owner, LPCWSTR text, LPCWSTR caption, UINT flags)> messageBoxW;
    std::function<BOOL(LPOPENFILENAMEW)> getOpenFileNameW;
    std::function<BOOL(LPOPENFILENAMEW)> getSaveFileNameW;
};

// The real calls.
Win32DialogApi systemWin32DialogApi();

// Shows the box owned by `owner` and returns the id of the button pressed (IDOK,
// IDYES, ...), 0 when the box could not be shown.
int showMessageBox(const Win32DialogApi& api, HWND owner, const MessageBoxCall& call);

// Runs the open or save dialog owned by `owner`. The chosen full path as UTF-8, or
// nothing when the user cancelled or the dialog failed.
std::optional<std::string> runFileDialog(const Win32DialogApi& api, HWND owner,
                                         const FileDialogSetup& setup);

}  // namespace pemlar::fw::win32
