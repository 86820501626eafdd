// Every dialog template of the program, handed as DLGTEMPLATE bytes to the real dialog
// manager: each control must come out in template order with its id, class, text,
// style facts and the position MapDialogRect gives for its dialog units.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win32/dialog_template_bytes.h"
#include "framework/win32/utf16.h"
#include "resources/dialog_templates.h"

namespace {

using pemlar::fw::win32::controlStyleBits;
using pemlar::fw::win32::dialogTemplateBytes;
using pemlar::fw::win32::toUtf16;

INT_PTR CALLBACK acceptAll(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

struct WindowOwner {
    HWND window;
    ~WindowOwner() {
        if (window != nullptr) {
            DestroyWindow(window);
        }
    }
};

std::wstring windowText(HWND window) {
    std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1);
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::wstring wide(std::string_view utf8) {
    const std::u16string units = toUtf16(utf8);
    return {units.begin(), units.end()};
}

const wchar_t* className(ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox:
        case ControlKind::PushButton:
            return L"Button";
        case ControlKind::Edit:
            return L"Edit";
        case ControlKind::Static:
            return L"Static";
        case ControlKind::ComboBox:
            return L"ComboBox";
    }
    return L"";
}

// The dialog manager converts position and size each on its own, so the right and
// bottom edges come from the rounded size, not from the rounded far edge.
RECT dialogRect(HWND dialog, int x, int y, int w, int h) {
    RECT units{x, y, w, h};
    MapDialogRect(dialog, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

void expectRect(const RECT& actual, const RECT& expected, const char* what, int id) {
    EXPECT_EQ(actual.left, expected.left) << what << ' ' << id;
    EXPECT_EQ(actual.top, expected.top) << what << ' ' << id;
    EXPECT_EQ(actual.right, expected.right) << what << ' ' << id;
    EXPECT_EQ(actual.bottom, expected.bottom) << what << ' ' << id;
}

// Bits the dialog manager keeps as given. It moves WS_BORDER of edits to the extended
// style WS_EX_CLIENTEDGE (DS_3DLOOK) and adds WS_CLIPSIBLINGS and the like, so those are
// not compared.
constexpr DWORD kComparedBits = WS_VISIBLE | WS_DISABLED | WS_TABSTOP | WS_GROUP | 0xFFFF;

class TemplateDialog : public testing::TestWithParam<const DialogTemplate*> {};

TEST_P(TemplateDialog, ControlsAsTheTemplateSays) {
    const DialogTemplate& dialog = *GetParam();
    WindowOwner parent{CreateWindowExW(0, L"Static", L"parent", WS_POPUP, 0, 0, 800, 600, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), nullptr)};
    ASSERT_NE(parent.window, nullptr);
    const std::vector<std::uint8_t> bytes = dialogTemplateBytes(dialog);
    WindowOwner box{CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                               reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
                                               parent.window, acceptAll, 0)};
    ASSERT_NE(box.window, nullptr) << GetLastError();

    EXPECT_EQ(windowText(box.window), wide(dialog.caption));
    RECT client{};
    GetClientRect(box.window, &client);
    expectRect(client, dialogRect(box.window, 0, 0, dialog.w, dialog.h), "client", dialog.id);

    HWND child = GetWindow(box.window, GW_CHILD);
    for (const ControlTemplate& control : dialog.controls) {
        ASSERT_NE(child, nullptr) << "missing control " << control.id;
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(child)), static_cast<WORD>(control.id));
        if (control.id != -1) {
            EXPECT_EQ(GetDlgItem(box.window, control.id), child) << control.id;
        }
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        EXPECT_EQ(lstrcmpiW(name, className(control.kind)), 0) << control.id;
        // A drop-down list shows its selection, not a text of its own.
        if (control.kind != ControlKind::ComboBox) {
            EXPECT_EQ(windowText(child), wide(control.text)) << control.id;
        }
        const auto style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        EXPECT_EQ(style & kComparedBits, controlStyleBits(control) & kComparedBits)
            << std::hex << control.id;

        RECT placed{};
        GetWindowRect(child, &placed);
        MapWindowPoints(nullptr, box.window, reinterpret_cast<POINT*>(&placed), 2);
        const RECT expected = dialogRect(box.window, control.x, control.y, control.w, control.h);
        if (control.kind == ControlKind::ComboBox) {
            // The template's height is the dropped-down list's, which the combo box
            // sizes by its own rules (Wine differs from Windows there); the closed box
            // takes the height of its selection field.
            EXPECT_EQ(placed.left, expected.left) << control.id;
            EXPECT_EQ(placed.top, expected.top) << control.id;
            EXPECT_EQ(placed.right, expected.right) << control.id;
        } else {
            expectRect(placed, expected, "control", control.id);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than the template has";
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, TemplateDialog,
                         testing::Values(&kDialog1000, &kDialog2000, &kDialog2001, &kDialog2002,
                                         &kDialog2003, &kDialog2016, &kDialog2017),
                         [](const testing::TestParamInfo<const DialogTemplate*>& info) {
                             return std::to_string(info.param->id);
                         });

}  // namespace
