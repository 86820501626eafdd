// What the Win32 back end hands to MessageBoxW and the file dialogs.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "framework/settings_backend.h"
#include "framework/win32/file_dialog_setup.h"
#include "framework/win32/message_box_setup.h"
#include "framework/win32/utf16.h"

namespace {

using namespace pemlar::fw::win32;
using namespace std::string_literals;

TEST(MessageBoxSetup, CaptionIconAndButtonsByKind) {
    struct Row {
        MessageKind kind;
        std::u16string caption;
        std::uint32_t flags;
    };
    const std::array<Row, 4> rows = {{
        {MessageKind::Warning, u"Warnung...", 48},
        {MessageKind::Error, u"Fehler...", 16},
        {MessageKind::Info, u"Information...", 64},
        {MessageKind::Question, u"Frage...", 35},
    }};
    for (const Row& row : rows) {
        const MessageBoxCall call = messageBoxCall(row.kind, "geöffnet");
        EXPECT_EQ(call.caption, row.caption);
        EXPECT_EQ(call.flags, row.flags) << toUtf8(row.caption);
        EXPECT_EQ(call.text, u"geöffnet");
    }
    const MessageBoxCall warning =
        settingsWarningCall(settingsProblemText(pemlar::fw::SettingsProblem::NotWritten));
    EXPECT_EQ(warning.text, u"  Could not create entries!");
    EXPECT_EQ(warning.caption, u"Warning");
    EXPECT_EQ(warning.flags, 0u);
}

TEST(FileDialogSetup, FilterBarsBecomeNulsWithDoubleNulEnd) {
    const std::array<std::pair<std::string, std::u16string>, 4> rows = {{
        {"Pemlar-Format *.PML|*.PML|Alle Dateien *.*|*.*|",
         u"Pemlar-Format *.PML\0*.PML\0Alle Dateien *.*\0*.*\0\0"s},
        {"A|*.a", u"A\0*.a\0\0"s},
        {"Ä|*.ä|", u"Ä\0*.ä\0\0"s},
        {"", u""},
    }};
    for (const auto& [bars, expected] : rows) {
        EXPECT_EQ(fileDialogFilter(bars), expected) << bars;
    }
}

TEST(FileDialogSetup, OpenNeedsAnExistingFileSaveAsksNothing) {
    const FileDialogSetup open = fileDialogSetup(FileDialogMode::Open, 10301, 10300);
    EXPECT_EQ(open.title, u"Pemlardatei laden ...");
    EXPECT_EQ(open.filter.substr(0, 20), u"Pemlar-Format *.PML\0"s);
    EXPECT_EQ(open.filterIndex, 1u);
    EXPECT_EQ(open.flags, 6148u);  // file and path must exist, no read-only box

    const FileDialogSetup save = fileDialogSetup(FileDialogMode::Save, 10302, 10300);
    EXPECT_EQ(save.title, u"Pemlardatei speichern ...");
    EXPECT_EQ(save.flags, 2052u);  // path must exist, no read-only box, no overwrite prompt

    const FileDialogSetup bare = fileDialogSetup(FileDialogMode::Save, 0, 0);
    EXPECT_TRUE(bare.title.empty());
    EXPECT_TRUE(bare.filter.empty());
}

TEST(Utf16, MalformedUtf8BecomesReplacementAndRoundTrips) {
    EXPECT_EQ(toUtf16("a\xC3\xA4\xF0\x9F\x98\x80"), u"aä\U0001F600");
    EXPECT_EQ(toUtf16("\xC3(\xE0\x80\x80\xED\xA0\x80\xC3"),
              u"\uFFFD(\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(toUtf8(u"aä\U0001F600"), "a\xC3\xA4\xF0\x9F\x98\x80");
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
}

}  // namespace
