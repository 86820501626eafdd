#include "ui/progress_notice.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QWindow>

#include "framework/qt/template_dialog.h"

namespace pemlar {

namespace {

// How long to wait for the window system to map the notice. Only a window manager
// that is slow to map can make this last; usually the window is there at once.
constexpr int kMapWaitMs = 500;

}  // namespace

ProgressNotice::ProgressNotice(int templateId, QWidget* parent)
    : dialog_(new TemplateDialog(templateId, parent)) {
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->createWindow();
    dialog_->show();
    // The window system maps the window in its own time; a window that is not yet
    // exposed would be painted into the void.
    const QDeadlineTimer deadline(kMapWaitMs);
    QWindow* window = dialog_->windowHandle();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    while (window != nullptr && !window->isExposed() && !deadline.hasExpired()) {
        QThread::msleep(5);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    dialog_->repaint();
    // Hands what was painted to the window system before the caller blocks.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
