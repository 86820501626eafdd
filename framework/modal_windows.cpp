// The calls that bring up a modal window, the same on every back end: a window a test
// answered in advance (test_seams.h) is recorded and not shown; any other the back end
// shows.

#include <string>

#include "framework/dialog.h"
#include "framework/modal_backend.h"
#include "framework/test_seams.h"

namespace pemlar::fw {

int messageBox(Window* owner, std::string_view text, std::string_view caption, MessageIcon icon,
               MessageButtons buttons) {
    int answer = 0;
    if (test_seams::takeAnswer({SeamKind::MessageBox, 0, std::string(caption), std::string(text),
                                static_cast<int>(icon), static_cast<int>(buttons)},
                               answer)) {
        return answer;
    }
    return backend::messageBox(owner, text, caption, icon, buttons);
}

std::optional<std::filesystem::path> pickFile(Window* owner, FilePickerMode mode,
                                              std::string_view title,
                                              std::string_view barSeparatedFilter,
                                              const std::filesystem::path& directory,
                                              const std::filesystem::path& proposedName) {
    std::optional<std::filesystem::path> answer;
    if (test_seams::takeFileAnswer({SeamKind::FilePicker, 0, std::string(title),
                                    std::string(barSeparatedFilter), 0, static_cast<int>(mode)},
                                   answer)) {
        return answer;
    }
    return backend::pickFile(owner, mode, title, barSeparatedFilter, directory, proposedName);
}

int Dialog::runModal() {
    int answer = 0;
    if (test_seams::takeAnswer({SeamKind::ModalDialog, templateId_, caption(), {}, 0, 0}, answer)) {
        return answer;
    }
    return runModalWindow();
}

}  // namespace pemlar::fw
