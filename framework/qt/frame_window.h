#pragma once
// A fixed-size top-level window around one client dialog: the client area is exactly
// the client's size; title bar, system menu, minimise and close box, no maximise box,
// no sizing. The frame closes itself when its client finishes (id 1, Escape, ...).
// The native window of fw::Frame.

#include <QWidget>

namespace pemlar::fw::qt {

class TemplateDialog;

class FrameWindow : public QWidget {
    Q_OBJECT
public:
    // Takes ownership of `client`.
    FrameWindow(QWidget* parent, const QString& caption, TemplateDialog* client);
    ~FrameWindow() override;

    // Shows the client and fits the frame to it; after the client has been set up.
    void fitClient();

Q_SIGNALS:
    // The frame has closed.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Undoes a maximise that a window manager or the program asked for anyway.
    void changeEvent(QEvent* event) override;

private:
    TemplateDialog* client_;
};

}  // namespace pemlar::fw::qt
