// What runFileDialog puts into OPENFILENAMEW, through a stand-in of the two calls, and
// one real message box answered by a timer.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <optional>
#include <string>

#include "framework/win32/system_dialogs.h"
#include "resources/resource_ids.h"

using namespace pemlar;

namespace {

using namespace pemlar::fw::win32;

TEST(FileDialogCall, SetUpGoesInAndThePathComesBack) {
    std::string call;
    OPENFILENAMEW seen{};
    std::optional<std::wstring> answer = L"C:\\Adressen\\Kühne";
    std::wstring proposed;
    auto respond = [&](const char* name, LPOPENFILENAMEW ofn) -> BOOL {
        call = name;
        seen = *ofn;
        proposed = ofn->lpstrFile;
        if (answer) {
            lstrcpynW(ofn->lpstrFile, answer->c_str(), static_cast<int>(ofn->nMaxFile));
        }
        return answer.has_value();
    };
    Win32DialogApi api;
    api.getOpenFileNameW = [&](LPOPENFILENAMEW ofn) { return respond("open", ofn); };
    api.getSaveFileNameW = [&](LPOPENFILENAMEW ofn) { return respond("save", ofn); };

    const FileDialogSetup setup =
        fileDialogSetup(FileDialogMode::Save, kSaveTitleString, kFileFilterString);
    EXPECT_EQ(runFileDialog(api, nullptr, setup), "C:\\Adressen\\K\xC3\xBChne");
    EXPECT_EQ(call, "save");
    EXPECT_EQ(seen.lStructSize, sizeof(OPENFILENAMEW));
    EXPECT_EQ(0, std::wmemcmp(seen.lpstrFilter, L"Pemlar-Format *.PML\0*.PML\0", 26));
    EXPECT_EQ(seen.nFilterIndex, 1u);
    EXPECT_STREQ(seen.lpstrTitle, L"Pemlardatei speichern ...");
    EXPECT_EQ(seen.Flags, setup.flags);
    EXPECT_EQ(seen.lpstrDefExt, nullptr);  // "name" stays "name", never "name.PML"
    EXPECT_EQ(seen.lpstrInitialDir, nullptr);

    EXPECT_EQ(proposed, L"");

    FileDialogSetup placed = setup;
    placed.directory = u"C:\\Adressen";
    placed.fileName = u"alt.PML";
    runFileDialog(api, nullptr, placed);
    EXPECT_STREQ(seen.lpstrInitialDir, L"C:\\Adressen");
    EXPECT_EQ(proposed, L"alt.PML");

    answer.reset();  // cancelled
    EXPECT_EQ(runFileDialog(api, nullptr, fileDialogSetup(FileDialogMode::Open, 0, 0)),
              std::nullopt);
    EXPECT_EQ(call, "open");
    EXPECT_EQ(seen.lpstrFilter, nullptr);
}

std::wstring boxText;

void CALLBACK answerNo(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND box = FindWindowW(L"#32770", L"Frage...")) {
        KillTimer(nullptr, timer);
        wchar_t text[64] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 64);  // the static that holds the message
        boxText = text;
        PostMessageW(box, WM_COMMAND, IDNO, 0);
    }
}

TEST(MessageBoxCall, RealBoxShowsTextUnderCaptionAndReturnsTheButton) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, answerNo);
    const MessageBoxCall question{
        u"Überschreiben?", u"Frage...",
        messageBoxFlags(fw::MessageIcon::Question, fw::MessageButtons::YesNoCancel)};
    const int pressed = showMessageBox(systemWin32DialogApi(), nullptr, question);
    KillTimer(nullptr, timer);
    EXPECT_EQ(pressed, IDNO);
    EXPECT_EQ(boxText, L"Überschreiben?");
}

}  // namespace
