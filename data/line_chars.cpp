#include "data/line_chars.h"

#include "data/windows1252.h"

namespace pemlar {

namespace {

constexpr char32_t kPictures = 0x2400;       // U+2400 + n shows control byte n
constexpr char32_t kDeletePicture = 0x2421;  // shows 0x7F
constexpr std::uint8_t kDelete = 0x7F;

}  // namespace

char32_t lineChar(std::uint8_t byte) {
    if (byte < 0x20) {
        return kPictures + byte;
    }
    return byte == kDelete ? kDeletePicture : fromWindows1252(byte);
}

std::optional<std::uint8_t> lineByte(char32_t c) {
    if (c > kPictures && c < kPictures + 0x20) {
        return static_cast<std::uint8_t>(c - kPictures);
    }
    if (c == kDeletePicture) {
        return kDelete;
    }
    if (c == 0) {
        return std::nullopt;
    }
    return toWindows1252(c);
}

}  // namespace pemlar
