#pragma once
// Device-independent bitmaps as the program's art stores them: .bmp files and the pictures
// of .ico files, uncompressed, 1, 4, 8 or 24 bits a pixel. Decoded here because Qt's image
// reader loads every image format plugin (and the libraries behind them) to find out
// which one reads a picture, a cost the program's start would pay for its three pictures.

#include <QImage>
#include <cstdint>
#include <span>
#include <vector>

namespace pemlar {

// The picture of a .bmp file, with its colour table when it has one (as Qt's reader
// gives it); a null image for anything else, damaged or not decoded here (compressed,
// bit fields, 16 or 32 bits a pixel, a colour beyond the table).
QImage decodeBmpFile(std::span<const std::uint8_t> file);

// Every picture of an .ico file in file order, transparent where its mask says so; empty
// when the file is damaged or any picture is not decoded here (a PNG picture, say).
std::vector<QImage> decodeIcoFile(std::span<const std::uint8_t> file);

}  // namespace pemlar
