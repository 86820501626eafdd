// Window and control handles over their widgets.

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

#include "framework/controls.h"
#include "framework/qt/dialog_native.h"
#include "framework/qt/placement.h"
#include "framework/qt/text_edit.h"
#include "framework/qt/windows_text.h"
#include "framework/window.h"

namespace pemlar::fw {

namespace {

Rect rectOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QComboBox* comboOf(const Control& control) {
    return qobject_cast<QComboBox*>(qt::widgetOf(control));
}

}  // namespace

std::string Window::caption() const {
    const QWidget* widget = qt::widgetOf(*this);
    return widget != nullptr ? qt::toWindowsText(widget->windowTitle()) : std::string();
}

void Window::setCaption(std::string_view text) {
    if (QWidget* widget = qt::widgetOf(*this)) {
        widget->setWindowTitle(qt::fromWindowsText(text));
    }
}

void Window::show() {
    if (QWidget* widget = qt::widgetOf(*this)) {
        widget->show();
    }
}

void Window::hide() {
    if (QWidget* widget = qt::widgetOf(*this)) {
        widget->hide();
    }
}

bool Window::isVisible() const {
    const QWidget* widget = qt::widgetOf(*this);
    return widget != nullptr && widget->isVisible();
}

bool Window::isActive() const {
    const QWidget* widget = qt::widgetOf(*this);
    return widget != nullptr && widget->isActiveWindow();
}

Rect Window::outerRect() const {
    const QWidget* widget = qt::widgetOf(*this);
    return widget != nullptr ? rectOf(widget->frameGeometry()) : Rect{};
}

Rect Window::clientRect() const {
    const QWidget* widget = qt::widgetOf(*this);
    if (widget == nullptr) {
        return {};
    }
    return rectOf(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
}

void Window::moveTo(Point topLeft) {
    if (QWidget* widget = qt::widgetOf(*this)) {
        widget->move(topLeft.x, topLeft.y);
    }
}

void Window::centreOnScreen() {
    QWidget* widget = qt::widgetOf(*this);
    if (auto* dialog = qobject_cast<qt::TemplateDialog*>(widget)) {
        dialog->centreOnPrimaryScreen();
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (widget == nullptr || screen == nullptr) {
        return;
    }
    widget->move(qt::centredOrigin(widget->frameGeometry().size(), screen->geometry()));
}

std::string Control::text() const {
    return qt::windowText(qt::widgetOf(*this));
}

void Control::setText(std::string_view text) {
    qt::setWindowText(qt::widgetOf(*this), text);
}

bool Control::isEnabled() const {
    return qt::widgetOf(*this)->isEnabled();
}

void Control::setEnabled(bool enabled) {
    qt::widgetOf(*this)->setEnabled(enabled);
}

bool Control::isVisible() const {
    return qt::widgetOf(*this)->isVisible();
}

bool Control::hasFocus() const {
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* widget = qt::widgetOf(*this);
    return focus != nullptr && (focus == widget || widget->isAncestorOf(focus));
}

void Control::setFocus() {
    qt::widgetOf(*this)->setFocus(Qt::OtherFocusReason);
}

Rect Control::rect() const {
    const QWidget* widget = qt::widgetOf(*this);
    const QWidget* dialogWidget = qt::widgetOf(dialog());
    const QPoint origin = dialogWidget != nullptr && dialogWidget->isAncestorOf(widget)
                              ? widget->mapTo(dialogWidget, QPoint(0, 0))
                              : widget->pos();
    return rectOf(QRect(origin, widget->size()));
}

void Edit::setLimit(int maxChars) {
    limit_ = maxChars;
    // The one-line edits of a template have no rules of their own.
    if (auto* line = qobject_cast<QLineEdit*>(qt::widgetOf(*this))) {
        line->setMaxLength(maxChars > 0 ? maxChars : 32767);
    }
}

void Edit::setWrapColumn(int columns) {
    wrapColumn_ = columns;
    if (auto* edit = qobject_cast<qt::TemplateTextEdit*>(qt::widgetOf(*this))) {
        edit->setWrapColumn(columns);
    }
}

std::vector<std::string> Edit::shownLines() const {
    const QWidget* widget = qt::widgetOf(*this);
    const auto* edit = qobject_cast<const qt::TemplateTextEdit*>(widget);
    if (edit == nullptr) {
        return {text()};
    }
    std::vector<std::string> lines;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const QTextLayout* layout = block.layout();
        if (layout == nullptr || layout->lineCount() == 0) {
            lines.push_back(qt::toWindowsText(text));
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.push_back(qt::toWindowsText(text.mid(line.textStart(), line.textLength())));
        }
    }
    return lines;
}

std::u32string Edit::chars() const {
    return qt::editChars(qt::widgetOf(*this));
}

void Edit::setChars(std::u32string_view chars) {
    qt::setEditChars(qt::widgetOf(*this), chars);
}

void ComboBox::clear() {
    comboOf(*this)->clear();
}

int ComboBox::addItem(std::string_view text, std::int32_t data) {
    QComboBox* combo = comboOf(*this);
    combo->addItem(qt::fromWindowsText(text), QVariant(data));
    return combo->count() - 1;
}

int ComboBox::count() const {
    return comboOf(*this)->count();
}

int ComboBox::currentIndex() const {
    return comboOf(*this)->currentIndex();
}

void ComboBox::setCurrentIndex(int index) {
    comboOf(*this)->setCurrentIndex(index);
}

std::string ComboBox::itemText(int index) const {
    return qt::toWindowsText(comboOf(*this)->itemText(index));
}

std::optional<std::int32_t> ComboBox::itemData(int index) const {
    const QComboBox* combo = comboOf(*this);
    if (index < 0 || index >= combo->count()) {
        return std::nullopt;
    }
    const QVariant data = combo->itemData(index);
    if (!data.isValid()) {
        return std::nullopt;
    }
    return data.toInt();
}

void ComboBox::setToolTip(std::string_view text) {
    comboOf(*this)->setToolTip(qt::fromWindowsText(text));
}

std::string ComboBox::toolTip() const {
    return qt::toWindowsText(comboOf(*this)->toolTip());
}

void ComboBox::setItemHint(int index, std::string_view text) {
    QComboBox* combo = comboOf(*this);
    if (index >= 0 && index < combo->count()) {
        combo->setItemData(index, qt::fromWindowsText(text), Qt::ToolTipRole);
    }
}

std::string ComboBox::itemHint(int index) const {
    const QComboBox* combo = comboOf(*this);
    if (index < 0 || index >= combo->count()) {
        return {};
    }
    return qt::toWindowsText(combo->itemData(index, Qt::ToolTipRole).toString());
}

}  // namespace pemlar::fw
