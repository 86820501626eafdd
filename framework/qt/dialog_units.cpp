#include "framework/qt/dialog_units.h"

#include <QFontMetrics>
#include <QString>

namespace pemlar {

namespace {

// As the platform's MulDiv: the product divided and rounded half away from zero.
int mulDivRounded(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

}  // namespace

DialogBaseUnits measureBaseUnits(const QFont& font) {
    QFontMetrics metrics(font);
    int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

QRect mapDialogRect(const QRect& units, DialogBaseUnits base) {
    return QRect(mulDivRounded(units.x(), base.x, 4), mulDivRounded(units.y(), base.y, 8),
                 mulDivRounded(units.width(), base.x, 4), mulDivRounded(units.height(), base.y, 8));
}

QFont dialogFont(std::string_view face, int points) {
    QString family = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    QFont font(family);
    font.setPointSize(points);
    if (family.startsWith(QLatin1String("Courier"), Qt::CaseInsensitive)) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

}  // namespace pemlar
