#!/usr/bin/env python3
"""Draws the program icon, app/tarumo2.ico: 32 by 32 pixels, 256 colours.

The picture is the character 巨 set in square blocks, the way the program sets giant text, on a
rounded tile shaded from sky blue to white. Run it from anywhere; it rewrites the icon.
"""
import os
import struct

SIZE = 32

# 巨 on a 7 by 7 grid of blocks; every block is 3 pixels wide, 2 drawn and 1 left as a gap.
GLYPH = [
    "#######",
    "#......",
    "######.",
    "#....#.",
    "######.",
    "#......",
    "#######",
]
BLOCK = 3
ORIGIN = (SIZE - len(GLYPH[0]) * BLOCK) // 2 + 1  # the gap of the last block is on the right

# Palette: 0 transparent filler, 1 tile border, 2 block, 3 block highlight, 16 onwards the shades
# of the tile. The rest is unused black, which keeps the file a 256-colour image.
BORDER = (40, 60, 110)
BLOCK_COLOUR = (30, 30, 30)
HIGHLIGHT = (230, 120, 40)
SHADES = 64


def shade(index):
    top, bottom = (150, 200, 245), (255, 255, 255)
    t = index / (SHADES - 1)
    return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))


palette = [(0, 0, 0), BORDER, BLOCK_COLOUR, HIGHLIGHT] + [(0, 0, 0)] * 12
palette += [shade(i) for i in range(SHADES)]
palette += [(0, 0, 0)] * (256 - len(palette))


def inside_tile(x, y, radius=5):
    """Whether (x, y) lies on the tile, a square with rounded corners."""
    cx = min(max(x, radius), SIZE - 1 - radius)
    cy = min(max(y, radius), SIZE - 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius + radius


def on_border(x, y):
    return inside_tile(x, y) and not all(
        inside_tile(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))


def pixel(x, y):
    if not inside_tile(x, y):
        return 0
    if on_border(x, y):
        return 1
    gx, gy = (x - ORIGIN) // BLOCK, (y - ORIGIN) // BLOCK
    if 0 <= gx < 7 and 0 <= gy < 7 and GLYPH[gy][gx] == "#":
        within_x, within_y = (x - ORIGIN) % BLOCK, (y - ORIGIN) % BLOCK
        if within_x < 2 and within_y < 2:
            # The first row of the character is drawn in the highlight colour.
            return 3 if gy == 0 else 2
    return 16 + (y * (SHADES - 1)) // (SIZE - 1)


def icon_bytes():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    # Bitmaps are stored bottom row first; each row of the mask is padded to 4 bytes.
    colour = b"".join(bytes(row) for row in reversed(rows))
    mask = b""
    for row in reversed(rows):
        bits = 0
        for x, index in enumerate(row):
            if index == 0:
                bits |= 1 << (SIZE - 1 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0,
                         len(colour) + len(mask), 0, 0, 256, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    image = header + table + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, "..", "app", "tarumo2.ico")
    with open(target, "wb") as out:
        out.write(icon_bytes())
    print("wrote", os.path.normpath(target))
