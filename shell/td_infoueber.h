#pragma once
// The program's name picture, its emblem, the version line and the maker's lines.
// Template 2016 makes it the modal about box "Info über ..."; template 2017 the
// caption-less content of the start-up splash.

#include "framework/dialog.h"

namespace pemlar {

class TD_InfoUeber : public fw::Dialog {
public:
    // The emblem (kEmblemBitmap) goes into kEmblemPicture with its proportions kept, bitmap
    // `bitmapId` into kNamePicture stretched over it, and string `versionStringId` into
    // kVersionText, whatever the template says there. With `centreOnScreen` the dialog
    // places itself in the middle of the primary screen.
    TD_InfoUeber(fw::Window* owner, int templateId, int bitmapId, int versionStringId,
                 bool centreOnScreen);
    ~TD_InfoUeber() override;

protected:
    void Setup() override;

private:
    fw::Control* VersionStatic;
    bool CentreOnScreen;
    int VersionStringId;
};

}  // namespace pemlar
