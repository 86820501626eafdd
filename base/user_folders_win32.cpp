#include <cstdlib>

#include "base/user_folders.h"

namespace pemlar {

std::filesystem::path userConfigHome(WithoutHome) {
    return {};
}

std::filesystem::path userDataHome() {
    if (const wchar_t* local = _wgetenv(L"LOCALAPPDATA"); local != nullptr && local[0] != L'\0') {
        return local;
    }
    return {};
}

}  // namespace pemlar
