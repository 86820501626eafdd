#pragma once
// The drop-down list of a template's combo box, as the Win32 dialog manager sizes it. The
// template's height is that of the whole dropped-down control: the closed box plus the
// list below it. The list drops below the box (above it when the screen has no room
// below but has above), as wide as the box, never taller than the template allows; more
// items than fit scroll.

#include <optional>
#include <span>

#include "framework/geometry.h"

namespace pemlar::fw {

// The list's largest height: the template's height less the closed box's, at least 0.
int dropDownLimit(int templateHeight, int closedHeight);

// The open list's height: its frame (`chrome`) and every row, cut down to the whole rows
// of the first row's height that fit in `limit`, at least one. A limit of 0 or an empty
// list cuts nothing.
int dropDownListHeight(int chrome, std::span<const int> rowHeights, int limit);

// Where the open list goes for a `box` on the screen: below it, or above it when
// `screenArea` has no room below and room above. Without a screen area, below.
Rect dropDownPlace(Rect box, int listHeight, std::optional<Rect> screenArea);

}  // namespace pemlar::fw
