#pragma once
// A fixed-size top-level window around one client dialog: the client area is exactly
// the client's size; title bar, system menu, minimise and close box, no maximise box,
// no sizing. The frame closes when its client ends (id 1, Escape, ...).

#include <functional>
#include <memory>
#include <string_view>

#include "framework/dialog.h"

namespace pemlar::fw {

class Frame : public Window {
public:
    Frame(std::string_view caption, std::unique_ptr<Dialog> client);
    ~Frame() override;

    Dialog& client() const { return *client_; }
    void* nativeHandle() const override;

    // The icon of the title bar and task bar: icon group `iconId` of the resources.
    void setIcon(int iconId);
    // Creates the client's window (running its Setup), fits the frame to it, then runs
    // the frame's own Setup. Once; before the frame is first shown.
    void create();
    void close();
    // Runs when the frame has closed (by the user, its client or close()).
    void onClosed(std::function<void()> handler);

    struct Native;

protected:
    // Runs once, after the client's window exists.
    virtual void Setup() {}

private:
    std::unique_ptr<Dialog> client_;
    std::unique_ptr<Native> native_;
    bool created_ = false;
};

}  // namespace pemlar::fw
