#pragma once
// Dialog units to pixels, as dialog templates measure them.

#include <QFont>
#include <QRect>
#include <string_view>

namespace pemlar {

struct DialogBaseUnits {
    int x;  // average character width: advance of "A".."Z" "a".."z" / 52, rounded
    int y;  // character height
};

DialogBaseUnits measureBaseUnits(const QFont& font);

// x and w scale by x/4, y and h by y/8, each rounded to the nearest pixel.
QRect mapDialogRect(const QRect& units, DialogBaseUnits base);

// A template font by face and points. A face the machine lacks falls back through the
// font matcher: Courier New to a metric-compatible monospace font (Liberation Mono),
// MS Sans Serif to a sans-serif font.
QFont dialogFont(std::string_view face, int points);

}  // namespace pemlar
