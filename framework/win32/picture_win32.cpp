// Picture: the template's static, subclassed so that it paints a bitmap of the
// resources with StretchDIBits (COLORONCOLOR: no smoothing) instead of its text.

#include <cstring>

#include "framework/controls.h"
#include "framework/win32/native.h"
#include "resources/art.h"

namespace pemlar::fw {

namespace win32 {

namespace {

constexpr UINT_PTR kPictureSubclass = 2;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::int64_t kLargestSide = 8192;

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// What the file says, checked against its size before anything is read.
std::optional<DibPicture> decode(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t bitsAt = readU32(file, 10);
    const std::uint32_t headerSize = readU32(file, 14);
    const auto width = static_cast<std::int32_t>(readU32(file, 18));
    const auto height = static_cast<std::int32_t>(readU32(file, 22));
    const std::uint16_t bitCount = readU16(file, 28);
    const std::uint32_t compression = readU32(file, 30);
    const std::uint32_t coloursUsed = readU32(file, 46);
    const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (headerSize < kInfoHeaderSize || width <= 0 || rows == 0 || width > kLargestSide ||
        rows > kLargestSide || compression != BI_RGB ||
        (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)) {
        return std::nullopt;
    }
    const std::uint64_t colours =
        coloursUsed != 0 ? coloursUsed : (bitCount <= 8 ? (1u << bitCount) : 0u);
    const std::uint64_t tableEnd = kFileHeaderSize + headerSize + 4 * colours;
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bitCount + 31) / 32) * 4;
    const std::uint64_t bitsEnd = static_cast<std::uint64_t>(bitsAt) + stride * rows;
    if (colours > 256 || tableEnd > bitsAt || bitsEnd > file.size()) {
        return std::nullopt;
    }
    DibPicture picture;
    picture.width = width;
    picture.height = static_cast<int>(rows);
    // Only the 40-byte header and the colour table: GDI then ignores later header fields.
    const std::size_t infoBytes = kInfoHeaderSize + 4 * static_cast<std::size_t>(colours);
    picture.info.resize((infoBytes + 3) / 4);
    std::memcpy(picture.info.data(), file.data() + kFileHeaderSize, kInfoHeaderSize);
    std::memcpy(reinterpret_cast<std::uint8_t*>(picture.info.data()) + kInfoHeaderSize,
                file.data() + kFileHeaderSize + headerSize, 4 * static_cast<std::size_t>(colours));
    reinterpret_cast<BITMAPINFOHEADER*>(picture.info.data())->biSize = kInfoHeaderSize;
    picture.bits.assign(file.begin() + bitsAt, file.begin() + static_cast<std::ptrdiff_t>(bitsEnd));
    return picture;
}

void paint(const Picture& picture, HDC dc) {
    const auto& pictures = picture.dialog().native().pictures;
    const auto found = pictures.find(picture.id());
    if (dc == nullptr || found == pictures.end()) {
        return;
    }
    const DibPicture& dib = found->second;
    const Rect target = picture.target();
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, target.x, target.y, target.width, target.height, 0, 0, dib.width, dib.height,
                  dib.bits.data(), reinterpret_cast<const BITMAPINFO*>(dib.info.data()),
                  DIB_RGB_COLORS, SRCCOPY);
}

LRESULT CALLBACK pictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR data) {
    const auto& picture = *reinterpret_cast<const Picture*>(data);
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(window, &ps);
            paint(picture, dc);
            EndPaint(window, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            // Printing and window animation draw the client as it is painted.
            paint(picture, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, pictureProc, kPictureSubclass);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

HWND slotWindow(const ControlSlot& slot) {
    return GetDlgItem(static_cast<HWND>(slot.dialog.nativeHandle()), slot.id);
}

}  // namespace

std::optional<DibPicture> decodeBitmap(int id) {
    for (const ArtEntry& entry : artEntries()) {
        if (entry.kind == ArtKind::Bitmap && entry.id == id) {
            return decode(entry.bytes);
        }
    }
    return std::nullopt;
}

}  // namespace win32

Picture::Picture(ControlSlot slot, int bitmapId)
    : Control(slot.dialog, slot.id, win32::slotWindow(slot)) {
    auto& pictures = slot.dialog.native().pictures;
    pictures.erase(slot.id);
    if (auto dib = win32::decodeBitmap(bitmapId)) {
        bitmapSize_ = {dib->width, dib->height};
        pictures.emplace(slot.id, std::move(*dib));
    }
    HWND window = static_cast<HWND>(nativeHandle());
    if (window != nullptr) {
        SetWindowSubclass(window, win32::pictureProc, win32::kPictureSubclass,
                          reinterpret_cast<DWORD_PTR>(this));
        InvalidateRect(window, nullptr, TRUE);
    }
}

Picture::~Picture() {
    HWND window = static_cast<HWND>(nativeHandle());
    if (window != nullptr && IsWindow(window)) {
        RemoveWindowSubclass(window, win32::pictureProc, win32::kPictureSubclass);
    }
    dialog().native().pictures.erase(id());
}

void Picture::setPlacement(Placement placement) {
    placement_ = std::move(placement);
    InvalidateRect(static_cast<HWND>(nativeHandle()), nullptr, TRUE);
}

Rect Picture::target() const {
    RECT client{};
    GetClientRect(static_cast<HWND>(nativeHandle()), &client);
    const Size size{client.right - client.left, client.bottom - client.top};
    if (placement_) {
        return placement_(size, bitmapSize_);
    }
    return {0, 0, size.width, size.height};
}

}  // namespace pemlar::fw
