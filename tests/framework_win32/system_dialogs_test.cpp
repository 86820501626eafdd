// What reaches MessageBoxW and the file dialogs, through a stand-in of the three calls,
// and one real message box answered by a timer.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/win32/system_dialogs.h"

namespace {

using namespace pemlar::fw::win32;

struct SeenFileDialog {
    std::string call;
    OPENFILENAMEW ofn{};
    std::wstring filter;  // up to and including the double NUL
    std::wstring title;
};

// Answers each file dialog with `answer` (nothing: cancelled) and keeps what it saw.
Win32DialogApi fakeFileDialogs(std::vector<SeenFileDialog>& seen,
                               std::optional<std::wstring> answer) {
    auto respond = [&seen, answer](const char* call, LPOPENFILENAMEW ofn) -> BOOL {
        SeenFileDialog entry{call, *ofn, {}, ofn->lpstrTitle ? ofn->lpstrTitle : L""};
        for (const wchar_t* p = ofn->lpstrFilter; p != nullptr && *p != L'\0'; p += wcslen(p) + 1) {
            entry.filter.append(p, wcslen(p) + 1);
        }
        entry.filter.push_back(L'\0');
        seen.push_back(entry);
        if (!answer || answer->size() >= ofn->nMaxFile) {
            return FALSE;
        }
        lstrcpynW(ofn->lpstrFile, answer->c_str(), static_cast<int>(ofn->nMaxFile));
        return TRUE;
    };
    Win32DialogApi api;
    api.getOpenFileNameW = [respond](LPOPENFILENAMEW ofn) { return respond("open", ofn); };
    api.getSaveFileNameW = [respond](LPOPENFILENAMEW ofn) { return respond("save", ofn); };
    return api;
}

TEST(FileDialogCall, OpenAndSaveGetTheirSetUpAndGiveThePathBack) {
    std::vector<SeenFileDialog> seen;
    const Win32DialogApi api = fakeFileDialogs(seen, L"C:\\Adressen\\Kühne.PML");
    const auto opened =
        runFileDialog(api, nullptr, fileDialogSetup(FileDialogMode::Open, 10301, 10300));
    const auto saved =
        runFileDialog(api, nullptr, fileDialogSetup(FileDialogMode::Save, 10302, 10300));
    EXPECT_EQ(opened, "C:\\Adressen\\K\xC3\xBChne.PML");
    EXPECT_EQ(saved, opened);

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].call, "open");
    EXPECT_EQ(seen[0].ofn.Flags,
              static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_EQ(seen[0].title, L"Pemlardatei laden ...");
    EXPECT_EQ(seen[1].call, "save");
    EXPECT_EQ(seen[1].ofn.Flags, static_cast<DWORD>(OFN_PATHMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_EQ(seen[1].title, L"Pemlardatei speichern ...");
    for (const SeenFileDialog& dialog : seen) {
        EXPECT_EQ(dialog.filter,
                  std::wstring(L"Pemlar-Format *.PML\0*.PML\0Alle Dateien *.*\0*.*\0\0", 48));
        EXPECT_EQ(dialog.ofn.nFilterIndex, 1u);
        EXPECT_EQ(dialog.ofn.lpstrDefExt, nullptr);
        EXPECT_EQ(dialog.ofn.lpstrInitialDir, nullptr);
        EXPECT_EQ(dialog.ofn.lStructSize, sizeof(OPENFILENAMEW));
        EXPECT_GE(dialog.ofn.nMaxFile, static_cast<DWORD>(MAX_PATH));
    }
}

TEST(FileDialogCall, CancelGivesNothing) {
    std::vector<SeenFileDialog> seen;
    EXPECT_EQ(runFileDialog(fakeFileDialogs(seen, std::nullopt), nullptr,
                            fileDialogSetup(FileDialogMode::Open, 10301, 10300)),
              std::nullopt);
}

// The real MessageBoxW under its own modal loop: a thread timer finds the box by its
// caption, checks its text and presses "No".
struct SeenBox {
    std::wstring text;
    bool found = false;
};
SeenBox* seenBox = nullptr;

void CALLBACK answerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", L"Frage...");
    if (box == nullptr) {
        return;  // not shown yet
    }
    KillTimer(nullptr, timer);
    wchar_t text[200] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 200);  // the message text's static
    seenBox->text = text;
    seenBox->found = true;
    PostMessageW(box, WM_COMMAND, IDNO, 0);
}

TEST(MessageBoxCall, RealBoxShowsTextAndCaptionAndReturnsTheButton) {
    SeenBox seen;
    seenBox = &seen;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, answerBox);
    ASSERT_NE(timer, 0u);
    const int pressed = showMessageBox(systemWin32DialogApi(), nullptr,
                                       messageBoxCall(MessageKind::Question, "Überschreiben?"));
    KillTimer(nullptr, timer);
    seenBox = nullptr;
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.text, L"Überschreiben?");
    EXPECT_EQ(pressed, IDNO);
}

}  // namespace
