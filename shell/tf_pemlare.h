#pragma once
// The main window: a fixed-size frame around the main dialog.

#include "framework/qt/frame_window.h"

namespace pemlar {

class TF_Pemlare : public FrameWindow {
    Q_OBJECT
public:
    // Takes ownership of `client`.
    TF_Pemlare(QWidget* parent, const QString& caption, TemplateDialog* client);
    ~TF_Pemlare() override;

protected:
    // Runs once the main dialog's window exists.
    void Setup() override;
};

}  // namespace pemlar
