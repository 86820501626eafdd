#pragma once
// What a back end does once the test seams (test_seams.h) let a modal window through:
// show it for real. Only framework/modal_windows.cpp calls these; the program goes
// through fw::messageBox, fw::pickFile and Dialog::runModal.

#include <filesystem>
#include <optional>
#include <string_view>

#include "framework/file_picker.h"
#include "framework/message_box.h"

namespace pemlar::fw::backend {

int messageBox(Window* owner, std::string_view text, std::string_view caption, MessageIcon icon,
               MessageButtons buttons);

std::optional<std::filesystem::path> pickFile(Window* owner, FilePickerMode mode,
                                              std::string_view title,
                                              std::string_view barSeparatedFilter,
                                              const std::filesystem::path& directory,
                                              const std::filesystem::path& proposedName);

}  // namespace pemlar::fw::backend
