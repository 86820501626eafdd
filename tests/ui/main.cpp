#include <gtest/gtest.h>

#include <QtGlobal>

#include <QApplication>
#include <QSettings>
#include <memory>
#include <optional>
#include <string>

#include "link/scom.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/test_application.h"
#include "ui/pemlar_host.h"

namespace pemlar {

namespace {

PortResolver& testPorts() {
    static PortResolver resolver;
    return resolver;
}

QString& settingsFolder() {
    static QString folder;
    return folder;
}

// The application the main dialog expects, with a link that reaches only what the
// running test maps.
class TestApplication : public QApplication, public PemlarHost {
public:
    TestApplication(int& argc, char** argv) : QApplication(argc, argv), com_(defaultLink()) {}
    scom& Com() override { return *com_; }
    EepromImage& StoredImage() override { return image_; }
    void useLink(std::unique_ptr<scom> link) { com_ = link ? std::move(link) : defaultLink(); }

private:
    static std::unique_ptr<scom> defaultLink() {
        return std::make_unique<scom>(1, [](std::int32_t n) -> std::optional<std::string> {
            return testPorts() ? testPorts()(n) : std::nullopt;
        });
    }

    std::unique_ptr<scom> com_;
    EepromImage image_{};
};

}  // namespace

void useTestPorts(PortResolver resolver) {
    testPorts() = std::move(resolver);
}

void useTestLink(std::unique_ptr<scom> link) {
    static_cast<TestApplication*>(QCoreApplication::instance())->useLink(std::move(link));
}

QString testSettingsFolder() {
    return settingsFolder();
}

}  // namespace pemlar

using namespace pemlar;

int main(int argc, char** argv) {
    // Also when ctest lists the cases, which it does without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Settings, the port mapping folder and the backups of pages read in this run live
    // in temporary folders.
    const TempFolder config;
    settingsFolder() = QString::fromStdString(config.path().string());
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path().string()));
    const TempFolder data;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path().string()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder());
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
