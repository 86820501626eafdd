// fw::Popup: a frameless tool window above its owner, shown inactive, with a timer and an
// application-wide event filter that holds the mouse.

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "framework/popup.h"
#include "framework/qt/dialog_native.h"
#include "framework/qt/placement.h"

namespace pemlar::fw {

namespace {

class PopupFrame : public QFrame {
public:
    explicit PopupFrame(QWidget* owner)
        : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setLineWidth(2);
    }
};

// Holds the mouse while `holding`. A button pressed while held keeps its release
// swallowed even after the hold ended, so the press that ends it does nothing else.
class MouseHold : public QObject {
public:
    ~MouseHold() override { stopFiltering(); }

    void hold(std::function<void()> onPress) {
        onPress_ = std::move(onPress);
        holding_ = true;
        startFiltering();
    }
    void release() {
        holding_ = false;
        if (pressed_ == Qt::NoButton) {
            stopFiltering();
        }
    }
    bool holding() const { return holding_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                if (!holding_) {
                    // The release of the closing press never came; stop waiting for it.
                    pressed_ = Qt::NoButton;
                    stopFiltering();
                    return QObject::eventFilter(watched, event);
                }
                const auto button = static_cast<QMouseEvent*>(event)->button();
                pressed_ |= button;
                if ((button == Qt::LeftButton || button == Qt::RightButton) && onPress_) {
                    // May end the hold, or the popup; a copy keeps the handler alive.
                    const std::function<void()> handler = onPress_;
                    handler();
                }
                return true;
            }
            case QEvent::MouseButtonRelease: {
                const auto button = static_cast<QMouseEvent*>(event)->button();
                if (!pressed_.testFlag(button)) {
                    return holding_ || QObject::eventFilter(watched, event);
                }
                pressed_ &= ~button;
                if (!holding_ && pressed_ == Qt::NoButton) {
                    stopFiltering();
                }
                return true;
            }
            case QEvent::Wheel:
            case QEvent::ContextMenu:
                return holding_ || QObject::eventFilter(watched, event);
            default:
                return QObject::eventFilter(watched, event);
        }
    }

private:
    void startFiltering() {
        if (!filtering_ && qApp != nullptr) {
            filtering_ = true;
            qApp->installEventFilter(this);
        }
    }
    void stopFiltering() {
        if (filtering_ && qApp != nullptr) {
            filtering_ = false;
            qApp->removeEventFilter(this);
        }
    }

    std::function<void()> onPress_;
    bool holding_ = false;
    bool filtering_ = false;
    // Buttons pressed while the mouse was held; their releases are swallowed too.
    Qt::MouseButtons pressed_;
};

}  // namespace

struct Popup::Native {
    QPointer<PopupFrame> frame;
    QTimer timer;
    std::function<void()> onTimer;
    MouseHold hold;
};

Popup::Popup(Window& owner) : owner_(owner), native_(std::make_unique<Native>()) {
    // Deleted in the destructor, unless the owner's widget took it along first.
    native_->frame = new PopupFrame(qt::widgetOf(owner_));
    native_->timer.setSingleShot(true);
    QObject::connect(&native_->timer, &QTimer::timeout, [this] {
        // The handler may replace itself or end the popup.
        const std::function<void()> handler = native_->onTimer;
        if (handler) {
            handler();
        }
    });
}

Popup::~Popup() {
    native_->timer.stop();
    native_->hold.release();
    content_.reset();
    delete native_->frame.data();
}

void* Popup::nativeHandle() const {
    return native_->frame.data();
}

void Popup::create(std::unique_ptr<Dialog> content) {
    PopupFrame* frame = native_->frame;
    if (content_ != nullptr || frame == nullptr) {
        return;
    }
    content_ = std::move(content);
    QWidget* inner = qt::widgetOf(*content_);
    inner->setParent(frame, Qt::Widget);
    content_->create();

    // The outer size is the content's template size; the frame lies inside it and
    // covers the content's right and bottom edge.
    const QSize outer = inner->size();
    const int border = frame->frameWidth();
    inner->setFixedSize(outer - QSize(2 * border, 2 * border));
    inner->move(border, border);
    inner->show();
    QPoint topLeft(0, 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        topLeft = qt::centredOrigin(outer, screen->geometry());
    }
    frame->setFixedSize(outer);
    frame->move(topLeft);
    qt::keepAboveOwner(*frame);
    frame->show();
}

void Popup::startTimer(std::chrono::milliseconds delay, std::function<void()> handler) {
    native_->onTimer = std::move(handler);
    native_->timer.start(delay);
}

void Popup::stopTimer() {
    native_->timer.stop();
}

void Popup::holdMouse(std::function<void()> onPress) {
    native_->hold.hold(std::move(onPress));
}

void Popup::releaseMouse() {
    native_->hold.release();
}

bool Popup::holdsMouse() const {
    return native_->hold.holding();
}

void Popup::close() {
    native_->timer.stop();
    if (native_->frame != nullptr) {
        native_->frame->close();
    }
    releaseMouse();
}

}  // namespace pemlar::fw
