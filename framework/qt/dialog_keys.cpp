#include "framework/qt/dialog_keys.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace pemlar {

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

// The character after the first single "&" of a button's text, upper case; or null.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            continue;
        }
        if (text[i + 1] != QLatin1Char('&')) {
            return text[i + 1].toUpper();
        }
        ++i;  // "&&" is a plain ampersand
    }
    return {};
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

QWidget* DialogKeys::nextInGroup(const QWidget* from, bool forward) const {
    const auto n = static_cast<std::ptrdiff_t>(controls_.size());
    std::ptrdiff_t at = -1;
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        if (controls_[static_cast<std::size_t>(i)].widget == from) {
            at = i;
        }
    }
    if (at < 0) {
        return nullptr;
    }
    std::ptrdiff_t first = at;
    while (first > 0 && !controls_[static_cast<std::size_t>(first)].startsGroup) {
        --first;
    }
    std::ptrdiff_t end = at + 1;
    while (end < n && !controls_[static_cast<std::size_t>(end)].startsGroup) {
        ++end;
    }
    const std::ptrdiff_t size = end - first;
    for (std::ptrdiff_t step = 1; step < size; ++step) {
        const std::ptrdiff_t offset = (at - first + (forward ? step : size - step)) % size;
        QWidget* candidate = controls_[static_cast<std::size_t>(first + offset)].widget;
        if (canTakeFocus(candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

bool DialogKeys::typeMnemonic(QWidget* focused, QChar character) {
    std::vector<QAbstractButton*> matches;
    std::size_t after = 0;  // the first match after the focused control
    bool passedFocus = false;
    for (const Entry& entry : controls_) {
        if (entry.widget == focused) {
            passedFocus = true;
            after = matches.size();
        }
        auto* button = qobject_cast<QAbstractButton*>(entry.widget.data());
        if (canTakeFocus(button) && mnemonicOf(button->text()) == character) {
            matches.push_back(button);
        }
    }
    if (matches.empty()) {
        return false;
    }
    if (!passedFocus || after >= matches.size()) {
        after = 0;
    }
    if (matches.size() == 1) {
        matches.front()->setFocus(Qt::ShortcutFocusReason);
        matches.front()->click();
        return true;
    }
    // The focused button is itself a match: move on to the one after it.
    if (matches[after] == focused) {
        after = (after + 1) % matches.size();
    }
    matches[after]->setFocus(Qt::ShortcutFocusReason);
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

}  // namespace pemlar
