#pragma once
// Window placement as the Win32 dialog manager does it. Win32 knows a window's frame
// before it is shown; an X11 window manager adds its frame only once the window is
// mapped, so placements that depend on the frame are corrected when it arrives.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace pemlar::fw::qt {

// Puts a top-level window's client area (not its frame) at `clientOrigin`, in screen
// coordinates: a template dialog with an owner sits there by its client origin.
void placeClientAt(QWidget& window, QPoint clientOrigin);

// fw::centredOrigin (framework/placement.h) in Qt's terms.
QPoint centredOrigin(QSize outer, const QRect& screen);

// Centres the window's outer rectangle (frame included) on the primary screen; once the
// window manager's frame turns up after showing, centres it again, once.
void centreOuterOnPrimaryScreen(QWidget& window);

// A popup owned by another window stays above that window while it shows, also when the
// owner is shown later, raised or activated; the popup doesn't take the activation.
void keepAboveOwner(QWidget& popup);

}  // namespace pemlar::fw::qt
