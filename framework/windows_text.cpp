#include "framework/windows_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <array>

namespace {

// Windows-1252 0x80-0x9F; 0 marks the five undefined bytes, which map to U+0080+n.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t decodeByte(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) {
        return byte;
    }
    char16_t c = kHigh[byte - 0x80];
    return c != 0 ? c : char16_t(byte);
}

char encodeCodePoint(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        char16_t mapped = kHigh[i] != 0 ? kHigh[i] : char16_t(0x80 + i);
        if (mapped == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

}  // namespace

std::string toWindowsText(QStringView text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char32_t c : text.toUcs4()) {
        if (c == '\n') {
            out += "\r\n";
        } else {
            out += encodeCodePoint(c);
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
            out += QChar(decodeByte(byte));
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
