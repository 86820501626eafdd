#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "shell/ta_pemlare.h"
#include "tests/support/temp_folder.h"

using namespace pemlar;

int main(int argc, char** argv) {
    // The Qt back end draws offscreen, also when ctest lists the cases, which it does
    // without the test's environment.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The settings, the port mapping folder and any backups of this run live in
    // temporary folders, never in the user's own.
    const TempFolder config;
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    const TempFolder data;
    setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    // The program's own application object, with a link that reaches no device.
    TA_Pemlare app(argc, argv,
                   [](std::int32_t) -> std::optional<std::string> { return std::nullopt; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
