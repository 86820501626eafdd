// What the back end's windows share beyond the message loop: the module, the parking
// window, the screen, and the window classes of the back end's own windows.

#include "framework/win32/native.h"

namespace pemlar::fw::win32 {

HINSTANCE instance() {
    return GetModuleHandleW(nullptr);
}

HWND parkingWindow() {
    // One for the process, made on first use; the system destroys it with the thread.
    static HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         instance(), nullptr);
    return window;
}

Rect primaryScreen() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

const wchar_t* registeredClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance(), name, &existing)) {
        return name;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
    return name;
}

void keepCreateParams(HWND window, LPARAM createStruct) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(createStruct);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

}  // namespace pemlar::fw::win32
