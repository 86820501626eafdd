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
    return qobject_cast<QComboBox*>(widgetOf(control));
}

}  // namespace

std::string Window::caption() const {
    const QWidget* widget = widgetOf(*this);
    return widget != nullptr ? toWindowsText(widget->windowTitle()) : std::string();
}

void Window::setCaption(std::string_view text) {
    if (QWidget* widget = widgetOf(*this)) {
        widget->setWindowTitle(fromWindowsText(text));
    }
}

void Window::show() {
    if (QWidget* widget = widgetOf(*this)) {
        widget->show();
    }
}

void Window::hide() {
    if (QWidget* widget = widgetOf(*this)) {
        widget->hide();
    }
}

bool Window::isVisible() const {
    const QWidget* widget = widgetOf(*this);
    return widget != nullptr && widget->isVisible();
}

bool Window::isActive() const {
    const QWidget* widget = widgetOf(*this);
    return widget != nullptr && widget->isActiveWindow();
}

Rect Window::outerRect() const {
    const QWidget* widget = widgetOf(*this);
    return widget != nullptr ? rectOf(widget->frameGeometry()) : Rect{};
}

Rect Window::clientRect() const {
    const QWidget* widget = widgetOf(*this);
    if (widget == nullptr) {
        return {};
    }
    return rectOf(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
}

void Window::moveTo(Point topLeft) {
    if (QWidget* widget = widgetOf(*this)) {
        widget->move(topLeft.x, topLeft.y);
    }
}

void Window::centreOnScreen() {
    QWidget* widget = widgetOf(*this);
    if (auto* dialog = qobject_cast<TemplateDialog*>(widget)) {
        dialog->centreOnPrimaryScreen();
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (widget == nullptr || screen == nullptr) {
        return;
    }
    widget->move(pemlar::centredOrigin(widget->frameGeometry().size(), screen->geometry()));
}

std::string Control::text() const {
    return windowText(widgetOf(*this));
}

void Control::setText(std::string_view text) {
    setWindowText(widgetOf(*this), text);
}

bool Control::isEnabled() const {
    return widgetOf(*this)->isEnabled();
}

void Control::setEnabled(bool enabled) {
    widgetOf(*this)->setEnabled(enabled);
}

bool Control::isVisible() const {
    return widgetOf(*this)->isVisible();
}

bool Control::hasFocus() const {
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* widget = widgetOf(*this);
    return focus != nullptr && (focus == widget || widget->isAncestorOf(focus));
}

void Control::setFocus() {
    widgetOf(*this)->setFocus(Qt::OtherFocusReason);
}

Rect Control::rect() const {
    const QWidget* widget = widgetOf(*this);
    const QWidget* dialogWidget = widgetOf(dialog());
    const QPoint origin = dialogWidget != nullptr && dialogWidget->isAncestorOf(widget)
                              ? widget->mapTo(dialogWidget, QPoint(0, 0))
                              : widget->pos();
    return rectOf(QRect(origin, widget->size()));
}

void Edit::setLimit(int maxChars) {
    limit_ = maxChars;
    // The one-line edits of a template have no rules of their own.
    if (auto* line = qobject_cast<QLineEdit*>(widgetOf(*this))) {
        line->setMaxLength(maxChars > 0 ? maxChars : 32767);
    }
}

void Edit::setWrapColumn(int columns) {
    wrapColumn_ = columns;
    if (auto* edit = qobject_cast<TemplateTextEdit*>(widgetOf(*this))) {
        edit->setWrapColumn(columns);
    }
}

std::vector<std::string> Edit::shownLines() const {
    const QWidget* widget = widgetOf(*this);
    const auto* edit = qobject_cast<const TemplateTextEdit*>(widget);
    if (edit == nullptr) {
        return {text()};
    }
    std::vector<std::string> lines;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const QTextLayout* layout = block.layout();
        if (layout == nullptr || layout->lineCount() == 0) {
            lines.push_back(toWindowsText(text));
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.push_back(toWindowsText(text.mid(line.textStart(), line.textLength())));
        }
    }
    return lines;
}

std::u32string Edit::chars() const {
    return editChars(widgetOf(*this));
}

void Edit::setChars(std::u32string_view chars) {
    setEditChars(widgetOf(*this), chars);
}

void ComboBox::clear() {
    comboOf(*this)->clear();
}

int ComboBox::addItem(std::string_view text, std::int32_t data) {
    QComboBox* combo = comboOf(*this);
    combo->addItem(fromWindowsText(text), QVariant(data));
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
    return toWindowsText(comboOf(*this)->itemText(index));
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
    comboOf(*this)->setToolTip(fromWindowsText(text));
}

std::string ComboBox::toolTip() const {
    return toWindowsText(comboOf(*this)->toolTip());
}

void ComboBox::setItemHint(int index, std::string_view text) {
    QComboBox* combo = comboOf(*this);
    if (index >= 0 && index < combo->count()) {
        combo->setItemData(index, fromWindowsText(text), Qt::ToolTipRole);
    }
}

std::string ComboBox::itemHint(int index) const {
    const QComboBox* combo = comboOf(*this);
    if (index < 0 || index >= combo->count()) {
        return {};
    }
    return toWindowsText(combo->itemData(index, Qt::ToolTipRole).toString());
}

}  // namespace pemlar::fw
