#include "framework/qt/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "framework/placement.h"

namespace pemlar::fw::qt {

namespace {

QRect primaryScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect();
}

// Re-centres its window when the frame's size changes after the first centring; gives
// up after one correction so that it never fights the user moving the window.
class OuterCentring : public QObject {
public:
    explicit OuterCentring(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }
    void centre() {
        outer_ = window_.frameGeometry().size();
        window_.move(centredOrigin(outer_, primaryScreenArea()));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        const bool placed = type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize;
        if (watched == &window_ && placed && window_.frameGeometry().size() != outer_) {
            window_.removeEventFilter(this);
            centre();
        }
        return false;
    }

private:
    QWidget& window_;
    QSize outer_;
};

class OwnerWatch : public QObject {
public:
    OwnerWatch(QWidget& popup, QWidget& owner) : QObject(&popup), popup_(&popup) {
        owner.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::WindowActivate:
            case QEvent::ActivationChange:
            case QEvent::ZOrderChange:
            case QEvent::WindowStateChange:
                // Later, once the owner's own restacking has reached the window system.
                QTimer::singleShot(0, popup_, [popup = popup_] {
                    if (popup != nullptr && popup->isVisible()) {
                        popup->raise();
                    }
                });
                break;
            default:
                break;
        }
        return false;
    }

private:
    QPointer<QWidget> popup_;
};

}  // namespace

void placeClientAt(QWidget& window, QPoint clientOrigin) {
    // setGeometry places the client area; move() would place the frame.
    window.setGeometry(QRect(clientOrigin, window.size()));
}

QPoint centredOrigin(QSize outer, const QRect& screen) {
    const fw::Point origin = fw::centredOrigin(
        {outer.width(), outer.height()}, {screen.x(), screen.y(), screen.width(), screen.height()});
    return {origin.x, origin.y};
}

void centreOuterOnPrimaryScreen(QWidget& window) {
    OuterCentring* centring = nullptr;
    for (QObject* child : window.children()) {
        if (auto* found = dynamic_cast<OuterCentring*>(child)) {
            centring = found;
        }
    }
    if (centring == nullptr) {
        centring = new OuterCentring(window);
    }
    centring->centre();
}

void keepAboveOwner(QWidget& popup) {
    QWidget* parent = popup.parentWidget();
    if (parent == nullptr || parent->window() == &popup) {
        return;
    }
    new OwnerWatch(popup, *parent->window());
}

}  // namespace pemlar::fw::qt
