#include "framework/placement.h"

namespace pemlar::fw {

Point centredOrigin(Size outer, Rect screen) {
    return {screen.x + (screen.width - outer.width) / 2,
            screen.y + (screen.height - outer.height) / 2};
}

}  // namespace pemlar::fw
