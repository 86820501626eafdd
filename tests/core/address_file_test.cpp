#include "core/address_file.h"

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/windows1252.h"
#include "tests/support/case_name.h"

namespace {

using pemlar::test::PrintTo;

using namespace pemlar;

using namespace std::string_literals;

std::vector<std::string> linesOf(const AddressFileBytes& slots) {
    std::vector<std::string> lines;
    for (int slot = 0; slot < kLineCount; ++slot) {
        const auto* first = slots.data() + slot * kLineSlotSize;
        std::string line;
        for (int i = 0; i < kLineSlotSize && first[i] != 0; ++i) {
            line += static_cast<char>(first[i]);
        }
        lines.push_back(line);
    }
    return lines;
}

// Every slot must end its line within 24 characters and hold only zeros after it.
void expectWellFormed(const AddressFileBytes& slots) {
    for (int slot = 0; slot < kLineCount; ++slot) {
        const auto* first = slots.data() + slot * kLineSlotSize;
        int end = 0;
        while (end < kLineMaxChars && first[end] != 0) {
            ++end;
        }
        for (int i = end; i < kLineSlotSize; ++i) {
            EXPECT_EQ(first[i], 0) << "slot " << slot << " byte " << i;
        }
    }
}

std::string slot(const std::string& text) {
    std::string s = text;
    s.resize(kLineSlotSize, '\0');
    return s;
}

struct FileCase {
    const char* name;
    std::string file;
    std::vector<std::string> lines;
};

class AddressSlotsFromFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(AddressSlotsFromFileTest, ShowsOnlyWhatWasRead) {
    const FileCase& c = GetParam();
    const AddressFileBytes slots = addressSlotsFromFile(
        std::span(reinterpret_cast<const std::uint8_t*>(c.file.data()), c.file.size()));
    EXPECT_EQ(linesOf(slots), c.lines);
    expectWellFormed(slots);
}

const std::string k24 = "ABCDEFGHIJKLMNOPQRSTUVWX";

INSTANTIATE_TEST_SUITE_P(
    Cases, AddressSlotsFromFileTest,
    ::testing::Values(
        FileCase{"Written",
                 slot("Firma") + slot("Strasse 1") + slot("") + slot("12345 Ort") + slot(k24),
                 {"Firma", "Strasse 1", "", "12345 Ort", k24}},
        FileCase{"Empty", "", {"", "", "", "", ""}},
        FileCase{"ShortNoZero", "ABC", {"ABC", "", "", "", ""}},
        FileCase{"EndsInsideSecondSlot", slot("L1") + "L2", {"L1", "L2", "", "", ""}},
        FileCase{"EndsOnSlotsLastByte", slot("L1") + k24, {"L1", k24, "", "", ""}},
        FileCase{"FullSlotWithoutZero", k24 + "Y" + slot("L2"), {k24, "L2", "", "", ""}},
        FileCase{"NoZeroAnywhere",
                 std::string(125, 'Q'),
                 {std::string(24, 'Q'), std::string(24, 'Q'), std::string(24, 'Q'),
                  std::string(24, 'Q'), std::string(24, 'Q')}},
        FileCase{"GarbageAfterZero",
                 "AB\0garbage"s + std::string(15, 'x') + slot("L2"),
                 {"AB", "L2", "", "", ""}},
        FileCase{"Windows1252Kept",
                 slot("Gr\xFC\xDF") + slot("\x80\xFF"),
                 {"Gr\xFC\xDF", "\x80\xFF", "", "", ""}},
        FileCase{"LongerFileCut", std::string(125, '\0') + "MORE", {"", "", "", "", ""}}),
    pemlar::test::caseName);

struct TextCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class AddressFileFromTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(AddressFileFromTextTest, HoldsTheFiveLinesAndZerosOnly) {
    const TextCase& c = GetParam();
    std::u32string chars;
    for (char byte : c.text) {
        chars += fromWindows1252(static_cast<std::uint8_t>(byte));
    }
    const AddressFileBytes slots = addressFileFromText(chars);
    EXPECT_EQ(linesOf(slots), c.lines);
    expectWellFormed(slots);
    EXPECT_EQ(addressSlotsFromFile(slots), slots);  // loading gives back what was saved
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddressFileFromTextTest,
    ::testing::Values(
        TextCase{"Empty", "", {"", "", "", "", ""}},
        TextCase{"BlankLineKept", "ABC\r\n\r\nDEF", {"ABC", "", "DEF", "", ""}},
        TextCase{"LongLineContinues",
                 std::string(30, 'L'),
                 {std::string(24, 'L'), std::string(6, 'L'), "", "", ""}},
        TextCase{"SevenLines", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7", {"1", "2", "3", "4", "5"}},
        TextCase{"Windows1252", "Gr\xFC\xDF\r\n\x80", {"Gr\xFC\xDF", "\x80", "", "", ""}}),
    pemlar::test::caseName);

}  // namespace
