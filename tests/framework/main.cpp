#include <gtest/gtest.h>

#include <QtGlobal>

#include <QApplication>
#include <QSettings>

#include "tests/support/temp_folder.h"

int main(int argc, char** argv) {
    // Also when ctest lists the cases, which it does without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The settings of this run live in a temporary folder, never in the user's own.
    const pemlar::TempFolder config;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path().string()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(config.path().string()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
