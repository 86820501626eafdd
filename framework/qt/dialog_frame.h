#pragma once
// The dialog frame of a dialog that lives inside another window (the main dialog): the
// raised double edge the Win32 dialog manager draws around it. Win32 puts it outside the
// client area; here it is drawn inside the template's size, in the margin every
// template leaves free at its edges, so no control moves.

#include <QPalette>
#include <QRect>

class QPainter;

namespace pemlar::fw::qt {

// Draws the edge along the inside of `rect`: light and highlight lines at the top and
// left, dark and shadow lines at the bottom and right, one line of the face inside.
void drawDialogFrame(QPainter& painter, const QRect& rect, const QPalette& palette);

}  // namespace pemlar::fw::qt
