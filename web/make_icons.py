#!/usr/bin/env python3
"""Draws the page's icons as PNG from the design of web/icon.svg: a blue
rounded square (16 units, corner radius 3) with a white step line 2 units
wide through (3,13) (6,13) (6,10) (9,10) (9,7) (12,7) (12,3), butt ends and
mitred corners, as the SVG's defaults draw it.

A phone's home screen wants PNG at fixed sizes; a maskable icon fills the
whole square and keeps the line inside the central circle that any mask
leaves (radius 40 % of the side), so it is drawn smaller on a square tile.
Standard library only; the same bytes on every run.

Usage: make_icons.py OUTPUT_DIR   (writes icon-192.png, icon-512.png,
                                   icon-maskable-512.png)
"""
import os
import struct
import sys
import zlib

BLUE = (0x1F, 0x5F, 0xBF)
WHITE = (0xFF, 0xFF, 0xFF)
LINE = [(3, 13), (6, 13), (6, 10), (9, 10), (9, 7), (12, 7), (12, 3)]
SAMPLES = 4  # 4x4 samples per pixel where an edge crosses it


def line_boxes(points, half_width=1.0):
    """The stroke as boxes: each segment widened by half the width on both
    sides, and lengthened by as much at inner corners (a right-angle miter)."""
    boxes = []
    last = len(points) - 2
    for k, ((x0, y0), (x1, y1)) in enumerate(zip(points, points[1:])):
        before = half_width if k > 0 else 0.0
        after = half_width if k < last else 0.0
        if y0 == y1:
            lo, hi = min(x0, x1), max(x0, x1)
            lo -= before if x0 < x1 else after
            hi += after if x0 < x1 else before
            boxes.append((lo, y0 - half_width, hi, y0 + half_width))
        else:
            lo, hi = min(y0, y1), max(y0, y1)
            lo -= before if y0 < y1 else after
            hi += after if y0 < y1 else before
            boxes.append((x0 - half_width, lo, x0 + half_width, hi))
    return boxes


def shape(maskable):
    """Returns inside_tile(x, y) and inside_line(x, y) in 16-unit coordinates."""
    if maskable:
        scale = 0.75  # the line's farthest corner then lies 5.9 units from the centre
        points = [(8 + (x - 8) * scale, 8 + (y - 8) * scale) for x, y in LINE]
        boxes = line_boxes(points, scale)
        return (lambda x, y: 0 <= x < 16 and 0 <= y < 16), \
            (lambda x, y: any(l <= x < r and t <= y < b for l, t, r, b in boxes))
    boxes = line_boxes(LINE)
    radius = 3.0

    def tile(x, y):
        if not (0 <= x < 16 and 0 <= y < 16):
            return False
        cx = min(max(x, radius), 16 - radius)
        cy = min(max(y, radius), 16 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2

    return tile, lambda x, y: any(l <= x < r and t <= y < b for l, t, r, b in boxes)


def draw(size, maskable):
    tile, line = shape(maskable)
    unit = 16 / size

    def sample(x, y):
        return (tile(x, y), tile(x, y) and line(x, y))

    rows = []
    for py in range(size):
        row = bytearray([0])  # filter type: none
        for px in range(size):
            corners = {sample((px + dx) * unit, (py + dy) * unit) for dx in (0, 1) for dy in (0, 1)}
            if len(corners) == 1:
                inside, white = corners.pop()
                cover, share = float(inside), float(white)
            else:
                hits = [sample((px + (sx + 0.5) / SAMPLES) * unit, (py + (sy + 0.5) / SAMPLES) * unit)
                        for sy in range(SAMPLES) for sx in range(SAMPLES)]
                inside = sum(t for t, _ in hits)
                cover = inside / len(hits)
                share = sum(w for _, w in hits) / inside if inside else 0.0
            rgb = [round(b + (w - b) * share) for b, w in zip(BLUE, WHITE)]
            row += bytes(rgb + [round(255 * cover)])
        rows.append(bytes(row))
    return png(size, b"".join(rows))


def png(size, raw):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data)))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    out = sys.argv[1]
    for name, size, maskable in (("icon-192.png", 192, False), ("icon-512.png", 512, False),
                                 ("icon-maskable-512.png", 512, True)):
        with open(os.path.join(out, name), "wb") as f:
            f.write(draw(size, maskable))


if __name__ == "__main__":
    main()
