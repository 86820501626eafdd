#pragma once
// The platform's file-open and file-save dialogs, answerable in advance by tests
// (test_seams.h).

#include <filesystem>
#include <optional>
#include <string_view>

namespace pemlar::fw {

class Window;

enum class FilePickerMode {
    Open,  // only an existing file
    Save,  // any name in an existing folder; no overwrite question, no extension added
};

// Runs the dialog modally over `owner` with `title` and a filter of the form
// "Name|pattern|Name|pattern|" (both Windows-1252; the first filter preselected, *.*
// matching every file), starting in `directory` with `proposedName` filled in (either
// may be empty). The chosen path, or nothing when the user cancelled.
std::optional<std::filesystem::path> pickFile(Window* owner, FilePickerMode mode,
                                              std::string_view title,
                                              std::string_view barSeparatedFilter,
                                              const std::filesystem::path& directory = {},
                                              const std::filesystem::path& proposedName = {});

}  // namespace pemlar::fw
