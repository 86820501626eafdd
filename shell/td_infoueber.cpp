#include "shell/td_infoueber.h"

#include "framework/resources.h"
#include "shell/tst_bitmap.h"

namespace pemlar {

TD_InfoUeber::TD_InfoUeber(fw::Window* owner, int templateId, int bitmapId, int versionStringId,
                           bool centreOnScreen)
    : fw::Dialog(templateId, owner),
      VersionStatic(nullptr),
      CentreOnScreen(centreOnScreen),
      VersionStringId(versionStringId) {
    replaceControl<TST_Bitmap>(kEmblemPicture, kEmblemBitmap, true);
    replaceControl<TST_Bitmap>(kNamePicture, bitmapId, false);
    VersionStatic = control(kVersionText);
}

TD_InfoUeber::~TD_InfoUeber() = default;

void TD_InfoUeber::Setup() {
    fw::Dialog::Setup();
    if (CentreOnScreen) {
        centreOnScreen();
    }
    if (VersionStatic != nullptr) {
        VersionStatic->setText(fw::loadString(VersionStringId));
    }
}

}  // namespace pemlar
