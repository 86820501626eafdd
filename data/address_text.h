#pragma once
// Rules between the address edit's text and the five line slots. Edit text is given as
// characters (what the edit holds, each standing for one line byte as line_chars.h says)
// or as Windows-1252 bytes; lines are separated by CR LF in both. Only the characters
// can carry a CR or LF byte inside a line: in bytes it would read as a line break.

#include <string>
#include <string_view>

#include "data/address_block.h"

namespace pemlar {

// Edit text -> five line slots. Only the first 199 characters are read; a longer line
// continues in the next slot after every 24th character, and a CR LF directly after a
// full slot ends that slot's line. A CR ends a line together with the one character
// after it, whatever that is (so a lone CR swallows the next character); a CR at the
// very end ends the text. A NUL byte ends its line's text as in a C string: the rest
// of that line, up to its CR, is dropped and the next line goes on in the next slot.
// What follows the fifth line is ignored. Always leaves five slots, each with a zero
// byte within its first 25 bytes; bytes after each zero byte are left as they were.
// A character that stands for no line byte is stored as '?'.
void takeAddress(std::u32string_view editText, AddressSlots slots);
void takeAddress(std::string_view editText, AddressSlots slots);
// True when takeAddress keeps every character of `editText`: nothing lies beyond the
// fifth line (a long line taking one slot per 24 characters) or beyond what it reads.
// An empty sixth line drops nothing and so still fits.
bool fitsAddressBlock(std::u32string_view editText);
bool fitsAddressBlock(std::string_view editText);
// Five line slots -> edit text: always five lines joined by four CR LF pairs, each
// line being its slot up to the zero byte but at most 24 characters, so the text never
// exceeds 128 characters. Given back as characters, every line byte shows as lineChar.
std::u32string showAddressChars(ConstAddressSlots slots);
std::string showAddress(ConstAddressSlots slots);

// Both alignment commands take the text in as takeAddress does and return the new
// edit text as showAddress does: long lines cut at 24, at most five lines.
// Only the space character counts as space.
//
// "Links": leading spaces removed from every line; a line of spaces only becomes empty.
std::u32string alignLeft(std::u32string_view editText);
std::string alignLeft(std::string_view editText);
// "Zentriert": every line stripped of its outer spaces and indented by (24 - n) / 2
// spaces, n being its remaining length; no spaces on the right. A line of spaces only
// stays exactly as it was.
std::u32string alignCentre(std::u32string_view editText);
std::string alignCentre(std::string_view editText);

}  // namespace pemlar
