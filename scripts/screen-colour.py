#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Counts the pixels of one colour in an X window dump (xwd), and can save
the dump as a PNG to look at.

    xwd -root -silent | python3 scripts/screen-colour.py RRGGBB [shot.png]

Prints the number of pixels whose colour is exactly RRGGBB (hex). Handles the
24- and 32-bit TrueColor dumps an Xvfb screen gives; Python's standard
library only.
"""

import struct
import sys
import zlib


def read_dump(data):
    fields = struct.unpack(">25I", data[:100])
    header_size, bits_per_pixel, bytes_per_line = fields[0], fields[11], fields[12]
    width, height, byte_order, ncolors = fields[4], fields[5], fields[7], fields[19]
    masks = fields[14:17]
    if bits_per_pixel not in (24, 32):
        raise SystemExit("only 24 and 32 bits per pixel dumps are read, not %d" % bits_per_pixel)
    step = bits_per_pixel // 8
    start = header_size + ncolors * 12
    order = "little" if byte_order == 0 else "big"
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line: start + y * bytes_per_line + width * step]
        rows.append([int.from_bytes(line[x:x + step], order) for x in range(0, width * step, step)])
    return width, height, masks, rows


def channel(value, mask):
    shift = (mask & -mask).bit_length() - 1
    return (value & mask) >> shift


def to_rgb(value, masks):
    return tuple(channel(value, m) for m in masks)


def write_png(path, width, height, masks, rows):
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for value in row:
            raw.extend(to_rgb(value, masks))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 6)) + chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(png)


def main():
    wanted = tuple(int(sys.argv[1][i:i + 2], 16) for i in (0, 2, 4))
    width, height, masks, rows = read_dump(sys.stdin.buffer.read())
    count = sum(1 for row in rows for value in row if to_rgb(value, masks) == wanted)
    if len(sys.argv) > 2:
        write_png(sys.argv[2], width, height, masks, rows)
    print(count)


if __name__ == "__main__":
    main()
