#pragma once
// Windows' wide strings (UTF-16 in wchar_t) as UTF-8. Windows only.

#include <string>
#include <string_view>

namespace pemlar {

// A lone surrogate becomes U+FFFD, as the system converts it.
std::string utf8FromWide(std::wstring_view wide);

}  // namespace pemlar
