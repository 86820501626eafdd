#pragma once
// Rules between the three ID edits and the 21-byte ID block: a 12-character ID text,
// a 3-character label code, a space, "mmjj" and a zero byte, each right-aligned.

#include <string>
#include <string_view>

#include "data/address_block.h"

namespace pemlar {

// Texts of the three ID edits (controls 121, 122, 123), Windows-1252.
struct IdNumberTexts {
    std::string number;
    std::string code;
    std::string date;
    bool operator==(const IdNumberTexts&) const = default;
};

// Writes offsets 0-20 of the block: each text up to a NUL byte, cut to its field
// width or right-aligned in it with spaces. The rest of the ID slot is left alone.
void takeIdNumber(const IdNumberTexts& texts, IdBlock id);
// Each field up to its zero byte, never past its width, right-aligned in that width.
IdNumberTexts showIdNumber(ConstIdBlock id);

struct MonthYear {
    int month;  // 1-12
    int year;   // full year, e.g. 2026
};
// Today's month and year in local time.
MonthYear localMonthYear();

// The two texts of the "Se&t" command: the label's first three characters, and the
// month and the year modulo 100 as "mmjj" (December 2026 gives "1226"). A label shorter
// than three characters gives all it has.
std::string labelCode(std::string_view label);
std::string monthYearStamp(MonthYear date);

}  // namespace pemlar
