// fw::Dialog on a TemplateDialog.

#include <QComboBox>
#include <QLineEdit>

#include "framework/qt/command_table.h"
#include "framework/qt/dialog_native.h"
#include "framework/qt/text_edit.h"
#include "resources/dialog_template.h"

namespace pemlar::fw {

Dialog::Dialog(int templateId, Window* owner)
    : templateId_(templateId), owner_(owner), native_(std::make_unique<Native>()) {
    QWidget* parent = owner != nullptr ? qt::widgetOf(*owner) : nullptr;
    // Deleted in the destructor, unless its Qt parent went first.
    native_->widget = new qt::TemplateDialog(templateId, parent);
    native_->widget->setCloseCheck([this] { return CanClose(); });
    for (const qt::TemplateDialog::Entry& entry : native_->widget->controls()) {
        QWidget* widget = entry.widget;
        if (auto* text = qobject_cast<qt::TemplateTextEdit*>(widget)) {
            std::unique_ptr<Edit> edit(new Edit(*this, entry.id, widget));
            text->setRules(edit.get());
            controls_.push_back(std::move(edit));
        } else if (qobject_cast<QLineEdit*>(widget) != nullptr) {
            controls_.push_back(std::unique_ptr<Edit>(new Edit(*this, entry.id, widget)));
        } else if (qobject_cast<QComboBox*>(widget) != nullptr) {
            controls_.push_back(std::unique_ptr<ComboBox>(new ComboBox(*this, entry.id, widget)));
        } else {
            controls_.push_back(std::unique_ptr<Control>(new Control(*this, entry.id, widget)));
        }
    }
}

Dialog::~Dialog() {
    // The edits check their input through their handles, the close check through this
    // handle: take those away first.
    if (native_->widget != nullptr) {
        native_->widget->setCloseCheck(nullptr);
        for (const qt::TemplateDialog::Entry& entry : native_->widget->controls()) {
            if (auto* text = qobject_cast<qt::TemplateTextEdit*>(entry.widget)) {
                text->setRules(nullptr);
            }
        }
    }
    controls_.clear();
    delete native_->widget.data();
}

void* Dialog::nativeHandle() const {
    return native_->widget.data();
}

bool Dialog::onCommand(int id, Notification notification, std::function<void()> handler) {
    if (findControl(id) == nullptr) {
        return false;
    }
    return qt::connectCommand(native_->widget, id, notification, std::move(handler));
}

Rect Dialog::mapDialogRect(Rect units) const {
    const QRect r =
        native_->widget->mapDialogRect(QRect(units.x, units.y, units.width, units.height));
    return {r.x(), r.y(), r.width(), r.height()};
}

void Dialog::create() {
    if (created_) {
        return;
    }
    created_ = true;
    Setup();
    if ((native_->widget->templateData().style & DialogStyle::Visible) != 0) {
        native_->widget->show();
    }
}

int Dialog::runModalWindow() {
    if (!created_) {
        created_ = true;
        Setup();
    }
    return native_->widget->exec();
}

void Dialog::end(int result) {
    native_->widget->done(result);
}

}  // namespace pemlar::fw
