#pragma once
// Dialog units to pixels, as the Win32 dialog manager converts a template's measures:
// one horizontal unit is a quarter of the template font's average character width, one
// vertical unit an eighth of its height. A back end measures the font; the arithmetic
// is the same everywhere.

#include <string_view>

#include "framework/geometry.h"

namespace pemlar::fw {

struct DialogBaseUnits {
    int x = 0;  // average character width
    int y = 0;  // character height
    friend bool operator==(const DialogBaseUnits&, const DialogBaseUnits&) = default;
};

// The text whose advance, divided by its 52 letters, is the average character width.
inline constexpr std::string_view kBaseUnitLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Base units from the advance of kBaseUnitLetters and the font's height: the average
// width rounded half up, in whole pixels.
DialogBaseUnits baseUnitsOf(int lettersAdvance, int height);

// x and width scale by base.x / 4, y and height by base.y / 8, each on its own and
// rounded half away from zero, as the platform's MulDiv rounds.
Rect mapDialogRect(Rect units, DialogBaseUnits base);

// Whether a template's face is a typewriter face (Courier, Courier New): a machine that
// lacks it must stand in a fixed-pitch font. Any other face falls back to sans-serif.
bool isFixedPitchFace(std::string_view face);

}  // namespace pemlar::fw
