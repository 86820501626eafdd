// fw::Frame on a FrameWindow.

#include <QPointer>

#include "framework/frame.h"
#include "framework/qt/art_loader.h"
#include "framework/qt/dialog_native.h"
#include "framework/qt/frame_window.h"
#include "framework/qt/windows_text.h"

namespace pemlar::fw {

struct Frame::Native {
    QPointer<qt::FrameWindow> window;
};

Frame::Frame(std::string_view caption, std::unique_ptr<Dialog> client)
    : client_(std::move(client)), native_(std::make_unique<Native>()) {
    // Deleted in the destructor; the client's widget becomes its child.
    native_->window =
        new qt::FrameWindow(nullptr, qt::fromWindowsText(caption), client_->native().widget);
}

Frame::~Frame() {
    client_.reset();
    delete native_->window.data();
}

void* Frame::nativeHandle() const {
    return native_->window.data();
}

void Frame::setIcon(int iconId) {
    const QIcon icon = qt::loadIcon(iconId);
    if (!icon.isNull()) {
        native_->window->setWindowIcon(icon);
    }
}

void Frame::create() {
    if (created_) {
        return;
    }
    created_ = true;
    client_->create();
    native_->window->fitClient();
    Setup();
}

void Frame::close() {
    native_->window->close();
}

void Frame::onClosed(std::function<void()> handler) {
    QObject::connect(native_->window, &qt::FrameWindow::closed, native_->window,
                     [handler = std::move(handler)] { handler(); });
}

}  // namespace pemlar::fw
