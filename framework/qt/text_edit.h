#pragma once
// The multi-line edit of dialog templates, with the habits of a dialog's edit control:
// Tab moves the focus instead of inserting a tab; Alt with a letter types nothing;
// Return inserts a line break only when the template asks for it (otherwise it goes to
// the dialog); and the limit and rules of its fw::Edit handle (a line break counts as
// two characters, CR LF), enforced on typing, pasting and dropping. Text set by the
// program is not limited.

#include <QPlainTextEdit>

namespace pemlar::fw {
class Edit;
}

namespace pemlar::fw::qt {

class TemplateTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TemplateTextEdit(bool wantReturn, QWidget* parent = nullptr);

    // The handle whose limit and rules apply (fw::Edit::fitting and holdable); none
    // checks nothing. It must outlive this edit or be taken back first.
    void setRules(const fw::Edit* rules) { rules_ = rules; }

    // Visible lines break after `columns` characters of the (fixed-pitch) font, anywhere
    // in a word, instead of at the edge; 0 = at the edge. Spaces where a line breaks
    // still hang past its end, unseen, as in any text layout of Qt.
    void setWrapColumn(int columns);

    // The length as the limit counts it.
    static int countedLength(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The longest prefix of `text` that may replace the selection under the limit and
    // the rules.
    QString fitting(const QString& text) const;
    bool checksInput() const;
    // `text` without the characters the char rule refuses.
    QString holdable(const QString& text) const;
    // Trims the insertion to what the edit may hold; beeps when that drops anything.
    QString accepted(const QString& text) const;
    void fitWrapColumn();

    bool wantReturn_;
    const fw::Edit* rules_ = nullptr;
    int wrapColumns_ = 0;
};

}  // namespace pemlar::fw::qt
