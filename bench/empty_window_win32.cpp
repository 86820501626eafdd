// The floor for the window program's start under Wine (and on Windows): an empty
// top-level window with a fixed frame around the main dialog's window (its 432 x 246
// client area and 3 px dialog frame: 438 x 252), nothing else. bench/start-times
// starts it and pemlar.exe alternately; the Wine smoke test drives it when pemlar.exe
// is not built.
//
// The caption is the command line (default "Leeres Fenster"), so a script can tell
// its window from others on the same display.

#include <windows.h>

#include <cstddef>
#include <iterator>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {  // as the program's main dialog
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    // A caption with blanks arrives in quotes: they are not part of it. No std::wstring,
    // so that the program stays as small as an empty window can be.
    wchar_t caption[128] = L"Leeres Fenster";
    if (commandLine != nullptr && *commandLine != L'\0') {
        const wchar_t* from = commandLine + (*commandLine == L'"' ? 1 : 0);
        std::size_t length = 0;
        while (from[length] != L'\0' && from[length] != L'"' && length + 1 < std::size(caption)) {
            caption[length] = from[length];
            ++length;
        }
        caption[length] = L'\0';
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"PemlarEmptyWindow";
    if (RegisterClassW(&windowClass) == 0) {
        return 1;
    }
    // The main dialog's window, 438 x 252, inside a fixed frame.
    RECT frame{0, 0, 438, 252};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, caption, style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
