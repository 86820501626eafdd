// Any file loaded as an address file: five well-formed lines, each made only of bytes
// that were read from its own slot.
#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/address_file.h"

namespace {

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const AddressFileBytes slots = addressSlotsFromFile(std::span(data, size));
    for (int slot = 0; slot < kLineCount; ++slot) {
        const std::size_t start = static_cast<std::size_t>(slot) * kLineSlotSize;
        std::size_t length = 0;
        while (length < static_cast<std::size_t>(kLineSlotSize) && slots[start + length] != 0) {
            check(start + length < size && slots[start + length] == data[start + length]);
            ++length;
        }
        check(length <= static_cast<std::size_t>(kLineMaxChars));
        for (std::size_t i = length; i < static_cast<std::size_t>(kLineSlotSize); ++i) {
            check(slots[start + i] == 0);
        }
    }
    return 0;
}
