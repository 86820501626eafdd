#include <gtest/gtest.h>

#include <QtGlobal>

#include <optional>
#include <string>

#include "shell/ta_pemlare.h"

int main(int argc, char** argv) {
    // Also when ctest lists the cases, which it does without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The program's own application object, with a link that reaches no device.
    TA_Pemlare app(argc, argv,
                   [](std::int32_t) -> std::optional<std::string> { return std::nullopt; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
