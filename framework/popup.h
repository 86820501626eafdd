#pragma once
// A window without caption in a thin frame around one child dialog, above its owner,
// shown without taking the activation (the splash). It can run a timer and hold the
// mouse: while held, presses, releases and the wheel reach no other window of the
// program, and a left or right press anywhere in the program is reported. Keys are
// left alone.

#include <chrono>
#include <functional>
#include <memory>

#include "framework/dialog.h"

namespace pemlar::fw {

class Popup : public Window {
public:
    // `owner` must outlive the popup.
    explicit Popup(Window& owner);
    ~Popup() override;

    void* nativeHandle() const override;

    // Creates the window around `content` (created as its child, at its template size),
    // centres it on the primary screen and shows it above the owner, inactive. Once.
    void create(std::unique_ptr<Dialog> content);
    Dialog* content() const { return content_.get(); }

    // `handler` runs once after `delay`; a second call replaces the first.
    void startTimer(std::chrono::milliseconds delay, std::function<void()> handler);
    void stopTimer();
    // Holds the mouse; `onPress` runs at each left or right press while it is held.
    void holdMouse(std::function<void()> onPress);
    void releaseMouse();
    bool holdsMouse() const;
    // Takes the window down (and releases the mouse); the object stays.
    void close();

    struct Native;

private:
    Window& owner_;
    std::unique_ptr<Dialog> content_;
    std::unique_ptr<Native> native_;
};

}  // namespace pemlar::fw
