#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <cmath>

#include "framework/qt/dialog_units.h"
#include "framework/qt/template_dialog.h"
#include "framework/qt/text_edit.h"
#include "resources/resource_ids.h"

using namespace pemlar;
using namespace pemlar::fw::qt;

namespace {

// Base units of a font as the test reads the definition: the average width of the 52
// letters, and the height.
fw::DialogBaseUnits expectedUnits(const QFont& font) {
    QFontMetrics metrics(font);
    double letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {static_cast<int>(std::lround(letters / 52.0)), metrics.height()};
}

int px(int units, int base, int divisor) {
    return static_cast<int>(std::lround(double(units) * base / divisor));
}

TEST(DialogUnits, BaseUnitsFollowTheFont) {
    for (auto [face, points] : {std::pair{"Courier New", 10}, std::pair{"MS Sans Serif", 8},
                                std::pair{"MS Sans Serif", 10}}) {
        QFont font = dialogFont(face, points);
        fw::DialogBaseUnits base = measureBaseUnits(font);
        fw::DialogBaseUnits expected = expectedUnits(font);
        EXPECT_EQ(base.x, expected.x) << face << points;
        EXPECT_EQ(base.y, expected.y) << face << points;
        EXPECT_GT(base.x, 0);
    }
}

TEST(DialogUnits, CourierNewFallsBackToAFixedPitchFont) {
    QFont font = dialogFont("Courier New", 10);
    QFontMetrics metrics(font);
    EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')),
              metrics.horizontalAdvance(QLatin1Char('M')));
}

struct Placement {
    int id;
    int x, y, w, h;
};

// Controls of the main dialog's template (Courier New 10 pt), in dialog units.
const Placement kPlacements[] = {
    {kLeftButton, 12, 28, 50, 12},    {kCentreButton, 64, 28, 49, 12},
    {kLoadButton, 12, 12, 50, 12},    {kSaveButton, 64, 12, 49, 12},
    {kSettingsGroup, 124, 0, 88, 36}, {kInstrumentGroup, 124, 40, 88, 52},
    {kReadButton, 132, 56, 72, 12},   {kWriteButton, 132, 72, 72, 12},
    {kInfoButton, 152, 100, 60, 12},  {kOkButton, 152, 116, 60, 12},
    {kIdNumberGroup, 4, 96, 116, 32}, {kIdNumberEdit, 12, 108, 52, 12},
    {kAddressEdit, 12, 44, 100, 44},  {kIdCodeEdit, 68, 108, 16, 12},
    {kIdDateEdit, 88, 108, 20, 12},   {kSetButton, 112, 108, 24, 12},
};

TEST(TemplateDialog, PlacesControlsInPixelsOfItsFont) {
    TemplateDialog dialog(kMainDialog);
    fw::DialogBaseUnits base = expectedUnits(dialogFont("Courier New", 10));
    EXPECT_EQ(dialog.size(), QSize(px(216, base.x, 4), px(131, base.y, 8)));
    for (const Placement& p : kPlacements) {
        QWidget* control = dialog.control(p.id);
        ASSERT_NE(control, nullptr) << p.id;
        EXPECT_EQ(control->geometry(), QRect(px(p.x, base.x, 4), px(p.y, base.y, 8),
                                             px(p.w, base.x, 4), px(p.h, base.y, 8)))
            << p.id;
        EXPECT_EQ(control->font().family(), dialog.font().family()) << p.id;
    }
}

TEST(TemplateDialog, ComboBoxesKeepTheirWidthAndPlaceTheListBelow) {
    TemplateDialog dialog(kMainDialog);
    fw::DialogBaseUnits base = dialog.baseUnits();
    auto* ports = dialog.control<QComboBox>(kPortList);
    ASSERT_NE(ports, nullptr);
    EXPECT_EQ(ports->pos(), QPoint(px(132, base.x, 4), px(16, base.y, 8)));
    EXPECT_EQ(ports->width(), px(36, base.x, 4));
    EXPECT_LT(ports->height(), px(48, base.y, 8));
    EXPECT_GE(ports->maxVisibleItems(), 1);
}

TEST(TemplateDialog, FindsControlsByIdWithTheirKindAndState) {
    TemplateDialog dialog(kMainDialog);
    EXPECT_NE(dialog.control<QGroupBox>(kSettingsGroup), nullptr);
    EXPECT_NE(dialog.control<QPushButton>(kOkButton), nullptr);
    EXPECT_NE(dialog.control<TemplateTextEdit>(kAddressEdit), nullptr);
    EXPECT_EQ(dialog.control<QPushButton>(kAddressEdit), nullptr);
    EXPECT_EQ(dialog.control(4711), nullptr);
    EXPECT_FALSE(dialog.control(kLabelList)->isEnabled());
    EXPECT_TRUE(dialog.control(kSetButton)->isHidden());
    EXPECT_FALSE(dialog.control(kSetButton)->isEnabled());
    EXPECT_TRUE(dialog.control(kPortList)->isEnabled());
}

TEST(TemplateDialog, ReplacedControlTakesPlaceAndId) {
    TemplateDialog dialog(kMainDialog);
    QRect place = dialog.control(kInfoButton)->geometry();
    auto* replacement = new QPushButton(QStringLiteral("neu"));
    dialog.replaceControl(kInfoButton, replacement);
    EXPECT_EQ(dialog.control(kInfoButton), replacement);
    EXPECT_EQ(replacement->geometry(), place);
    EXPECT_EQ(replacement->parentWidget(), &dialog);
}

}  // namespace
