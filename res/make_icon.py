#!/usr/bin/env python3
"""Draws the program icon and writes it as a .ico file.

One 48x48 image with 32 bits per pixel (BGRA with straight alpha): a blue
rounded square holding four white bars that rise in steps, the rate of fire
jumping at each framebreak. Standard library only; the output is the same
byte for byte on every run. Its output is committed as res/reacalc.ico, so
building needs no Python: after a change here, redraw it with

    python3 res/make_icon.py res/reacalc.ico

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

SIZE = 48
SAMPLES = 4  # 4x4 samples per pixel smooth the edges

TILE = (2.0, 2.0, 46.0, 46.0)  # left, top, right, bottom
TILE_RADIUS = 8.0
TOP_COLOR = (0x3B, 0x82, 0xF6)  # RGB
BOTTOM_COLOR = (0x1E, 0x40, 0xAF)
BAR_COLOR = (0xFF, 0xFF, 0xFF)
BARS = [(7.0, 32.0, 14.0, 40.0), (16.0, 26.0, 23.0, 40.0),
        (25.0, 20.0, 32.0, 40.0), (34.0, 14.0, 41.0, 40.0)]


def in_tile(x, y):
    left, top, right, bottom = TILE
    if not (left <= x < right and top <= y < bottom):
        return False
    # Distance to the nearest corner centre decides inside the corner boxes.
    cx = min(max(x, left + TILE_RADIUS), right - TILE_RADIUS)
    cy = min(max(y, top + TILE_RADIUS), bottom - TILE_RADIUS)
    return (x - cx) ** 2 + (y - cy) ** 2 <= TILE_RADIUS ** 2


def in_bar(x, y):
    return any(l <= x < r and t <= y < b for l, t, r, b in BARS)


def pixel(px, py):
    """Returns (r, g, b, a) of one pixel, top-down coordinates."""
    tile = bar = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            if in_tile(x, y):
                tile += 1
                if in_bar(x, y):
                    bar += 1
    if tile == 0:
        return (0, 0, 0, 0)
    t = (py + 0.5) / SIZE
    base = [round(a + (b - a) * t) for a, b in zip(TOP_COLOR, BOTTOM_COLOR)]
    share = bar / tile
    rgb = [round(c + (w - c) * share) for c, w in zip(base, BAR_COLOR)]
    alpha = round(255 * tile / (SAMPLES * SAMPLES))
    return (rgb[0], rgb[1], rgb[2], alpha)


def image_bytes():
    """The icon image: BITMAPINFOHEADER, BGRA rows bottom-up, AND mask."""
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((SIZE + 31) // 32) * 4  # rows padded to 32 bits
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:  # transparent where the alpha says so
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    # The height counts both the colour image and the mask.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + bytes(colour) + bytes(mask)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    image = image_bytes()
    directory = struct.pack("<HHH", 0, 1, 1)  # reserved, type icon, one image
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image),
                        len(directory) + 16)
    with open(sys.argv[1], "wb") as out:
        out.write(directory + entry + image)


if __name__ == "__main__":
    main()
