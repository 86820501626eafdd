#pragma once
// Dialog units to pixels for Qt fonts: the rules of framework/dialog_units.h, measured
// with Qt's font metrics.

#include <QFont>
#include <QRect>
#include <string_view>

#include "framework/dialog_units.h"

namespace pemlar::fw::qt {

fw::DialogBaseUnits measureBaseUnits(const QFont& font);

QRect mapDialogRect(const QRect& units, fw::DialogBaseUnits base);

// A template font by face and points. A face the machine lacks falls back through the
// font matcher: Courier New to a metric-compatible monospace font (Liberation Mono),
// MS Sans Serif to a sans-serif font.
QFont dialogFont(std::string_view face, int points);

}  // namespace pemlar::fw::qt
