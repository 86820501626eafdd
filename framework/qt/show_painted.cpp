#include "framework/qt/show_painted.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace pemlar::fw::qt {

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
    }
}

// While it lives, input and close requests go nowhere. The round trip to the window
// system delivers every kind of event, and Escape or the close box must not end the
// notice before the caller is done with it.
class InputHold : public QObject {
public:
    explicit InputHold(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    ~InputHold() override { qApp->removeEventFilter(this); }
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return isUserInput(event->type()) ||
               (event->type() == QEvent::Close && watched == &window_ && event->spontaneous());
    }

private:
    QWidget& window_;
};

}  // namespace

void showPainted(QWidget& window, int mapWaitMs) {
    const InputHold hold(window);
    window.show();
    const QDeadlineTimer deadline(mapWaitMs);
    QGuiApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QWindow* handle = window.windowHandle();
    while (handle != nullptr && !handle->isExposed() && !deadline.hasExpired()) {
        QThread::msleep(5);
        QGuiApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    window.repaint();
    // The painted image may still wait in the connection's buffer, and the window
    // manager may expose the window again (framing it); a round trip settles both.
    QGuiApplication::sync();
    window.repaint();
    QGuiApplication::sync();
}

}  // namespace pemlar::fw::qt
