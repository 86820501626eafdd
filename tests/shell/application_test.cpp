#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "data/eeprom_image.h"
#include "framework/qt/art_loader.h"
#include "framework/qt/template_dialog.h"
#include "framework/qt/windows_text.h"
#include "framework/resource_ids.h"
#include "link/scom.h"
#include "shell/ta_pemlare.h"
#include "shell/tf_pemlare.h"

using namespace pemlar;

namespace {

TA_Pemlare& app() {
    return *static_cast<TA_Pemlare*>(qApp);
}

TEST(Application, StartsOnPort1WithAWellFormedImageWhenNoPortOpens) {
    EXPECT_EQ(app().Com().getPort(), 1);
    EXPECT_FALSE(app().Com().isOpen());
    EepromImage recomputed = app().StoredImage();
    updateChecksums(recomputed);
    EXPECT_EQ(recomputed, app().StoredImage());
    EXPECT_NE(recomputed, EepromImage{});
}

// Runs the program until it ends; `user` acts once the frame is on screen.
int runAs(const std::function<void(TF_Pemlare&)>& user) {
    QTimer::singleShot(0, [user] {
        TF_Pemlare* frame = app().MainWindow();
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        user(*frame);
    });
    return app().Run();
}

TEST(Application, FrameMatchesTheDialogAndStaysFixed) {
    int status = runAs([](TF_Pemlare& frame) {
        TemplateDialog* dialog = frame.client();
        EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pemlar-Programm"));
        EXPECT_EQ(dialog->templateId(), kMainDialog);
        EXPECT_EQ(frame.size(), dialog->size());
        EXPECT_EQ(frame.minimumSize(), frame.maximumSize());
        EXPECT_FALSE(frame.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(frame.windowFlags() & Qt::WindowMinimizeButtonHint);
        // The program's icon group when the build has it; a frame without it still starts.
        EXPECT_EQ(frame.windowIcon().isNull(), loadIcon(kProgramIcon).isNull());
        for (int id : {kAddressEdit, kIdNumberEdit, kIdCodeEdit, kIdDateEdit}) {
            EXPECT_EQ(windowText(dialog->control(id)), "") << id;
        }
        frame.close();
    });
    EXPECT_EQ(status, 0);
}

TEST(Application, IconGroup1400HoldsBothSizes) {
    QIcon icon = loadIcon(kProgramIcon);
    if (icon.isNull()) {
        GTEST_SKIP() << "no icon art in this build";
    }
    QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}

TEST(Application, EscapeEndsTheProgramWithStatus0) {
    int status = runAs([](TF_Pemlare& frame) {
        QWidget* edit = frame.client()->control(kAddressEdit);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("ungesichert"));
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    EXPECT_EQ(status, 0);
}

TEST(Application, BeendenEndsTheProgramWithStatus0) {
    int status =
        runAs([](TF_Pemlare& frame) { frame.client()->control<QPushButton>(kOkButton)->click(); });
    EXPECT_EQ(status, 0);
}

}  // namespace
