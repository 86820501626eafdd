#pragma once
// The program's name picture, its emblem, the version line and the maker's lines.
// Template 2016 makes it the modal about box "Info über ..."; template 2017 the
// caption-less content of the start-up splash.

#include "framework/qt/template_dialog.h"

class QLabel;

namespace pemlar {

class TD_InfoUeber : public TemplateDialog {
    Q_OBJECT
public:
    // The emblem (kEmblemBitmap) goes into kEmblemPicture with its proportions kept, bitmap
    // `bitmapId` into kNamePicture stretched over it, and string `versionStringId` into
    // kVersionText, whatever the template says there. With `centreOnScreen` the dialog
    // places itself in the middle of the primary screen.
    TD_InfoUeber(QWidget* parent, int templateId, int bitmapId, int versionStringId,
                 bool centreOnScreen);
    ~TD_InfoUeber() override;

protected:
    void Setup() override;
    void showEvent(QShowEvent* event) override;

private:
    void centreOnPrimaryScreen();

    QLabel* VersionStatic;
    bool CentreOnScreen;
    int VersionStringId;
    bool centredWithFrame_ = false;
};

}  // namespace pemlar
