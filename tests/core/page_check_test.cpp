#include "core/page_check.h"

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "data/address_block.h"
#include "data/charset.h"

namespace {

using namespace pemlar;

// A page as an instrument gives it after a write of this program: checksum over the
// lines in the PC's characters, high byte first, lines in the instrument's characters.
RawPage instrumentPage() {
    EepromImage image{};
    setDefaults(image);
    const char* lines[] = {"M\xFCller GmbH", "Stra\xDF" "e 1", "", "12345 Ort", "Tel."};
    for (int line = 0; line < kLineCount; ++line) {
        const LineSlot slot = lineSlotOf(addressBlock(image), line);
        std::fill(slot.begin(), slot.end(), 0);
        std::copy(lines[line], lines[line] + std::strlen(lines[line]), slot.begin());
    }
    const std::string id = "  PM-0815-42KAL 0324";
    std::copy(id.begin(), id.end(), idBlockOf(image).begin());
    idBlockOf(image)[20] = 0;
    updateChecksums(image);
    swapByteOrder(image);
    for (int line = 0; line < kLineCount; ++line) {
        toDeviceCharset(lineSlotOf(addressBlock(image), line));
    }
    RawPage page{};
    const ConstPage raw = pageOf(std::as_const(image), kAddressPage);
    std::copy(raw.begin(), raw.end(), page.begin());
    return page;
}

void storeSumOfTheseBytes(RawPage& page) {
    const std::uint32_t sum = byteSum(page.data(), 254);
    page[254] = static_cast<std::uint8_t>(sum >> 8);
    page[255] = static_cast<std::uint8_t>(sum);
}

struct PageCase {
    const char* what;
    std::function<void(RawPage&)> damage;
    std::vector<std::string> problems;  // the start of each
};

class PageCheck : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageCheck, FindsWhatADamagedPageLacks) {
    RawPage page = instrumentPage();
    GetParam().damage(page);
    const std::vector<std::string> found = pageProblems(page);
    ASSERT_EQ(found.size(), GetParam().problems.size()) << GetParam().what;
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_TRUE(found[i].starts_with(GetParam().problems[i])) << GetParam().what << ": " << found[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageCheck,
    ::testing::Values(
        PageCase{"as written", [](RawPage&) {}, {}},
        PageCase{"summed by the instrument over its own bytes", storeSumOfTheseBytes, {}},
        PageCase{"a byte changed", [](RawPage& p) { p[200] ^= 0x10; }, {"die Prüfsumme"}},
        PageCase{"a line without end",
                 [](RawPage& p) {
                     std::fill(p.begin() + 50, p.begin() + 75, 'x');
                     storeSumOfTheseBytes(p);
                 },
                 {"Zeile 3 endet nicht"}},
        PageCase{"an ID without its space",
                 [](RawPage& p) {
                     p[140] = '-';
                     storeSumOfTheseBytes(p);
                 },
                 {"die ID-Nummer"}},
        PageCase{"zeros", [](RawPage& p) { p.fill(0); }, {"die ID-Nummer"}},
        PageCase{"all 0xFF",
                 [](RawPage& p) { p.fill(0xFF); },
                 {"die Prüfsumme", "Zeile 1", "Zeile 2", "Zeile 3", "Zeile 4", "Zeile 5",
                  "die ID-Nummer"}}));

}  // namespace
