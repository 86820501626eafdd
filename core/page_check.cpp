#include "core/page_check.h"

#include <algorithm>
#include <cstdio>

#include "data/address_block.h"
#include "data/charset.h"

namespace pemlar {

namespace {

constexpr int kIdSeparatorOffset = kIdBlockOffset + 15;
constexpr int kIdEndOffset = kIdBlockOffset + kIdBlockSize - 1;

std::uint16_t low16(std::uint32_t sum) {
    return static_cast<std::uint16_t>(sum & 0xFFFF);
}

std::string hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
    return text;
}

}  // namespace

std::vector<std::string> pageProblems(const RawPage& page) {
    std::vector<std::string> problems;
    // A write computes the checksum over the lines in the PC's characters, before they
    // are converted for the instrument; an instrument may also have summed its own bytes.
    EepromImage host{};
    std::copy(page.begin(), page.end(), pageOf(host, kAddressPage).begin());
    for (int line = 0; line < kLineCount; ++line) {
        toHostCharset(lineSlotOf(addressBlock(host), line));
    }
    const unsigned stored =
        (static_cast<unsigned>(page[kPageChecksumOffset]) << 8) | page[kPageChecksumOffset + 1];
    const std::uint16_t asSent = low16(byteSum(page.data(), kPageChecksumOffset));
    const std::uint16_t asWritten =
        low16(byteSum(pageOf(host, kAddressPage).data(), kPageChecksumOffset));
    if (stored != asSent && stored != asWritten) {
        problems.push_back("die Prüfsumme stimmt nicht (gespeichert " + hex4(stored) +
                           ", berechnet " + hex4(asWritten) + ")");
    }
    for (int line = 0; line < kLineCount; ++line) {
        const auto slot = page.begin() + line * kLineSlotSize;
        if (std::find(slot, slot + kLineSlotSize, 0) == slot + kLineSlotSize) {
            problems.push_back("Zeile " + std::to_string(line + 1) + " endet nicht");
        }
    }
    const auto id = page.begin() + kIdBlockOffset;
    const bool fieldsFilled =
        std::find(id, page.begin() + kIdEndOffset, 0) == page.begin() + kIdEndOffset;
    if (!fieldsFilled || page[kIdSeparatorOffset] != ' ' || page[kIdEndOffset] != 0) {
        problems.push_back("die ID-Nummer hat nicht die Form eines Messgeräts");
    }
    return problems;
}

}  // namespace pemlar
