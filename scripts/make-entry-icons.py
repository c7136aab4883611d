#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the Diary Entry dialog's six button icons as 8-bit indexed PNGs.

    python3 scripts/make-entry-icons.py [OUTPUT_DIR]    (default res/icons)

Each icon is 32 x 32: a shape of a few polygons and rings, sampled 4 x 4 per
pixel, whose coverage picks one of a few alpha steps of its colour in the
palette. Python's standard library only.
"""

import os
import struct
import sys
import zlib

SIZE = 32
SAMPLES = 4
ALPHA_STEPS = 5
BLUE = (32, 72, 160)
RED = (176, 32, 32)
GREY = (64, 64, 64)


def inside_polygon(x, y, points):
    hit = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def polygon(points):
    return lambda x, y: inside_polygon(x, y, points)


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def bar(x0, y0, x1, y1):
    return polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


def slanted_bar(x0, y0, x1, y1, half):
    """A thick line from (x0, y0) to (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length = (dx * dx + dy * dy) ** 0.5
    nx, ny = -dy / length * half, dx / length * half
    return polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])


LEFT = [(22, 6), (22, 26), (8, 16)]
RIGHT = [(10, 6), (10, 26), (24, 16)]
ICONS = {
    "previous": (BLUE, [polygon(LEFT)]),
    "next": (BLUE, [polygon(RIGHT)]),
    "first": (BLUE, [bar(5, 6, 9, 26), polygon([(26, 6), (26, 26), (11, 16)])]),
    "last": (BLUE, [bar(23, 6, 27, 26), polygon([(6, 6), (6, 26), (21, 16)])]),
    "delete": (RED, [slanted_bar(7, 7, 25, 25, 2.5), slanted_bar(25, 7, 7, 25, 2.5)]),
    "find": (GREY, [ring(13, 13, 9, 6), slanted_bar(19, 19, 27, 27, 2.5)]),
}


def coverage(shapes, px, py):
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            if any(shape(x, y) for shape in shapes):
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, colour, shapes):
    # Index 0 is transparent; index k (1..ALPHA_STEPS) is the colour at alpha k/ALPHA_STEPS.
    palette = bytes((0, 0, 0)) + bytes(colour) * ALPHA_STEPS
    alphas = bytes([0] + [round(255 * k / ALPHA_STEPS) for k in range(1, ALPHA_STEPS + 1)])
    rows = bytearray()
    for py in range(SIZE):
        rows.append(0)
        for px in range(SIZE):
            rows.append(round(coverage(shapes, px, py) * ALPHA_STEPS))
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette)
    png += chunk(b"tRNS", alphas) + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(png)


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res", "icons")
    os.makedirs(out_dir, exist_ok=True)
    for name, (colour, shapes) in ICONS.items():
        write_png(os.path.join(out_dir, name + ".png"), colour, shapes)


if __name__ == "__main__":
    main()
