#include "shell/tst_bitmap.h"

#include "shell/bitmap_fit.h"

namespace pemlar {

TST_Bitmap::TST_Bitmap(fw::ControlSlot slot, int bitmapId, bool keepAspect)
    : fw::Picture(slot, bitmapId), KeepAspect(keepAspect) {
    setPlacement([keepAspect](fw::Size control, fw::Size bitmap) {
        return bitmapTarget(bitmap, control, keepAspect);
    });
}

TST_Bitmap::~TST_Bitmap() = default;

}  // namespace pemlar
