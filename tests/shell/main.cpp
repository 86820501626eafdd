#include <gtest/gtest.h>

#include <QtGlobal>

#include <QSettings>
#include <optional>
#include <string>

#include "shell/ta_pemlare.h"
#include "tests/support/temp_folder.h"

using namespace pemlar;

int main(int argc, char** argv) {
    // Also when ctest lists the cases, which it does without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The settings, the port mapping folder and any backups of this run live in
    // temporary folders, never in the user's own.
    const TempFolder config;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path().string()));
    const TempFolder data;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path().string()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(config.path().string()));
    // The program's own application object, with a link that reaches no device.
    TA_Pemlare app(argc, argv,
                   [](std::int32_t) -> std::optional<std::string> { return std::nullopt; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
