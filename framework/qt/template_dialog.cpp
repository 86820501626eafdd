#include "framework/qt/template_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtGlobal>

#include "framework/dialog_results.h"
#include "framework/drop_down.h"
#include "framework/qt/combo_box.h"
#include "framework/qt/dialog_frame.h"
#include "framework/qt/placement.h"
#include "framework/qt/text_edit.h"
#include "resources/dialog_templates.h"

namespace pemlar::fw::qt {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool has(std::uint32_t style, std::uint32_t fact) {
    return (style & fact) != 0;
}

const DialogTemplate& requireTemplate(int id) {
    const DialogTemplate* t = findDialogTemplate(id);
    if (t == nullptr) {
        qFatal("dialog template %d is missing", id);
    }
    return *t;
}

Qt::WindowFlags windowFlagsFor(std::uint32_t style) {
    if (has(style, DialogStyle::Child)) {
        return Qt::Widget;
    }
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (has(style, DialogStyle::Caption)) {
        flags |= Qt::WindowTitleHint;
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    if (has(style, DialogStyle::SysMenu)) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (has(style, DialogStyle::ContextHelp)) {
        flags |= Qt::WindowContextHelpButtonHint;
    }
    return flags;
}

}  // namespace

TemplateDialog::TemplateDialog(int templateId, QWidget* parent)
    : QDialog(parent), template_(&requireTemplate(templateId)), keys_(new DialogKeys(this)) {
    const DialogTemplate& t = *template_;
    setWindowFlags(windowFlagsFor(t.style));
    setWindowTitle(fromUtf8(t.caption));
    setFont(dialogFont(t.fontFace, t.fontPoints));
    base_ = measureBaseUnits(font());
    setObjectName(QStringLiteral("dialog%1").arg(t.id));

    // Templates have no sizing border: the client area keeps the template's size.
    const QRect rect = mapDialogRect(QRect(t.x, t.y, t.w, t.h));
    setFixedSize(rect.size());
    if (has(t.style, DialogStyle::Child)) {
        move(rect.topLeft());
    } else if (parent != nullptr) {
        placeClientAt(*this, parent->mapToGlobal(QPoint(0, 0)) + rect.topLeft());
    } else {
        move(rect.topLeft());
    }
    buildControls();
    applyTabOrder();
    watchKeys();
}

TemplateDialog::~TemplateDialog() = default;

QRect TemplateDialog::mapDialogRect(const QRect& units) const {
    return qt::mapDialogRect(units, base_);
}

QWidget* TemplateDialog::control(int id) const {
    for (const Entry& entry : controls_) {
        if (entry.id == id) {
            return entry.widget;
        }
    }
    return nullptr;
}

std::optional<int> TemplateDialog::idOf(const QWidget* widget) const {
    for (const Entry& entry : controls_) {
        if (entry.widget == widget || entry.widget->isAncestorOf(widget)) {
            return entry.id;
        }
    }
    return std::nullopt;
}

bool TemplateDialog::replaceControl(int id, QWidget* replacement) {
    for (Entry& entry : controls_) {
        if (entry.id != id) {
            continue;
        }
        QWidget* old = entry.widget;
        replacement->setParent(this);
        replacement->setGeometry(old->geometry());
        replacement->setEnabled(old->isEnabled());
        replacement->setHidden(old->isHidden());
        replacement->setObjectName(old->objectName());
        replacement->setFocusPolicy(old->focusPolicy());
        replacement->stackUnder(old);
        entry.widget = replacement;
        delete old;
        applyTabOrder();
        watchKeys();
        return true;
    }
    return false;
}

void TemplateDialog::buildControls() {
    for (const ControlTemplate& c : template_->controls) {
        QWidget* widget = makeControl(c);
        widget->setObjectName(QStringLiteral("control%1").arg(c.id));
        QRect rect = mapDialogRect(QRect(c.x, c.y, c.w, c.h));
        if (auto* combo = qobject_cast<TemplateComboBox*>(widget)) {
            // A combo box's template height includes its drop-down list.
            const int closed = combo->sizeHint().height();
            combo->setDropDownHeight(fw::dropDownLimit(rect.height(), closed));
            rect.setHeight(closed);
        }
        widget->setGeometry(rect);
        widget->setEnabled(!has(c.style, ControlStyle::Disabled));
        if (has(c.style, ControlStyle::Hidden)) {
            widget->setHidden(true);
        }
        controls_.push_back({c.id, widget});
    }
}

QWidget* TemplateDialog::makeControl(const ControlTemplate& c) {
    const QString text = fromUtf8(c.text);
    const Qt::FocusPolicy focus =
        has(c.style, ControlStyle::TabStop) ? Qt::StrongFocus : Qt::ClickFocus;
    switch (c.kind) {
        case ControlKind::GroupBox: {
            auto* group = new QGroupBox(text, this);
            group->setFocusPolicy(Qt::NoFocus);
            return group;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, this);
            button->setFocusPolicy(focus);
            // A focused button takes Return, as in any dialog; only a template's
            // default button takes it from the other controls.
            button->setAutoDefault(true);
            button->setDefault(has(c.style, ControlStyle::DefaultButton));
            if (c.id == IdOk) {
                connect(button, &QPushButton::clicked, this, &TemplateDialog::accept);
            } else if (c.id == IdCancel) {
                connect(button, &QPushButton::clicked, this, &TemplateDialog::reject);
            }
            return button;
        }
        case ControlKind::Static: {
            auto* label = new QLabel(text, this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            Qt::Alignment horizontal = Qt::AlignLeft;
            if (has(c.style, ControlStyle::Centre)) {
                horizontal = Qt::AlignHCenter;
            } else if (has(c.style, ControlStyle::Right)) {
                horizontal = Qt::AlignRight;
            }
            label->setAlignment(horizontal | Qt::AlignTop);
            label->setFocusPolicy(Qt::NoFocus);
            return label;
        }
        case ControlKind::Edit: {
            if (has(c.style, ControlStyle::MultiLine)) {
                auto* edit = new TemplateTextEdit(has(c.style, ControlStyle::WantReturn), this);
                edit->setPlainText(text);
                edit->setFocusPolicy(focus);
                edit->setReadOnly(has(c.style, ControlStyle::ReadOnly));
                // Room for as many characters as the template's width promises.
                edit->document()->setDocumentMargin(1);
                edit->setVerticalScrollBarPolicy(has(c.style, ControlStyle::VScroll)
                                                     ? Qt::ScrollBarAlwaysOn
                                                     : Qt::ScrollBarAlwaysOff);
                edit->setHorizontalScrollBarPolicy(has(c.style, ControlStyle::HScroll)
                                                       ? Qt::ScrollBarAlwaysOn
                                                       : Qt::ScrollBarAlwaysOff);
                const bool wraps = !has(c.style, ControlStyle::HScroll) &&
                                   !has(c.style, ControlStyle::AutoHScroll);
                edit->setLineWrapMode(wraps ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
                if (!has(c.style, ControlStyle::Border)) {
                    edit->setFrameShape(QFrame::NoFrame);
                }
                return edit;
            }
            auto* line = new QLineEdit(text, this);
            line->setFocusPolicy(focus);
            line->setReadOnly(has(c.style, ControlStyle::ReadOnly));
            line->setFrame(has(c.style, ControlStyle::Border));
            line->setTextMargins(0, 0, 0, 0);
            return line;
        }
        case ControlKind::ComboBox: {
            auto* combo = new TemplateComboBox(this);
            combo->setEditable(!has(c.style, ControlStyle::DropDownList));
            combo->setFocusPolicy(focus);
            combo->view()->setVerticalScrollBarPolicy(has(c.style, ControlStyle::VScroll)
                                                          ? Qt::ScrollBarAsNeeded
                                                          : Qt::ScrollBarAlwaysOff);
            return combo;
        }
    }
    Q_UNREACHABLE();
}

void TemplateDialog::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const Entry& entry : controls_) {
        if (entry.widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, entry.widget);
        }
        previous = entry.widget;
    }
}

void TemplateDialog::watchKeys() {
    std::vector<KeyedControl> keyed;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const bool group = i < template_->controls.size() &&
                           has(template_->controls[i].style, ControlStyle::Group);
        keyed.push_back({controls_[i].widget, group});
    }
    keys_->setControls(keyed);
    keys_->setOkCommand([this] {
        if (auto* ok = control<QPushButton>(IdOk); ok != nullptr && ok->isEnabled()) {
            ok->click();
        }
    });
}

void TemplateDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (has(template_->style, DialogStyle::Child) &&
        has(template_->style, DialogStyle::ModalFrame)) {
        QPainter painter(this);
        drawDialogFrame(painter, rect(), palette());
    }
}

// Centred again once the window system's frame is known (see placement.h).
void TemplateDialog::centreOnPrimaryScreen() {
    centreOuterOnPrimaryScreen(*this);
}

void TemplateDialog::accept() {
    if (mayClose()) {
        done(IdOk);
    }
}

void TemplateDialog::reject() {
    if (mayClose()) {
        done(IdCancel);
    }
}

}  // namespace pemlar::fw::qt
