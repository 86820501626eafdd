#include <gtest/gtest.h>

#include <array>
#include <string>

#include "data/id_number.h"

using namespace pemlar;

namespace {

using namespace std::string_literals;

struct TakeCase {
    IdNumberTexts texts;
    std::string block;  // the 21 bytes written
    IdNumberTexts shown;
};

TEST(IdNumber, TakeAndShow) {
    const TakeCase cases[] = {
        {{"ABC", "", ""}, "         ABC        \0"s, {"         ABC", "   ", "    "}},
        {{"", "", ""}, std::string(20, ' ') + '\0', {std::string(12, ' '), "   ", "    "}},
        {{"NK TQ1-123456789", "NEUX", "0713"},
         "NK TQ1-12345NEU 0713\0"s,
         {"NK TQ1-12345", "NEU", "0713"}},
        {{"X", "AB", "7"}, "           X AB    7\0"s, {"           X", " AB", "   7"}},
        {{"AB\0CD"s, "\0Z"s, "1\0"s + "2"},
         "          AB       1\0"s,
         {"          AB", "   ", "   1"}},
    };
    for (const TakeCase& c : cases) {
        std::array<std::uint8_t, 25> slot;
        slot.fill('#');
        takeIdNumber(c.texts, IdBlock(slot.data(), kIdBlockSize));
        EXPECT_EQ(std::string(slot.begin(), slot.begin() + 21), c.block) << c.texts.number;
        EXPECT_EQ(std::string(slot.begin() + 21, slot.end()), "####");
        EXPECT_EQ(showIdNumber(ConstIdBlock(slot.data(), kIdBlockSize)), c.shown) << c.texts.number;
    }
}

TEST(IdNumber, ShowReadsEachFieldUpToZeroButNeverPastItsWidth) {
    std::array<std::uint8_t, kIdBlockSize> block{};
    EXPECT_EQ(showIdNumber(block), (IdNumberTexts{std::string(12, ' '), "   ", "    "}));
    block.fill('A');
    EXPECT_EQ(showIdNumber(block), (IdNumberTexts{std::string(12, 'A'), "AAA", "AAAA"}));
    block[2] = 0;
    block[13] = 0;
    EXPECT_EQ(showIdNumber(block), (IdNumberTexts{"          AA", "  A", "AAAA"}));
}

TEST(IdNumber, StampTexts) {
    EXPECT_EQ(labelCode("NEU"), "NEU");
    EXPECT_EQ(labelCode("NEUX"), "NEU");
    EXPECT_EQ(labelCode("AB"), "AB");
    EXPECT_EQ(labelCode(""), "");
    EXPECT_EQ(monthYearStamp({12, 2026}), "1226");
    EXPECT_EQ(monthYearStamp({7, 2013}), "0713");
    EXPECT_EQ(monthYearStamp({1, 2000}), "0100");
    const MonthYear today = localMonthYear();
    EXPECT_GE(today.month, 1);
    EXPECT_LE(today.month, 12);
    EXPECT_GE(today.year, 2024);
}

}  // namespace
