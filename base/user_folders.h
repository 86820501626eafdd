#pragma once
// The user's own folders as the system names them, one file per platform
// (user_folders_posix.cpp, user_folders_win32.cpp). On POSIX a relative $XDG_* folder is
// invalid and ignored.

#include <filesystem>

namespace pemlar {

// What stands for ~ when $HOME is unset or empty: nothing (the folder is then empty),
// or the account's home folder from the user database ("/" when it names none).
enum class WithoutHome { Nothing, AccountFolder };

// The user's folder for configuration: $XDG_CONFIG_HOME or ~/.config on POSIX; empty
// on Windows, where the settings live in the registry.
std::filesystem::path userConfigHome(WithoutHome withoutHome = WithoutHome::Nothing);

// The user's folder for application data: $XDG_DATA_HOME or ~/.local/share on POSIX
// (empty without $HOME), %LOCALAPPDATA% on Windows (empty when unset or empty).
std::filesystem::path userDataHome();

}  // namespace pemlar
