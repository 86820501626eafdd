#include "framework/qt/dialog_keys.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "framework/group_navigation.h"
#include "framework/mnemonics.h"

namespace pemlar::fw::qt {

namespace {

bool canTakeFocus(const QWidget* widget) {
    return widget != nullptr && !widget->isHidden() && widget->isEnabled() &&
           widget->focusPolicy() != Qt::NoFocus;
}

bool wantsArrows(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractScrollArea*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr;
}

// The mnemonic of a button that can take the focus, upper case; 0 for other controls.
char32_t mnemonicKey(QWidget* widget) {
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (!canTakeFocus(button)) {
        return 0;
    }
    return QChar::toUpper(fw::mnemonicOf(button->text().toStdU32String()));
}

}  // namespace

void DialogKeys::setControls(const std::vector<KeyedControl>& controls) {
    for (const Entry& entry : controls_) {
        if (entry.widget != nullptr) {
            entry.widget->removeEventFilter(this);
        }
    }
    controls_.clear();
    for (const KeyedControl& control : controls) {
        controls_.push_back({control.widget, control.startsGroup});
        control.widget->installEventFilter(this);
    }
}

std::optional<std::size_t> DialogKeys::indexOf(const QWidget* widget) const {
    std::optional<std::size_t> at;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].widget == widget) {
            at = i;
        }
    }
    return at;
}

QWidget* DialogKeys::nextInGroup(const QWidget* from, bool forward) const {
    const std::optional<std::size_t> at = indexOf(from);
    if (!at) {
        return nullptr;
    }
    std::vector<fw::GroupMember> members;
    members.reserve(controls_.size());
    for (const Entry& entry : controls_) {
        members.push_back({entry.startsGroup, canTakeFocus(entry.widget)});
    }
    const std::optional<std::size_t> next = fw::nextInGroup(members, *at, forward);
    return next ? controls_[*next].widget.data() : nullptr;
}

bool DialogKeys::typeMnemonic(QWidget* focused, QChar character) {
    std::vector<char32_t> mnemonics;
    mnemonics.reserve(controls_.size());
    for (const Entry& entry : controls_) {
        mnemonics.push_back(mnemonicKey(entry.widget));
    }
    const std::optional<fw::MnemonicHit> hit =
        fw::findMnemonic(mnemonics, indexOf(focused), character.unicode());
    if (!hit) {
        return false;
    }
    auto* button = qobject_cast<QAbstractButton*>(controls_[hit->control].widget.data());
    button->setFocus(Qt::ShortcutFocusReason);
    if (hit->press) {
        button->click();
    }
    return true;
}

bool DialogKeys::hasDefaultButton() const {
    for (const Entry& entry : controls_) {
        const auto* button = qobject_cast<const QPushButton*>(entry.widget.data());
        if (button != nullptr && button->isDefault() && !button->isHidden()) {
            return true;
        }
    }
    return false;
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (widget == nullptr || !widget->hasFocus() || modifiers != Qt::NoModifier) {
        return QObject::eventFilter(watched, event);
    }
    switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
        case Qt::Key_Down:
        case Qt::Key_Right: {
            if (wantsArrows(widget)) {
                return false;
            }
            const bool forward = key->key() == Qt::Key_Down || key->key() == Qt::Key_Right;
            if (QWidget* next = nextInGroup(widget, forward)) {
                next->setFocus(Qt::TabFocusReason);
            }
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            if (!ok_ || qobject_cast<QPushButton*>(widget) != nullptr ||
                qobject_cast<QAbstractScrollArea*>(widget) != nullptr || hasDefaultButton()) {
                return false;
            }
            ok_();
            return true;
        }
        default:
            break;
    }
    const QString text = key->text();
    if (qobject_cast<QPushButton*>(widget) != nullptr && text.size() == 1 &&
        text[0].isLetterOrNumber()) {
        return typeMnemonic(widget, text[0].toUpper());
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace pemlar::fw::qt
