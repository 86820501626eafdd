#pragma once
// Bitmaps and icons of the program's resources (resources/art.h).

#include <QIcon>
#include <QImage>

namespace pemlar::fw::qt {

// Null image when there is no such bitmap or framework/dib_layout.h refuses it (the
// Win32 back end shows none then either).
QImage loadBitmap(int id);
// Every picture of icon group `id`; a null icon when there is none.
QIcon loadIcon(int id);

}  // namespace pemlar::fw::qt
