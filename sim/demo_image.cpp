#include "sim/demo_image.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "data/address_block.h"
#include "data/charset.h"

namespace pemlar {

namespace {

// Windows-1252: 0xFC is u umlaut, 0xDF sharp s.
constexpr std::array<std::string_view, kLineCount> kDemoLines{
    "Stadtwerke M\xFC"
    "nster",
    "Abt. Messtechnik",
    "Hafenstra\xDF"
    "e 12",
    "48153 M\xFC"
    "nster",
    "Tel. 0251 / 4 71 12",
};
// 12-character ID, 3-character label code, a space, "mmjj".
constexpr std::string_view kDemoId = "  PM-0815-42KAL 0324";

}  // namespace

EepromImage demoImage() {
    EepromImage image{};
    setDefaults(image);
    const AddressSlots lines = addressBlock(image);
    for (int line = 0; line < kLineCount; ++line) {
        const LineSlot slot = lineSlotOf(lines, line);
        std::fill(slot.begin(), slot.end(), 0);
        std::copy(kDemoLines[line].begin(), kDemoLines[line].end(), slot.begin());
    }
    const IdBlock id = idBlockOf(image);
    std::fill(id.begin(), id.end(), 0);
    std::copy(kDemoId.begin(), kDemoId.end(), id.begin());
    updateChecksums(image);
    swapByteOrder(image);
    for (int line = 0; line < kLineCount; ++line) {
        toDeviceCharset(lineSlotOf(lines, line));
    }
    return image;
}

}  // namespace pemlar
