// fw::Picture: a widget in the place of a static that paints one bitmap.

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "framework/controls.h"
#include "framework/qt/art_loader.h"
#include "framework/qt/dialog_native.h"

namespace pemlar::fw {

namespace {

class PictureWidget : public QWidget {
public:
    PictureWidget(const Picture& picture, QImage image)
        : picture_(picture), image_(std::move(image)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (image_.isNull()) {
            return;
        }
        const Rect target = picture_.target();
        // Whole pixels only: the 16-colour pictures are meant to be seen as drawn.
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(target.x, target.y, target.width, target.height), image_,
                          image_.rect());
    }

private:
    const Picture& picture_;
    QImage image_;
};

}  // namespace

Picture::Picture(ControlSlot slot, int bitmapId) : Control(slot.dialog, slot.id, nullptr) {
    QImage image = qt::loadBitmap(bitmapId);
    if (!image.isNull()) {
        bitmapSize_ = {image.width(), image.height()};
    }
    // Owned by the dialog's widget from here on, deleted with this handle.
    auto* widget = new PictureWidget(*this, std::move(image));
    setNativeHandle(widget);
    qt::TemplateDialog* dialogWidget = slot.dialog.native().widget;
    if (!dialogWidget->replaceControl(slot.id, widget)) {
        widget->setParent(dialogWidget);
        widget->hide();
    }
}

Picture::~Picture() {
    // Gone already when the dialog's widget went first.
    if (dialog().native().widget != nullptr) {
        delete qt::widgetOf(*this);
    }
}

void Picture::setPlacement(Placement placement) {
    placement_ = std::move(placement);
    qt::widgetOf(*this)->update();
}

Rect Picture::target() const {
    const QSize size = qt::widgetOf(*this)->size();
    const Size control{size.width(), size.height()};
    if (placement_) {
        return placement_(control, bitmapSize_);
    }
    return {0, 0, control.width, control.height};
}

}  // namespace pemlar::fw
