#pragma once
// The keys a Win32 dialog handles for its controls, where Qt differs:
//
// - Arrow keys move the focus within the focused control's group
//   (framework/group_navigation.h). Controls that use the arrows themselves (edits,
//   combo boxes) keep them.
// - A plain letter or digit typed while a push button has the focus acts as the
//   mnemonic of that character among the buttons (framework/mnemonics.h); letters are
//   compared in upper case.
// - Return outside a push button and a multi-line edit, with no default push button,
//   is the dialog's OK command (id 1), as the dialog manager sends it.

#include <QObject>
#include <QPointer>
#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

namespace pemlar::fw::qt {

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
    std::optional<std::size_t> indexOf(const QWidget* widget) const;
    bool typeMnemonic(QWidget* focused, QChar character);
    bool hasDefaultButton() const;

    struct Entry {
        QPointer<QWidget> widget;
        bool startsGroup;
    };
    std::vector<Entry> controls_;
    std::function<void()> ok_;
};

}  // namespace pemlar::fw::qt
