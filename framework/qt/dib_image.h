#pragma once
// The program's pictures (framework/dib_layout.h) as Qt images. Converted here because
// Qt's image reader loads every image format plugin (and the libraries behind them) to
// find out which one reads a picture, a cost the program's start would pay for its three
// pictures.

#include <QImage>
#include <cstdint>
#include <span>
#include <vector>

namespace pemlar::fw::qt {

// The picture of a .bmp file, with its colour table when it has one (as Qt's reader
// gives it); a null image when the file is damaged or not one the layout takes.
QImage decodeBmpFile(std::span<const std::uint8_t> file);

// Every picture of an .ico file in file order, transparent where its mask (or a 32-bit
// picture's alpha) says so; empty when the layout refuses the file.
std::vector<QImage> decodeIcoFile(std::span<const std::uint8_t> file);

}  // namespace pemlar::fw::qt
