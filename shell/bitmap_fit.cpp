#include "shell/bitmap_fit.h"

namespace pemlar {

QRect bitmapTarget(QSize picture, QSize control, bool keepAspect) {
    if (picture.isEmpty() || control.isEmpty()) {
        return {};
    }
    if (!keepAspect) {
        return QRect(QPoint(0, 0), control);
    }
    const double pictureRatio = static_cast<double>(picture.width()) / picture.height();
    const double controlRatio = static_cast<double>(control.width()) / control.height();
    const double scale = pictureRatio > controlRatio
                             ? static_cast<double>(control.width()) / picture.width()
                             : static_cast<double>(control.height()) / picture.height();
    return QRect(0, 0, static_cast<int>(picture.width() * scale),
                 static_cast<int>(picture.height() * scale));
}

}  // namespace pemlar
