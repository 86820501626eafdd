// fw::Notice: an application-modal template dialog, painted before the caller blocks.

#include <QApplication>
#include <QPointer>

#include "framework/notice.h"
#include "framework/qt/dialog_native.h"
#include "framework/qt/show_painted.h"

namespace pemlar::fw {

Notice::Notice(int templateId, Window* owner)
    : dialog_(std::make_unique<Dialog>(templateId, owner)) {
    QWidget* widget = qt::widgetOf(*dialog_);
    widget->setWindowModality(Qt::ApplicationModal);
    dialog_->create();
    qt::showPainted(*widget);
}

Notice::~Notice() {
    QWidget* widget = qt::widgetOf(*dialog_);
    if (widget == nullptr) {
        return;
    }
    // Clicks and keys that came in while the notice was up are taken now, while it
    // still blocks the other windows, so that none of them starts another command.
    QApplication::processEvents();
    widget = qt::widgetOf(*dialog_);
    if (widget == nullptr) {
        return;
    }
    // As when an owned window closes: if the notice had the keyboard, the window that
    // owns it gets it back, instead of no window of the program having it.
    const bool wasActive = QApplication::activeWindow() == widget;
    QPointer<QWidget> owner = widget->parentWidget() ? widget->parentWidget()->window() : nullptr;
    dialog_.reset();
    if (wasActive && owner != nullptr) {
        owner->activateWindow();
    }
}

}  // namespace pemlar::fw
