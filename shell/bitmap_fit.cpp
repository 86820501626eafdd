#include "shell/bitmap_fit.h"

namespace pemlar {

namespace {

bool isEmpty(fw::Size size) {
    return size.width <= 0 || size.height <= 0;
}

}  // namespace

fw::Rect bitmapTarget(fw::Size picture, fw::Size control, bool keepAspect) {
    if (isEmpty(picture) || isEmpty(control)) {
        return {};
    }
    if (!keepAspect) {
        return {0, 0, control.width, control.height};
    }
    const double pictureRatio = static_cast<double>(picture.width) / picture.height;
    const double controlRatio = static_cast<double>(control.width) / control.height;
    const double scale = pictureRatio > controlRatio
                             ? static_cast<double>(control.width) / picture.width
                             : static_cast<double>(control.height) / picture.height;
    return {0, 0, static_cast<int>(picture.width * scale),
            static_cast<int>(picture.height * scale)};
}

}  // namespace pemlar
