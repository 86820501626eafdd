#include "tests/support/temp_folder.h"

#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace pemlar {

// The system's temporary folder ($TMPDIR or /tmp; %TMP% on Windows), a name nobody has
// taken yet (creating the folder is the test), and only its owner may enter it.
TempFolder::TempFolder() {
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "pemlar-test-%08x", static_cast<unsigned>(random()));
        std::error_code error;
        if (std::filesystem::create_directory(base / name, error)) {
            path_ = base / name;
            std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::replace, error);
            return;
        }
    }
    throw std::runtime_error("no temporary folder could be created in " + base.string());
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace pemlar
