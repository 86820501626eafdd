#pragma once
// A template's combo box, its list sized and placed as framework/drop_down.h says: below
// the box (or above), as wide as the box, no taller than the template allows. Qt's own
// styles would instead lay a list of every item over the dialog, centred on the current
// one.

#include <QComboBox>

namespace pemlar::fw::qt {

class TemplateComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TemplateComboBox(QWidget* parent = nullptr);

    // The list's largest height in pixels: the template height less the closed box.
    void setDropDownHeight(int pixels);
    int dropDownHeight() const { return dropDownHeight_; }

    void showPopup() override;

Q_SIGNALS:
    // Before the list opens, so that its entries can still be refilled.
    void droppingDown();

private:
    int dropDownHeight_ = 0;
};

}  // namespace pemlar::fw::qt
