#include "core/address_file.h"

#include <algorithm>

#include "data/address_text.h"

namespace pemlar {

AddressFileBytes addressSlotsFromFile(std::span<const std::uint8_t> bytesRead) {
    AddressFileBytes slots{};
    const std::size_t available = std::min<std::size_t>(bytesRead.size(), kAddressBlockSize);
    for (std::size_t slotStart = 0; slotStart < available; slotStart += kLineSlotSize) {
        const std::size_t readInSlot =
            std::min<std::size_t>({available - slotStart, static_cast<std::size_t>(kLineMaxChars)});
        const auto first = bytesRead.begin() + static_cast<std::ptrdiff_t>(slotStart);
        const auto end = std::find(first, first + static_cast<std::ptrdiff_t>(readInSlot), 0);
        std::copy(first, end, slots.begin() + static_cast<std::ptrdiff_t>(slotStart));
    }
    return slots;
}

AddressFileBytes addressFileFromText(std::u32string_view editText) {
    AddressFileBytes slots{};
    takeAddress(editText, slots);
    return slots;
}

}  // namespace pemlar
