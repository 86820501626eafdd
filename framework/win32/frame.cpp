// Frame: a top-level window of the back end's own class around one dialog.

#include "framework/frame.h"
#include "framework/win32/native.h"

namespace pemlar::fw {

namespace win32 {

namespace {

// Title bar, system menu and minimise box; no sizing border, no maximise box.
constexpr DWORD kFrameStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        keepCreateParams(window, lParam);
    }
    Frame::Native* native = keptCreateParams<Frame::Native>(window);
    switch (message) {
        case WM_ACTIVATE:
            // A child dialog gets no activation messages of its own, so its dialog
            // manager can't remember its focus across a prompt or a notice: the frame does.
            if (LOWORD(wParam) == WA_INACTIVE && native != nullptr) {
                HWND focus = GetFocus();
                native->focusToRestore =
                    focus != nullptr && IsChild(window, focus) ? focus : nullptr;
            }
            break;
        case WM_SETFOCUS:
            if (native != nullptr && native->focusToRestore != nullptr &&
                IsChild(window, native->focusToRestore) &&
                IsWindowEnabled(native->focusToRestore) &&
                IsWindowVisible(native->focusToRestore)) {
                SetFocus(native->focusToRestore);
            } else if (HWND client = GetWindow(window, GW_CHILD)) {
                // The client dialog puts the focus on its first control.
                SetFocus(client);
            }
            return 0;
        case WM_CLOSE: {
            // A client that has ended (end() hides it, then closes the frame) is not
            // asked again.
            HWND client = native != nullptr ? handleOf(native->client) : nullptr;
            if (client != nullptr && (GetWindowLongW(client, GWL_STYLE) & WS_VISIBLE) != 0 &&
                !native->client->CanClose()) {
                return 0;
            }
            break;
        }
        case WM_DESTROY:
            if (native != nullptr) {
                native->window = nullptr;
                frameDestroyed(window);
                if (native->onClosed) {
                    const std::function<void()> handler = native->onClosed;
                    handler();
                }
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* frameClassName() {
    return registeredClass(L"PemlarFrame", frameProc);
}

Size outerSizeOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

}  // namespace win32

Frame::Frame(std::string_view caption, std::unique_ptr<Dialog> client)
    : client_(std::move(client)), native_(std::make_unique<Native>()) {
    native_->window = CreateWindowExW(0, win32::frameClassName(), win32::wide(caption).c_str(),
                                      win32::kFrameStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                                      nullptr, nullptr, win32::instance(), native_.get());
    if (native_->window == nullptr) {
        win32::fatal("frame for dialog", client_->templateId());
    }
    native_->client = client_.get();
}

Frame::~Frame() {
    if (native_->window != nullptr) {
        native_->onClosed = nullptr;
        // The client goes first, while its frame still exists as its parent.
        SetWindowLongPtrW(native_->window, GWLP_USERDATA, 0);
        HWND window = native_->window;
        native_->window = nullptr;
        client_.reset();
        DestroyWindow(window);
    }
}

void* Frame::nativeHandle() const {
    return native_->window;
}

void Frame::setIcon(int iconId) {
    native_->icon = LoadIconW(win32::instance(), MAKEINTRESOURCEW(iconId));
    if (native_->window != nullptr && native_->icon != nullptr) {
        SendMessageW(native_->window, WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(native_->icon));
    }
}

void Frame::create() {
    if (created_ || native_->window == nullptr) {
        return;
    }
    created_ = true;
    HWND client = static_cast<HWND>(client_->nativeHandle());
    SetParent(client, native_->window);
    SetWindowPos(client, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    client_->native().frame = native_->window;
    client_->create();
    // Shrink to the client: the client area is exactly the dialog's window, its dialog
    // frame included (that frame lies outside the dialog's own client area).
    const Size size = win32::outerSizeOf(client);
    RECT outer{0, 0, size.width, size.height};
    AdjustWindowRectEx(&outer, win32::kFrameStyle, FALSE, 0);
    SetWindowPos(native_->window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(client, SW_SHOWNA);
    Setup();
}

void Frame::close() {
    if (native_->window != nullptr) {
        SendMessageW(native_->window, WM_CLOSE, 0, 0);
    }
}

void Frame::onClosed(std::function<void()> handler) {
    native_->onClosed = std::move(handler);
}

}  // namespace pemlar::fw
