#pragma once
// A dialog built from a dialog template (resources/dialog_templates.h): every control
// at its template place, in pixels from the template font's dialog base units, the
// tab order in template order, controls found by their numeric id.
//
// Kinds become: group box -> QGroupBox, push button -> QPushButton, static -> QLabel,
// edit -> TemplateTextEdit (multi-line) or QLineEdit, combo box -> TemplateComboBox.
//
// A child dialog with the ModalFrame style shows the dialog frame's raised edge; arrow
// keys and plain mnemonic letters act as in a Win32 dialog (dialog_keys.h); a popup
// with an owner sits with its client origin at the template point of the owner's.
//
// Standard buttons: id 1 ends the dialog with IdOk, id 2 with IdCancel; Escape and the
// close box end it with IdCancel, each only when the close check lets it. A dialog that
// lives as a child (the main dialog) then hides and emits finished(); its frame closes
// on that. The native state of fw::Dialog.

#include <QDialog>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "framework/qt/dialog_keys.h"
#include "framework/qt/dialog_units.h"
#include "resources/dialog_template.h"

namespace pemlar::fw::qt {

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    // `templateId` must name a template of the program.
    explicit TemplateDialog(int templateId, QWidget* parent = nullptr);
    ~TemplateDialog() override;

    int templateId() const { return template_->id; }
    const DialogTemplate& templateData() const { return *template_; }
    fw::DialogBaseUnits baseUnits() const { return base_; }
    // Template rectangle in dialog units -> pixels, with this dialog's font.
    QRect mapDialogRect(const QRect& units) const;

    // The first control with this id, or null.
    QWidget* control(int id) const;
    template <class Widget>
    Widget* control(int id) const {
        return qobject_cast<Widget*>(control(id));
    }
    // Puts `replacement` in the place of control `id`: same geometry, state, tab position
    // and id; the old control is deleted. For controls that paint themselves. False (and
    // `replacement` left alone) when there is no such control.
    bool replaceControl(int id, QWidget* replacement);

    struct Entry {
        int id;
        QWidget* widget;
    };
    // Every control, in template order.
    const std::vector<Entry>& controls() const { return controls_; }
    // The id of the control that is `widget` or holds it; nothing when none does.
    std::optional<int> idOf(const QWidget* widget) const;

    // Moves the outer rectangle to the middle of the primary screen; before the dialog
    // is first shown, again once it is, when the title bar's size is known.
    void centreOnPrimaryScreen();

    // What the user's ways out ask first; none lets every one through.
    void setCloseCheck(std::function<bool()> check) { closeCheck_ = std::move(check); }
    bool mayClose() const { return !closeCheck_ || closeCheck_(); }

    void accept() override;  // done(IdOk) if mayClose()
    void reject() override;  // done(IdCancel) if mayClose()

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    QWidget* makeControl(const ControlTemplate& control);
    void applyTabOrder();
    void watchKeys();

    const DialogTemplate* template_;
    fw::DialogBaseUnits base_{};
    std::vector<Entry> controls_;  // template order
    DialogKeys* keys_;
    std::function<bool()> closeCheck_;
};

}  // namespace pemlar::fw::qt
