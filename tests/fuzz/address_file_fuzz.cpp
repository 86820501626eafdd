// Any file loaded as an address file: five well-formed lines, each made only of bytes
// that were read from its own slot, shown as five lines of the edit; saving what is
// shown gives the same slots back, whatever bytes they hold.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/address_file.h"
#include "data/address_text.h"
#include "data/line_chars.h"

namespace {

using namespace pemlar;

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const AddressFileBytes slots = addressSlotsFromFile(std::span(data, size));
    std::u32string expectedText;
    for (int slot = 0; slot < kLineCount; ++slot) {
        const std::size_t start = static_cast<std::size_t>(slot) * kLineSlotSize;
        std::size_t length = 0;
        while (length < static_cast<std::size_t>(kLineSlotSize) && slots[start + length] != 0) {
            check(start + length < size && slots[start + length] == data[start + length]);
            expectedText += lineChar(data[start + length]);
            ++length;
        }
        check(length <= static_cast<std::size_t>(kLineMaxChars));
        for (std::size_t i = length; i < static_cast<std::size_t>(kLineSlotSize); ++i) {
            check(slots[start + i] == 0);
        }
        if (slot < kLineCount - 1) {
            expectedText += U"\r\n";
        }
    }
    const std::u32string shown = showAddressChars(slots);
    check(shown == expectedText);
    check(addressFileFromText(shown) == slots);
    return 0;
}
