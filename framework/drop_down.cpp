#include "framework/drop_down.h"

#include <algorithm>

namespace pemlar::fw {

int dropDownLimit(int templateHeight, int closedHeight) {
    return std::max(0, templateHeight - closedHeight);
}

int dropDownListHeight(int chrome, std::span<const int> rowHeights, int limit) {
    int rows = 0;
    for (const int row : rowHeights) {
        rows += row;
    }
    int height = chrome + rows;
    if (limit > 0 && !rowHeights.empty()) {
        // Whole rows only, at least one, however small the template.
        const int row = std::max(1, rowHeights.front());
        const int fitting = std::max(1, (limit - chrome) / row);
        height = std::min(height, chrome + fitting * row);
    }
    return height;
}

Rect dropDownPlace(Rect box, int listHeight, std::optional<Rect> screenArea) {
    Rect place{box.x, box.y + box.height, box.width, listHeight};
    if (screenArea && place.y + listHeight > screenArea->y + screenArea->height &&
        box.y - listHeight >= screenArea->y) {
        place.y = box.y - listHeight;
    }
    return place;
}

}  // namespace pemlar::fw
