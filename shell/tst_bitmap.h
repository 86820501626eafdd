#pragma once
// A picture control: takes the place of a static control of a template dialog and
// paints a bitmap of the program's resources over it, scaled to the control's size
// (bitmapTarget), without smoothing. The static's own text never shows.

#include "framework/controls.h"

namespace pemlar {

class TST_Bitmap : public fw::Picture {
public:
    // Made through Dialog::replaceControl<TST_Bitmap>(controlId, bitmapId, keepAspect):
    // shows bitmap `bitmapId` with its proportions kept (keepAspect) or stretched over
    // the whole control.
    TST_Bitmap(fw::ControlSlot slot, int bitmapId, bool keepAspect);
    ~TST_Bitmap() override;

    bool keepsAspect() const { return KeepAspect; }

private:
    bool KeepAspect;
};

}  // namespace pemlar
