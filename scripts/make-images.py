#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the built-in images as 8-bit indexed PNGs into res/.

    python3 scripts/make-images.py [OUTPUT_DIR]

The page picture (557 x 405) lies behind the calendar text, so it is a calm,
light landscape: pale sky, distant hills, a lake, a few trees. The sponsor
banner (166 x 628) is the same countryside in a tall frame. Python's standard
library only, so that the images can be rebuilt on any machine.
"""

import math
import os
import struct
import sys
import zlib

BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def smooth(edge0, edge1, x):
    t = max(0.0, min(1.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


def ridge(x, seeds):
    """A soft hill line: a sum of sines, x in 0..1, result about -1..1."""
    return sum(a * math.sin(f * x * math.pi * 2 + p) for a, f, p in seeds)


class Scene:
    """Colour of each point of the landscape, in coordinates 0..1."""

    SKY_TOP = (178, 206, 232)
    SKY_LOW = (246, 236, 218)
    SUN = (255, 246, 214)
    CLOUD = (252, 250, 246)
    FAR = (176, 186, 212)
    MID = (168, 196, 160)
    NEAR = (136, 178, 118)
    NEAR_LIGHT = (186, 212, 150)
    LAKE = (190, 214, 228)
    TREE = (92, 134, 98)

    def __init__(self, aspect, horizon=0.56, sun=(0.74, 0.22)):
        self.aspect = aspect  # width / height
        self.horizon = horizon
        self.sun = sun
        self.clouds = [(0.22, 0.16, 0.16, 0.035), (0.34, 0.19, 0.10, 0.025),
                       (0.58, 0.10, 0.12, 0.025), (0.90, 0.30, 0.10, 0.02)]
        self.trees = [(0.12, 0.80, 0.050), (0.16, 0.83, 0.070), (0.20, 0.81, 0.055),
                      (0.83, 0.78, 0.060), (0.87, 0.80, 0.080)]

    def far_line(self, x):
        return self.horizon - 0.10 - 0.05 * ridge(x, [(0.6, 1.3, 0.4), (0.3, 3.1, 1.9),
                                                      (0.1, 7.0, 0.3)])

    def mid_line(self, x):
        return self.horizon - 0.02 - 0.035 * ridge(x, [(0.7, 0.9, 2.2), (0.3, 2.4, 0.7)])

    def near_line(self, x):
        return self.horizon + 0.10 - 0.06 * ridge(x, [(0.8, 0.7, 4.0), (0.2, 2.2, 1.0)])

    def lake(self, x, y):
        # An ellipse of water between the mid hills and the near meadow.
        dx = (x - 0.50) / 0.30
        dy = (y - (self.horizon + 0.06)) / 0.07
        return dx * dx + dy * dy < 1.0

    def sky(self, x, y):
        colour = mix(self.SKY_TOP, self.SKY_LOW, y / self.horizon)
        sx, sy = self.sun
        dist = math.hypot((x - sx) * self.aspect, y - sy)
        colour = mix(colour, self.SUN, 0.55 * math.exp(-dist * dist / 0.012))
        if dist < 0.045:
            colour = mix(colour, self.SUN, smooth(0.045, 0.038, dist))
        for cx, cy, rx, ry in self.clouds:
            d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
            colour = mix(colour, self.CLOUD, 0.8 * math.exp(-d * 1.6))
        return colour

    def tree(self, x, y):
        for tx, ty, size in self.trees:
            half = size * 0.28 / self.aspect
            if ty - size < y < ty:
                width = half * (y - (ty - size)) / size
                if abs(x - tx) < width:
                    return mix(self.TREE, self.NEAR, 0.25 * (y - (ty - size)) / size)
            if ty <= y < ty + size * 0.12 and abs(x - tx) < half * 0.12:
                return (118, 104, 88)
        return None

    def colour(self, x, y):
        tree = self.tree(x, y)
        if tree:
            colour = tree
        elif y >= self.near_line(x):
            depth = (y - self.near_line(x)) / max(0.01, 1.0 - self.near_line(x))
            colour = mix(self.NEAR_LIGHT, self.NEAR, depth)
        elif self.lake(x, y):
            shimmer = 0.5 + 0.5 * math.sin(y * 900 + math.sin(x * 40) * 2)
            colour = mix(self.LAKE, self.CLOUD, 0.25 * shimmer * smooth(0.3, 0.0, abs(x - 0.5)))
        elif y >= self.mid_line(x):
            colour = mix(self.MID, self.NEAR, (y - self.mid_line(x)) * 4)
        elif y >= self.far_line(x):
            colour = mix(self.FAR, self.SKY_LOW, 0.35 * (y - self.far_line(x)) * 6)
        else:
            colour = self.sky(x, y)
        # Soften everything toward white so that calendar text stays readable.
        return mix(colour, (255, 255, 255), 0.30)


def render(width, height, scene):
    pixels = []
    for py in range(height):
        row = []
        for px in range(width):
            r, g, b = scene.colour((px + 0.5) / width, (py + 0.5) / height)
            # A light ordered dither hides the steps between palette entries.
            d = (BAYER4[py % 4][px % 4] - 7.5) * 0.6
            row.append(tuple(max(0, min(255, int(c + d))) for c in (r, g, b)))
        pixels.append(row)
    return pixels


def median_cut(counts, size):
    boxes = [list(counts.items())]
    while len(boxes) < size:
        boxes.sort(key=lambda box: -spread(box)[0] * sum(n for _, n in box))
        box = boxes.pop(0)
        if len(box) < 2:
            boxes.append(box)
            break
        _, channel = spread(box)
        box.sort(key=lambda item: item[0][channel])
        total = sum(n for _, n in box)
        acc, cut = 0, 1
        for i, (_, n) in enumerate(box):
            acc += n
            if acc >= total / 2:
                cut = max(1, min(len(box) - 1, i + 1))
                break
        boxes.extend([box[:cut], box[cut:]])
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(round(sum(c[i] * n for c, n in box) / total) for i in range(3)))
    return palette


def spread(box):
    ranges = [max(c[i] for c, _ in box) - min(c[i] for c, _ in box) for i in range(3)]
    channel = ranges.index(max(ranges))
    return ranges[channel], channel


def quantise(pixels, size=256):
    counts = {}
    for row in pixels:
        for c in row:
            key = (c[0] & 0xFC, c[1] & 0xFC, c[2] & 0xFC)
            counts[key] = counts.get(key, 0) + 1
    palette = median_cut(counts, size)
    nearest = {}
    indices = []
    for row in pixels:
        out = bytearray()
        for c in row:
            key = (c[0] & 0xFC, c[1] & 0xFC, c[2] & 0xFC)
            if key not in nearest:
                nearest[key] = min(range(len(palette)), key=lambda i: sum(
                    (palette[i][k] - key[k]) ** 2 for k in range(3)))
            out.append(nearest[key])
        indices.append(bytes(out))
    return palette, indices


def write_png(path, width, height, palette, rows, transparent=None):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + row for row in rows)
    data = b"\x89PNG\r\n\x1a\n"
    data += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
    data += chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if transparent is not None:
        data += chunk(b"tRNS", bytes(255 if i != transparent else 0 for i in range(len(palette))))
    data += chunk(b"IDAT", zlib.compress(raw, 9))
    data += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def landscape(path, width, height, **scene_args):
    pixels = render(width, height, Scene(width / height, **scene_args))
    palette, rows = quantise(pixels)
    write_png(path, width, height, palette, rows)


def icon(path, size=64):
    """A desk calendar leaf: red binding, white page, a grid of days, one marked."""
    palette = [(0, 0, 0), (255, 255, 255), (196, 52, 48), (120, 120, 120), (230, 236, 244),
               (82, 140, 92), (60, 60, 60)]
    rows = []
    # Drawn for 64 pixels; other sizes scale the same measures.
    scale = size / 64
    margin, top, binding = round(5 * scale), round(9 * scale), round(16 * scale)
    ring, reach = max(1, round(2 * scale)), round(5 * scale)
    cell = (size - 2 * margin - round(6 * scale)) // 7
    for y in range(size):
        row = bytearray()
        for x in range(size):
            index = 0
            inside = margin <= x < size - margin and top <= y < size - margin + 2
            if inside:
                index = 1
                if y < top + binding - 4:
                    index = 2
                elif x in (margin, size - margin - 1) or y == size - margin + 1:
                    index = 3
                else:
                    gx, gy = x - margin - round(3 * scale), y - (top + binding - 1)
                    if gx >= 0 and gy >= 0 and gx // cell < 7 and gy // cell < 5:
                        cx, cy = gx % cell, gy % cell
                        if 1 <= cx < cell - 1 and 1 <= cy < cell - 1:
                            day = gy // cell * 7 + gx // cell
                            index = 5 if day == 17 else 4
            # Two rings of the binding above the page.
            for rx in (size // 3, 2 * size // 3):
                if abs(x - rx) <= ring and top - reach <= y <= top + reach - 1:
                    index = 6
            row.append(index)
        rows.append(bytes(row))
    write_png(path, size, size, palette, rows, transparent=0)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "res")
    os.makedirs(out, exist_ok=True)
    landscape(os.path.join(out, "picture.png"), 557, 405)
    landscape(os.path.join(out, "sponsor.png"), 166, 628, horizon=0.74, sun=(0.55, 0.18))
    icon(os.path.join(out, "plenda.png"))
    # The desktop's icon theme picks the size nearest to what it draws.
    for size in (16, 32, 48, 128, 256):
        folder = os.path.join(out, "hicolor", f"{size}x{size}")
        os.makedirs(folder, exist_ok=True)
        icon(os.path.join(folder, "plenda.png"), size)


if __name__ == "__main__":
    main()
