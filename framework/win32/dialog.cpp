// Dialog on the dialog manager: the template becomes an in-memory DLGTEMPLATE and a
// modeless dialog at once (hidden), so its controls exist from the constructor on. A
// modal run disables the owner and loops until end(), as DialogBox does.

#include <cstdio>
#include <cstdlib>

#include "framework/win32/dialog_template_bytes.h"
#include "framework/win32/native.h"
#include "resources/dialog_templates.h"

namespace pemlar::fw {

namespace win32 {

void fatal(const char* what, int id) {
    std::fprintf(stderr, "Pemlar: %s %d could not be created (error %lu)\n", what, id,
                 static_cast<unsigned long>(GetLastError()));
    std::fflush(stderr);
    std::abort();
}

namespace {

Dialog* dialogOf(HWND window) {
    return reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
}

const ControlTemplate* controlTemplate(int templateId, int id) {
    const DialogTemplate* dialog = findDialogTemplate(templateId);
    if (dialog == nullptr) {
        return nullptr;
    }
    for (const ControlTemplate& control : dialog->controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

void runHandlers(Dialog& dialog, int id, Notification notification) {
    auto& handlers = dialog.native().handlers;
    const auto found = handlers.find({id, notification});
    if (found == handlers.end()) {
        return;
    }
    // A copy: a handler may connect another one, or end the dialog.
    const std::vector<std::function<void()>> connected = found->second;
    for (const auto& handler : connected) {
        handler();
    }
}

INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        // The focus is given when the dialog is shown, not while it is made hidden.
        return FALSE;
    }
    Dialog* dialog = dialogOf(window);
    if (dialog == nullptr) {
        return FALSE;
    }
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const UINT code = HIWORD(wParam);
            const ControlTemplate* control = controlTemplate(dialog->templateId(), id);
            const bool isCombo = control != nullptr && control->kind == ControlKind::ComboBox;
            if (isCombo && code == CBN_SELCHANGE) {
                runHandlers(*dialog, id, Notification::SelectionChanged);
                return TRUE;
            }
            if (isCombo && code == CBN_DROPDOWN) {
                runHandlers(*dialog, id, Notification::DroppingDown);
                return TRUE;
            }
            if (isCombo || code != BN_CLICKED) {
                return FALSE;
            }
            // The standard handling of OK and Cancel follows whatever else is connected,
            // when the close check lets it (Return, Escape and the close box come here).
            runHandlers(*dialog, id, Notification::Clicked);
            if ((id == IdOk || id == IdCancel) && dialog->CanClose()) {
                dialog->end(id);
            }
            return TRUE;
        }
        case WM_NCDESTROY: {
            Dialog::Native& native = dialog->native();
            unregisterDialog(window);
            native.window = nullptr;
            if (native.modal && !native.ended) {
                native.ended = true;
                native.result = IdCancel;
            }
            SetWindowLongPtrW(window, DWLP_USER, 0);
            return FALSE;
        }
        default:
            return FALSE;
    }
}

HWND firstTabStop(HWND dialog) {
    return GetNextDlgTabItem(dialog, nullptr, FALSE);
}

int templateDefaultButton(int templateId) {
    const DialogTemplate* dialog = findDialogTemplate(templateId);
    if (dialog == nullptr) {
        return 0;
    }
    for (const ControlTemplate& control : dialog->controls) {
        if (control.kind == ControlKind::PushButton &&
            (control.style & ControlStyle::DefaultButton) != 0) {
            return control.id;
        }
    }
    return 0;
}

}  // namespace

void showDefaultFor(HWND dialogWindow, HWND focus) {
    const Dialog* dialog = dialogOf(dialogWindow);
    if (dialog == nullptr) {
        return;
    }
    const auto isPushButton = [](HWND control) {
        const LRESULT code = SendMessageW(control, WM_GETDLGCODE, 0, 0);
        return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
    };
    const bool onButton =
        focus != nullptr && GetParent(focus) == dialogWindow && isPushButton(focus);
    const int standing = templateDefaultButton(dialog->templateId());
    for (HWND child = GetWindow(dialogWindow, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const LRESULT code = SendMessageW(child, WM_GETDLGCODE, 0, 0);
        if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) == 0) {
            continue;
        }
        const bool wanted = onButton ? child == focus : GetDlgCtrlID(child) == standing;
        if (wanted != ((code & DLGC_DEFPUSHBUTTON) != 0)) {
            SendMessageW(child, BM_SETSTYLE, wanted ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        }
    }
}

}  // namespace win32

using win32::handleOf;

Dialog::Dialog(int templateId, Window* owner)
    : templateId_(templateId), owner_(owner), native_(std::make_unique<Native>()) {
    const DialogTemplate* found = findDialogTemplate(templateId);
    if (found == nullptr) {
        win32::fatal("dialog template", templateId);
    }
    // Made hidden; create() or runModal() shows it once Setup has run.
    DialogTemplate hidden = *found;
    hidden.style &= ~DialogStyle::Visible;
    native_->visibleByTemplate = (found->style & DialogStyle::Visible) != 0;
    native_->popupStyle = (found->style & DialogStyle::Child) == 0;
    native_->templateBytes = win32::dialogTemplateBytes(hidden);

    HWND parent = handleOf(owner);
    if (parent != nullptr && native_->popupStyle) {
        parent = GetAncestor(parent, GA_ROOT);
    }
    if (parent == nullptr && !native_->popupStyle) {
        parent = win32::parkingWindow();
    }
    HWND window = CreateDialogIndirectParamW(
        win32::instance(), reinterpret_cast<LPCDLGTEMPLATEW>(native_->templateBytes.data()), parent,
        win32::dialogProc, reinterpret_cast<LPARAM>(this));
    if (window == nullptr) {
        win32::fatal("dialog", templateId);
    }
    native_->window = window;
    win32::registerDialog(window);

    // The dialog manager made the controls in template order.
    HWND child = GetWindow(window, GW_CHILD);
    for (const ControlTemplate& control : found->controls) {
        std::unique_ptr<Control> handle;
        if (control.kind == ControlKind::Edit) {
            handle.reset(new Edit(*this, control.id, child));
        } else if (control.kind == ControlKind::ComboBox) {
            handle.reset(new ComboBox(*this, control.id, child));
        } else {
            handle.reset(new Control(*this, control.id, child));
        }
        if (control.kind == ControlKind::Edit && child != nullptr) {
            win32::attachEdit(static_cast<Edit&>(*handle));
        }
        controls_.push_back(std::move(handle));
        child = child == nullptr ? nullptr : GetWindow(child, GW_HWNDNEXT);
    }
}

Dialog::~Dialog() {
    if (native_->window != nullptr) {
        DestroyWindow(native_->window);
    }
}

void* Dialog::nativeHandle() const {
    return native_->window;
}

bool Dialog::onCommand(int id, Notification notification, std::function<void()> handler) {
    const ControlTemplate* control = win32::controlTemplate(templateId_, id);
    if (control == nullptr || findControl(id) == nullptr) {
        return false;
    }
    const bool fits = notification == Notification::Clicked
                          ? control->kind == ControlKind::PushButton
                          : control->kind == ControlKind::ComboBox;
    if (!fits) {
        return false;
    }
    native_->handlers[{id, notification}].push_back(std::move(handler));
    return true;
}

Rect Dialog::mapDialogRect(Rect units) const {
    // Place and size each on its own, as the dialog manager converts a template.
    RECT r{units.x, units.y, units.width, units.height};
    MapDialogRect(native_->window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

void Dialog::create() {
    if (created_) {
        return;
    }
    created_ = true;
    Setup();
    if (native_->visibleByTemplate && native_->window != nullptr) {
        ShowWindow(native_->window, native_->popupStyle ? SW_SHOW : SW_SHOWNA);
    }
}

int Dialog::runModalWindow() {
    create();
    HWND window = native_->window;
    if (window == nullptr) {
        return IdCancel;
    }
    HWND ownerTop = win32::rootOf(owner_);
    const bool disabledOwner = ownerTop != nullptr && IsWindowEnabled(ownerTop);
    if (disabledOwner) {
        EnableWindow(ownerTop, FALSE);
    }
    native_->modal = true;
    native_->ended = false;
    ShowWindow(window, SW_SHOW);
    SetActiveWindow(window);
    if (HWND first = win32::firstTabStop(window)) {
        SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }
    MSG message{};
    while (!native_->ended) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The program is quitting: end here and let the outer loop see it too.
            PostQuitMessage(static_cast<int>(message.wParam));
            native_->result = IdCancel;
            break;
        }
        if (got == -1) {
            native_->result = IdCancel;
            break;
        }
        win32::handleMessage(message);
    }
    native_->modal = false;
    // The owner first, so the activation goes back to it and not to another program.
    if (disabledOwner) {
        EnableWindow(ownerTop, TRUE);
    }
    if (native_->window != nullptr) {
        ShowWindow(native_->window, SW_HIDE);
    }
    if (ownerTop != nullptr) {
        SetActiveWindow(ownerTop);
    }
    return native_->result;
}

void Dialog::end(int result) {
    native_->result = result;
    if (native_->modal) {
        native_->ended = true;
        return;
    }
    if (native_->window != nullptr) {
        ShowWindow(native_->window, SW_HIDE);
    }
    if (native_->frame != nullptr) {
        PostMessageW(native_->frame, WM_CLOSE, 0, 0);
    }
}

}  // namespace pemlar::fw
