// Application: common controls, and the message loop with the dialog manager's keyboard
// handling for the modeless dialogs (the main dialog inside its frame).

#include <algorithm>
#include <thread>

#include "framework/application.h"
#include "framework/frame.h"
#include "framework/win32/native.h"

namespace pemlar::fw {

namespace {

Application*& current() {
    static Application* application = nullptr;
    return application;
}

HWND& mainFrame() {
    static HWND frame = nullptr;
    return frame;
}

}  // namespace

namespace win32 {

void frameDestroyed(HWND frame) {
    if (frame != nullptr && frame == mainFrame()) {
        mainFrame() = nullptr;
        PostQuitMessage(0);
    }
}

}  // namespace win32

Application::Application(int& argc, char** argv)
    : native_(std::make_unique<Native>(Native{argc, argv})) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    current() = this;
}

Application::~Application() {
    if (current() == this) {
        current() = nullptr;
    }
}

Application* Application::instance() {
    return current();
}

int Application::exec(Frame& mainWindow) {
    HWND frame = static_cast<HWND>(mainWindow.nativeHandle());
    if (frame == nullptr) {
        return 1;
    }
    mainFrame() = frame;
    // The show command the process was started with.
    ShowWindow(frame, SW_SHOWDEFAULT);
    UpdateWindow(frame);
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            break;
        }
        if (got == -1) {
            mainFrame() = nullptr;
            return 1;
        }
        win32::handleMessage(message);
    }
    mainFrame() = nullptr;
    return static_cast<int>(message.wParam);
}

void Application::quit(int status) {
    PostQuitMessage(status);
}

void Application::processEvents() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Left for the loop that waits for it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        win32::handleMessage(message);
    }
}

}  // namespace pemlar::fw
