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

#include "framework/controls.h"
#include "framework/qt/windows_text.h"

namespace pemlar::fw::qt {

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

int TemplateTextEdit::countedLength(const QString& text) {
    int n = 0;
    for (QChar c : text) {
        n += countedChar(c);
    }
    return n;
}

bool TemplateTextEdit::checksInput() const {
    return rules_ != nullptr &&
           (rules_->limit() > 0 || rules_->textRule() != nullptr || rules_->charRule() != nullptr);
}

QString TemplateTextEdit::fitting(const QString& text) const {
    if (rules_ == nullptr) {
        return text;
    }
    const QString current = widgetText(this);
    const QTextCursor cursor = textCursor();
    const qsizetype start = cursor.selectionStart();
    const qsizetype length = cursor.selectionEnd() - start;
    const std::u32string fits =
        rules_->fitting(toEditChars(current), toEditChars(current.left(start)).size(),
                        toEditChars(current.mid(start, length)).size(), toEditChars(text));
    return fromEditChars(fits);
}

QString TemplateTextEdit::holdable(const QString& text) const {
    if (rules_ == nullptr) {
        return text;
    }
    return fromEditChars(rules_->holdable(toEditChars(text)));
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

}  // namespace pemlar::fw::qt
