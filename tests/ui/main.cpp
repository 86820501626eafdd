#include <gtest/gtest.h>

#include <QtGlobal>

#include <QApplication>
#include <optional>
#include <string>

#include "link/scom.h"
#include "ui/pemlar_host.h"

namespace {

// The application the main dialog expects, with a link that reaches no device.
class TestApplication : public QApplication, public PemlarHost {
public:
    TestApplication(int& argc, char** argv)
        : QApplication(argc, argv),
          com_(1, [](std::int32_t) -> std::optional<std::string> { return std::nullopt; }) {}
    scom& Com() override { return com_; }
    EepromImage& StoredImage() override { return image_; }

private:
    scom com_;
    EepromImage image_{};
};

}  // namespace

int main(int argc, char** argv) {
    // Also when ctest lists the cases, which it does without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
