// Every dialog template of the program, as DLGTEMPLATE bytes, built by the real dialog
// manager: each control in template order with its id, class, text, style and the
// position MapDialogRect gives for its dialog units.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win32/dialog_template_bytes.h"
#include "framework/win32/utf16.h"
#include "resources/dialog_templates.h"
#include "resources/resource_ids.h"
#include "tests/support/case_name.h"

using namespace pemlar;

namespace {

using pemlar::test::PrintTo;

using namespace pemlar::fw::win32;

INT_PTR CALLBACK acceptAll(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

struct OwnedWindow {
    HWND window;
    ~OwnedWindow() { DestroyWindow(window); }
};

std::wstring windowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::wstring wide(std::string_view utf8) {
    const std::u16string units = toUtf16(utf8);
    return {units.begin(), units.end()};
}

// Position and size are converted each on its own, as the dialog manager does.
RECT pixels(HWND dialog, int x, int y, int w, int h) {
    RECT units{x, y, w, h};
    MapDialogRect(dialog, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

std::vector<LONG> edges(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The dialog manager turns WS_BORDER of edits into WS_EX_CLIENTEDGE (DS_3DLOOK) and adds
// bits such as WS_CLIPSIBLINGS; these are the ones it keeps as given.
constexpr DWORD kKeptBits = WS_VISIBLE | WS_DISABLED | WS_TABSTOP | WS_GROUP | 0xFFFF;

struct TemplateCase {
    const char* name;
    int id;
};

class TemplateDialog : public testing::TestWithParam<TemplateCase> {};

TEST_P(TemplateDialog, ControlsAsTheTemplateSays) {
    const DialogTemplate& dialog = *findDialogTemplate(GetParam().id);
    const wchar_t* const classes[] = {L"Button", L"Button", L"Static", L"Edit", L"ComboBox"};
    OwnedWindow parent{CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 800, 600, nullptr,
                                       nullptr, nullptr, nullptr)};
    const std::vector<std::uint8_t> bytes = dialogTemplateBytes(dialog);
    OwnedWindow box{CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), parent.window, acceptAll, 0)};
    ASSERT_NE(box.window, nullptr) << GetLastError();
    EXPECT_EQ(windowText(box.window), wide(dialog.caption));
    RECT client{};
    GetClientRect(box.window, &client);
    EXPECT_EQ(edges(client), edges(pixels(box.window, 0, 0, dialog.w, dialog.h)));

    HWND child = GetWindow(box.window, GW_CHILD);
    for (const ControlTemplate& control : dialog.controls) {
        ASSERT_NE(child, nullptr) << "missing " << control.id;
        SCOPED_TRACE(control.id);
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(child)), static_cast<WORD>(control.id));
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        EXPECT_EQ(lstrcmpiW(name, classes[static_cast<int>(control.kind)]), 0);
        const auto style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        EXPECT_EQ(style & kKeptBits, controlStyleBits(control) & kKeptBits);
        RECT placed{};
        GetWindowRect(child, &placed);
        MapWindowPoints(nullptr, box.window, reinterpret_cast<POINT*>(&placed), 2);
        std::vector<LONG> expected =
            edges(pixels(box.window, control.x, control.y, control.w, control.h));
        if (control.kind == ControlKind::ComboBox) {
            // The template's height is the dropped-down list's, which the combo box sizes
            // by rules of its own (Wine's differ from Windows'); a drop-down list shows
            // its selection, not a text of its own.
            expected.back() = placed.bottom;
        } else {
            EXPECT_EQ(windowText(child), wide(control.text));
        }
        EXPECT_EQ(edges(placed), expected);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than the template has";
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, TemplateDialog,
                         testing::Values(TemplateCase{"Main", kMainDialog},
                                         TemplateCase{"ReadPrompt", kReadPromptDialog},
                                         TemplateCase{"ReadProgress", kReadProgressDialog},
                                         TemplateCase{"WritePrompt", kWritePromptDialog},
                                         TemplateCase{"WriteProgress", kWriteProgressDialog},
                                         TemplateCase{"About", kAboutDialog},
                                         TemplateCase{"Splash", kSplashDialog}),
                         pemlar::test::caseName);

}  // namespace
