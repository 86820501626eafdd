#pragma once
// Connects a command-table entry to the notification of a template dialog's widget.

#include <functional>

#include "framework/command_table.h"

namespace pemlar::fw::qt {

class TemplateDialog;

// Connects `handler` to the notification of control `id` of `dialog`. False when the
// dialog has no such control, or the control cannot give that notification.
bool connectCommand(TemplateDialog* dialog, int id, fw::Notification notification,
                    std::function<void()> handler);

}  // namespace pemlar::fw::qt
