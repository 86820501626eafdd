#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "shell/ta_pemlare.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_environment.h"

using namespace pemlar;

int main(int argc, char** argv) {
    // The Qt back end draws offscreen, also when ctest lists the cases, which it does
    // without the test's environment.
    setEnvironment("QT_QPA_PLATFORM", "offscreen", false);
    // The settings, the port mapping folder and any backups of this run live in
    // temporary folders, never in the user's own (on Windows the settings are the
    // registry key of the throw-away Wine prefix).
    const TempFolder config;
    setEnvironment("XDG_CONFIG_HOME", config.path().string());
    const TempFolder data;
    setEnvironment("XDG_DATA_HOME", data.path().string());
    setEnvironment("LOCALAPPDATA", data.path().string());
    stored_settings::clear();
    // The program's own application object, with a link that reaches no device.
    TA_Pemlare app(argc, argv,
                   [](std::int32_t) -> std::optional<std::string> { return std::nullopt; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
