#pragma once
// Where a picture lands in a control that shows it scaled.

#include "framework/geometry.h"

namespace pemlar {

// The rectangle, in the control's coordinates, over which a picture of size `picture`
// is drawn in a control of size `control`.
//
// keepAspect false: the whole control; the picture's proportions may change.
// keepAspect true: the largest rectangle at the top-left corner that fits the control
// with the picture's proportions. The side whose ratio limits (the width when the
// picture is relatively wider than the control, otherwise, ties included, the height)
// fills the control; both sides are the picture's sides times that scale, truncated
// toward zero, so a product that lands just below a whole number loses a pixel.
// An empty picture or control gives an empty rectangle.
fw::Rect bitmapTarget(fw::Size picture, fw::Size control, bool keepAspect);

}  // namespace pemlar
