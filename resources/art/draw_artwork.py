#!/usr/bin/env python3
"""Draws the program's own pictures and writes them next to this script.

    python3 resources/art/draw_artwork.py [output folder]

bitmap_3300.bmp  72 x 72, the emblem: an instrument with its address display
bitmap_3301.bmp  100 x 52, the name "Pemlar" in a hand-made pixel font, tall and
                 narrow, to be seen stretched
icon_1400.ico    32 x 32 and 16 x 16, the instrument again
icons/pemlar-<n>.png  the same two icon pictures for the desktop's icon theme at
                 16, 32, 48, 64, 128 and 256 pixels: the 16-pixel picture as it is and
                 three times enlarged (48), the 32-pixel one as it is and enlarged two,
                 four and eight times; whole-number enlargement keeps the pixel art sharp

The bitmaps and the icon use 4 bits per pixel and the same 16-colour table. The bitmaps
are bottom-up with a 40-byte info header on light grey. The PNGs are 8-bit RGBA with
the icon's transparent surround, no time stamp or other varying chunk. The output is
byte-for-byte the same on every run; the build uses the committed files, not this
script. Standard library only.
"""

import os
import struct
import sys
import zlib

# The classic 16-colour table, so the pictures look the same on any display.
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 dark red
    (0x00, 0x80, 0x00),  # 2 dark green
    (0x80, 0x80, 0x00),  # 3 olive
    (0x00, 0x00, 0x80),  # 4 navy
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 light grey
    (0x80, 0x80, 0x80),  # 8 dark grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 green
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 magenta
    (0x00, 0xFF, 0xFF),  # 14 cyan
    (0xFF, 0xFF, 0xFF),  # 15 white
]
BLACK, DARK_RED, DARK_GREEN, OLIVE, NAVY, PURPLE, TEAL, LIGHT_GREY = range(8)
DARK_GREY, RED, GREEN, YELLOW, BLUE, MAGENTA, CYAN, WHITE = range(8, 16)


class Canvas:
    """A picture of palette indices, row 0 at the top."""

    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def get(self, x, y):
        return self.pixels[y][x]

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), both included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def hline(self, x0, x1, y, colour):
        self.fill(x0, y, x1, y, colour)

    def vline(self, x, y0, y1, colour):
        self.fill(x, y0, x, y1, colour)

    def bevel(self, x0, y0, x1, y1, light, dark):
        """A raised edge: light along the top and left, dark along the bottom and right."""
        self.hline(x0, x1, y0, light)
        self.vline(x0, y0, y1, light)
        self.hline(x0, x1, y1, dark)
        self.vline(x1, y0, y1, dark)

    def rounded_box(self, x0, y0, x1, y1, outline, face):
        """A box with cut corners and a one-pixel outline."""
        self.fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, face)
        self.hline(x0 + 2, x1 - 2, y0, outline)
        self.hline(x0 + 2, x1 - 2, y1, outline)
        self.vline(x0, y0 + 2, y1 - 2, outline)
        self.vline(x1, y0 + 2, y1 - 2, outline)
        for cx, cy in ((x0 + 1, y0 + 1), (x1 - 1, y0 + 1), (x0 + 1, y1 - 1), (x1 - 1, y1 - 1)):
            self.put(cx, cy, outline)


# ---------------------------------------------------------------- file formats


def _palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def _packed_rows_bottom_up(canvas):
    """4-bit pixels, two to a byte (left pixel in the high nibble), rows padded to
    four bytes, last row first."""
    stride = ((canvas.width * 4 + 31) // 32) * 4
    out = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(canvas.width):
            colour = canvas.get(x, y)
            if x % 2 == 0:
                row[x // 2] |= colour << 4
            else:
                row[x // 2] |= colour
        out += row
    return bytes(out)


def _info_header(width, height, image_size):
    # 2835 pixels per metre = 72 dpi
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 2835, 2835, 16, 0)


def bmp_bytes(canvas):
    pixels = _packed_rows_bottom_up(canvas)
    info = _info_header(canvas.width, canvas.height, len(pixels))
    colours = _palette_bytes()
    offset = 14 + len(info) + len(colours)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + info + colours + pixels


def _and_mask_bottom_up(canvas, transparent):
    """1 bit per pixel, 1 where the picture is transparent, rows padded to four bytes."""
    stride = ((canvas.width + 31) // 32) * 4
    out = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(canvas.width):
            if canvas.get(x, y) == transparent:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def ico_bytes(canvases, transparent):
    """An icon file; pixels of colour `transparent` are left out through the mask
    (and stored as black, as the format expects)."""
    images = []
    for canvas in canvases:
        opaque = Canvas(canvas.width, canvas.height, BLACK)
        for y in range(canvas.height):
            for x in range(canvas.width):
                if canvas.get(x, y) != transparent:
                    opaque.put(x, y, canvas.get(x, y))
        colour_part = _packed_rows_bottom_up(opaque)
        mask_part = _and_mask_bottom_up(canvas, transparent)
        # The icon's info header counts colour and mask rows together.
        info = _info_header(canvas.width, canvas.height * 2, len(colour_part) + len(mask_part))
        info = info[:24] + struct.pack("<ii", 0, 0) + info[32:]
        images.append(info + _palette_bytes() + colour_part + mask_part)

    header = struct.pack("<HHH", 0, 1, len(canvases))
    offset = len(header) + 16 * len(canvases)
    entries = b""
    for canvas, data in zip(canvases, images):
        entries += struct.pack(
            "<BBBBHHII", canvas.width, canvas.height, 16, 0, 1, 4, len(data), offset
        )
        offset += len(data)
    return header + entries + b"".join(images)


def _png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_bytes(canvas, transparent):
    """An 8-bit RGBA PNG; pixels of colour `transparent` get alpha 0."""
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)  # no row filter
        for x in range(canvas.width):
            colour = canvas.get(x, y)
            r, g, b = PALETTE[colour]
            raw += bytes((r, g, b, 0 if colour == transparent else 255))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + _png_chunk(b"IHDR", header)
        + _png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + _png_chunk(b"IEND", b"")
    )


def enlarged(canvas, factor):
    """Each pixel becomes a factor x factor block."""
    c = Canvas(canvas.width * factor, canvas.height * factor, canvas.get(0, 0))
    for y in range(c.height):
        for x in range(c.width):
            c.put(x, y, canvas.get(x // factor, y // factor))
    return c


# ---------------------------------------------------------------- the emblem

# Five address lines as the instrument's display shows them: (indent, length) in
# "characters" of two pixels, like a centred address.
ADDRESS_LINES = [(2, 17), (4, 13), (1, 19), (5, 11), (3, 15)]


def draw_instrument(canvas, x0, y0, x1, y1, detail):
    """A hand-held instrument: a grey case, a green display with address lines,
    three keys and a cable to the serial plug. `detail` picks the large or small
    drawing."""
    c = canvas
    c.rounded_box(x0, y0, x1, y1, BLACK, DARK_GREY)
    c.bevel(x0 + 1, y0 + 1, x1 - 1, y1 - 1, LIGHT_GREY, BLACK)
    c.hline(x0 + 2, x1 - 2, y0 + 1, WHITE)

    if detail == "large":
        # display with a sunken rim
        dx0, dy0, dx1, dy1 = x0 + 5, y0 + 5, x1 - 5, y0 + 33
        c.bevel(dx0 - 1, dy0 - 1, dx1 + 1, dy1 + 1, BLACK, WHITE)
        c.fill(dx0, dy0, dx1, dy1, DARK_GREEN)
        for row, (indent, length) in enumerate(ADDRESS_LINES):
            y = dy0 + 3 + row * 5
            x = dx0 + 3 + indent
            for i in range(length):
                # gaps between "words" keep the lines from looking like bars
                if (i + row) % 6 == 5:
                    continue
                c.fill(x + 2 * i, y, x + 2 * i, y + 2, GREEN)
        # cursor after the last line
        c.fill(dx0 + 3 + 3 + 30, dy0 + 3 + 4 * 5, dx0 + 3 + 3 + 31, dy0 + 3 + 4 * 5 + 2, YELLOW)

        # three keys: read, write, power
        key_y = dy1 + 7
        for kx, colour in ((x0 + 5, GREEN), (x0 + 20, RED), (x0 + 35, YELLOW)):
            c.rounded_box(kx, key_y, kx + 9, key_y + 6, BLACK, colour)
            c.hline(kx + 2, kx + 7, key_y + 1, WHITE)
        # speaker grille
        for gy in range(key_y + 12, y1 - 3, 3):
            c.hline(x0 + 8, x1 - 8, gy, BLACK)
            c.hline(x0 + 8, x1 - 8, gy + 1, LIGHT_GREY)
    else:
        dx0, dy0, dx1, dy1 = x0 + 3, y0 + 3, x1 - 3, y0 + 3 + (y1 - y0) // 2
        c.fill(dx0 - 1, dy0 - 1, dx1 + 1, dy1 + 1, BLACK)
        c.fill(dx0, dy0, dx1, dy1, DARK_GREEN)
        step = 2 if (dy1 - dy0) < 12 else 3
        for row in range((dy1 - dy0 - 1) // step):
            y = dy0 + 1 + row * step
            indent = (1, 2, 0, 3, 1)[row % 5]
            c.hline(dx0 + 1 + indent, dx1 - 1 - (indent + row) % 3, y, GREEN)
        key_y = dy1 + 3
        if y1 - key_y >= 4:
            kw = max(2, (x1 - x0 - 8) // 5)
            for i, colour in enumerate((GREEN, RED, YELLOW)):
                kx = x0 + 3 + i * (kw + 2)
                c.fill(kx, key_y, kx + kw - 1, key_y + 1, colour)
        else:
            c.put(x0 + 3, key_y, GREEN)
            c.put(x0 + 5, key_y, RED)


def draw_emblem():
    c = Canvas(72, 72, LIGHT_GREY)
    # shadow of the case
    c.fill(12, 8, 59, 69, DARK_GREY)
    draw_instrument(c, 8, 4, 56, 66, "large")
    # cable from the case's right side down to a nine-pin plug
    for y in range(20, 46):
        c.put(57, y, BLACK)
    c.hline(57, 63, 46, BLACK)
    c.vline(63, 46, 52, BLACK)
    c.vline(64, 47, 52, DARK_GREY)
    # the plug: a trapezoid shell with two rows of pins
    c.fill(59, 53, 68, 54, BLACK)
    for i, (a, b) in enumerate(((59, 68), (59, 68), (60, 67), (60, 67), (61, 66))):
        c.hline(a, b, 55 + i, DARK_GREY if i else LIGHT_GREY)
        c.put(a, 55 + i, BLACK)
        c.put(b, 55 + i, BLACK)
    c.hline(61, 66, 60, BLACK)
    for px in (61, 63, 65, 67):
        c.put(px if px < 67 else 66, 56, YELLOW)
    for px in (62, 64):
        c.put(px, 58, YELLOW)
    return c


# ---------------------------------------------------------------- the lettering

# A bold pixel font: capitals are 12 marks high, small letters 8, on one baseline.
GLYPHS = {
    "P": [
        "######.",
        "#######",
        "##...##",
        "##...##",
        "##...##",
        "#######",
        "######.",
        "##.....",
        "##.....",
        "##.....",
        "##.....",
        "##.....",
    ],
    "e": [
        ".#####.",
        "#######",
        "##...##",
        "#######",
        "#######",
        "##.....",
        "#######",
        ".######",
    ],
    "m": [
        "####.####.",
        "##########",
        "##..##..##",
        "##..##..##",
        "##..##..##",
        "##..##..##",
        "##..##..##",
        "##..##..##",
    ],
    "l": [
        "##.",
        "##.",
        "##.",
        "##.",
        "##.",
        "##.",
        "##.",
        "##.",
        "##.",
        "##.",
        "###",
        ".##",
    ],
    "a": [
        "######.",
        "#######",
        ".....##",
        ".######",
        "#######",
        "##...##",
        "#######",
        ".######",
    ],
    "r": [
        "##.###",
        "######",
        "###...",
        "##....",
        "##....",
        "##....",
        "##....",
        "##....",
    ],
}
CAP_ROWS = 12


def word_mask(word, gap):
    """The word as a set of (x, y) marks at half resolution, baseline at CAP_ROWS."""
    marks = set()
    x = 0
    for letter in word:
        rows = GLYPHS[letter]
        top = CAP_ROWS - len(rows)
        for gy, row in enumerate(rows):
            for gx, mark in enumerate(row):
                if mark == "#":
                    marks.add((x + gx, top + gy))
        x += len(rows[0]) + gap
    return marks, x - gap


def draw_lettering():
    """The name, drawn tall and narrow: the dialogs stretch this picture over a control
    about four times as wide as high, which turns it into lettering of normal
    proportions. Each mark of the font is a block 2 pixels wide and 4 high."""
    c = Canvas(100, 52, LIGHT_GREY)
    marks, width_in_marks = word_mask("Pemlar", 1)
    mark_w, mark_h = 2, 4
    left = (100 - width_in_marks * mark_w - 1) // 2
    top = 1

    def blocks(dx, dy, colour):
        for mx, my in marks:
            x, y = left + mx * mark_w + dx, top + my * mark_h + dy
            c.fill(x, y, x + mark_w - 1, y + mark_h - 1, colour)

    blocks(1, 2, DARK_GREY)  # drop shadow
    blocks(0, 0, NAVY)
    # a highlight along each stroke's upper and left edge, thick enough to survive
    # the vertical squeeze
    for mx, my in marks:
        x, y = left + mx * mark_w, top + my * mark_h
        if (mx, my - 1) not in marks:
            c.fill(x, y, x + mark_w - 1, y + 1, BLUE)
        if (mx - 1, my) not in marks:
            c.vline(x, y, y + mark_h - 1, BLUE)
    return c


# ---------------------------------------------------------------- the icon

# The small icon is drawn by hand; '.' is transparent.
ICON_16 = [
    "...kkkkkkkkkk...",
    "..kwwwwwwwwwwk..",
    "..kwkkkkkkkkgk..",
    "..kwkddddddkgk..",
    "..kwkdGGGGdkgk..",
    "..kwkddddddkgk..",
    "..kwkGGGGGGkgk..",
    "..kwkddddddkgk..",
    "..kwkdGGGGdkgk..",
    "..kwkddddddkgk..",
    "..kwkkkkkkkkgk..",
    "..kwgggggggggk..",
    "..kwGgrgyggggk..",
    "..kwgggggggggk..",
    "..kgggggggggkk..",
    "...kkkkkkkkkk...",
]
ICON_COLOURS = {
    ".": MAGENTA,
    "k": BLACK,
    "w": WHITE,
    "g": DARK_GREY,
    "d": DARK_GREEN,
    "G": GREEN,
    "r": RED,
    "y": YELLOW,
}


def draw_icon_16():
    c = Canvas(16, 16, MAGENTA)
    for y, row in enumerate(ICON_16):
        for x, mark in enumerate(row):
            c.put(x, y, ICON_COLOURS[mark])
    return c


def draw_icon_32():
    # Magenta marks the transparent surround; the instrument itself uses no magenta.
    c = Canvas(32, 32, MAGENTA)
    c.rounded_box(3, 1, 26, 30, BLACK, DARK_GREY)
    c.hline(5, 24, 2, WHITE)
    c.vline(4, 3, 28, LIGHT_GREY)
    c.hline(5, 24, 29, BLACK)
    c.vline(25, 3, 28, BLACK)
    # the display with five centred address lines
    c.fill(6, 4, 23, 17, BLACK)
    c.fill(7, 5, 22, 16, DARK_GREEN)
    for y, (a, b) in zip((6, 8, 10, 12, 14), ((9, 20), (10, 19), (8, 21), (11, 18), (9, 20))):
        c.hline(a, b, y, GREEN)
    for kx, colour in ((7, GREEN), (12, RED), (17, YELLOW)):
        c.fill(kx, 20, kx + 3, 21, colour)
        c.hline(kx, kx + 3, 22, BLACK)
    for gy in (24, 26):
        c.hline(7, 22, gy, BLACK)
        c.hline(7, 22, gy + 1, LIGHT_GREY)
    # cable and plug
    c.vline(27, 8, 20, BLACK)
    c.hline(27, 29, 20, BLACK)
    c.vline(29, 20, 23, BLACK)
    c.fill(27, 24, 31, 29, BLACK)
    c.fill(28, 25, 30, 28, DARK_GREY)
    c.put(28, 26, YELLOW)
    c.put(30, 26, YELLOW)
    return c


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    icon_32, icon_16 = draw_icon_32(), draw_icon_16()
    outputs = {
        "bitmap_3300.bmp": bmp_bytes(draw_emblem()),
        "bitmap_3301.bmp": bmp_bytes(draw_lettering()),
        "icon_1400.ico": ico_bytes([icon_32, icon_16], MAGENTA),
    }
    for size, picture, factor in (
        (16, icon_16, 1),
        (32, icon_32, 1),
        (48, icon_16, 3),
        (64, icon_32, 2),
        (128, icon_32, 4),
        (256, icon_32, 8),
    ):
        outputs[f"icons/pemlar-{size}.png"] = png_bytes(enlarged(picture, factor), MAGENTA)
    os.makedirs(os.path.join(folder, "icons"), exist_ok=True)
    for name, data in outputs.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
