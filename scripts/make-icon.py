#!/usr/bin/env python3
"""Draws the program's icon and writes it as resources/voveduzaz.ico.

One 32 x 32 image in the 16 colours of the standard Windows palette (4 bits per pixel)
with an AND mask for transparency: a yellow stick with a white highlight and a black
outline, rising from the lower left to a round head at the upper right, dithered in red,
magenta, olive and grey. The file is 766 bytes, which both the Qt resource and the
Windows resource compiler take as it is.

Only the standard library is used, so any Python 3 regenerates the same bytes.
"""

import math
import pathlib
import struct
import sys

# The standard 16-colour palette, in its usual index order, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE, GREY, RED, YELLOW, MAGENTA, WHITE = 0, 3, 8, 9, 11, 13, 15

SIZE = 32
TRANSPARENT = None

# Geometry in pixel-centre coordinates, y growing downwards.
HEAD_CENTRE = (22.0, 9.0)
HEAD_RADIUS = 7.6  # outer edge of the black ring
HEAD_RING = 1.15
STICK_START = (3.5, 28.5)
STICK_HALF_WIDTH = 1.6  # yellow core; the outline adds one pixel on each side
STICK_OUTLINE = 1.0

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


def head_colour(x, y):
    cx, cy = HEAD_CENTRE
    dx, dy = x - cx, y - cy
    inner = HEAD_RADIUS - HEAD_RING
    # 0 where the light hits, 1 in the far shadow.
    shade = ((dx + dy) / (2 * inner) + 0.5) * 0.85 + math.hypot(dx, dy) / inner * 0.15
    shade = min(max(shade, 0.0), 0.999)
    # The dither spreads wider than one step, so neighbouring shades always mix.
    threshold = (BAYER[y % 4][x % 4] + 0.5) / 16 - 0.5
    level = round(shade * (len(HEAD_SHADES) - 1) + DITHER_SPREAD * threshold)
    return HEAD_SHADES[min(max(level, 0), len(HEAD_SHADES) - 1)]


def stick_colour(x, y):
    """The stick's colour at a pixel, or None outside it."""
    ax, ay = STICK_START
    bx, by = HEAD_CENTRE
    vx, vy = bx - ax, by - ay
    length = math.hypot(vx, vy)
    ux, uy = vx / length, vy / length
    px, py = x - ax, y - ay
    along = px * ux + py * uy
    # Signed distance across the stick; positive towards the upper left, where the light is.
    across = px * uy - py * ux
    if along < -(STICK_HALF_WIDTH + STICK_OUTLINE) or along > length:
        return None
    # Round the stick's foot.
    if along < 0:
        across = math.copysign(math.hypot(across, along), across)
    dist = abs(across)
    if dist <= STICK_HALF_WIDTH:
        return WHITE if across > STICK_HALF_WIDTH - 1.0 else YELLOW
    if dist <= STICK_HALF_WIDTH + STICK_OUTLINE:
        return BLACK
    return None


def draw():
    pixels = [[TRANSPARENT] * SIZE for _ in range(SIZE)]
    cx, cy = HEAD_CENTRE
    for y in range(SIZE):
        for x in range(SIZE):
            colour = stick_colour(x, y)
            r = math.hypot(x - cx, y - cy)
            if r <= HEAD_RADIUS - HEAD_RING:
                colour = head_colour(x, y)
            elif r <= HEAD_RADIUS:
                colour = BLACK
            pixels[y][x] = colour
    # A white glint on the head, where the light hits it.
    pixels[int(cy) - 3][int(cx) - 3] = WHITE
    pixels[int(cy) - 3][int(cx) - 2] = WHITE
    pixels[int(cy) - 2][int(cx) - 3] = WHITE
    return pixels


def ico_bytes(pixels):
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bitmaps are stored bottom-up
        row = pixels[y]
        for x in range(0, SIZE, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append(hi << 4 | lo)
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (1 if row[x] is None else 0)
        mask += struct.pack(">I", bits)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    # biHeight counts the XOR image and the AND mask together.
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, len(xor) + len(mask),
                       0, 0, 16, 0)
    image = info + palette + bytes(xor) + bytes(mask)
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    data = header + entry + image
    assert len(image) == 744 and len(data) == 766
    return data


def main():
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else (
        pathlib.Path(__file__).resolve().parent.parent / "resources" / "voveduzaz.ico")
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_bytes(ico_bytes(draw()))


if __name__ == "__main__":
    main()
