// backend::pickFile: the common file dialogs over the root window of the owner.

#include "framework/modal_backend.h"
#include "framework/win32/file_dialog_setup.h"
#include "framework/win32/native.h"
#include "framework/win32/system_dialogs.h"
#include "framework/win32/utf16.h"

namespace pemlar::fw {

namespace {

std::u16string units(const std::filesystem::path& path) {
    const std::wstring text = path.native();
    return {text.begin(), text.end()};
}

}  // namespace

std::optional<std::filesystem::path> backend::pickFile(Window* owner, FilePickerMode mode,
                                                       std::string_view title,
                                                       std::string_view barSeparatedFilter,
                                                       const std::filesystem::path& directory,
                                                       const std::filesystem::path& proposedName) {
    const auto dialogMode =
        mode == FilePickerMode::Open ? win32::FileDialogMode::Open : win32::FileDialogMode::Save;
    win32::FileDialogSetup setup = win32::fileDialogSetup(dialogMode, 0, 0);
    setup.title = win32::wideFromWindows(title);
    setup.filter = win32::fileDialogFilterFrom(win32::wideFromWindows(barSeparatedFilter));
    setup.directory = units(directory);
    setup.fileName = units(proposedName);
    const auto path =
        win32::runFileDialog(win32::systemWin32DialogApi(), win32::rootOf(owner), setup);
    if (!path) {
        return std::nullopt;
    }
    // From the native wide form: no conversion through the locale's code page.
    const std::u16string wide = win32::toUtf16(*path);
    return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
}

}  // namespace pemlar::fw
