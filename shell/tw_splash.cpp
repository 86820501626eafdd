#include "shell/tw_splash.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

#include "framework/qt/placement.h"
#include "framework/resource_ids.h"
#include "shell/td_infoueber.h"

namespace pemlar {

namespace {

// The content's template size, in its dialog units.
constexpr QRect kContentUnits(0, 0, 197, 106);

std::chrono::milliseconds& configuredDisplayTime() {
    static std::chrono::milliseconds time = TW_Splash::kDefaultDisplayTime;
    return time;
}

}  // namespace

TW_Splash::TW_Splash(QWidget* owner, int bitmapId, int versionStringId)
    : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      Content(nullptr),
      BitmapId(bitmapId),
      VersionStringId(versionStringId) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    timer_.setSingleShot(true);
    timer_.setInterval(configuredDisplayTime());
    connect(&timer_, &QTimer::timeout, this, &TW_Splash::dismiss);
}

TW_Splash::~TW_Splash() {
    stopHoldingMouse();
}

void TW_Splash::setDisplayTime(std::chrono::milliseconds time) {
    configuredDisplayTime() = time;
}

std::chrono::milliseconds TW_Splash::displayTime() {
    return configuredDisplayTime();
}

void TW_Splash::createWindow() {
    if (created_) {
        return;
    }
    created_ = true;
    Content = new TD_InfoUeber(this, kSplashDialog, BitmapId, VersionStringId, false);
    Content->createWindow();

    // The outer size is the content's; the frame lies inside it and covers the content's
    // right and bottom edge.
    const QSize outer = Content->mapDialogRect(kContentUnits).size();
    const int border = frameWidth();
    Content->setFixedSize(outer - QSize(2 * border, 2 * border));
    Content->move(border, border);
    QPoint topLeft(0, 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        topLeft = QPoint(area.x() + (area.width() - outer.width()) / 2,
                         area.y() + (area.height() - outer.height()) / 2);
    }
    setFixedSize(outer);
    move(topLeft);

    qApp->installEventFilter(this);
    holdingMouse_ = true;
    showing_ = true;
    keepAboveOwner(*this);
    show();
    timer_.start();
}

void TW_Splash::dismiss() {
    if (!showing_) {
        return;
    }
    showing_ = false;
    timer_.stop();
    close();
    if (pressedWhileHeld_ == Qt::NoButton) {
        stopHoldingMouse();
    }
    Q_EMIT dismissed();
}

void TW_Splash::stopHoldingMouse() {
    if (holdingMouse_ && qApp != nullptr) {
        holdingMouse_ = false;
        qApp->removeEventFilter(this);
    }
}

bool TW_Splash::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            if (!showing_) {
                // The release of the closing press never came; stop waiting for it.
                pressedWhileHeld_ = Qt::NoButton;
                stopHoldingMouse();
                return QFrame::eventFilter(watched, event);
            }
            const auto button = static_cast<QMouseEvent*>(event)->button();
            pressedWhileHeld_ |= button;
            if (button == Qt::LeftButton || button == Qt::RightButton) {
                dismiss();
            }
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto button = static_cast<QMouseEvent*>(event)->button();
            if (!pressedWhileHeld_.testFlag(button)) {
                return showing_ || QFrame::eventFilter(watched, event);
            }
            pressedWhileHeld_ &= ~button;
            if (!showing_ && pressedWhileHeld_ == Qt::NoButton) {
                stopHoldingMouse();
            }
            return true;
        }
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return showing_ || QFrame::eventFilter(watched, event);
        default:
            return QFrame::eventFilter(watched, event);
    }
}

}  // namespace pemlar
