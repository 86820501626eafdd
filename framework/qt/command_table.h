#pragma once
// A dialog's command table as data: which notification of which control runs which
// member handler.
//
//   const std::array<CommandEntry<MyDialog>, 2> MyDialog::Commands = {{
//       {kCentreButton, Notification::Clicked, &MyDialog::alignCentre},
//       {kPortList, Notification::SelectionChanged, &MyDialog::EvPortChange},
//   }};
//   connectCommands(this, Commands);   // in the constructor

#include <functional>
#include <span>

class QObject;

namespace pemlar {

class TemplateDialog;

enum class Notification {
    Clicked,           // a push button was pressed (by mouse, Space, Return or mnemonic)
    SelectionChanged,  // the user chose an entry of a combo box (not set by the program)
};

template <class Owner>
struct CommandEntry {
    int id;
    Notification notification;
    void (Owner::*handler)();
};

// Connects `handler` to the notification of control `id` of `dialog`. False when the
// dialog has no such control, or the control cannot give that notification.
bool connectCommand(TemplateDialog* dialog, int id, Notification notification,
                    std::function<void()> handler);

// Connects every entry of `table`; false when one of them could not be connected.
template <class Owner>
bool connectCommands(Owner* dialog, std::span<const CommandEntry<Owner>> table) {
    bool all = true;
    for (const CommandEntry<Owner>& entry : table) {
        auto handler = entry.handler;
        all = connectCommand(dialog, entry.id, entry.notification,
                             [dialog, handler] { (dialog->*handler)(); }) &&
              all;
    }
    return all;
}

}  // namespace pemlar
