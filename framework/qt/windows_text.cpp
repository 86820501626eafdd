#include "framework/qt/windows_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "data/windows1252.h"

namespace pemlar::fw::qt {

namespace {

QString fromCodePoint(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

}  // namespace

std::string toWindowsText(QStringView text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char32_t c : text.toUcs4()) {
        if (c == '\n') {
            out += "\r\n";
        } else {
            out += static_cast<char>(toWindows1252(c).value_or('?'));
        }
    }
    return out;
}

QString fromWindowsText(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            out += QChar('\n');
        } else {
            out += fromCodePoint(fromWindows1252(byte));
        }
    }
    return out;
}

std::u32string toEditChars(QStringView text) {
    std::u32string out;
    out.reserve(static_cast<std::size_t>(text.size()) + 8);
    for (char32_t c : text.toUcs4()) {
        if (c == '\n') {
            out += U"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

QString fromEditChars(std::u32string_view chars) {
    QString out;
    out.reserve(static_cast<qsizetype>(chars.size()));
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (chars[i] == '\r' || chars[i] == '\n') {
            if (chars[i] == '\r' && i + 1 < chars.size() && chars[i + 1] == '\n') {
                ++i;
            }
            out += QChar('\n');
        } else {
            out += fromCodePoint(chars[i]);
        }
    }
    return out;
}

QString widgetText(const QWidget* control) {
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(control)) {
        QString raw = edit->document()->toRawText();
        raw.replace(QChar::ParagraphSeparator, QChar('\n'));
        raw.replace(QChar::LineSeparator, QChar('\n'));
        return raw;
    }
    if (auto* line = qobject_cast<const QLineEdit*>(control)) {
        return line->text();
    }
    if (auto* combo = qobject_cast<const QComboBox*>(control)) {
        return combo->currentText();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (auto* group = qobject_cast<const QGroupBox*>(control)) {
        return group->title();
    }
    return {};
}

void setWidgetText(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) {
        edit->setPlainText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable()) {
            combo->setEditText(text);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    }
}

std::string windowText(const QWidget* control) {
    return toWindowsText(widgetText(control));
}

void setWindowText(QWidget* control, std::string_view bytes) {
    setWidgetText(control, fromWindowsText(bytes));
}

std::u32string editChars(const QWidget* control) {
    return toEditChars(widgetText(control));
}

void setEditChars(QWidget* control, std::u32string_view chars) {
    setWidgetText(control, fromEditChars(chars));
}

}  // namespace pemlar::fw::qt
