#include "data/address_block.h"

#include <algorithm>

namespace pemlar {

namespace {

int clampLine(int index) {
    return std::clamp(index, 0, kLineCount - 1);
}

}  // namespace

AddressSlots addressBlock(EepromImage& image) {
    return AddressSlots(pageOf(image, kAddressPage).data(), kAddressBlockSize);
}

ConstAddressSlots addressBlock(const EepromImage& image) {
    return ConstAddressSlots(pageOf(image, kAddressPage).data(), kAddressBlockSize);
}

IdBlock idBlockOf(EepromImage& image) {
    return IdBlock(pageOf(image, kAddressPage).data() + kIdBlockOffset, kIdBlockSize);
}

ConstIdBlock idBlockOf(const EepromImage& image) {
    return ConstIdBlock(pageOf(image, kAddressPage).data() + kIdBlockOffset, kIdBlockSize);
}

LineSlot lineSlotOf(AddressSlots slots, int index) {
    return slots.subspan(kLineSlotSize * clampLine(index)).first<kLineSlotSize>();
}

ConstLineSlot lineSlotOf(ConstAddressSlots slots, int index) {
    return slots.subspan(kLineSlotSize * clampLine(index)).first<kLineSlotSize>();
}

int lineLength(ConstLineSlot slot) {
    int length = 0;
    while (length < kLineMaxChars && slot[length] != 0) {
        ++length;
    }
    return length;
}

}  // namespace pemlar
