#include "shell/tw_splash.h"

#include "framework/resource_ids.h"
#include "shell/td_infoueber.h"

namespace pemlar {

namespace {

std::chrono::milliseconds& configuredDisplayTime() {
    static std::chrono::milliseconds time = TW_Splash::kDefaultDisplayTime;
    return time;
}

}  // namespace

TW_Splash::TW_Splash(fw::Window& owner, int bitmapId, int versionStringId)
    : fw::Popup(owner), BitmapId(bitmapId), VersionStringId(versionStringId) {}

TW_Splash::~TW_Splash() = default;

void TW_Splash::setDisplayTime(std::chrono::milliseconds time) {
    configuredDisplayTime() = time;
}

std::chrono::milliseconds TW_Splash::displayTime() {
    return configuredDisplayTime();
}

TD_InfoUeber* TW_Splash::contentDialog() const {
    return static_cast<TD_InfoUeber*>(content());
}

void TW_Splash::createWindow() {
    if (created_) {
        return;
    }
    created_ = true;
    create(
        std::make_unique<TD_InfoUeber>(nullptr, kSplashDialog, BitmapId, VersionStringId, false));
    holdMouse([this] { dismiss(); });
    showing_ = true;
    startTimer(configuredDisplayTime(), [this] { dismiss(); });
}

void TW_Splash::dismiss() {
    if (!showing_) {
        return;
    }
    showing_ = false;
    close();
}

}  // namespace pemlar
