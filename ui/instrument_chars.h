#pragma once
// Before a write: the instrument's code page lacks some characters that the lines may
// hold (the euro sign becomes a space, a section sign a degree sign). Rather than let
// them change in silence, the user is told which ones and decides.

#include "data/address_block.h"

namespace pemlar {

namespace fw {
class Window;
}

// Asks question kMsgUnshownChars naming the characters of `lines` that the instrument would show
// as something else; true when there are none or the user answers Ja.
bool confirmInstrumentChars(fw::Window* owner, ConstAddressSlots lines);

}  // namespace pemlar
