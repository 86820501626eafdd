#include "shell/tst_bitmap.h"

#include <QPainter>

#include "framework/qt/art_loader.h"
#include "framework/qt/template_dialog.h"
#include "shell/bitmap_fit.h"

namespace pemlar {

TST_Bitmap::TST_Bitmap(TemplateDialog* dialog, int controlId, int bitmapId, bool keepAspect)
    : QLabel(dialog), Dib(loadBitmap(bitmapId)), KeepAspect(keepAspect) {
    dialog->replaceControl(controlId, this);
}

TST_Bitmap::~TST_Bitmap() = default;

void TST_Bitmap::paintEvent(QPaintEvent*) {
    if (Dib.isNull()) {
        return;
    }
    // Whole pixels only: the 16-colour pictures are meant to be seen as drawn.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(bitmapTarget(Dib.size(), size(), KeepAspect), Dib, Dib.rect());
}

}  // namespace pemlar
