#include "ui/open_save_paths.h"

namespace pemlar {

namespace {

bool isSeparator(char c, bool withDrives) {
    return c == '/' || (withDrives && c == '\\');
}

bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

PathParts splitPath(const std::string& path, bool withDrives) {
    PathParts parts;
    std::size_t pos = 0;
    if (withDrives && path.size() >= 2 && path[1] == ':' && isAsciiLetter(path[0])) {
        parts.drive = path.substr(0, 2);
        pos = 2;
    }
    std::size_t fileStart = pos;
    for (std::size_t i = pos; i < path.size(); ++i) {
        if (isSeparator(path[i], withDrives)) {
            fileStart = i + 1;
        }
    }
    parts.dir = path.substr(pos, fileStart - pos);
    const std::string file = path.substr(fileStart);
    const std::size_t dot = file.rfind('.');
    parts.name = dot == std::string::npos ? file : file.substr(0, dot);
    parts.ext = dot == std::string::npos ? std::string() : file.substr(dot);
    return parts;
}

std::string dialogDirectory(const std::string& proposedName, const std::string& initialDir,
                            bool withDrives) {
    PathParts parts = splitPath(proposedName, withDrives);
    if (parts.drive.empty() && parts.dir.empty()) {
        parts = splitPath(initialDir, withDrives);
    }
    std::string dir = parts.drive + parts.dir;
    if (!dir.empty() && isSeparator(dir.back(), withDrives)) {
        dir.pop_back();
    }
    return dir;
}

std::string dialogFileName(const std::string& proposedName, bool withDrives) {
    const PathParts parts = splitPath(proposedName, withDrives);
    return parts.name + parts.ext;
}

std::string confirmedPath(const std::string& chosenPath, const std::string& initialDir,
                          bool withDrives) {
    const PathParts chosen = splitPath(chosenPath, withDrives);
    const PathParts initial = splitPath(initialDir, withDrives);
    if (chosen.drive == initial.drive && chosen.dir == initial.dir) {
        return chosen.name + chosen.ext;
    }
    return chosenPath;
}

std::filesystem::path pathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.generic_u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace pemlar
