#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "base/user_folders.h"

namespace pemlar {

namespace {

std::filesystem::path homeFolder(WithoutHome withoutHome) {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        return home;
    }
    if (withoutHome == WithoutHome::Nothing) {
        return {};
    }
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/";
}

// $<variable> when it is absolute, else `belowHome` in the home folder; empty when
// there is no home folder.
std::filesystem::path xdgFolder(const char* variable, const char* belowHome,
                                WithoutHome withoutHome) {
    if (const char* folder = std::getenv(variable); folder != nullptr && folder[0] == '/') {
        return folder;
    }
    const std::filesystem::path home = homeFolder(withoutHome);
    return home.empty() ? home : home / belowHome;
}

}  // namespace

std::filesystem::path userConfigHome(WithoutHome withoutHome) {
    return xdgFolder("XDG_CONFIG_HOME", ".config", withoutHome);
}

std::filesystem::path userDataHome() {
    return xdgFolder("XDG_DATA_HOME", ".local/share", WithoutHome::Nothing);
}

}  // namespace pemlar
