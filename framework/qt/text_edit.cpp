#include "framework/qt/text_edit.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QtMath>

#include "framework/qt/windows_text.h"

namespace pemlar {

namespace {

int countedChar(QChar c) {
    if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
        return 2;
    }
    return c.isLowSurrogate() ? 0 : 1;  // a surrogate pair is one character
}

}  // namespace

TemplateTextEdit::TemplateTextEdit(bool wantReturn, QWidget* parent)
    : QPlainTextEdit(parent), wantReturn_(wantReturn) {
    setTabChangesFocus(true);
}

void TemplateTextEdit::setTextLimit(int maxChars) {
    limit_ = maxChars;
}

int TemplateTextEdit::countedLength(const QString& text) {
    int n = 0;
    for (QChar c : text) {
        n += countedChar(c);
    }
    return n;
}

int TemplateTextEdit::room() const {
    QString selected = textCursor().selectedText();
    return limit_ - countedLength(widgetText(this)) + countedLength(selected);
}

QString TemplateTextEdit::fitting(const QString& text) const {
    qsizetype end = text.size();
    if (limit_ > 0) {
        int left = room();
        end = 0;
        while (end < text.size()) {
            int cost = countedChar(text[end]);
            qsizetype step = text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
            if (cost > left) {
                break;
            }
            left -= cost;
            end += step;
        }
    }
    if (rule_) {
        const QString current = widgetText(this);
        const QTextCursor cursor = textCursor();
        const QString before = current.left(cursor.selectionStart());
        const QString after = current.mid(cursor.selectionEnd());
        while (end > 0 && !rule_(before + text.left(end) + after)) {
            --end;
            if (end > 0 && text[end].isLowSurrogate()) {
                --end;
            }
        }
    }
    return text.left(end);
}

QString TemplateTextEdit::holdable(const QString& text) const {
    if (!charRule_) {
        return text;
    }
    QString kept;
    for (char32_t c : text.toUcs4()) {
        if (c == '\n' || charRule_(c)) {
            kept += QString::fromUcs4(&c, 1);
        }
    }
    return kept;
}

QString TemplateTextEdit::accepted(const QString& text) const {
    const QString fits = fitting(holdable(text));
    if (fits.size() != text.size()) {
        QApplication::beep();
    }
    return fits;
}

void TemplateTextEdit::setWrapColumn(int columns) {
    wrapColumns_ = columns;
    QTextOption option = document()->defaultTextOption();
    option.setWrapMode(columns > 0 ? QTextOption::WrapAnywhere
                                   : QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
    fitWrapColumn();
}

// The lines wrap where the viewport ends, so the viewport is narrowed to the columns
// plus half a character: the last column fits, the next one does not. The room it
// leaves on the right stays blank.
void TemplateTextEdit::fitWrapColumn() {
    int right = 0;
    if (wrapColumns_ > 0) {
        const qreal column = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('M'));
        const qreal margins = 2 * document()->documentMargin();
        const int wanted = qCeil(column * (wrapColumns_ + 0.5) + margins);
        int available = contentsRect().width();
        if (verticalScrollBar()->isVisible()) {
            available -= verticalScrollBar()->width();
        }
        right = qMax(0, available - wanted);
    }
    if (viewportMargins().right() != right) {
        setViewportMargins(0, 0, right, 0);
        // The strip beside the viewport belongs to the edit's white, not the window's.
        setAutoFillBackground(right > 0);
        setBackgroundRole(right > 0 ? QPalette::Base : QPalette::Window);
    }
}

void TemplateTextEdit::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    fitWrapColumn();
}

void TemplateTextEdit::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitWrapColumn();
    }
}

void TemplateTextEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        event->ignore();  // focus moves in the dialog; a tab is never typed
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier)) {
        event->ignore();  // Alt+letter is a mnemonic or nothing, never typed text
        return;
    }
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && (!wantReturn_ || isReadOnly())) {
        event->ignore();  // the dialog's
        return;
    }
    if (checksInput() && !isReadOnly()) {
        QString typed = isReturn ? QStringLiteral("\n") : event->text();
        const bool inserts = isReturn || (!typed.isEmpty() && typed[0].isPrint() &&
                                          !(event->modifiers() & Qt::ControlModifier));
        if (inserts && fitting(holdable(typed)).size() != typed.size()) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TemplateTextEdit::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || source == nullptr || !source->hasText()) {
        return;
    }
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    textCursor().insertText(accepted(text));
    ensureCursorVisible();
}

void TemplateTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (checksInput() && !event->commitString().isEmpty()) {
        const QString fits = accepted(event->commitString());
        if (fits.size() != event->commitString().size()) {
            QInputMethodEvent trimmed(event->preeditString(), event->attributes());
            trimmed.setCommitString(fits, event->replacementStart(), event->replacementLength());
            QPlainTextEdit::inputMethodEvent(&trimmed);
            return;
        }
    }
    QPlainTextEdit::inputMethodEvent(event);
}

}  // namespace pemlar
