#include "framework/qt/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "framework/dialog_results.h"
#include "framework/qt/test_seams.h"

namespace pemlar {

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

int showMessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon,
                   MessageButtons buttons) {
    int answer = 0;
    if (test_seams::takeAnswer({SeamKind::MessageBox, 0, caption, text, static_cast<int>(icon),
                                static_cast<int>(buttons)},
                               answer)) {
        return answer;
    }

    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::NoButton, owner);
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

}  // namespace pemlar
