// Notice: a modeless dialog painted at once, with its owner disabled, around a call that
// blocks the message loop.

#include "framework/notice.h"
#include "framework/win32/native.h"

namespace pemlar::fw {

namespace {

HWND ownerTopOf(const Dialog& dialog) {
    HWND owner = win32::handleOf(dialog.owner());
    return owner == nullptr ? nullptr : GetAncestor(owner, GA_ROOT);
}

}  // namespace

Notice::Notice(int templateId, Window* owner)
    : dialog_(std::make_unique<Dialog>(templateId, owner)) {
    dialog_->create();
    HWND window = static_cast<HWND>(dialog_->nativeHandle());
    // Nothing reaches the other windows while the call blocks; what arrives anyway is
    // dropped when the notice goes.
    if (HWND owner = ownerTopOf(*dialog_)) {
        EnableWindow(owner, FALSE);
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    // Children paint themselves on their own WM_PAINT: let them before the call blocks.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
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
    HWND owner = ownerTopOf(*dialog_);
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
