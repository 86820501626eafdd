#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "framework/application.h"
#include "link/scom.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_environment.h"
#include "tests/ui/test_application.h"
#include "ui/pemlar_host.h"

namespace pemlar {

namespace {

PortResolver& testPorts() {
    static PortResolver resolver;
    return resolver;
}

// The application the main dialog expects, with a link that reaches only what the
// running test maps.
class TestApplication : public fw::Application, public PemlarHost {
public:
    TestApplication(int& argc, char** argv) : fw::Application(argc, argv), com_(defaultLink()) {}
    scom& Com() override { return *com_; }
    EepromImage& StoredImage() override { return image_; }
    void useLink(std::unique_ptr<scom> link) { com_ = link ? std::move(link) : defaultLink(); }
    PortResolver PortDevices() override {
        return [](std::int32_t n) { return testPorts() ? testPorts()(n) : std::nullopt; };
    }
    PortIdentifier PortIdentities() override { return systemPortIdentifier(); }

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
    static_cast<TestApplication*>(fw::Application::instance())->useLink(std::move(link));
}

}  // namespace pemlar

using namespace pemlar;

int main(int argc, char** argv) {
    // The Qt back end draws offscreen, also when ctest lists the cases, which it does
    // without the test's environment.
    setEnvironment("QT_QPA_PLATFORM", "offscreen", false);
    // Settings, the port mapping folder and the backups of pages read in this run live
    // in temporary folders (on Windows: the backups; the settings are the registry key
    // of the throw-away Wine prefix).
    const TempFolder config;
    setEnvironment("XDG_CONFIG_HOME", config.path().string());
    const TempFolder data;
    setEnvironment("XDG_DATA_HOME", data.path().string());
    setEnvironment("LOCALAPPDATA", data.path().string());
    stored_settings::clear();
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
