#pragma once
// Pixel geometry of the window layer. Screen coordinates unless a function says
// otherwise; a control's rectangle is relative to its dialog's client area.

namespace pemlar::fw {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
    Point origin() const { return {x, y}; }
    Size size() const { return {width, height}; }
};

}  // namespace pemlar::fw
