#include "data/address_text.h"

#include <algorithm>
#include <array>

namespace {

// The edit accepts 129 characters; anything beyond this is never looked at.
constexpr std::size_t kMaxTextRead = 199;
constexpr char kCr = '\r';
constexpr std::uint8_t kSpace = ' ';

// Index just past the line break that ends the line containing `pos`: the CR and
// whatever single character follows it, or the end of the text.
std::size_t skipRestOfLine(std::string_view text, std::size_t pos) {
    const std::size_t cr = text.find(kCr, pos);
    return cr == std::string_view::npos ? text.size() : cr + 2;
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
std::size_t fillSlots(std::string_view text, AddressSlots slots) {
    for (int line = 0; line < kLineCount; ++line) {
        lineSlot(slots, line)[0] = 0;
    }
    std::size_t pos = 0;
    for (int line = 0; line < kLineCount && pos < text.size(); ++line) {
        LineSlot slot = lineSlot(slots, line);
        int length = 0;
        while (pos < text.size()) {
            const char c = text[pos];
            if (c == kCr) {
                // The character after a CR is skipped unseen, whether it is the LF or not.
                pos += 2;
                break;
            }
            if (c == '\0') {
                pos = skipRestOfLine(text, pos);
                break;
            }
            slot[length++] = static_cast<std::uint8_t>(c);
            ++pos;
            if (length == kLineMaxChars) {
                // A line break right after a full slot belongs to that slot.
                if (pos < text.size() && text[pos] == kCr) {
                    pos += 2;
                }
                break;
            }
        }
        slot[length] = 0;
    }
    return pos;
}

}  // namespace

void takeAddress(std::string_view editText, AddressSlots slots) {
    fillSlots(editText.substr(0, kMaxTextRead), slots);
}

bool fitsAddressBlock(std::string_view editText) {
    if (editText.size() > kMaxTextRead) {
        return false;
    }
    AddressBuffer scratch{};
    return fillSlots(editText, scratch) >= editText.size();
}

std::string showAddress(ConstAddressSlots slots) {
    std::string text;
    text.reserve(kLineCount * (kLineMaxChars + 2));
    for (int line = 0; line < kLineCount; ++line) {
        if (line > 0) {
            text += "\r\n";
        }
        const ConstLineSlot slot = lineSlot(slots, line);
        text.append(reinterpret_cast<const char*>(slot.data()),
                    static_cast<std::size_t>(lineLength(slot)));
    }
    return text;
}

std::string alignLeft(std::string_view editText) {
    AddressBuffer work{};
    takeAddress(editText, work);
    for (int line = 0; line < kLineCount; ++line) {
        trimLeft(lineSlot(work, line));
    }
    return showAddress(work);
}

std::string alignCentre(std::string_view editText) {
    AddressBuffer work{};
    takeAddress(editText, work);
    for (int line = 0; line < kLineCount; ++line) {
        centre(lineSlot(work, line));
    }
    return showAddress(work);
}
