#include "shell/td_infoueber.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

#include "framework/qt/placement.h"
#include "framework/qt/strings.h"
#include "framework/resource_ids.h"
#include "shell/tst_bitmap.h"

namespace pemlar {

TD_InfoUeber::TD_InfoUeber(QWidget* parent, int templateId, int bitmapId, int versionStringId,
                           bool centreOnScreen)
    : TemplateDialog(templateId, parent),
      VersionStatic(nullptr),
      CentreOnScreen(centreOnScreen),
      VersionStringId(versionStringId) {
    new TST_Bitmap(this, kEmblemPicture, kEmblemBitmap, true);
    new TST_Bitmap(this, kNamePicture, bitmapId, false);
    VersionStatic = control<QLabel>(kVersionText);
}

TD_InfoUeber::~TD_InfoUeber() = default;

void TD_InfoUeber::centreOnPrimaryScreen() {
    centreOuterOnPrimaryScreen(*this);
}

void TD_InfoUeber::showEvent(QShowEvent* event) {
    TemplateDialog::showEvent(event);
    // The title bar's size is known only once the window is on screen; centre again.
    if (CentreOnScreen && !event->spontaneous() && !centredWithFrame_) {
        centredWithFrame_ = true;
        centreOnPrimaryScreen();
    }
}

void TD_InfoUeber::Setup() {
    TemplateDialog::Setup();
    if (CentreOnScreen) {
        centreOnPrimaryScreen();
    }
    if (VersionStatic != nullptr) {
        VersionStatic->setText(loadString(VersionStringId));
    }
}

}  // namespace pemlar
