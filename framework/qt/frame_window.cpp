#include "framework/qt/frame_window.h"

#include <QCloseEvent>
#include <QTimer>

#include "framework/qt/template_dialog.h"

namespace pemlar::fw::qt {

FrameWindow::FrameWindow(QWidget* parent, const QString& caption, TemplateDialog* client)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      client_(client) {
    setWindowTitle(caption);
    client_->setParent(this, Qt::Widget);
    client_->move(0, 0);
    setFixedSize(client_->size());
    connect(client_, &QDialog::finished, this, &QWidget::close, Qt::QueuedConnection);
}

FrameWindow::~FrameWindow() = default;

void FrameWindow::fitClient() {
    client_->show();
    setFixedSize(client_->size());
}

void FrameWindow::closeEvent(QCloseEvent* event) {
    // A client that has ended (hidden, then closing its frame) is not asked again.
    if (!client_->isHidden() && !client_->mayClose()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        Q_EMIT closed();
    }
}

void FrameWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
            resize(minimumSize());
        });
    }
}

}  // namespace pemlar::fw::qt
