#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>

#include "framework/qt/windows_text.h"

using namespace pemlar;
using namespace pemlar::fw::qt;

namespace {

struct Conversion {
    const char16_t* widgetSide;
    const char* windowsSide;
};

// Pairs that convert into each other in both directions.
const Conversion kRoundTrips[] = {
    {u"", ""},
    {u"ABC", "ABC"},
    {u"Grüße aus Köln",
     "Gr\xFC\xDF"
     "e aus K\xF6ln"},
    {u"ÄÖÜäöüß", "\xC4\xD6\xDC\xE4\xF6\xFC\xDF"},
    {u"5 €", "5 \x80"},
    {u"„Zitat“ – ‚x‘ …", "\x84Zitat\x93 \x96 \x82x\x91 \x85"},
    {u"Œ Ž š ™ Ÿ", "\x8C \x8E \x9A \x99 \x9F"},
    {u"a\nb", "a\r\nb"},
    {u"\n\n", "\r\n\r\n"},
    {u"\u00A0nbsp", "\xA0nbsp"},
    {u"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},
};

TEST(WindowsText, ConvertsBothWays) {
    for (const Conversion& c : kRoundTrips) {
        QString text = QString::fromUtf16(c.widgetSide);
        EXPECT_EQ(toWindowsText(text), c.windowsSide) << text.toStdString();
        EXPECT_EQ(fromWindowsText(c.windowsSide), text) << c.windowsSide;
    }
}

TEST(WindowsText, CharactersWithoutCodeBecomeQuestionMarks) {
    const Conversion kCases[] = {
        {u"Ωmega", "?mega"},
        {u"Łódź",
         "?\xF3"
         "d?"},
        {u"\U0001F600!", "?!"},  // one character outside the BMP, one '?'
        {u"\u2028", "?"},
    };
    for (const Conversion& c : kCases) {
        EXPECT_EQ(toWindowsText(QString::fromUtf16(c.widgetSide)), c.windowsSide);
    }
}

TEST(WindowsText, LoneLineEndsBecomeLineBreaks) {
    EXPECT_EQ(fromWindowsText("a\rb\nc\r\n"), QStringLiteral("a\nb\nc\n"));
    EXPECT_EQ(fromWindowsText(std::string_view("a\0b", 3)), QString::fromUtf16(u"a\u0000b", 3));
}

TEST(WindowsText, EditsGiveBackWhatWasSet) {
    QPlainTextEdit edit;
    QLineEdit line;
    const std::string text =
        "\xA0Stra\xDF"
        "e 1\r\n\r\n5 \x80";
    setWindowText(&edit, text);
    EXPECT_EQ(windowText(&edit), text);
    setWindowText(&line, "K\xF6ln");
    EXPECT_EQ(windowText(&line), "K\xF6ln");
}

}  // namespace
