// The instrument keeps multi-byte fields most significant byte first. Only the fields
// listed here are reversed; everything else (texts, 8-bit values, fillers, and the
// four words at page 0 offset 0x9D) stays as it is.

#include <algorithm>
#include <vector>

#include "data/eeprom_image.h"

namespace pemlar {

namespace {

struct Field {
    int page;
    int offset;
    int width;  // 2 or 4
};

void addWords(std::vector<Field>& fields, int pageNumber, int first, int count) {
    for (int i = 0; i < count; ++i) {
        fields.push_back({pageNumber, first + 2 * i, 2});
    }
}

std::vector<Field> buildSwappedFields() {
    std::vector<Field> f;
    for (int offset : {0x00, 0x04, 0x08, 0x0C}) {
        f.push_back({0, offset, 4});
    }
    addWords(f, 0, 0x11, 3);
    addWords(f, 0, 0x18, 1);
    addWords(f, 0, 0x88, 3);
    addWords(f, 0, 0x8E, 3);
    addWords(f, 0, 0xFE, 1);

    addWords(f, 1, 0xFE, 1);

    addWords(f, 2, 0x00, 3);
    addWords(f, 2, 0x08, 8);
    addWords(f, 2, 0x18, 8);
    addWords(f, 2, 0x28, 8);
    addWords(f, 2, 0x38, 64);  // the 8x8 matrix
    addWords(f, 2, 0xB8, 3);
    addWords(f, 2, 0xFE, 1);

    f.push_back({7, 0x09, 4});
    addWords(f, 7, 0x0D, 1);
    addWords(f, 7, 0x1C, 8);
    addWords(f, 7, 0x4A, 1);
    addWords(f, 7, 0xFE, 1);
    return f;
}

const std::vector<Field>& swappedFields() {
    static const std::vector<Field> fields = buildSwappedFields();
    return fields;
}

}  // namespace

void swapByteOrder(EepromImage& image) {
    for (const Field& field : swappedFields()) {
        auto first = image.begin() + kPageSize * field.page + field.offset;
        std::reverse(first, first + field.width);
    }
}

}  // namespace pemlar
