#include <QAbstractButton>
#include <QMessageBox>

#include "framework/modal_backend.h"
#include "framework/qt/windows_text.h"
#include "framework/window.h"

namespace pemlar::fw {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

int backend::messageBox(Window* owner, std::string_view text, std::string_view caption,
                        MessageIcon icon, MessageButtons buttons) {
    QWidget* parent = owner != nullptr ? static_cast<QWidget*>(owner->nativeHandle()) : nullptr;
    QMessageBox box(qtIcon(icon), qt::fromWindowsText(caption), qt::fromWindowsText(text),
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.exec();
    // Closed without a button (close box, or closed by the program): as Escape.
    QAbstractButton* clicked = box.clickedButton();
    if (buttons == MessageButtons::Ok) {
        return IdOk;
    }
    if (clicked == box.button(QMessageBox::Yes)) {
        return IdYes;
    }
    if (clicked == box.button(QMessageBox::No) || buttons == MessageButtons::YesNo) {
        return IdNo;
    }
    return IdCancel;
}

}  // namespace pemlar::fw
