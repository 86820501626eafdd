#include "core/page_check.h"

#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/address_block.h"
#include "data/charset.h"

namespace {

using namespace pemlar;

// As an instrument holds a page this program wrote: checksum over the lines in the
// PC's characters, high byte first, then the lines in the instrument's characters.
RawPage writtenPage() {
    EepromImage image{};
    setDefaults(image);
    const char line[] = "M\xFCller";
    std::copy(std::begin(line), std::end(line), addressBlock(image).begin());
    const char id[] = "  PM-0815-42KAL 0324";  // with its zero byte: 21
    std::copy(std::begin(id), std::end(id), idBlockOf(image).begin());
    updateChecksums(image);
    swapByteOrder(image);
    toDeviceCharset(lineSlotOf(addressBlock(image), 0));
    RawPage page{};
    std::copy_n(image.begin() + kPageSize, kPageSize, page.begin());
    return page;
}

void sumTheseBytes(RawPage& page) {
    const std::uint32_t sum = byteSum(page.data(), 254);
    page[254] = static_cast<std::uint8_t>(sum >> 8);
    page[255] = static_cast<std::uint8_t>(sum);
}

TEST(PageCheck, FindsWhatADamagedPageLacks) {
    const struct {
        const char* what;
        std::function<void(RawPage&)> damage;
        std::vector<std::string> problems;  // the start of each
    } cases[] = {
        {"as written", [](RawPage&) {}, {}},
        {"summed by the instrument over its own bytes", sumTheseBytes, {}},
        {"a byte changed", [](RawPage& p) { p[200] ^= 0x10; }, {"die Prüfsumme"}},
        {"a line without end",
         [](RawPage& p) {
             std::fill_n(p.begin() + 50, 25, 'x');
             sumTheseBytes(p);
         },
         {"Zeile 3 endet nicht"}},
        {"an ID without its space",
         [](RawPage& p) {
             p[140] = '-';
             sumTheseBytes(p);
         },
         {"die ID-Nummer"}},
    };
    for (const auto& c : cases) {
        RawPage page = writtenPage();
        c.damage(page);
        const std::vector<std::string> found = pageProblems(page);
        ASSERT_EQ(found.size(), c.problems.size()) << c.what;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_TRUE(found[i].starts_with(c.problems[i])) << c.what << ": " << found[i];
        }
    }
}

}  // namespace
