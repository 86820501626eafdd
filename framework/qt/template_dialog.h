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
// close box end it with IdCancel. A dialog that lives as a child (the main dialog) then
// hides and emits finished(); its frame closes on that.

#include <QDialog>
#include <vector>

#include "framework/qt/dialog_keys.h"
#include "framework/qt/dialog_units.h"
#include "resources/dialog_template.h"

namespace pemlar {

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    // `templateId` must name a template of the program.
    explicit TemplateDialog(int templateId, QWidget* parent = nullptr);
    ~TemplateDialog() override;

    int templateId() const { return template_->id; }
    const DialogTemplate& templateData() const { return *template_; }
    DialogBaseUnits baseUnits() const { return base_; }
    // Template rectangle in dialog units -> pixels, with this dialog's font.
    QRect mapDialogRect(const QRect& units) const;

    // The first control with this id, or null.
    QWidget* control(int id) const;
    template <class Widget>
    Widget* control(int id) const {
        return qobject_cast<Widget*>(control(id));
    }
    // As control(), for controls the dialog cannot do without: a template lacking one
    // ends the program with the framework's error report.
    template <class Widget>
    Widget* requireControl(int id) const {
        Widget* widget = control<Widget>(id);
        if (widget == nullptr) {
            missingControl(id);
        }
        return widget;
    }
    // Puts `replacement` in the place of control `id`: same geometry, state, tab position
    // and id; the old control is deleted. For controls that paint themselves.
    void replaceControl(int id, QWidget* replacement);

    // Creates the window once: runs Setup() the first time, then shows the dialog if its
    // template says it is visible. For modeless dialogs and the frame's client.
    void createWindow();
    // Runs the dialog modally and returns the id of the button that ended it (IdOk,
    // IdCancel, or whatever done() was given). A test may have answered it in advance.
    int runModal();

    void accept() override;  // done(IdOk)
    void reject() override;  // done(IdCancel)

protected:
    void paintEvent(QPaintEvent* event) override;
    // Runs once, after the controls exist and before the dialog is first shown.
    virtual void Setup() {}

private:
    [[noreturn]] void missingControl(int id) const;
    void buildControls();
    QWidget* makeControl(const ControlTemplate& control);
    void applyTabOrder();
    void watchKeys();

    const DialogTemplate* template_;
    DialogBaseUnits base_{};
    struct Entry {
        int id;
        QWidget* widget;
    };
    std::vector<Entry> controls_;  // template order
    DialogKeys* keys_;
    bool created_ = false;
};

}  // namespace pemlar
