// Message boxes, file pickers, strings and the settings store of the Win32 back end.

#include "framework/modal_backend.h"
#include "framework/resources.h"
#include "framework/settings_store.h"
#include "framework/win32/file_dialog_setup.h"
#include "framework/win32/message_box_setup.h"
#include "framework/win32/native.h"
#include "framework/win32/registry_settings.h"
#include "framework/win32/system_dialogs.h"
#include "framework/win32/utf16.h"
#include "resources/string_table.h"

namespace pemlar::fw {

namespace {

std::u16string units(const std::filesystem::path& path) {
    const std::wstring text = path.native();
    return {text.begin(), text.end()};
}

}  // namespace

int backend::messageBox(Window* owner, std::string_view text, std::string_view caption,
                        MessageIcon icon, MessageButtons buttons) {
    const win32::MessageBoxCall box{win32::wideFromWindows(text), win32::wideFromWindows(caption),
                                    win32::messageBoxFlags(icon, buttons)};
    HWND ownerWindow = win32::handleOf(owner);
    if (ownerWindow != nullptr) {
        ownerWindow = GetAncestor(ownerWindow, GA_ROOT);
    }
    const int pressed = win32::showMessageBox(win32::systemWin32DialogApi(), ownerWindow, box);
    // A box that could not be shown counts as dismissed.
    if (pressed == 0) {
        return buttons == MessageButtons::YesNo ? IdNo
               : buttons == MessageButtons::Ok  ? IdOk
                                                : IdCancel;
    }
    return pressed;
}

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
    HWND ownerWindow = win32::handleOf(owner);
    if (ownerWindow != nullptr) {
        ownerWindow = GetAncestor(ownerWindow, GA_ROOT);
    }
    const auto path = win32::runFileDialog(win32::systemWin32DialogApi(), ownerWindow, setup);
    if (!path) {
        return std::nullopt;
    }
    // From the native wide form: no conversion through the locale's code page.
    const std::u16string wide = win32::toUtf16(*path);
    return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
}

std::string loadString(int id) {
    return win32::windowsFromUtf8(stringResource(id));
}

std::unique_ptr<SettingsStore> openSettingsStore(const SettingsPlace& place) {
    return win32::makeRegistrySettings(place.registryKey);
}

}  // namespace pemlar::fw
