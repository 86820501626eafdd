#include "ui/open_save_dia.h"

#include "framework/qt/file_picker.h"
#include "framework/qt/strings.h"
#include "ui/open_save_paths.h"

namespace pemlar {

TC_OpenSaveDia::TC_OpenSaveDia(int mode, const QString& proposedName, const QString& initialDir,
                               int titleId, int filterId)
    : mode_(mode),
      proposedName_(proposedName),
      initialDir_(initialDir),
      titleId_(titleId),
      filterId_(filterId) {}

int TC_OpenSaveDia::Execute(QWidget* parent, QString& path) const {
    const QString title = titleId_ != 0 ? loadString(titleId_) : QString();
    const QString filter = filterId_ != 0 ? loadString(filterId_) : QString();
    // The dialog takes a file path as its start: it opens in that file's directory
    // with the name filled in.
    const QString directory = dialogDirectory(proposedName_, initialDir_);
    const QString fileName = dialogFileName(proposedName_);
    QString start = directory;
    if (!fileName.isEmpty()) {
        start = directory.isEmpty() ? fileName : directory + u'/' + fileName;
    }
    const FilePickerMode pickerMode =
        mode_ == OpenFile ? FilePickerMode::Open : FilePickerMode::Save;
    const QString chosen = pickFile(parent, pickerMode, title, filter, start);
    if (chosen.isEmpty()) {
        return 0;
    }
    path = confirmedPath(chosen, initialDir_);
    return 1;
}

}  // namespace pemlar
