// The window interface on the Win32 back end, driven through fw::driver under Wine: the
// main dialog in its frame, the splash's popup, a notice, and the answered seams.
#include <windows.h>
// <windows.h> names MessageBoxW MessageBox; SeamKind::MessageBox is meant here.
#undef MessageBox

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>

#include "framework/application.h"
#include "framework/driver.h"
#include "framework/file_picker.h"
#include "framework/frame.h"
#include "framework/message_box.h"
#include "framework/notice.h"
#include "framework/popup.h"
#include "framework/resources.h"
#include "framework/settings_store.h"
#include "framework/test_seams.h"

using namespace pemlar;
using namespace std::chrono_literals;

namespace {

using fw::driver::choose;
using fw::driver::click;
using fw::driver::focusedControl;
using fw::driver::key;
using fw::driver::processEvents;
using fw::driver::type;

HWND hwnd(const fw::Window& window) {
    return static_cast<HWND>(window.nativeHandle());
}

HWND hwnd(const fw::Control& control) {
    return static_cast<HWND>(control.nativeHandle());
}

class MainFrame : public testing::Test {
protected:
    int argc_ = 1;
    char name_[7] = "pemlar";
    std::array<char*, 2> argv_{name_, nullptr};
    fw::Application app_{argc_, argv_.data()};
    fw::Frame frame_{"Pemlar-Programm", std::make_unique<fw::Dialog>(kMainDialog)};
    fw::Dialog& dialog_ = frame_.client();
    bool closed_ = false;

    MainFrame() {
        fw::test_seams::reset();
        frame_.onClosed([this] { closed_ = true; });
        frame_.setIcon(kProgramIcon);
        frame_.create();
        frame_.show();
        fw::driver::activate(frame_);
    }
};

TEST_F(MainFrame, FixedFrameFitsItsClientAndCarriesTheIcon) {
    // The dialog's frame sits around its client area and inside the frame's.
    EXPECT_EQ(dialog_.clientRect().size(), dialog_.mapDialogRect({0, 0, 216, 131}).size());
    EXPECT_EQ(frame_.clientRect().size(), dialog_.outerRect().size());
    EXPECT_GT(dialog_.outerRect().width, dialog_.clientRect().width);
    const auto style = static_cast<DWORD>(GetWindowLongW(hwnd(frame_), GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_NE(SendMessageW(hwnd(frame_), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_EQ(frame_.caption(), "Pemlar-Programm");
}

TEST_F(MainFrame, ClickRunsTheHandlerAndBeendenClosesTheFrame) {
    int centred = 0;
    EXPECT_TRUE(dialog_.onCommand(kCentreButton, fw::Notification::Clicked, [&] { ++centred; }));
    EXPECT_FALSE(dialog_.onCommand(kAddressEdit, fw::Notification::Clicked, [] {}));
    EXPECT_FALSE(dialog_.onCommand(kCentreButton, fw::Notification::SelectionChanged, [] {}));
    click(dialog_, kCentreButton);
    EXPECT_EQ(centred, 1);
    EXPECT_EQ(focusedControl(dialog_), kCentreButton);
    click(dialog_, kWriteButton + 1000);  // no such control: nothing happens
    EXPECT_FALSE(closed_);
    click(dialog_, kOkButton);
    EXPECT_TRUE(closed_);
    EXPECT_FALSE(dialog_.isVisible());
}

TEST_F(MainFrame, LoopRunsUntilTheFrameHasClosed) {
    SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        key(fw::Key::Escape);
    });
    EXPECT_EQ(app_.exec(frame_), 0);
    EXPECT_TRUE(closed_);
    EXPECT_EQ(frame_.nativeHandle(), nullptr);
}

TEST_F(MainFrame, EscapeClosesTheFrameAndTabFollowsTheTemplate) {
    dialog_.requireControl(kLeftButton).setFocus();
    key(fw::Key::Tab);
    EXPECT_EQ(focusedControl(dialog_), kCentreButton);
    key(fw::Key::Tab, {.shift = true});
    EXPECT_EQ(focusedControl(dialog_), kLeftButton);
    // A mnemonic no other control shares: with two ("&Beschreiben", "&Beenden") Windows
    // only moves the focus, while Wine presses the first.
    int read = 0;
    dialog_.onCommand(kReadButton, fw::Notification::Clicked, [&] { ++read; });
    fw::driver::letter('a', {.alt = true});  // "&Auslesen "
    EXPECT_EQ(read, 1);
    key(fw::Key::Escape);
    EXPECT_TRUE(closed_);
}

TEST_F(MainFrame, TypingKeepsTheLimitAndTheRules) {
    auto& edit = dialog_.requireControl<fw::Edit>(kAddressEdit);
    edit.setLimit(12);
    edit.setCharRule([](char32_t c) { return c != U'x'; });
    edit.setTextRule([](std::u32string_view text) { return text.find(U"!!") == text.npos; });
    type(dialog_, kAddressEdit, "abx\r\nc!!d\xE4zzzzzzz");
    // x refused, the second ! breaks the rule, the limit (line break = 2) ends it.
    EXPECT_EQ(edit.text(), "ab\r\nc!d\xE4zzzz");
    // Pasted: what the char rule refuses goes, the limit cuts the rest; LF becomes CR LF.
    edit.setText("");
    const std::wstring clip = L"x1\nx23456789abcdef";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (clip.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(block), clip.c_str(), (clip.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
    fw::driver::letter('v', {.control = true});
    EXPECT_EQ(edit.text(), "1\r\n23456789a");
    // Text another program puts in is the user's too.
    edit.setText("");
    SendMessageW(hwnd(edit), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"x!!yy"));
    EXPECT_EQ(edit.text(), "!");  // the rule keeps the longest prefix
    edit.setText("program text is not limited");
    EXPECT_EQ(edit.text(), "program text is not limited");
    edit.setChars(U"\u20AC \U0001F600");
    EXPECT_EQ(edit.chars(), U"\u20AC \U0001F600");
    EXPECT_EQ(edit.text(), "\x80 ?");
}

TEST_F(MainFrame, FiveLinesOf24CharactersFitAndTheWrapColumnBreaksThe25th) {
    auto& edit = dialog_.requireControl<fw::Edit>(kAddressEdit);
    edit.setWrapColumn(24);
    const std::string line(24, 'W');
    edit.setText(line + "\r\n" + line + "\r\n" + line + "\r\n" + line + "\r\n" + line);
    HWND window = static_cast<HWND>(edit.nativeHandle());
    EXPECT_EQ(SendMessageW(window, EM_GETLINECOUNT, 0, 0), 5);
    edit.setText(line + "W");
    EXPECT_EQ(SendMessageW(window, EM_GETLINECOUNT, 0, 0), 2);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(SendMessageW(window, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_GE(client.bottom, 5 * HIWORD(SendMessageW(window, EM_POSFROMCHAR, 0, 0)));
}

TEST_F(MainFrame, ChoosingGivesOneSelectionChangeSettingByProgramNone) {
    auto& ports = dialog_.requireControl<fw::ComboBox>(kPortList);
    for (const auto* name : {"COM1", "COM2", "COM3"}) {
        ports.addItem(name, 10 + ports.count());
    }
    int changes = 0;
    EXPECT_TRUE(
        dialog_.onCommand(kPortList, fw::Notification::SelectionChanged, [&] { ++changes; }));
    ports.setCurrentIndex(0);
    choose(dialog_, kPortList, 2);
    choose(dialog_, kPortList, 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ports.currentIndex(), 2);
    EXPECT_EQ(ports.itemText(2), "COM3");
    EXPECT_EQ(ports.currentData(), 12);
    EXPECT_EQ(ports.itemData(3), std::nullopt);
    ports.setToolTip("Schnittstelle");
    EXPECT_EQ(ports.toolTip(), "Schnittstelle");
}

TEST_F(MainFrame, SplashPopupHoldsTheMouseWithoutTakingTheActivation) {
    int read = 0;
    dialog_.onCommand(kReadButton, fw::Notification::Clicked, [&] { ++read; });
    fw::Popup splash(frame_);
    auto content = std::make_unique<fw::Dialog>(kSplashDialog, &splash);
    auto& name = content->replaceControl<fw::Picture>(kNamePicture, kNameBitmap);
    splash.create(std::move(content));
    EXPECT_EQ(name.bitmapSize(), (fw::Size{100, 52}));
    name.setPlacement([](fw::Size, fw::Size bitmap) { return fw::Rect{1, 2, bitmap.width, 9}; });
    EXPECT_EQ(name.target(), (fw::Rect{1, 2, 100, 9}));
    // Painted top row first, unsmoothed, nothing outside the target: the name's first
    // blue pixel at (4, 1) of the picture.
    name.setPlacement([](fw::Size, fw::Size bitmap) { return fw::Rect{1, 0, bitmap.width, 52}; });
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), 110, -60, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* pixels = nullptr;
    HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, canvas);
    PatBlt(dc, 0, 0, 110, 60, WHITENESS);
    SendMessageW(hwnd(name), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(192, 192, 192));
    EXPECT_EQ(GetPixel(dc, 5, 1), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 101, 53), RGB(255, 255, 255));
    SelectObject(dc, previous);
    DeleteObject(canvas);
    DeleteDC(dc);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(frame_.isActive());
    int presses = 0;
    splash.holdMouse([&] { ++presses; });
    click(dialog_, kReadButton);
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(read, 0);
    // The wheel goes to no window while the mouse is held.
    auto& edit = dialog_.requireControl<fw::Edit>(kAddressEdit);
    edit.setText("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9");
    edit.setFocus();
    const LRESULT firstLine = SendMessageW(hwnd(edit), EM_GETFIRSTVISIBLELINE, 0, 0);
    const auto wheelUp = [&] {
        PostMessageW(hwnd(edit), WM_MOUSEWHEEL, WPARAM{WHEEL_DELTA} << 16, 0);
        processEvents();
    };
    wheelUp();
    EXPECT_EQ(SendMessageW(hwnd(edit), EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
    bool fired = false;
    splash.startTimer(20ms, [&] { fired = true; });
    processEvents(300ms);
    EXPECT_TRUE(fired);
    splash.close();
    EXPECT_FALSE(splash.holdsMouse());
    wheelUp();
    EXPECT_LT(SendMessageW(hwnd(edit), EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
    click(dialog_, kReadButton);
    EXPECT_EQ(read, 1);
}

TEST_F(MainFrame, NoticeBlocksTheFrameAndDropsWhatArrivedMeanwhile) {
    int read = 0;
    dialog_.onCommand(kReadButton, fw::Notification::Clicked, [&] { ++read; });
    dialog_.requireControl(kReadButton).setFocus();
    {
        const fw::Notice notice(kReadProgressDialog, &dialog_);
        EXPECT_TRUE(notice.dialog().isVisible());
        EXPECT_FALSE(IsWindowEnabled(hwnd(frame_)));
        HWND button = static_cast<HWND>(dialog_.requireControl(kReadButton).nativeHandle());
        PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    processEvents();
    EXPECT_TRUE(IsWindowEnabled(hwnd(frame_)));
    EXPECT_EQ(read, 0);
    // The keyboard is back on the button that started it, not on the dialog's first one.
    EXPECT_EQ(fw::driver::focusedControl(dialog_), kReadButton);
}

TEST_F(MainFrame, ModalDialogsRunOrAreAnswered) {
    fw::Dialog prompt(kReadPromptDialog, &dialog_);
    fw::test_seams::answerNextModalDialog(IdCancel);
    EXPECT_EQ(prompt.runModal(), IdCancel);
    // A real run, ended by Return on its default button while the frame is disabled.
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        key(fw::Key::Return);
    });
    EXPECT_EQ(prompt.runModal(), IdOk);
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_TRUE(IsWindowEnabled(hwnd(frame_)));
    ASSERT_EQ(fw::test_seams::answeredCalls().size(), 1u);
    EXPECT_EQ(fw::test_seams::answeredCalls()[0].id, kReadPromptDialog);
}

TEST_F(MainFrame, MessageBoxAndFilePickerAnsweredThroughTheSeams) {
    fw::test_seams::answerNextMessageBox(IdNo);
    EXPECT_EQ(fw::messageBox(&dialog_, "Text", "Frage...", fw::MessageIcon::Question,
                             fw::MessageButtons::YesNoCancel),
              IdNo);
    fw::test_seams::answerNextFilePicker(std::filesystem::path("C:/a.PML"));
    EXPECT_EQ(fw::pickFile(&dialog_, fw::FilePickerMode::Save, "Speichern", "*.PML|*.PML|"),
              std::filesystem::path("C:/a.PML"));
    const auto& calls = fw::test_seams::answeredCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, fw::SeamKind::MessageBox);
    EXPECT_EQ(calls[0].caption, "Frage...");
    EXPECT_EQ(calls[1].kind, fw::SeamKind::FilePicker);
    EXPECT_EQ(calls[1].text, "*.PML|*.PML|");
    EXPECT_EQ(fw::test_seams::pendingAnswers(), 0);
}

TEST(Win32Resources, StringsComeAsWindows1252WithCrLf) {
    EXPECT_EQ(fw::loadString(kProgramTitleString), "Pemlar-Programm");
    EXPECT_EQ(fw::loadString(99999), "");
    EXPECT_EQ(fw::loadString(kInstrumentGroup), "");
}

TEST(Win32Settings, StoreRoundTripsInTheProgramsKey) {
    auto store = fw::openSettingsStore({"Software\\Nirvel\\Pemlar", {}});
    std::array<fw::SettingsValue, 1> values = {{{"PemlarTestValue", 5}}};
    EXPECT_EQ(store->loadOrCreate(values), fw::SettingsProblem::None);
    EXPECT_EQ(values[0].value, 0);
    EXPECT_EQ(store->save("PemlarTestValue", -3), fw::SettingsProblem::None);
    EXPECT_EQ(store->loadOrCreate(values), fw::SettingsProblem::None);
    EXPECT_EQ(values[0].value, -3);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Nirvel\\Pemlar", L"PemlarTestValue");
}

}  // namespace
