#include "core/label_list.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace {

using pemlar::test::PrintTo;

using namespace pemlar;

using namespace std::string_literals;

struct LabelCase {
    const char* name;
    std::string text;
    std::vector<std::string> labels;
    bool isDefault;
};

class ParseLabelsTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ParseLabelsTest, GivesTheLabelsInFileOrder) {
    const LabelCase& c = GetParam();
    const ParsedLabels parsed = parseLabels(c.text);
    EXPECT_EQ(parsed.labels, c.labels);
    EXPECT_EQ(parsed.isDefault, c.isDefault);
}

const std::string k19 = "ABCDEFGHIJKLMNOPQRS";

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseLabelsTest,
    ::testing::Values(LabelCase{"TwoCrLfLines", "NEU\r\nABC\r\n", {"NEU", "ABC"}, false},
                      LabelCase{"LastLineUnended", "NEU\r\nABC", {"NEU"}, false},
                      LabelCase{"Empty", "", {"NEU"}, true},
                      LabelCase{"ThreeBytes", "AB\n", {"NEU"}, true},
                      LabelCase{"FourBytes", "ABC\n", {"ABC"}, false},
                      LabelCase{"FourBytesUnended", "ABCD", {}, false},
                      LabelCase{"NulMakesItShort", "AB\n\0XYZ\r\n"s, {"NEU"}, true},
                      LabelCase{"NulEndsTheText", "ABC\nDEF\0GHI\n"s, {"ABC"}, false},
                      LabelCase{"UmlautSplits", "Gr\xFCn\r\n", {"Gr", "n"}, false},
                      LabelCase{"TabSplits", "A\tB\r\n", {"A", "B"}, false},
                      LabelCase{"ControlThenLineEnd", "AB\t\r\nCD\n", {"AB", "CD"}, false},
                      LabelCase{
                          "BlankLinesGiveNothing", "AB\r\n\r\n\n\rCD\r\n", {"AB", "CD"}, false},
                      LabelCase{"LeadingLineEnd", "\r\nABC\r\n", {"", "ABC"}, false},
                      LabelCase{"OnlyBlanks", "   \r\nX\n", {"   ", "X"}, false},
                      LabelCase{"BareCr", "ABC\rDEF\r", {"ABC", "DEF"}, false},
                      LabelCase{"DelIsText",
                                "A\x7F"
                                "B\n",
                                {"A\x7F"
                                 "B"},
                                false},
                      LabelCase{"NineteenKept", k19 + "\n", {k19}, false},
                      LabelCase{"LongerCutTo19", k19 + "TUV\nX\n", {k19, "X"}, false}),
    pemlar::test::caseName);

TEST(ParseLabels, OnlyTheFirst1280BytesCount) {
    // 256 lines of "ABC\r\n" fill 1280 bytes; a 257th line lies beyond them.
    std::string text;
    for (int i = 0; i < 256; ++i) {
        text += "ABC\r\n";
    }
    EXPECT_EQ(parseLabels(text + "XYZ\r\n").labels.size(), 256u);
    // A line ending just past the limit does not end the line before it.
    EXPECT_EQ(parseLabels(text.substr(0, text.size() - 2) + "DE\r\n").labels.size(), 255u);
}

struct SelectionCase {
    const char* name;
    std::string text;
    std::int32_t stored;
    int selected;
};

class LabelSelectionTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(LabelSelectionTest, SelectsTheStoredLabelWhenInRange) {
    const SelectionCase& c = GetParam();
    EXPECT_EQ(labelSelection(parseLabels(c.text), c.stored), c.selected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LabelSelectionTest,
                         ::testing::Values(SelectionCase{"First", "NEU\r\nABC\r\n", 0, 0},
                                           SelectionCase{"Last", "NEU\r\nABC\r\n", 1, 1},
                                           SelectionCase{"PastTheEnd", "NEU\r\nABC\r\n", 2, -1},
                                           SelectionCase{"Negative", "NEU\r\nABC\r\n", -1, -1},
                                           SelectionCase{"DefaultIgnoresStored", "", 5, 0},
                                           SelectionCase{"NoLabels", "ABCD", 0, -1}),
                         pemlar::test::caseName);

}  // namespace
