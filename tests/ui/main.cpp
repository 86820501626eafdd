#include <gtest/gtest.h>

#include <QtGlobal>

#include <QApplication>
#include <memory>
#include <optional>
#include <string>

#include "link/scom.h"
#include "tests/ui/test_link.h"
#include "ui/pemlar_host.h"

namespace {

// The application the main dialog expects, with a link that reaches no device.
class TestApplication : public QApplication, public PemlarHost {
public:
    TestApplication(int& argc, char** argv) : QApplication(argc, argv), com_(noDevice()) {}
    scom& Com() override { return *com_; }
    EepromImage& StoredImage() override { return image_; }
    void useLink(std::unique_ptr<scom> link) { com_ = link ? std::move(link) : noDevice(); }

private:
    static std::unique_ptr<scom> noDevice() {
        return std::make_unique<scom>(
            1, [](std::int32_t) -> std::optional<std::string> { return std::nullopt; });
    }

    std::unique_ptr<scom> com_;
    EepromImage image_{};
};

}  // namespace

void useTestLink(std::unique_ptr<scom> link) {
    static_cast<TestApplication*>(QCoreApplication::instance())->useLink(std::move(link));
}

int main(int argc, char** argv) {
    // Also when ctest lists the cases, which it does without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
