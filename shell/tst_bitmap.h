#pragma once
// A picture control: takes the place of a static control of a template dialog and
// paints a bitmap of the program's resources over it, scaled to the control's size
// (bitmapTarget), without smoothing. The static's own text never shows.

#include <QImage>
#include <QLabel>

namespace pemlar {

class TemplateDialog;

class TST_Bitmap : public QLabel {
    Q_OBJECT
public:
    // Replaces control `controlId` of `dialog` (which then owns this object) and shows
    // bitmap `bitmapId`: with its proportions kept (keepAspect) or stretched over the
    // whole control.
    TST_Bitmap(TemplateDialog* dialog, int controlId, int bitmapId, bool keepAspect);
    ~TST_Bitmap() override;

    const QImage& picture() const { return Dib; }
    bool keepsAspect() const { return KeepAspect; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage Dib;
    bool KeepAspect;
};

}  // namespace pemlar
