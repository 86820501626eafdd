#include "framework/win32/file_dialog_setup.h"

#include "framework/win32/utf16.h"
#include "resources/string_table.h"

namespace pemlar::fw::win32 {

namespace {

constexpr std::uint32_t OFN_HIDEREADONLY = 0x0004;
constexpr std::uint32_t OFN_PATHMUSTEXIST = 0x0800;
constexpr std::uint32_t OFN_FILEMUSTEXIST = 0x1000;

}  // namespace

std::u16string fileDialogFilter(std::string_view barSeparatedUtf8) {
    return fileDialogFilterFrom(toUtf16(barSeparatedUtf8));
}

std::u16string fileDialogFilterFrom(std::u16string filter) {
    if (filter.empty()) {
        return {};
    }
    for (char16_t& unit : filter) {
        if (unit == u'|') {
            unit = u'\0';
        }
    }
    if (filter.back() != u'\0') {
        filter.push_back(u'\0');
    }
    filter.push_back(u'\0');
    return filter;
}

FileDialogSetup fileDialogSetup(FileDialogMode mode, int titleId, int filterId) {
    FileDialogSetup setup;
    setup.mode = mode;
    if (titleId != 0) {
        setup.title = toUtf16(stringResource(titleId));
    }
    if (filterId != 0) {
        setup.filter = fileDialogFilter(stringResource(filterId));
    }
    // Neither OFN_OVERWRITEPROMPT nor OFN_NOCHANGEDIR: an existing file is replaced
    // without a question.
    setup.flags = mode == FileDialogMode::Open
                      ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY
                      : OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return setup;
}

}  // namespace pemlar::fw::win32
