#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "data/address_text.h"
#include "slot_text.h"

using namespace pemlar;

namespace {

using namespace std::string_literals;
using LineTexts = std::array<std::string, kLineCount>;

const std::string k24 = "ABCDEFGHIJKLMNOPQRSTUVWX";
const std::string k30 = k24 + "YZ0123";

std::string joined(const LineTexts& lines) {
    std::string text = lines[0];
    for (int i = 1; i < kLineCount; ++i) {
        text += "\r\n" + lines[i];
    }
    return text;
}

struct TakeCase {
    const char* name;
    std::string text;
    LineTexts lines;
};

TEST(TakeAddress, SlotsAndShownText) {
    const TakeCase cases[] = {
        {"empty line inside", "ABC\r\n\r\nDEF", {"ABC", "", "DEF", "", ""}},
        {"leading break", "\r\nX", {"", "X", "", "", ""}},
        {"empty text", "", {"", "", "", "", ""}},
        {"30 characters", k30, {k24, "YZ0123", "", "", ""}},
        {"24 then break", k24 + "\r\nNext", {k24, "Next", "", "", ""}},
        {"24 then two breaks", k24 + "\r\n\r\nNext", {k24, "", "Next", "", ""}},
        {"seven lines", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7", {"1", "2", "3", "4", "5"}},
        {"CR at the end", "AB\r", {"AB", "", "", "", ""}},
        {"lone CR swallows next", "AB\rXCD\r\nE", {"AB", "CD", "E", "", ""}},
        {"only CRs", "\r\r\r\r\r\r\r", {"", "", "", "", ""}},
        {"NUL ends its line", "AB\0CD\r\nEF"s, {"AB", "EF", "", "", ""}},
        {"NUL without break", "\0AB"s, {"", "", "", "", ""}},
        {"high bytes kept", "M\xFCller \x80\xA7", {"M\xFCller \x80\xA7", "", "", "", ""}},
        {"199th character read", "A\0"s + std::string(194, 'x') + "\r\nB", {"A", "B", "", "", ""}},
        {"200th character not", "A\0"s + std::string(195, 'x') + "\r\nB", {"A", "", "", "", ""}},
    };
    for (const TakeCase& c : cases) {
        AddressBuffer slots;
        slots.fill('#');
        takeAddress(c.text, slots);
        for (int i = 0; i < kLineCount; ++i) {
            EXPECT_EQ(slotText(lineSlotOf(slots, i)), c.lines[i]) << c.name << ", line " << i;
        }
        EXPECT_EQ(showAddress(slots), joined(c.lines)) << c.name;
    }
}

TEST(ShowAddress, SlotsWithoutZeroByteShow24Characters) {
    AddressBuffer slots;
    slots.fill('A');
    const std::string line(24, 'A');
    EXPECT_EQ(showAddress(slots), joined({line, line, line, line, line}));
    EXPECT_EQ(showAddress(slots).size(), 5 * line.size() + 4 * 2);  // and four CR LF
}

struct AlignCase {
    std::string text;
    std::string firstLine;
};

TEST(AlignCentre, LineTexts) {
    const AlignCase cases[] = {
        {"AB", std::string(11, ' ') + "AB"},
        {"ABC", std::string(10, ' ') + "ABC"},
        {"ABCD", std::string(10, ' ') + "ABCD"},
        {k24, k24},
        {"  X  ", std::string(11, ' ') + "X"},
        {"   ", "   "},
        {"", ""},
        {"\tX", std::string(11, ' ') + "\tX"},
    };
    for (const AlignCase& c : cases) {
        EXPECT_EQ(alignCentre(c.text), joined({c.firstLine, "", "", "", ""})) << c.text;
    }
    EXPECT_EQ(alignCentre(k30 + "\r\n2\r\n3\r\n4\r\n5\r\n6"),
              joined({k24, std::string(9, ' ') + "YZ0123", std::string(11, ' ') + "2",
                      std::string(11, ' ') + "3", std::string(11, ' ') + "4"}));
}

TEST(AlignLeft, LineTexts) {
    const AlignCase cases[] = {
        {"   X  ", "X  "}, {"    ", ""}, {"AB", "AB"}, {"\t X", "\t X"}, {"", ""},
    };
    for (const AlignCase& c : cases) {
        EXPECT_EQ(alignLeft(c.text), joined({c.firstLine, "", "", "", ""})) << c.text;
    }
    EXPECT_EQ(alignLeft(" 1\r\n 2\r\n3\r\n4\r\n5\r\n6\r\n7"), joined({"1", "2", "3", "4", "5"}));
}

TEST(FitsAddressBlock, TrueExactlyWhenNothingIsDropped) {
    const std::string line24(24, 'a');
    const struct {
        std::string text;
        bool fits;
    } cases[] = {
        {"", true},
        {"A\r\nB\r\nC\r\nD\r\nE", true},
        {"A\r\nB\r\nC\r\nD\r\nE\r\n", true},  // an empty sixth line drops nothing
        {"A\r\nB\r\nC\r\nD\r\nE\r\nF", false},
        {std::string(120, 'a'), true},  // five full slots
        {std::string(121, 'a'), false},
        {std::string(30, 'a') + "\r\nB\r\nC\r\nD", true},
        {std::string(30, 'a') + "\r\nB\r\nC\r\nD\r\nE", false},
        {line24 + "\r\n" + line24 + "\r\n" + line24 + "\r\n" + line24 + "\r\n" + line24, true},
        {std::string(200, '\r'), false},  // more than is ever read
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fitsAddressBlock(c.text), c.fits) << c.text.size();
    }
}

}  // namespace
