// ComboBox over a combo box of the dialog manager; its hints in a tooltip window of the
// dialog.

#include <algorithm>

#include "framework/controls.h"
#include "framework/win32/native.h"

namespace pemlar::fw {

using win32::dialogHandleOf;
using win32::handleOf;

void ComboBox::clear() {
    SendMessageW(handleOf(*this), CB_RESETCONTENT, 0, 0);
    dialog().native().itemHints.erase(id());
}

int ComboBox::addItem(std::string_view text, std::int32_t data) {
    const std::wstring item = win32::wide(text);
    const auto index = static_cast<int>(
        SendMessageW(handleOf(*this), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
    if (index >= 0) {
        SendMessageW(handleOf(*this), CB_SETITEMDATA, static_cast<WPARAM>(index),
                     static_cast<LPARAM>(data));
    }
    return index < 0 ? -1 : index;
}

int ComboBox::count() const {
    const auto n = static_cast<int>(SendMessageW(handleOf(*this), CB_GETCOUNT, 0, 0));
    return std::max(n, 0);
}

int ComboBox::currentIndex() const {
    const auto index = static_cast<int>(SendMessageW(handleOf(*this), CB_GETCURSEL, 0, 0));
    return index < 0 ? -1 : index;
}

void ComboBox::setCurrentIndex(int index) {
    SendMessageW(handleOf(*this), CB_SETCURSEL, static_cast<WPARAM>(index < 0 ? -1 : index), 0);
}

std::string ComboBox::itemText(int index) const {
    if (index < 0 || index >= count()) {
        return {};
    }
    const auto length = static_cast<int>(
        SendMessageW(handleOf(*this), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0));
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto got =
        static_cast<int>(SendMessageW(handleOf(*this), CB_GETLBTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data())));
    text.resize(static_cast<std::size_t>(std::clamp(got, 0, length)));
    return win32::narrow(text);
}

std::optional<std::int32_t> ComboBox::itemData(int index) const {
    if (index < 0 || index >= count()) {
        return std::nullopt;
    }
    const LRESULT data =
        SendMessageW(handleOf(*this), CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return static_cast<std::int32_t>(data);
}

void ComboBox::setToolTip(std::string_view text) {
    Dialog::Native& native = dialog().native();
    HWND owner = dialogHandleOf(*this);
    if (native.toolTips == nullptr) {
        // Owned by the dialog: it goes with it.
        native.toolTips =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                            nullptr, win32::instance(), nullptr);
    }
    const bool known = native.toolTipTexts.count(id()) != 0;
    native.toolTipTexts[id()] = std::string(text);
    if (native.toolTips == nullptr) {
        return;
    }
    std::wstring wideText = win32::wide(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(handleOf(*this));
    tool.lpszText = wideText.data();
    SendMessageW(native.toolTips, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                 reinterpret_cast<LPARAM>(&tool));
}

void ComboBox::setItemHint(int index, std::string_view text) {
    if (index < 0 || index >= count()) {
        return;
    }
    std::vector<std::string>& hints = dialog().native().itemHints[id()];
    hints.resize(static_cast<std::size_t>(count()));
    hints[static_cast<std::size_t>(index)] = std::string(text);
}

std::string ComboBox::itemHint(int index) const {
    const auto& all = dialog().native().itemHints;
    const auto found = all.find(id());
    if (index < 0 || found == all.end() ||
        static_cast<std::size_t>(index) >= found->second.size()) {
        return {};
    }
    return found->second[static_cast<std::size_t>(index)];
}

std::string ComboBox::toolTip() const {
    const auto& texts = dialog().native().toolTipTexts;
    const auto found = texts.find(id());
    return found == texts.end() ? std::string() : found->second;
}

}  // namespace pemlar::fw
