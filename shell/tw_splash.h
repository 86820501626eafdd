#pragma once
// The start-up splash: the about box's content (template 2017) in a thin frame without
// a caption, centred on the primary screen, above its owner without taking the
// activation. It goes away after its display time or at the first left or right mouse
// button press in any of the program's windows. While it shows, it holds the mouse:
// presses, releases and the wheel reach no other window, so the press that closes it
// does nothing else. Keys are left alone.

#include <chrono>

#include "framework/popup.h"

namespace pemlar {

class TD_InfoUeber;

class TW_Splash : public fw::Popup {
public:
    static constexpr std::chrono::milliseconds kDefaultDisplayTime{2000};

    // A popup owned by `owner`; shows bitmap `bitmapId` as the name picture and string
    // `versionStringId` as the version line.
    TW_Splash(fw::Window& owner, int bitmapId, int versionStringId);
    ~TW_Splash() override;

    // Builds the content, places and shows the splash, starts its timer and takes the
    // mouse. Once.
    void createWindow();

    TD_InfoUeber* contentDialog() const;
    // Whether it still shows (until its timer or a click closes it).
    bool isShowing() const { return showing_; }

    // How long splashes created from now on stay; for tests.
    static void setDisplayTime(std::chrono::milliseconds time);
    static std::chrono::milliseconds displayTime();

private:
    void dismiss();

    int BitmapId;
    int VersionStringId;
    bool created_ = false;
    bool showing_ = false;
};

}  // namespace pemlar
