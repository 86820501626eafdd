#pragma once
// TC_OpenSaveDia: the platform's file-open or file-save dialog, set up the program's
// way. Each command makes its own and drops it afterwards.

#include <filesystem>
#include <string>

namespace pemlar {

namespace fw {
class Window;
}

class TC_OpenSaveDia {
public:
    enum Mode { OpenFile = 1, SaveFile = 2 };

    // proposedName and initialDir are UTF-8 paths (open_save_paths.h); titleId and
    // filterId name strings of the string table, 0 for none. The filter is of the form
    // "Name|pattern|Name|pattern|"; its first choice is preselected.
    TC_OpenSaveDia(int mode, std::string proposedName, std::string initialDir, int titleId,
                   int filterId);

    // Runs the dialog modally, owned by parent. Opening accepts only an existing file;
    // saving asks no overwrite question and adds no extension. Returns 1 when the user
    // confirmed a file, and puts its path into path (only its name when it lies in the
    // initial directory, see open_save_paths.h); any other result leaves path alone.
    int Execute(fw::Window* parent, std::filesystem::path& path) const;

private:
    int mode_;
    std::string proposedName_;
    std::string initialDir_;
    int titleId_;
    int filterId_;
};

}  // namespace pemlar
