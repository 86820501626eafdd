#pragma once
// The resource ids as the window layer's users name them (dialogs, controls, strings,
// bitmaps, icon); ui/ and shell/ reach resources only through this layer.

#include "resources/resource_ids.h"
