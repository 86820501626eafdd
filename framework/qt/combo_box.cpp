#include "framework/qt/combo_box.h"

#include <QAbstractItemView>
#include <QProxyStyle>
#include <QScreen>

namespace pemlar {

namespace {

// Turns off the "popup" manner of the platform style: the list opens below the box
// instead of over it, without scroll arrows of its own.
class DropDownListStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

TemplateComboBox::TemplateComboBox(QWidget* parent) : QComboBox(parent) {
    auto* style = new DropDownListStyle;
    style->setParent(this);
    setStyle(style);
}

void TemplateComboBox::setDropDownHeight(int pixels) {
    dropDownHeight_ = qMax(0, pixels);
}

void TemplateComboBox::showPopup() {
    Q_EMIT droppingDown();
    // Qt sizes the list by maxVisibleItems; let it show everything, then cut it down.
    setMaxVisibleItems(qMax(1, count()));
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    if (popup == window() || !popup->isVisible()) {
        return;
    }
    const int chrome = popup->height() - view()->viewport()->height();
    int rows = 0;
    for (int row = 0; row < count(); ++row) {
        rows += view()->sizeHintForRow(row);
    }
    int height = chrome + rows;
    if (dropDownHeight_ > 0 && count() > 0) {
        // Whole rows only, at least one, however small the template.
        const int row = qMax(1, view()->sizeHintForRow(0));
        const int fitting = qMax(1, (dropDownHeight_ - chrome) / row);
        height = qMin(height, chrome + fitting * row);
    }
    QPoint topLeft = mapToGlobal(QPoint(0, this->height()));
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        if (topLeft.y() + height > area.bottom() + 1 &&
            mapToGlobal(QPoint(0, 0)).y() - height >= area.top()) {
            topLeft = mapToGlobal(QPoint(0, -height));
        }
    }
    popup->setGeometry(QRect(topLeft, QSize(width(), height)));
}

}  // namespace pemlar
