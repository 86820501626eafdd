#include "framework/qt/dialog_frame.h"

#include <qdrawutil.h>
#include <QPainter>

namespace pemlar::fw::qt {

void drawDialogFrame(QPainter& painter, const QRect& rect, const QPalette& palette) {
    // The platform's raised edge: outer light / dark shadow, inner highlight / shadow.
    qDrawWinPanel(&painter, rect, palette, false);
    painter.setPen(palette.color(QPalette::Button));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(2, 2, -3, -3));
}

}  // namespace pemlar::fw::qt
