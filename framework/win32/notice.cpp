// Notice: a modeless dialog painted at once, with its owner disabled, around a call that
// blocks the message loop.

#include "framework/notice.h"
#include "framework/win32/native.h"

namespace pemlar::fw {

namespace {

// Paints `window` and its children at once: the prompt that just closed left its place
// on the owner unpainted, and the children of the notice paint on their own WM_PAINT.
void paintNow(HWND window) {
    if (window != nullptr) {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

}  // namespace

Notice::Notice(int templateId, Window* owner)
    : dialog_(std::make_unique<Dialog>(templateId, owner)) {
    dialog_->create();
    HWND window = static_cast<HWND>(dialog_->nativeHandle());
    // Nothing reaches the other windows while the call blocks; what arrives anyway is
    // dropped when the notice goes.
    if (HWND owner = win32::rootOf(dialog_->owner())) {
        EnableWindow(owner, FALSE);
    }
    ShowWindow(window, SW_SHOW);
    paintNow(win32::rootOf(dialog_->owner()));
    paintNow(window);
    // The screen gets what was painted only when the thread goes idle, which it won't
    // while the call blocks: a look into the queue that takes nothing flushes it.
    GdiFlush();
    MSG none{};
    PeekMessageW(&none, window, WM_APP + 1, WM_APP + 1, PM_NOREMOVE);
}

Notice::~Notice() {
    HWND window = static_cast<HWND>(dialog_->nativeHandle());
    const bool hadKeyboard = window != nullptr && GetActiveWindow() == window;
    MSG message{};
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    while (PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
    while (PeekMessageW(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE)) {
    }
    HWND owner = win32::rootOf(dialog_->owner());
    if (owner != nullptr) {
        EnableWindow(owner, TRUE);
    }
    if (window != nullptr) {
        ShowWindow(window, SW_HIDE);
    }
    if (hadKeyboard && owner != nullptr) {
        SetActiveWindow(owner);
    }
}

}  // namespace pemlar::fw
