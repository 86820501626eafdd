#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/utf16.h"
#include "base/utf8.h"

using namespace pemlar;

namespace {

TEST(Utf8, OnlyWellFormedSequencesDecode) {
    const struct {
        const char* bytes;
        std::optional<char32_t> c;  // the first code point, nothing when malformed
    } cases[] = {
        {"a", U'a'},
        {"\xC3\xA4", U'ä'},
        {"\xE2\x82\xAC", U'€'},
        {"\xF4\x8F\xBF\xBF", U'\U0010FFFF'},
        {"\xC0\xAF", std::nullopt},          // overlong '/'
        {"\xE0\x80\x80", std::nullopt},      // overlong NUL
        {"\xED\xA0\x80", std::nullopt},      // a surrogate
        {"\xF4\x90\x80\x80", std::nullopt},  // above U+10FFFF
        {"\xE2\x82", std::nullopt},          // cut short
        {"\x80", std::nullopt},              // a continuation byte alone
        {"\xC3(", std::nullopt},             // no continuation
    };
    for (const auto& c : cases) {
        const std::string_view text(c.bytes);
        std::size_t at = 0;
        EXPECT_EQ(nextUtf8(text, at), c.c) << c.bytes;
        EXPECT_EQ(at, c.c ? text.size() : 0u) << c.bytes;
    }
    EXPECT_EQ(charsFromUtf8("a\xC3\xA4"), U"aä");
    EXPECT_EQ(charsFromUtf8("a\xC3"), std::nullopt);
}

TEST(Utf16, MalformedUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(utf16FromUtf8("a\xC3\xA4\xF0\x9F\x98\x80"), u"aä\U0001F600");
    // cut sequence, overlong NUL, surrogate, truncated end: one U+FFFD per bad byte
    EXPECT_EQ(utf16FromUtf8("\xC3(\xE0\x80\x80\xED\xA0\x80\xC3"),
              std::u16string(u"\uFFFD(") + std::u16string(7, u'\uFFFD'));
    EXPECT_EQ(utf8FromUtf16(u"aä\U0001F600"), "a\xC3\xA4\xF0\x9F\x98\x80");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
}

}  // namespace
