#pragma once
// A dialog's command table as data: which notification of which control runs which
// member handler.
//
//   const std::array<fw::CommandEntry<MyDialog>, 2> MyDialog::Commands = {{
//       {kCentreButton, fw::Notification::Clicked, &MyDialog::alignCentre},
//       {kPortList, fw::Notification::SelectionChanged, &MyDialog::EvPortChange},
//   }};
//   fw::connectCommands<MyDialog>(*this, Commands);   // in the constructor

#include <functional>
#include <span>

namespace pemlar::fw {

enum class Notification {
    Clicked,           // a push button was pressed (by mouse, Space, Return or mnemonic)
    SelectionChanged,  // the user chose an entry of a combo box (not set by the program)
    DroppingDown,      // a combo box's list is about to open (its entries may be refilled)
};

template <class Owner>
struct CommandEntry {
    int id;
    Notification notification;
    void (Owner::*handler)();
};

// Connects every entry of `table` through Dialog::onCommand; false when one of them
// could not be connected.
template <class Owner>
bool connectCommands(Owner& dialog, std::span<const CommandEntry<Owner>> table) {
    bool all = true;
    for (const CommandEntry<Owner>& entry : table) {
        auto handler = entry.handler;
        Owner* owner = &dialog;
        all = dialog.onCommand(entry.id, entry.notification, [owner, handler] {
            (owner->*handler)();
        }) && all;
    }
    return all;
}

}  // namespace pemlar::fw
