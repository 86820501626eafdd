#include "shell/tf_pemlare.h"

#include "framework/resource_ids.h"
#include "shell/tw_splash.h"

namespace pemlar {

TF_Pemlare::TF_Pemlare(std::string_view caption, std::unique_ptr<fw::Dialog> client)
    : fw::Frame(caption, std::move(client)) {}

TF_Pemlare::~TF_Pemlare() = default;

void TF_Pemlare::Setup() {
    fw::Frame::Setup();
    splash_ = std::make_unique<TW_Splash>(*this, kNameBitmap, kVersionString);
    splash_->createWindow();
}

}  // namespace pemlar
