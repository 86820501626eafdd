#pragma once
// What the back end puts into OPENFILENAMEW for the address-file dialogs. Pure, so
// filter, title and flags are checked without a window system.

#include <cstdint>
#include <string>
#include <string_view>

namespace pemlar::fw::win32 {

enum class FileDialogMode {
    Open,  // an existing file on an existing path
    Save,  // any name on an existing path: no overwrite question, no extension added
};

struct FileDialogSetup {
    FileDialogMode mode = FileDialogMode::Open;
    std::u16string title;           // empty: the platform's own title
    std::u16string filter;          // "name\0pattern\0...\0\0" with both final NULs; empty: none
    std::uint32_t filterIndex = 1;  // the first pair is preselected
    std::uint32_t flags = 0;        // OFN_ bits
    std::u16string directory;       // where the dialog starts; empty: the platform's choice
    std::u16string fileName;        // the name filled in; empty: none
};

// The "|"-separated filter text of the string table in the dialog's form: every bar
// becomes a NUL and the list ends with two NULs, also when the text lacks the final bar.
std::u16string fileDialogFilter(std::string_view barSeparatedUtf8);
// The same for text already in UTF-16.
std::u16string fileDialogFilterFrom(std::u16string barSeparated);

// Title and filter by string id (0: none), flags by mode. The initial directory is
// left to the platform and no default extension is set.
FileDialogSetup fileDialogSetup(FileDialogMode mode, int titleId, int filterId);

}  // namespace pemlar::fw::win32
