// fw::Notice: an application-modal template dialog, painted before the caller blocks.

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QThread>
#include <QWindow>

#include "framework/notice.h"
#include "framework/qt/dialog_native.h"

namespace pemlar::fw {

namespace {

// How long to wait for the window system to map the notice. Only a window manager
// that is slow to map can make this last; usually the window is there at once.
constexpr int kMapWaitMs = 500;

}  // namespace

Notice::Notice(int templateId, Window* owner)
    : dialog_(std::make_unique<Dialog>(templateId, owner)) {
    QWidget* widget = widgetOf(*dialog_);
    widget->setWindowModality(Qt::ApplicationModal);
    dialog_->create();
    widget->show();
    // The window system maps the window in its own time; a window that is not yet
    // exposed would be painted into the void.
    const QDeadlineTimer deadline(kMapWaitMs);
    QWindow* window = widget->windowHandle();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    while (window != nullptr && !window->isExposed() && !deadline.hasExpired()) {
        QThread::msleep(5);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    widget->repaint();
    // Hands what was painted to the window system before the caller blocks.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

Notice::~Notice() {
    QWidget* widget = widgetOf(*dialog_);
    if (widget == nullptr) {
        return;
    }
    // Clicks and keys that came in while the notice was up are taken now, while it
    // still blocks the other windows, so that none of them starts another command.
    QApplication::processEvents();
    widget = widgetOf(*dialog_);
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
