#include "framework/text_edit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include "framework/windows_text.h"

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
        if (inserts && fitting(typed).size() != typed.size()) {
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
    QString fits = fitting(text);
    if (fits.size() != text.size()) {
        QApplication::beep();
    }
    textCursor().insertText(fits);
    ensureCursorVisible();
}

void TemplateTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (checksInput() && !event->commitString().isEmpty()) {
        QString fits = fitting(event->commitString());
        if (fits.size() != event->commitString().size()) {
            QApplication::beep();
            QInputMethodEvent trimmed(event->preeditString(), event->attributes());
            trimmed.setCommitString(fits, event->replacementStart(), event->replacementLength());
            QPlainTextEdit::inputMethodEvent(&trimmed);
            return;
        }
    }
    QPlainTextEdit::inputMethodEvent(event);
}
