#pragma once
// A dialog built from a template of the program (resources/dialog_templates.h): every
// control at its template place, the tab order in template order, controls found by
// their numeric id. On Qt a builder places widgets by the template font's dialog base
// units; on Win32 the template becomes the platform's own DLGTEMPLATE.
//
// Id 1 ends a modal dialog with IdOk, id 2 with IdCancel; Escape and the close box end
// it with IdCancel. A dialog that lives as a frame's client then hides instead, and the
// frame closes. Each of these ends, and the close of a client's frame, asks CanClose()
// first.

#include <functional>
#include <memory>
#include <vector>

#include "framework/command_table.h"
#include "framework/controls.h"
#include "framework/dialog_results.h"
#include "framework/window.h"

namespace pemlar::fw {

class Dialog : public Window {
public:
    // `templateId` must name a template of the program; `owner` may be null.
    explicit Dialog(int templateId, Window* owner = nullptr);
    ~Dialog() override;

    int templateId() const { return templateId_; }
    Window* owner() const { return owner_; }
    void* nativeHandle() const override;

    // The control with this id as T (Control, Edit, ComboBox, Picture or a class derived
    // from them); null when there is none or it is of another kind.
    template <class T = Control>
    T* control(int id) const {
        return dynamic_cast<T*>(findControl(id));
    }
    // As control(), for controls the dialog cannot do without: a template lacking one
    // ends the program with the layer's error report.
    template <class T = Control>
    T& requireControl(int id) const {
        T* found = control<T>(id);
        if (found == nullptr) {
            missingControl(id);
        }
        return *found;
    }
    // Puts a T made from (ControlSlot{*this, id}, args...) in the place of control `id`:
    // same place, tab position and id. The dialog owns it; the old handle is gone.
    template <class T, class... Args>
    T& replaceControl(int id, Args&&... args) {
        auto made = std::make_unique<T>(ControlSlot{*this, id}, std::forward<Args>(args)...);
        T& result = *made;
        adopt(std::move(made));
        return result;
    }

    // Runs `handler` on `notification` of control `id`, after those connected before
    // (and before the standard end of ids 1 and 2). False when there is no such
    // control or it cannot give that notification.
    bool onCommand(int id, Notification notification, std::function<void()> handler);

    // Template rectangle in dialog units -> pixels of this dialog.
    Rect mapDialogRect(Rect units) const;

    // Creates the window once: runs Setup() the first time, then shows it if its
    // template says it is visible. For modeless dialogs and a frame's client; runModal()
    // does it itself.
    void create();
    // Runs the dialog modally and returns the id it ended with (IdOk, IdCancel, or what
    // end() was given). A test may have answered it in advance (test_seams.h).
    int runModal();
    // Ends a modal dialog with `result`; a frame's client hides and its frame closes.
    // Asks nothing: CanClose() is for the user's ways out.
    void end(int result);

    // Asked before ids 1 and 2, Escape or the close box end the dialog, and before the
    // frame around a client that has not ended closes (close box, system menu,
    // Frame::close()). False keeps the dialog, and its frame, open as they are.
    virtual bool CanClose() { return true; }

    // The back end's state of this dialog.
    struct Native;
    Native& native() const { return *native_; }

protected:
    // Runs once, after the controls exist and before the dialog is first shown.
    virtual void Setup() {}

private:
    Control* findControl(int id) const;
    [[noreturn]] void missingControl(int id) const;
    void adopt(std::unique_ptr<Control> replacement);
    // The back end's part of runModal(): creates the dialog if need be and runs it.
    int runModalWindow();

    int templateId_;
    Window* owner_;
    std::unique_ptr<Native> native_;
    std::vector<std::unique_ptr<Control>> controls_;  // template order
    bool created_ = false;
};

}  // namespace pemlar::fw
