#pragma once
// The Win32 back end's state behind the neutral window classes, and what its files
// share: the message pump every loop and the driver go through, the text conversions
// as wide strings, and the hidden window that parks dialogs until they get a home.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/application.h"
#include "framework/dialog.h"
#include "framework/frame.h"
#include "framework/popup.h"

namespace pemlar::fw {

namespace win32 {

// A bitmap of the resources, decoded for StretchDIBits: header and colour table (kept
// 4-byte aligned, as GDI reads them), and the pixel rows.
struct DibPicture {
    std::vector<std::uint32_t> info;
    std::vector<std::uint8_t> bits;
    int width = 0;
    int height = 0;  // rows, whatever the direction
};

}  // namespace win32

struct Dialog::Native {
    HWND window = nullptr;
    std::vector<std::uint8_t> templateBytes;
    bool visibleByTemplate = false;
    bool popupStyle = false;
    // Handlers by (control id, notification), run in the order they were connected.
    std::map<std::pair<int, Notification>, std::vector<std::function<void()>>> handlers;
    // Set while runModal() runs its loop.
    bool modal = false;
    bool ended = false;
    int result = 0;
    // The frame this dialog is the client of; its end closes the frame.
    HWND frame = nullptr;
    // Hints of combo boxes: one tooltip window for the dialog, texts by control id.
    HWND toolTips = nullptr;
    std::map<int, std::string> toolTipTexts;
    std::map<int, std::vector<std::string>> itemHints;  // per combo box, by entry
    // Edits the back end checks input of (subclassed), and a high surrogate typed
    // before its low half, by control id.
    std::map<int, char16_t> pendingHighSurrogate;
    // Bitmaps of the pictures, by control id.
    std::map<int, win32::DibPicture> pictures;
};

struct Frame::Native {
    HWND window = nullptr;
    HICON icon = nullptr;           // shared resource icon: not destroyed
    HWND focusToRestore = nullptr;  // the client's control that had the focus on deactivation
    Dialog* client = nullptr;       // asked before the frame closes
    std::function<void()> onClosed;
};

struct Popup::Native {
    HWND window = nullptr;
    std::function<void()> onTimer;
    std::function<void()> onPress;
    bool holding = false;
};

struct Application::Native {
    int& argc;
    char** argv;
};

namespace win32 {

// Texts in the form the W calls take (windows_text.cpp).
std::wstring wide(std::string_view windowsText);
std::wstring wideChars(std::u32string_view chars);
std::string narrow(std::wstring_view units);
std::u32string chars(std::wstring_view units);
std::wstring windowTextOf(HWND window);

inline HWND handleOf(const Window* window) {
    return window == nullptr ? nullptr : static_cast<HWND>(window->nativeHandle());
}

// The top-level window `window` is part of; null for none.
inline HWND rootOf(const Window* window) {
    HWND handle = handleOf(window);
    return handle == nullptr ? nullptr : GetAncestor(handle, GA_ROOT);
}

inline HWND handleOf(const Control& control) {
    return static_cast<HWND>(control.nativeHandle());
}

inline HWND dialogHandleOf(const Control& control) {
    return static_cast<HWND>(control.dialog().nativeHandle());
}

// The module, the parking window, the screen and the window classes (native.cpp).
HINSTANCE instance();

// A hidden top-level window that is the parent of child dialogs until a frame or popup
// takes them in.
HWND parkingWindow();

// The primary screen in pixels, from the origin.
Rect primaryScreen();

// Registers a window class of the back end once; returns its name.
const wchar_t* registeredClass(const wchar_t* name, WNDPROC procedure);
// On WM_NCCREATE: keeps the window's creation parameter (its Native) as GWLP_USERDATA.
void keepCreateParams(HWND window, LPARAM createStruct);

// What keepCreateParams kept; null before WM_NCCREATE and after the owner let go.
template <typename Native>
Native* keptCreateParams(HWND window) {
    return reinterpret_cast<Native*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Handles one message as the program's loops do (message_loop.cpp): mouse input held by
// a popup, the dialog manager of the modeless dialogs, then translate and dispatch.
void handleMessage(MSG& message);
// A focused push button of `dialog` is its default one, as the dialog manager shows it
// and as Return presses it; with the focus elsewhere the template's default (if any) is
// (dialog.cpp).
void showDefaultFor(HWND dialog, HWND focus);
// Modeless dialogs the loop gives the dialog manager's keyboard handling.
void registerDialog(HWND dialog);
void unregisterDialog(HWND dialog);
// The popup that holds the mouse (null when none): the wheel reaches no window then.
void setMouseHolder(HWND popup);

// The main frame of Application::exec is gone: the loop ends (application.cpp).
void frameDestroyed(HWND frame);

// The edit subclass (text_edit.cpp).
void attachEdit(Edit& edit);
void applyEditLayout(Edit& edit);
// The bitmap `id` of the resources; empty when there is none or framework/dib_layout.h
// refuses it (compressed ones among them) (picture.cpp).
std::optional<DibPicture> decodeBitmap(int id);

// The framework's error report: a window the program cannot do without could not be
// made. Says which and ends the program (dialog.cpp).
[[noreturn]] void fatal(const char* what, int id);

}  // namespace win32

}  // namespace pemlar::fw
