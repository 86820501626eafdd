#pragma once
// A fresh folder in the system's temporary folder, removed with everything in it at
// the end.

#include <filesystem>

namespace pemlar {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace pemlar
