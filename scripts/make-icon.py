#!/usr/bin/env python3
"""Draws the program's icon once and writes it at every size the program needs.

The drawing: a yellow stick with a white highlight and a black outline, rising from the
lower left to a round head at the upper right, dithered in red, magenta, olive and grey,
all in the 16 colours of the standard Windows palette; everything around it transparent.

Written:
  resources/voveduzaz.ico     for Windows. Its first image is the
                              32 x 32 one in 16 colours (4 bits per pixel, 744 bytes),
                              which the window and the program file show at 96 dpi; then
                              16 x 16 in 16 colours, 48 x 48 in 32-bit colour and
                              256 x 256 as PNG, for small icons, Explorer and high DPI.
  resources/hicolor/NxN/apps/ID.png
                              the Linux theme icons, N = 16, 24, 32, 48, 64, 128, 256;
                              the Qt program has them built in as its window's icon.

The small sizes (16, 24, 32) are hinted: each has the drawing's measures fitted to its
own pixel grid, and every pixel is one palette colour, fully opaque or fully transparent.
From 48 up the 32-pixel drawing is scaled and its edges smoothed; the dither keeps a grain
of its own, so the head stays a dithered ball rather than a blown-up mosaic.

Only the standard library is used, so any Python 3 regenerates the same bytes.

  scripts/make-icon.py [RESOURCES_FOLDER]
"""

import math
import pathlib
import struct
import sys
import zlib
from dataclasses import dataclass, replace

DESKTOP_ID = "de.morva.voveduzaz"

# The standard 16-colour palette, in its usual index order, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE, GREY, RED, YELLOW, MAGENTA, WHITE = 0, 3, 8, 9, 11, 13, 15

# Ordered dithering: a 4 x 4 Bayer matrix spreads the four head colours so the head
# reads as one shaded ball rather than as stripes.
BAYER = [
    [0, 8, 2, 10],
    [12, 4, 14, 6],
    [3, 11, 1, 9],
    [15, 7, 13, 5],
]
DITHER_SPREAD = 1.6
# Light to shadow; the light falls from the upper left.
HEAD_SHADES = [MAGENTA, RED, OLIVE, GREY]


@dataclass(frozen=True)
class Drawing:
    """The drawing's measures in pixel-centre coordinates of one grid, y growing down."""
    size: int
    head_centre: tuple
    head_radius: float  # outer edge of the black ring
    head_ring: float
    stick_start: tuple
    stick_half_width: float  # yellow core; the outline lies outside it
    stick_outline: float
    highlight: float  # width of the white edge of the stick's core
    glint_centre: tuple
    glint_radius: float


# The drawing as it was first made, at 32 x 32. Every size from 48 up is this, scaled.
DRAWING_32 = Drawing(
    size=32,
    head_centre=(22.0, 9.0),
    head_radius=7.6,
    head_ring=1.15,
    stick_start=(3.5, 28.5),
    stick_half_width=1.6,
    stick_outline=1.0,
    highlight=1.0,
    # Three pixels up and left of the centre: an L of white where the light hits.
    glint_centre=(19.33, 6.33),
    glint_radius=0.85,
)

# The hinted small sizes: the same picture with its rings, outlines and glint made whole
# pixels, so nothing is lost between two pixels.
HINTED = {
    32: DRAWING_32,
    24: Drawing(
        size=24,
        head_centre=(16.5, 7.0),
        head_radius=6.1,
        head_ring=1.1,
        stick_start=(2.5, 21.5),
        stick_half_width=1.2,
        stick_outline=1.0,
        highlight=0.8,
        glint_centre=(14.0, 4.5),
        glint_radius=0.75,
    ),
    # Too small for a highlight: the stick is a clean two-pixel staircase.
    16: Drawing(
        size=16,
        head_centre=(11.5, 4.5),
        head_radius=4.4,
        head_ring=1.15,
        stick_start=(2.0, 14.0),
        stick_half_width=0.75,
        stick_outline=0.75,
        highlight=0.0,
        glint_centre=(9.5, 3.0),
        glint_radius=0.6,
    ),
}

THEME_SIZES = [16, 24, 32, 48, 64, 128, 256]


def head_colour(d, x, y, dither_x, dither_y):
    cx, cy = d.head_centre
    dx, dy = x - cx, y - cy
    inner = d.head_radius - d.head_ring
    # 0 where the light hits, 1 in the far shadow.
    shade = ((dx + dy) / (2 * inner) + 0.5) * 0.85 + math.hypot(dx, dy) / inner * 0.15
    shade = min(max(shade, 0.0), 0.999)
    # The dither spreads wider than one step, so neighbouring shades always mix.
    threshold = (BAYER[dither_y % 4][dither_x % 4] + 0.5) / 16 - 0.5
    level = round(shade * (len(HEAD_SHADES) - 1) + DITHER_SPREAD * threshold)
    return HEAD_SHADES[min(max(level, 0), len(HEAD_SHADES) - 1)]


def stick_colour(d, x, y):
    """The stick's colour at a point, or None outside it."""
    ax, ay = d.stick_start
    bx, by = d.head_centre
    vx, vy = bx - ax, by - ay
    length = math.hypot(vx, vy)
    ux, uy = vx / length, vy / length
    px, py = x - ax, y - ay
    along = px * ux + py * uy
    # Signed distance across the stick; positive towards the upper left, where the light is.
    across = px * uy - py * ux
    if along < -(d.stick_half_width + d.stick_outline) or along > length:
        return None
    # Round the stick's foot.
    if along < 0:
        across = math.copysign(math.hypot(across, along), across)
    dist = abs(across)
    if dist <= d.stick_half_width:
        return WHITE if across > d.stick_half_width - d.highlight else YELLOW
    if dist <= d.stick_half_width + d.stick_outline:
        return BLACK
    return None


def colour_at(d, x, y, dither_x, dither_y):
    """The palette index at a point of the drawing, or None where it is transparent."""
    cx, cy = d.head_centre
    r = math.hypot(x - cx, y - cy)
    if r <= d.head_radius - d.head_ring:
        gx, gy = d.glint_centre
        if math.hypot(x - gx, y - gy) <= d.glint_radius:
            return WHITE
        return head_colour(d, x, y, dither_x, dither_y)
    if r <= d.head_radius:
        return BLACK
    return stick_colour(d, x, y)


def draw_hinted(d):
    """Rows of palette indexes (None: transparent), one sample at each pixel's centre."""
    return [[colour_at(d, x, y, x, y) for x in range(d.size)] for y in range(d.size)]


def draw_smooth(size, samples=4):
    """Rows of (r, g, b, a): the 32-pixel drawing scaled, each pixel averaged over
    samples x samples points, the dither in cells of size / 64 pixels."""
    d = DRAWING_32
    scale = size / d.size
    cell = max(1, round(size / 64))
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = covered = 0
            for sy in range(samples):
                for sx in range(samples):
                    ox = px + (sx + 0.5) / samples
                    oy = py + (sy + 0.5) / samples
                    index = colour_at(d, ox / scale - 0.5, oy / scale - 0.5,
                                      int(ox) // cell, int(oy) // cell)
                    if index is not None:
                        cr, cg, cb = PALETTE[index]
                        r, g, b, covered = r + cr, g + cg, b + cb, covered + 1
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(r / covered), round(g / covered), round(b / covered),
                            round(255 * covered / samples ** 2)))
        rows.append(row)
    return rows


def rgba_of(indexes):
    return [[(0, 0, 0, 0) if i is None else PALETTE[i] + (255,) for i in row]
            for row in indexes]


def png_bytes(rgba):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    size = len(rgba)
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rgba)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def and_mask(transparent_rows):
    """The AND mask, bottom-up, one bit a pixel, rows padded to 32 bits."""
    mask = bytearray()
    for row in reversed(transparent_rows):
        bits = 0
        for t in row:
            bits = bits << 1 | (1 if t else 0)
        padded = (len(row) + 31) // 32 * 32
        bits <<= padded - len(row)
        mask += bits.to_bytes(padded // 8, "big")
    return bytes(mask)


def dib_4bit(indexes):
    size = len(indexes)
    xor = bytearray()
    for row in reversed(indexes):  # bitmaps are stored bottom-up
        line = bytearray()
        for x in range(0, size, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            line.append(hi << 4 | lo)
        line += bytes(-len(line) % 4)
        xor += line
    mask = and_mask([[i is None for i in row] for row in indexes])
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    # biHeight counts the XOR image and the AND mask together.
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, len(xor) + len(mask),
                       0, 0, 16, 0)
    return info + palette + bytes(xor) + mask


def dib_32bit(rgba):
    size = len(rgba)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(rgba) for r, g, b, a in row)
    mask = and_mask([[a == 0 for _, _, _, a in row] for row in rgba])
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(xor) + len(mask),
                       0, 0, 0, 0)
    return info + xor + mask


def ico_bytes(images):
    """images: (size, colour count, bits per pixel, image bytes), in the file's order."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for size, colours, bits, data in images:
        # A size of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits,
                               len(data), offset)
        offset += len(data)
    return header + entries + b"".join(data for *_, data in images)


def main():
    resources = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else (
        pathlib.Path(__file__).resolve().parent.parent / "resources")

    hinted = {size: draw_hinted(d) for size, d in HINTED.items()}
    rgba = {size: rgba_of(pixels) for size, pixels in hinted.items()}
    for size in THEME_SIZES:
        if size not in rgba:
            rgba[size] = draw_smooth(size, samples=4 if size <= 128 else 3)

    image_32 = dib_4bit(hinted[32])
    assert len(image_32) == 744
    ico = ico_bytes([
        (32, 16, 4, image_32),
        (16, 16, 4, dib_4bit(hinted[16])),
        (48, 0, 32, dib_32bit(rgba[48])),
        (256, 0, 32, png_bytes(rgba[256])),
    ])
    resources.mkdir(parents=True, exist_ok=True)
    (resources / "voveduzaz.ico").write_bytes(ico)

    for size in THEME_SIZES:
        folder = resources / "hicolor" / f"{size}x{size}" / "apps"
        folder.mkdir(parents=True, exist_ok=True)
        (folder / f"{DESKTOP_ID}.png").write_bytes(png_bytes(rgba[size]))


if __name__ == "__main__":
    main()
