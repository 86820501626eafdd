#include <gtest/gtest.h>

#include "data/eeprom_image.h"
#include "framework/application.h"
#include "link/scom.h"
#include "shell/ta_pemlare.h"

using namespace pemlar;

namespace {

TEST(Application, StartsOnPort1WithAWellFormedImageWhenNoPortOpens) {
    auto& app = *static_cast<TA_Pemlare*>(fw::Application::instance());
    EXPECT_EQ(app.Com().getPort(), 1);
    EXPECT_FALSE(app.Com().isOpen());
    EepromImage recomputed = app.StoredImage();
    updateChecksums(recomputed);
    EXPECT_EQ(recomputed, app.StoredImage());
    EXPECT_NE(recomputed, EepromImage{});
}

}  // namespace
