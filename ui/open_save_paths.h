#pragma once
// The path rules of the file dialog wrapper TC_OpenSaveDia: which directory the dialog
// opens in, which name it proposes, and how the chosen path is handed back.
//
// Paths are UTF-8 and use '/'. Where paths have drives (Windows), a leading "X:" is the
// drive and '\' separates as well.

#include <filesystem>
#include <string>

namespace pemlar {

inline constexpr bool kPathsHaveDrives = std::filesystem::path::preferred_separator == '\\';

struct PathParts {
    std::string drive;  // "C:" or empty
    std::string dir;    // up to and including the last separator, or empty
    std::string name;   // the file name up to its last dot
    std::string ext;    // from the file name's last dot on, or empty
    bool operator==(const PathParts&) const = default;
};

PathParts splitPath(const std::string& path, bool withDrives = kPathsHaveDrives);

// The directory the dialog opens in: drive and directory of the proposed name, or when
// it has neither, those of initialDir (whose last component counts as a file name
// unless it ends with a separator); one trailing separator removed. Empty means the
// platform's default directory.
std::string dialogDirectory(const std::string& proposedName, const std::string& initialDir,
                            bool withDrives = kPathsHaveDrives);

// The name the dialog proposes: the proposed name without drive and directory.
std::string dialogFileName(const std::string& proposedName, bool withDrives = kPathsHaveDrives);

// What the caller gets for a confirmed path: only name and extension when the path lies
// in initialDir's drive and directory (compared case-sensitively), else the whole path.
std::string confirmedPath(const std::string& chosenPath, const std::string& initialDir,
                          bool withDrives = kPathsHaveDrives);

// UTF-8 text and paths, both ways.
std::filesystem::path pathFromUtf8(const std::string& text);
std::string utf8Of(const std::filesystem::path& path);

}  // namespace pemlar
