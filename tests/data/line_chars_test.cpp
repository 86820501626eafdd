#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "data/line_chars.h"
#include "data/windows1252.h"

using namespace pemlar;

namespace {

struct CodeCase {
    char32_t c;
    std::optional<std::uint8_t> byte;  // empty: neither the code page nor a line holds it
    std::optional<std::uint8_t> lineByte;
};

TEST(LineChars, WhatTheCodePageAndALineHold) {
    const CodeCase kCases[] = {
        {U'A', 0x41, 0x41},    {U'€', 0x80, 0x80},  {U'Ÿ', 0x9F, 0x9F},    {U'\u0081', 0x81, 0x81},
        {U'ÿ', 0xFF, 0xFF},    {U'\t', 0x09, 0x09}, {U'\u240D', {}, 0x0D}, {U'\u240A', {}, 0x0A},
        {U'\u2421', {}, 0x7F}, {U'Ł', {}, {}},      {U'≥', {}, {}},        {U'\U0001F600', {}, {}},
        {U'\u2400', {}, {}},   {U'\0', 0x00, {}},
    };
    for (const CodeCase& c : kCases) {
        EXPECT_EQ(toWindows1252(c.c), c.byte) << std::hex << unsigned(c.c);
        EXPECT_EQ(lineByte(c.c), c.lineByte) << std::hex << unsigned(c.c);
    }
}

// A line byte never shows as a line break, and its character stands for it alone
// (through the code page for all but the control bytes).
TEST(LineChars, NoByteLooksLikeALineBreak) {
    for (int b = 1; b <= 0xFF; ++b) {
        const char32_t c = lineChar(static_cast<std::uint8_t>(b));
        EXPECT_TRUE(c >= 0x20 && c != 0x7F && c != 0x85 && c != 0x2028 && c != 0x2029) << b;
        EXPECT_EQ(lineByte(c), b);
    }
}

// The system's messages: UTF-8 on POSIX, the ANSI code page already on Windows.
TEST(LineChars, SystemTextBecomesWindows1252) {
    const std::pair<std::string_view, std::string_view> kCases[] = {
        {"Ger\xC3\xA4t \xE2\x82\xAC \xC5\x81", "Ger\xE4t \x80 ?"},  // no L with stroke
        {"Ger\xE4t", "Ger\xE4t"},                                   // no UTF-8: as it is
        {"\xC0\xAE \xC3", "\xC0\xAE \xC3"},                         // overlong, cut off: as it is
    };
    for (const auto& [system, shown] : kCases) {
        EXPECT_EQ(windows1252FromSystemText(system), shown) << system;
    }
}

}  // namespace
