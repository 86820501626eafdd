#pragma once
// The multi-line edit of dialog templates, with the habits of a dialog's edit control:
// Tab moves the focus instead of inserting a tab; Alt with a letter types nothing;
// Return inserts a line break only when the template asks for it (otherwise it goes to
// the dialog); and a text limit that counts a line break as two characters (CR LF),
// enforced on typing, pasting and dropping. Text set by the program is not limited.

#include <QPlainTextEdit>
#include <functional>

namespace pemlar {

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

    // Characters the edit can hold at all: a typed one that fails is refused; pasted or
    // dropped text loses only the characters that fail. A line break always passes.
    using CharRule = std::function<bool(char32_t c)>;
    void setCharRule(CharRule rule) { charRule_ = std::move(rule); }

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
    // How many counted characters may still be inserted in place of the selection.
    int room() const;
    // The longest prefix of `text` that fits into room() and keeps the rule.
    QString fitting(const QString& text) const;
    bool checksInput() const { return limit_ > 0 || rule_ != nullptr || charRule_ != nullptr; }
    // `text` without the characters the char rule refuses.
    QString holdable(const QString& text) const;
    // Trims the insertion to what the edit may hold; beeps when that drops anything.
    QString accepted(const QString& text) const;
    void fitWrapColumn();

    bool wantReturn_;
    int limit_ = 0;
    TextRule rule_;
    CharRule charRule_;
    int wrapColumns_ = 0;
};

}  // namespace pemlar
