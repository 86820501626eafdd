#include "ui/progress_notice.h"

#include <QApplication>

#include "framework/qt/show_painted.h"
#include "framework/qt/template_dialog.h"

namespace pemlar {

ProgressNotice::ProgressNotice(int templateId, QWidget* parent)
    : dialog_(new TemplateDialog(templateId, parent)) {
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->createWindow();
    showPainted(*dialog_);
}

ProgressNotice::~ProgressNotice() {
    if (dialog_ == nullptr) {
        return;
    }
    // Clicks and keys that came in while the notice was up are taken now, while it
    // still blocks the other windows, so that none of them starts another command.
    QApplication::processEvents();
    // As when an owned window closes: if the notice had the keyboard, the window that
    // owns it gets it back, instead of no window of the program having it.
    const bool wasActive = QApplication::activeWindow() == dialog_;
    QPointer<QWidget> owner = dialog_->parentWidget() ? dialog_->parentWidget()->window() : nullptr;
    delete dialog_.data();
    if (wasActive && owner != nullptr) {
        owner->activateWindow();
    }
}

}  // namespace pemlar
