#include "shell/tf_pemlare.h"

#include "framework/resource_ids.h"
#include "shell/tw_splash.h"

namespace pemlar {

TF_Pemlare::TF_Pemlare(QWidget* parent, const QString& caption, TemplateDialog* client)
    : FrameWindow(parent, caption, client) {}

TF_Pemlare::~TF_Pemlare() = default;

void TF_Pemlare::Setup() {
    FrameWindow::Setup();
    // Owned by the frame; stays among its children after it has gone away.
    auto* splash = new TW_Splash(this, kNameBitmap, kVersionString);
    splash->createWindow();
}

}  // namespace pemlar
