#include "framework/dialog_units.h"

namespace pemlar::fw {

namespace {

// As the platform's MulDiv: the product, divided and rounded half away from zero.
int mulDivRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

DialogBaseUnits baseUnitsOf(int lettersAdvance, int height) {
    return {(lettersAdvance / 26 + 1) / 2, height};
}

Rect mapDialogRect(Rect units, DialogBaseUnits base) {
    return {mulDivRounded(units.x, base.x, 4), mulDivRounded(units.y, base.y, 8),
            mulDivRounded(units.width, base.x, 4), mulDivRounded(units.height, base.y, 8)};
}

bool isFixedPitchFace(std::string_view face) {
    constexpr std::string_view kTypewriter = "courier";
    if (face.size() < kTypewriter.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kTypewriter.size(); ++i) {
        if (asciiLower(face[i]) != kTypewriter[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace pemlar::fw
