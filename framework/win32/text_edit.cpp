// The template's edits, subclassed: the limit and the rules are checked on what the user
// types, pastes or replaces, before the edit sees it; a wrapping edit breaks its lines
// after a fixed column.

#include <algorithm>

#include "framework/controls.h"
#include "framework/win32/native.h"

namespace pemlar::fw {

namespace win32 {

namespace {

constexpr UINT_PTR kEditSubclass = 1;

// Set while the back end itself replaces the selection with checked text.
bool& replacingChecked() {
    static bool flag = false;
    return flag;
}

bool checksInput(const Edit& edit) {
    return edit.limit() > 0 || edit.textRule() || edit.charRule();
}

bool isMultiLine(HWND edit) {
    return (GetWindowLongW(edit, GWL_STYLE) & ES_MULTILINE) != 0;
}

// A position in UTF-16 units as a character index.
std::size_t charIndex(std::wstring_view text, std::size_t units) {
    units = std::min(units, text.size());
    std::size_t index = 0;
    for (std::size_t i = 0; i < units; ++i) {
        const wchar_t unit = text[i];
        if (unit < 0xDC00 || unit > 0xDFFF || i == 0 || text[i - 1] < 0xD800 ||
            text[i - 1] > 0xDBFF) {
            ++index;
        }
    }
    return index;
}

struct Selection {
    std::u32string text;
    std::size_t start = 0;
    std::size_t length = 0;
};

Selection selectionOf(HWND edit) {
    const std::wstring text = windowTextOf(edit);
    DWORD from = 0;
    DWORD to = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    const std::size_t start = charIndex(text, std::min(from, to));
    const std::size_t end = charIndex(text, std::max(from, to));
    return {chars(text), start, end - start};
}

// CR LF, a lone CR and a lone LF become CR LF; a one-line edit keeps the first line
// only, as it does itself.
std::u32string normalisedBreaks(std::u32string_view text, bool multiLine) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'\r' || c == U'\n') {
            if (!multiLine) {
                break;
            }
            out += U"\r\n";
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') {
                ++i;
            }
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// Replaces the selection with what of `inserted` fits; beeps when something is left out.
void insertChecked(Edit& edit, HWND window, std::u32string_view inserted) {
    const std::u32string holdable = edit.holdable(inserted);
    const Selection selection = selectionOf(window);
    const std::u32string fitted =
        edit.fitting(selection.text, selection.start, selection.length, holdable);
    if (fitted.size() < inserted.size()) {
        MessageBeep(MB_OK);
    }
    if (fitted.empty()) {
        return;
    }
    const std::wstring text = wideChars(fitted);
    replacingChecked() = true;
    DefSubclassProc(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    replacingChecked() = false;
}

std::wstring clipboardText(HWND window) {
    std::wstring text;
    if (!OpenClipboard(window)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            // The block may be larger than the text, never shorter than its NUL.
            const SIZE_T capacity = GlobalSize(data) / sizeof(wchar_t);
            std::size_t length = 0;
            while (length < capacity && units[length] != L'\0') {
                ++length;
            }
            text.assign(units, length);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// One typed character: refused with a beep unless the char rule, the limit and the
// text rule all let it in. A surrogate pair is checked once its second half arrives.
LRESULT typed(Edit& edit, HWND window, WPARAM wParam, LPARAM lParam) {
    const auto unit = static_cast<wchar_t>(wParam);
    auto& pending = edit.dialog().native().pendingHighSurrogate;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        pending[edit.id()] = static_cast<char16_t>(unit);
        return 0;
    }
    char32_t c = unit;
    char16_t high = 0;
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        const auto found = pending.find(edit.id());
        if (found == pending.end()) {
            return 0;
        }
        high = found->second;
        pending.erase(found);
        c = 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (unit - 0xDC00);
    }
    const bool lineBreak = c == U'\r';
    if (c < 0x20 && !lineBreak) {
        return DefSubclassProc(window, WM_CHAR, wParam, lParam);  // Backspace, Ctrl+...
    }
    if (lineBreak && (!isMultiLine(window) || (GetWindowLongW(window, GWL_STYLE) &
                                               (ES_WANTRETURN | ES_READONLY)) != ES_WANTRETURN)) {
        return DefSubclassProc(window, WM_CHAR, wParam, lParam);
    }
    if ((GetWindowLongW(window, GWL_STYLE) & ES_READONLY) != 0) {
        return DefSubclassProc(window, WM_CHAR, wParam, lParam);
    }
    const std::u32string inserted = lineBreak ? std::u32string(U"\r\n") : std::u32string(1, c);
    const Selection selection = selectionOf(window);
    const bool held = lineBreak || !edit.charRule() || edit.charRule()(c);
    if (!held ||
        edit.fitting(selection.text, selection.start, selection.length, inserted) != inserted) {
        MessageBeep(MB_OK);
        return 0;
    }
    if (high != 0) {
        DefSubclassProc(window, WM_CHAR, high, lParam);
    }
    return DefSubclassProc(window, WM_CHAR, wParam, lParam);
}

LRESULT CALLBACK editProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
    Edit& edit = *reinterpret_cast<Edit*>(data);
    switch (message) {
        case WM_CHAR:
            if (checksInput(edit)) {
                return typed(edit, window, wParam, lParam);
            }
            break;
        case WM_PASTE:
            if (checksInput(edit) && (GetWindowLongW(window, GWL_STYLE) & ES_READONLY) == 0) {
                const std::u32string text =
                    normalisedBreaks(chars(clipboardText(window)), isMultiLine(window));
                insertChecked(edit, window, text);
                return 0;
            }
            break;
        case EM_REPLACESEL:
            // From another program or an input method: the user's input like any other.
            if (checksInput(edit) && !replacingChecked() && lParam != 0) {
                const std::u32string text = normalisedBreaks(
                    chars(reinterpret_cast<const wchar_t*>(lParam)), isMultiLine(window));
                insertChecked(edit, window, text);
                return 0;
            }
            break;
        case WM_SIZE:
        case WM_SETFONT: {
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            applyEditLayout(edit);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, editProc, kEditSubclass);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Where a wrapping edit breaks its lines. The line slots hold 24 characters whatever
// words they hold, so a visible line breaks after exactly that many characters, never
// at a space before them: a word-break procedure of the edit's own that knows no word
// but the column. A procedure has no context: the edit and its column are one for the
// process (the program has one wrapping edit).
struct ColumnWrap {
    HWND edit = nullptr;
    int columns = 0;
};

ColumnWrap& columnWrap() {
    static ColumnWrap wrap;
    return wrap;
}

bool isBlank(wchar_t unit) {
    return unit == L' ' || unit == L'\t';
}

// Whether the first `columns` characters of `text` fit the edit's line.
bool columnsFit(const ColumnWrap& wrap, LPCWSTR text) {
    HDC dc = GetDC(wrap.edit);
    if (dc == nullptr) {
        return false;
    }
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(wrap.edit, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    SIZE size{};
    const bool measured = GetTextExtentPoint32W(dc, text, wrap.columns, &size) != FALSE;
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    ReleaseDC(wrap.edit, dc);
    RECT format{};
    SendMessageW(wrap.edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    return measured && size.cx <= format.right - format.left;
}

int CALLBACK columnWordBreak(LPWSTR text, int index, int count, int action) {
    const ColumnWrap& wrap = columnWrap();
    switch (action) {
        case WB_ISDELIMITER:
            return FALSE;
        case WB_LEFT: {
            // While the edit lays out a line longer than the column, `count` is what is
            // left of the paragraph from the line's start: the break goes after the
            // column (Wine asks from one character before it, and broke a character
            // early). Characters that do not fit after all get the usual answer.
            if (wrap.columns > 0 && count > wrap.columns && index >= wrap.columns - 1 &&
                columnsFit(wrap, text)) {
                return wrap.columns;
            }
            int i = std::clamp(index, 0, count);
            while (i > 0 && isBlank(text[i - 1])) {
                --i;
            }
            while (i > 0 && !isBlank(text[i - 1])) {
                --i;
            }
            return i;
        }
        default: {  // WB_RIGHT
            int i = std::clamp(index, 0, count);
            while (i < count && !isBlank(text[i])) {
                ++i;
            }
            while (i < count && isBlank(text[i])) {
                ++i;
            }
            return i;
        }
    }
}

int averageCharWidth(HWND window) {
    HDC dc = GetDC(window);
    if (dc == nullptr) {
        return 0;
    }
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    ReleaseDC(window, dc);
    return metrics.tmAveCharWidth;
}

}  // namespace

void attachEdit(Edit& edit) {
    SetWindowSubclass(handleOf(edit), editProc, kEditSubclass, reinterpret_cast<DWORD_PTR>(&edit));
    applyEditLayout(edit);
}

void applyEditLayout(Edit& edit) {
    HWND window = handleOf(edit);
    // No margins, whatever the font: the default ones of a TrueType font would take the
    // room of the 24th character of the address lines.
    SendMessageW(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    if (edit.wrapColumn() <= 0 || !isMultiLine(window)) {
        return;
    }
    // EM_SETRECT may take off the border's inner pixel and the margins itself: the
    // formatting rectangle of the whole client area tells by how much.
    RECT client{};
    GetClientRect(window, &client);
    SendMessageW(window, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&client));
    RECT format{};
    SendMessageW(window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    // Room for `columns` characters and half of one more: the next one wraps.
    const int width = averageCharWidth(window);
    const LONG wanted = format.left + edit.wrapColumn() * width + width / 2;
    if (wanted < format.right) {
        RECT narrowed = client;
        narrowed.right = wanted + (client.right - format.right);
        SendMessageW(window, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&narrowed));
    }
    // Only where the columns fit: otherwise the edit's own breaks are all there is. A new
    // procedure lays the lines out again.
    SendMessageW(window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    if (format.left + edit.wrapColumn() * width <= format.right) {
        columnWrap() = {window, edit.wrapColumn()};
        SendMessageW(window, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(&columnWordBreak));
    }
}

}  // namespace win32

}  // namespace pemlar::fw
