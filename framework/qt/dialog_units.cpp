#include "framework/qt/dialog_units.h"

#include <QFontMetrics>
#include <QString>

namespace pemlar::fw::qt {

fw::DialogBaseUnits measureBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const std::string_view letters = fw::kBaseUnitLetters;
    const QString text =
        QString::fromLatin1(letters.data(), static_cast<qsizetype>(letters.size()));
    return fw::baseUnitsOf(metrics.horizontalAdvance(text), metrics.height());
}

QRect mapDialogRect(const QRect& units, fw::DialogBaseUnits base) {
    const fw::Rect r =
        fw::mapDialogRect({units.x(), units.y(), units.width(), units.height()}, base);
    return QRect(r.x, r.y, r.width, r.height);
}

QFont dialogFont(std::string_view face, int points) {
    QFont font(QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size())));
    font.setPointSize(points);
    if (fw::isFixedPitchFace(face)) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

}  // namespace pemlar::fw::qt
