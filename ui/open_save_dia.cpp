#include "ui/open_save_dia.h"

#include "framework/file_picker.h"
#include "framework/resources.h"
#include "ui/open_save_paths.h"

namespace pemlar {

TC_OpenSaveDia::TC_OpenSaveDia(int mode, std::string proposedName, std::string initialDir,
                               int titleId, int filterId)
    : mode_(mode),
      proposedName_(std::move(proposedName)),
      initialDir_(std::move(initialDir)),
      titleId_(titleId),
      filterId_(filterId) {}

int TC_OpenSaveDia::Execute(fw::Window* parent, std::filesystem::path& path) const {
    const std::string title = titleId_ != 0 ? fw::loadString(titleId_) : std::string();
    const std::string filter = filterId_ != 0 ? fw::loadString(filterId_) : std::string();
    const fw::FilePickerMode pickerMode =
        mode_ == OpenFile ? fw::FilePickerMode::Open : fw::FilePickerMode::Save;
    const std::optional<std::filesystem::path> chosen =
        fw::pickFile(parent, pickerMode, title, filter,
                     pathFromUtf8(dialogDirectory(proposedName_, initialDir_)),
                     pathFromUtf8(dialogFileName(proposedName_)));
    if (!chosen || chosen->empty()) {
        return 0;
    }
    path = pathFromUtf8(confirmedPath(utf8Of(*chosen), initialDir_));
    return 1;
}

}  // namespace pemlar
