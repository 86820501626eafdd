// loadString: the string table in Windows-1252, as the program's text is.

#include "framework/resources.h"
#include "framework/win32/utf16.h"
#include "resources/string_table.h"

namespace pemlar::fw {

std::string loadString(int id) {
    return win32::windowsFromUtf8(stringResource(id));
}

}  // namespace pemlar::fw
