#pragma once
// Handles to the controls of a template dialog. The dialog makes one for every control
// of its template and owns it; the native control behind it is the back end's
// (a Qt widget, or a child window driven by window messages).
//
// Text crosses this interface as the program's text: Windows-1252, lines separated by
// CR LF. Edits also offer their characters as UTF-32 (still with CR LF), for text that
// may hold what Windows-1252 lacks.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/geometry.h"

namespace pemlar::fw {

class Dialog;

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    int id() const { return id_; }
    Dialog& dialog() const { return *dialog_; }
    // The back end's control (QWidget* or HWND).
    void* nativeHandle() const { return native_; }

    std::string text() const;
    void setText(std::string_view text);
    bool isEnabled() const;
    void setEnabled(bool enabled);
    bool isVisible() const;
    bool hasFocus() const;
    void setFocus();
    // Pixels, relative to the dialog's client area.
    Rect rect() const;

protected:
    Control(Dialog& dialog, int id, void* native) : dialog_(&dialog), id_(id), native_(native) {}
    // For a back end that replaces the native control (pictures).
    void setNativeHandle(void* native) { native_ = native; }

private:
    friend class Dialog;
    Dialog* dialog_;
    int id_;
    void* native_;
};

// Push buttons, statics and group boxes have nothing beyond Control.
using Button = Control;

class Edit : public Control {
public:
    // At most `maxChars` characters, a line break counting two (CR LF); 0 = no limit.
    // Enforced on typing, pasting and dropping; text set by the program is not limited.
    void setLimit(int maxChars);
    int limit() const { return limit_; }

    // A rule on the whole text (UTF-32, lines CR LF): typing, pasting or dropping is cut
    // to what keeps it true. Only insertions are checked; the rule must stay true when
    // text is removed.
    using TextRule = std::function<bool(std::u32string_view text)>;
    void setTextRule(TextRule rule) { textRule_ = std::move(rule); }
    const TextRule& textRule() const { return textRule_; }

    // Characters the edit can hold at all: a typed one that fails is refused with a
    // beep; pasted or dropped text loses only the characters that fail. A line break
    // always passes.
    using CharRule = std::function<bool(char32_t c)>;
    void setCharRule(CharRule rule) { charRule_ = std::move(rule); }
    const CharRule& charRule() const { return charRule_; }

    // Visible lines break after `columns` characters of the fixed-pitch font, anywhere
    // in a word; 0 = at the edge.
    void setWrapColumn(int columns);
    int wrapColumn() const { return wrapColumn_; }
    // The lines as the edit shows them, wrapped ones apart, without their line breaks.
    std::vector<std::string> shownLines() const;

    std::u32string chars() const;
    void setChars(std::u32string_view chars);

    // The longest prefix of `inserted` that may replace `selected` characters of
    // `current` under the limit and the rules (the back ends' common check). `inserted`
    // has already lost the characters the char rule refuses.
    std::u32string fitting(std::u32string_view current, std::size_t selectionStart,
                           std::size_t selectionLength, std::u32string_view inserted) const;
    // `text` without the characters the char rule refuses (line breaks stay).
    std::u32string holdable(std::u32string_view text) const;

protected:
    using Control::Control;
    friend class Dialog;

private:
    int limit_ = 0;
    TextRule textRule_;
    CharRule charRule_;
    int wrapColumn_ = 0;
};

class ComboBox : public Control {
public:
    void clear();
    // Appends an entry; returns its index.
    int addItem(std::string_view text, std::int32_t data);
    int count() const;
    // -1 when nothing is selected.
    int currentIndex() const;
    // Selects by program; gives no SelectionChanged notification.
    void setCurrentIndex(int index);
    std::string itemText(int index) const;
    std::optional<std::int32_t> itemData(int index) const;
    std::optional<std::int32_t> currentData() const { return itemData(currentIndex()); }
    // The hint shown when the pointer rests on the closed list.
    void setToolTip(std::string_view text);
    std::string toolTip() const;
    // The hint of one entry: shown when the pointer rests on it in the dropped list,
    // where the back end can (Qt; a Win32 list has no hints of its own, so it only
    // keeps them). clear() drops them with the entries.
    void setItemHint(int index, std::string_view text);
    std::string itemHint(int index) const;

protected:
    using Control::Control;
    friend class Dialog;
};

// Where a replacement control goes: the place of control `id` of `dialog`.
struct ControlSlot {
    Dialog& dialog;
    int id;
};

// A picture: takes the place of a static control and paints one bitmap of the
// program's resources over it, without smoothing, into target(); the static's text
// never shows. Made through Dialog::replaceControl<Picture or a derived class>(id, ...).
class Picture : public Control {
public:
    // Shows bitmap `bitmapId` (nothing when there is no such bitmap).
    Picture(ControlSlot slot, int bitmapId);
    ~Picture() override;

    // The bitmap's size in pixels; empty when there is none.
    Size bitmapSize() const { return bitmapSize_; }
    // Where in the control's client area the bitmap goes; the whole area by default.
    using Placement = std::function<Rect(Size control, Size bitmap)>;
    void setPlacement(Placement placement);
    Rect target() const;

private:
    Size bitmapSize_;
    Placement placement_;
};

}  // namespace pemlar::fw
