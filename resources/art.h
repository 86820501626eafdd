#pragma once
// Bitmaps and icons, embedded into the program at build time from the files in art/.
// An icon group may consist of several entries with the same id (one per size).

#include <cstdint>
#include <span>

namespace pemlar {

enum class ArtKind { Bitmap, Icon };

struct ArtEntry {
    ArtKind kind;
    int id;
    std::span<const std::uint8_t> bytes;  // the file as it is (BMP, PNG or ICO)
};

std::span<const ArtEntry> artEntries();

}  // namespace pemlar
