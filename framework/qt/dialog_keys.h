#pragma once
// The keys a Win32 dialog handles for its controls, where Qt differs:
//
// - Arrow keys move the focus to the next or previous control of the focused control's
//   group and wrap inside the group, never into the next one. A group starts with a
//   control of the Group style (or the first control) and runs up to the next such
//   control. Hidden, disabled and unfocusable controls are passed over. Controls that
//   use the arrows themselves (edits, combo boxes) keep them.
// - A plain letter or digit typed while a push button has the focus acts as the
//   mnemonic of that character, as Alt with it would: the one button marked with
//   "&" and that character is pressed; several such buttons take the focus in turn,
//   none is pressed.
// - Return outside a push button and a multi-line edit, with no default push button,
//   is the dialog's OK command (id 1), as the dialog manager sends it.

#include <QObject>
#include <QPointer>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace pemlar {

struct KeyedControl {
    QWidget* widget;
    bool startsGroup;
};

class DialogKeys : public QObject {
    Q_OBJECT
public:
    explicit DialogKeys(QObject* owner) : QObject(owner) {}

    // The dialog's controls in template order; watches each of them.
    void setControls(const std::vector<KeyedControl>& controls);

    // What Return does where the dialog manager would send the OK command.
    void setOkCommand(std::function<void()> ok) { ok_ = std::move(ok); }

    // The control an arrow key moves the focus to from `from`, or null.
    QWidget* nextInGroup(const QWidget* from, bool forward) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool typeMnemonic(QWidget* focused, QChar character);
    bool hasDefaultButton() const;

    struct Entry {
        QPointer<QWidget> widget;
        bool startsGroup;
    };
    std::vector<Entry> controls_;
    std::function<void()> ok_;
};

}  // namespace pemlar
