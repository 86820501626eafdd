#include <gtest/gtest.h>

#include "framework/resource_ids.h"
#include "shell/td_infoueber.h"

using namespace pemlar;

namespace {

// The version line is the string table's, whatever the template says.
TEST(AboutBox, VersionLineComesFromTheGivenString) {
    for (int templateId : {kAboutDialog, kSplashDialog}) {
        TD_InfoUeber box(nullptr, templateId, kNameBitmap, kProgramTitleString, false);
        EXPECT_EQ(box.requireControl(kVersionText).text(), "Version 1.4");
        box.create();
        EXPECT_EQ(box.requireControl(kVersionText).text(), "Pemlar-Programm");
    }
}

}  // namespace
