// fw::driver on QTest: input goes through Qt's own event delivery, shortcuts included.

#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "framework/driver.h"
#include "framework/qt/dialog_native.h"
#include "framework/qt/windows_text.h"

namespace pemlar::fw::driver {

namespace {

Qt::KeyboardModifiers qtModifiers(Modifiers modifiers) {
    Qt::KeyboardModifiers flags;
    if (modifiers.shift) {
        flags |= Qt::ShiftModifier;
    }
    if (modifiers.control) {
        flags |= Qt::ControlModifier;
    }
    if (modifiers.alt) {
        flags |= Qt::AltModifier;
    }
    return flags;
}

Qt::Key qtKey(Key key) {
    switch (key) {
        case Key::Tab:
            return Qt::Key_Tab;
        case Key::Return:
            return Qt::Key_Return;
        case Key::Escape:
            return Qt::Key_Escape;
        case Key::Space:
            return Qt::Key_Space;
        case Key::Up:
            return Qt::Key_Up;
        case Key::Down:
            return Qt::Key_Down;
        case Key::Left:
            return Qt::Key_Left;
        case Key::Right:
            return Qt::Key_Right;
        case Key::Home:
            return Qt::Key_Home;
        case Key::End:
            return Qt::Key_End;
        case Key::Backspace:
            return Qt::Key_Backspace;
        case Key::Delete:
            return Qt::Key_Delete;
    }
    return Qt::Key_unknown;
}

QWidget* controlWidget(const Dialog& dialog, int id) {
    Control* control = dialog.control(id);
    return control != nullptr ? qt::widgetOf(*control) : nullptr;
}

// QTest picks the window that has the keyboard when it gets no widget.
QWidget* const kFocused = nullptr;

}  // namespace

void click(Dialog& dialog, int id) {
    if (QWidget* widget = controlWidget(dialog, id)) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
}

void type(Dialog& dialog, int id, std::string_view text) {
    QWidget* widget = controlWidget(dialog, id);
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : widget, Qt::Key_Return);
            continue;
        }
        const QString character = qt::fromWindowsText(text.substr(i, 1));
        const char32_t code = character.isEmpty() ? 0 : character.toUcs4().value(0);
        const auto key =
            code < 0x80 ? static_cast<Qt::Key>(QChar(code).toUpper().unicode()) : Qt::Key_unknown;
        QWidget* focus = QApplication::focusWidget();
        QTest::sendKeyEvent(QTest::Click, focus != nullptr ? focus : widget, key, character,
                            Qt::NoModifier);
    }
}

void key(Key key, Modifiers modifiers) {
    QTest::keyClick(kFocused, qtKey(key), qtModifiers(modifiers));
}

void letter(char letter, Modifiers modifiers) {
    QTest::keyClick(kFocused, letter, qtModifiers(modifiers));
}

void choose(Dialog& dialog, int id, int index) {
    auto* combo = qobject_cast<QComboBox*>(controlWidget(dialog, id));
    if (combo == nullptr || index < 0 || index >= combo->count()) {
        return;
    }
    // A locked list takes no choice, as under Win32.
    if (!combo->isEnabled() || combo->currentIndex() == index) {
        return;
    }
    // What choosing from the open list does: the new entry, then the notification.
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

void dropDown(Dialog& dialog, int id) {
    auto* combo = qobject_cast<QComboBox*>(controlWidget(dialog, id));
    if (combo == nullptr || !combo->isEnabled()) {
        return;
    }
    combo->showPopup();
    QApplication::processEvents();
    combo->hidePopup();
}

int focusedControl(const Dialog& dialog) {
    const QWidget* focus = QApplication::focusWidget();
    const qt::TemplateDialog* widget = dialog.native().widget;
    if (focus == nullptr || widget == nullptr) {
        return 0;
    }
    return widget->idOf(focus).value_or(0);
}

bool activate(Window& window) {
    QWidget* widget = qt::widgetOf(window);
    if (widget == nullptr) {
        return false;
    }
    widget = widget->window();
    widget->activateWindow();
    widget->raise();
    return QTest::qWaitForWindowActive(widget);
}

void processEvents(std::chrono::milliseconds duration) {
    QApplication::processEvents();
    if (duration.count() > 0) {
        QTest::qWait(static_cast<int>(duration.count()));
    }
}

}  // namespace pemlar::fw::driver
