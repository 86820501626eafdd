#include "data/address_text.h"

#include <algorithm>
#include <array>

#include "data/line_chars.h"

namespace pemlar {

namespace {

// The edit accepts 129 characters; anything beyond this is never looked at.
constexpr std::size_t kMaxTextRead = 199;
constexpr char kCr = '\r';
constexpr std::uint8_t kSpace = ' ';

// Index just past the line break that ends the line containing `pos`: the CR and
// whatever single character follows it, or the end of the text.
template <class Char>
std::size_t skipRestOfLine(std::basic_string_view<Char> text, std::size_t pos) {
    const std::size_t cr = text.find(Char(kCr), pos);
    return cr == text.npos ? text.size() : cr + 2;
}

std::uint8_t slotByte(char c) {
    return static_cast<std::uint8_t>(c);
}

std::uint8_t slotByte(char32_t c) {
    return lineByte(c).value_or('?');
}

void setLine(LineSlot slot, std::span<const std::uint8_t> line, int indent) {
    std::array<std::uint8_t, kLineMaxChars> copy{};
    std::copy(line.begin(), line.end(), copy.begin());
    std::fill_n(slot.begin(), indent, kSpace);
    std::copy_n(copy.begin(), line.size(), slot.begin() + indent);
    slot[indent + line.size()] = 0;
}

void trimLeft(LineSlot slot) {
    const int length = lineLength(slot);
    int start = 0;
    while (start < length && slot[start] == kSpace) {
        ++start;
    }
    setLine(slot, slot.subspan(start, length - start), 0);
}

void centre(LineSlot slot) {
    int end = lineLength(slot);
    while (end > 0 && slot[end - 1] == kSpace) {
        --end;
    }
    int start = 0;
    while (start < end && slot[start] == kSpace) {
        ++start;
    }
    if (start == end) {
        return;  // empty, or spaces only: left exactly as it was
    }
    const int length = end - start;
    setLine(slot, slot.subspan(start, length), (kLineMaxChars - length) / 2);
}

// Fills the slots as takeAddress does and returns how far into `text` it got.
template <class Char>
std::size_t fillSlots(std::basic_string_view<Char> text, AddressSlots slots) {
    for (int line = 0; line < kLineCount; ++line) {
        lineSlotOf(slots, line)[0] = 0;
    }
    std::size_t pos = 0;
    for (int line = 0; line < kLineCount && pos < text.size(); ++line) {
        LineSlot slot = lineSlotOf(slots, line);
        int length = 0;
        while (pos < text.size()) {
            const Char c = text[pos];
            if (c == Char(kCr)) {
                // The character after a CR is skipped unseen, whether it is the LF or not.
                pos += 2;
                break;
            }
            if (c == Char(0)) {
                pos = skipRestOfLine(text, pos);
                break;
            }
            slot[length++] = slotByte(c);
            ++pos;
            if (length == kLineMaxChars) {
                // A line break right after a full slot belongs to that slot.
                if (pos < text.size() && text[pos] == Char(kCr)) {
                    pos += 2;
                }
                break;
            }
        }
        slot[length] = 0;
    }
    return pos;
}

template <class Char>
bool fits(std::basic_string_view<Char> text) {
    if (text.size() > kMaxTextRead) {
        return false;
    }
    AddressBuffer scratch{};
    return fillSlots(text, scratch) >= text.size();
}

template <class Char, class Show>
std::basic_string<Char> joinLines(ConstAddressSlots slots, Show show) {
    std::basic_string<Char> text;
    text.reserve(kLineCount * (kLineMaxChars + 2));
    for (int line = 0; line < kLineCount; ++line) {
        if (line > 0) {
            text += Char(kCr);
            text += Char('\n');
        }
        const ConstLineSlot slot = lineSlotOf(slots, line);
        for (int i = 0; i < lineLength(slot); ++i) {
            text += show(slot[i]);
        }
    }
    return text;
}

template <class Char>
std::basic_string<Char> show(ConstAddressSlots slots);

template <>
std::string show<char>(ConstAddressSlots slots) {
    return joinLines<char>(slots, [](std::uint8_t byte) { return static_cast<char>(byte); });
}

template <>
std::u32string show<char32_t>(ConstAddressSlots slots) {
    return joinLines<char32_t>(slots, lineChar);
}

template <class Char>
std::basic_string<Char> align(std::basic_string_view<Char> text, void (*rework)(LineSlot)) {
    AddressBuffer work{};
    fillSlots(text.substr(0, kMaxTextRead), work);
    for (int line = 0; line < kLineCount; ++line) {
        rework(lineSlotOf(work, line));
    }
    return show<Char>(work);
}

}  // namespace

void takeAddress(std::u32string_view editText, AddressSlots slots) {
    fillSlots(editText.substr(0, kMaxTextRead), slots);
}

void takeAddress(std::string_view editText, AddressSlots slots) {
    fillSlots(editText.substr(0, kMaxTextRead), slots);
}

bool fitsAddressBlock(std::u32string_view editText) {
    return fits(editText);
}

bool fitsAddressBlock(std::string_view editText) {
    return fits(editText);
}

std::u32string showAddressChars(ConstAddressSlots slots) {
    return show<char32_t>(slots);
}

std::string showAddress(ConstAddressSlots slots) {
    return show<char>(slots);
}

std::u32string alignLeft(std::u32string_view editText) {
    return align(editText, trimLeft);
}

std::string alignLeft(std::string_view editText) {
    return align(editText, trimLeft);
}

std::u32string alignCentre(std::u32string_view editText) {
    return align(editText, centre);
}

std::string alignCentre(std::string_view editText) {
    return align(editText, centre);
}

}  // namespace pemlar
