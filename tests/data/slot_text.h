#pragma once
#include <string>

#include "data/address_block.h"

namespace pemlar {

inline std::string slotText(ConstLineSlot slot) {
    return std::string(reinterpret_cast<const char*>(slot.data()), lineLength(slot));
}

}  // namespace pemlar
