#pragma once
// The multi-line edit of dialog templates, with the habits of a dialog's edit control:
// Tab moves the focus instead of inserting a tab; Alt with a letter types nothing;
// Return inserts a line break only when the template asks for it (otherwise it goes to
// the dialog); and a text limit that counts a line break as two characters (CR LF),
// enforced on typing, pasting and dropping. Text set by the program is not limited.

#include <QPlainTextEdit>
#include <functional>

class TemplateTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TemplateTextEdit(bool wantReturn, QWidget* parent = nullptr);

    // At most `maxChars` characters, a line break counting two; 0 = no limit.
    void setTextLimit(int maxChars);
    int textLimit() const { return limit_; }

    // A further rule on the whole text: typing, pasting or dropping is cut to what keeps
    // the rule true, the way the limit is. Only insertions are checked; the rule must
    // stay true when text is removed.
    using TextRule = std::function<bool(const QString& text)>;
    void setTextRule(TextRule rule) { rule_ = std::move(rule); }

    // The length as the limit counts it.
    static int countedLength(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // How many counted characters may still be inserted in place of the selection.
    int room() const;
    // The longest prefix of `text` that fits into room() and keeps the rule.
    QString fitting(const QString& text) const;
    bool checksInput() const { return limit_ > 0 || rule_ != nullptr; }

    bool wantReturn_;
    int limit_ = 0;
    TextRule rule_;
};
