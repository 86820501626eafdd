#include "framework/qt/combo_box.h"

#include <QAbstractItemView>
#include <QProxyStyle>
#include <QScreen>
#include <optional>
#include <vector>

#include "framework/drop_down.h"

namespace pemlar::fw::qt {

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
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(count()));
    for (int row = 0; row < count(); ++row) {
        rows.push_back(view()->sizeHintForRow(row));
    }
    const int height = fw::dropDownListHeight(chrome, rows, dropDownHeight_);
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    std::optional<fw::Rect> area;
    if (const QScreen* screen = this->screen()) {
        const QRect r = screen->availableGeometry();
        area = fw::Rect{r.x(), r.y(), r.width(), r.height()};
    }
    const fw::Rect place =
        fw::dropDownPlace({origin.x(), origin.y(), width(), this->height()}, height, area);
    popup->setGeometry(QRect(place.x, place.y, place.width, place.height));
}

}  // namespace pemlar::fw::qt
