#pragma once
// What every window of the program has: a native window of the back end (a QWidget on
// Qt, an HWND on Win32) that exists from create() until the object goes.

#include <string>
#include <string_view>

#include "framework/geometry.h"

namespace pemlar::fw {

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    // The back end's window (QWidget* or HWND); null before the window exists. Only back
    // ends look inside.
    virtual void* nativeHandle() const = 0;

    // Caption text, Windows-1252.
    std::string caption() const;
    void setCaption(std::string_view text);

    void show();
    void hide();
    bool isVisible() const;
    // Whether this window has the keyboard (is the active window).
    bool isActive() const;

    // The whole window with its frame, and its client area, in screen pixels.
    Rect outerRect() const;
    Rect clientRect() const;
    // Moves the window so that its outer rectangle starts at `topLeft`.
    void moveTo(Point topLeft);
    // Centres the outer rectangle on the primary screen.
    void centreOnScreen();

protected:
    Window() = default;
};

}  // namespace pemlar::fw
