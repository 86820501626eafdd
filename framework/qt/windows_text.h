#pragma once
// The one place where text crosses between the widgets (QString, lines separated by
// '\n') and the data layer (Windows-1252 bytes, lines separated by CR LF).

#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace pemlar::fw::qt {

// '\n' becomes CR LF; a character that Windows-1252 lacks becomes '?'. The code page
// itself is data/windows1252.h.
std::string toWindowsText(QStringView text);
// CR LF, and a lone CR or LF, become '\n'. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+0081 etc., so they survive a
// round trip.
QString fromWindowsText(std::string_view bytes);

// The same for characters (UTF-32), for text that may hold what Windows-1252 lacks:
// '\n' becomes CR LF, every other character stays itself; CR LF and a lone CR or LF
// become '\n'.
std::u32string toEditChars(QStringView text);
QString fromEditChars(std::u32string_view chars);

// The text of an edit, combo box, button, label or group box as Windows-1252 with CR LF
// (what the data layer reads), and the reverse. Empty for other widgets.
std::string windowText(const QWidget* control);
void setWindowText(QWidget* control, std::string_view bytes);
std::u32string editChars(const QWidget* control);
void setEditChars(QWidget* control, std::u32string_view chars);

// The text of a widget exactly as the user sees it: unlike QPlainTextEdit::toPlainText,
// non-breaking spaces stay what they are.
QString widgetText(const QWidget* control);
void setWidgetText(QWidget* control, const QString& text);

}  // namespace pemlar::fw::qt
