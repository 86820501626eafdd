#include "data/address_block.h"

#include <algorithm>

namespace pemlar {

namespace {

int clampLine(int index) {
    return std::clamp(index, 0, kLineCount - 1);
}

}  // namespace

AddressSlots addressBlock(EepromImage& image) {
    return AddressSlots(page(image, kAddressPage).data(), kAddressBlockSize);
}

ConstAddressSlots addressBlock(const EepromImage& image) {
    return ConstAddressSlots(page(image, kAddressPage).data(), kAddressBlockSize);
}

IdBlock idBlock(EepromImage& image) {
    return IdBlock(page(image, kAddressPage).data() + kIdBlockOffset, kIdBlockSize);
}

ConstIdBlock idBlock(const EepromImage& image) {
    return ConstIdBlock(page(image, kAddressPage).data() + kIdBlockOffset, kIdBlockSize);
}

LineSlot lineSlot(AddressSlots slots, int index) {
    return slots.subspan(kLineSlotSize * clampLine(index)).first<kLineSlotSize>();
}

ConstLineSlot lineSlot(ConstAddressSlots slots, int index) {
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
