#include "framework/qt/command_table.h"

#include <QAbstractButton>
#include <QComboBox>

#include "framework/qt/combo_box.h"
#include "framework/qt/template_dialog.h"

namespace pemlar::fw::qt {

bool connectCommand(TemplateDialog* dialog, int id, fw::Notification notification,
                    std::function<void()> handler) {
    QWidget* control = dialog->control(id);
    switch (notification) {
        case fw::Notification::Clicked:
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                QObject::connect(button, &QAbstractButton::clicked, dialog,
                                 [handler = std::move(handler)] { handler(); });
                return true;
            }
            break;
        case fw::Notification::SelectionChanged:
            if (auto* combo = qobject_cast<QComboBox*>(control)) {
                QObject::connect(combo, &QComboBox::activated, dialog,
                                 [handler = std::move(handler)] { handler(); });
                return true;
            }
            break;
        case fw::Notification::DroppingDown:
            if (auto* combo = qobject_cast<TemplateComboBox*>(control)) {
                QObject::connect(combo, &TemplateComboBox::droppingDown, dialog,
                                 [handler = std::move(handler)] { handler(); });
                return true;
            }
            break;
    }
    return false;
}

}  // namespace pemlar::fw::qt
