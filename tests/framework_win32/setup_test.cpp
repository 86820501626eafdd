// What the Win32 back end hands to MessageBoxW and the file dialogs.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "framework/win32/file_dialog_setup.h"
#include "framework/win32/message_box_setup.h"
#include "framework/win32/utf16.h"
#include "resources/resource_ids.h"

using namespace pemlar;

namespace {

using namespace pemlar::fw::win32;
using namespace std::string_literals;

TEST(MessageBoxSetup, FlagsOfIconAndButtons) {
    using pemlar::fw::MessageButtons;
    using pemlar::fw::MessageIcon;
    const std::array<std::tuple<MessageIcon, MessageButtons, std::uint32_t>, 5> rows = {{
        {MessageIcon::None, MessageButtons::Ok, 0x00},
        {MessageIcon::Warning, MessageButtons::Ok, 0x30},
        {MessageIcon::Error, MessageButtons::YesNo, 0x14},
        {MessageIcon::Information, MessageButtons::Ok, 0x40},
        {MessageIcon::Question, MessageButtons::YesNoCancel, 0x23},
    }};
    for (const auto& [icon, buttons, flags] : rows) {
        EXPECT_EQ(messageBoxFlags(icon, buttons), flags) << flags;
    }
}

TEST(FileDialogSetup, FilterTitleAndFlagsByMode) {
    EXPECT_EQ(fileDialogFilter("A|*.a"), u"A\0*.a\0\0"s);  // the final bar may be missing
    const FileDialogSetup open =
        fileDialogSetup(FileDialogMode::Open, kLoadTitleString, kFileFilterString);
    EXPECT_EQ(open.filter, u"Pemlar-Format *.PML\0*.PML\0Alle Dateien *.*\0*.*\0\0"s);
    EXPECT_EQ(open.title, u"Pemlardatei laden ...");
    EXPECT_EQ(open.filterIndex, 1u);
    EXPECT_EQ(open.flags, 0x1804u);  // file and path must exist, no read-only box
    const FileDialogSetup save = fileDialogSetup(FileDialogMode::Save, kSaveTitleString, 0);
    EXPECT_EQ(save.title, u"Pemlardatei speichern ...");
    EXPECT_EQ(save.filter, u"");
    EXPECT_EQ(save.flags, 0x0804u);  // path must exist; no overwrite prompt
}

TEST(WindowsText, Windows1252AndUtf16BothWays) {
    // Every byte has a character, the undefined ones included; CR LF passes as it is.
    EXPECT_EQ(wideFromWindows("a\x80\x81\xE4\xFF\r\n"), u"a\u20AC\u0081\u00E4\u00FF\r\n");
    EXPECT_EQ(windowsFromWide(u"a\u20AC\u0081\u00E4\r\n"), "a\x80\x81\xE4\r\n");
    // What the code page lacks, a lone surrogate included, becomes one '?'.
    EXPECT_EQ(windowsFromWide(u"\u0100\U0001F600" + std::u16string(1, char16_t{0xDC00})), "???");
    EXPECT_EQ(wideFromChars(U"\u20AC\U0001F600"), u"\u20AC\U0001F600");
    EXPECT_EQ(charsFromWide(u"\u20AC\U0001F600"), U"\u20AC\U0001F600");
    EXPECT_EQ(windowsFromUtf8("Gr\xC3\xBC\xC3\x9F\n\r\nx\xE2\x82\xAC"), "Gr\xFC\xDF\r\n\r\nx\x80");
}

}  // namespace
