// Picture: the template's static, subclassed so that it paints a bitmap of the
// resources with StretchDIBits (COLORONCOLOR: no smoothing) instead of its text.

#include <cstring>

#include "framework/controls.h"
#include "framework/dib_layout.h"
#include "framework/win32/native.h"
#include "resources/art.h"

namespace pemlar::fw {

namespace win32 {

namespace {

constexpr UINT_PTR kPictureSubclass = 2;

// The header and colour table StretchDIBits reads, from the checked layout.
DibPicture pictureOf(const DibLayout& dib) {
    DibPicture picture;
    picture.width = dib.width;
    picture.height = dib.height;
    // Only the 40-byte header and the colour table: GDI then ignores later header fields.
    picture.info.resize((dib.header.size() + dib.colours.size() + 3) / 4);
    auto* info = reinterpret_cast<std::uint8_t*>(picture.info.data());
    std::memcpy(info, dib.header.data(), dib.header.size());
    std::memcpy(info + dib.header.size(), dib.colours.data(), dib.colours.size());
    reinterpret_cast<BITMAPINFOHEADER*>(info)->biSize = static_cast<DWORD>(dib.header.size());
    picture.bits.assign(dib.pixels.begin(), dib.pixels.end());
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
            const std::optional<DibLayout> dib = bmpLayout(entry.bytes);
            return dib ? std::optional(pictureOf(*dib)) : std::nullopt;
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
