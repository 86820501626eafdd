#pragma once
// Window placement that every back end computes alike.

#include "framework/geometry.h"

namespace pemlar::fw {

// Where a rectangle of `outer` size goes to be centred on `screen`: halves rounded
// toward zero, so a window larger than the screen starts at a negative position.
Point centredOrigin(Size outer, Rect screen);

}  // namespace pemlar::fw
