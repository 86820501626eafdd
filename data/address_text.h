#pragma once
// Rules between the address edit's text and the five line slots. Edit text here is
// Windows-1252 bytes with lines separated by CR LF; the window layer converts.

#include <string>
#include <string_view>

#include "data/address_block.h"

// Edit text -> five line slots. Only the first 199 characters are read; a longer line
// continues in the next slot after every 24th character; a CR ends a line (with the
// character after it); what follows the fifth line is ignored. Always leaves five
// well-formed slots; bytes after each zero byte are left as they were.
void takeAddress(std::string_view editText, AddressSlots slots);
// Five line slots -> edit text: always five lines joined by four CR LF pairs.
std::string showAddress(ConstAddressSlots slots);

// "Links": leading spaces removed from every line. Returns the new edit text.
std::string alignLeft(std::string_view editText);
// "Zentriert": every line centred in 24 columns, the odd column on the right.
std::string alignCentre(std::string_view editText);
