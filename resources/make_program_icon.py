#!/usr/bin/env python3
"""Draws the program's icon, a green fir on a rounded blue tile, as one 32x32
32-bit image with alpha, and writes it as an icon file. Deterministic: the
committed program.ico is this script's output.  Usage: make_program_icon.py OUT.ico"""
import struct
import sys

SIZE, SAMPLES = 32, 4  # 4x4 samples per pixel smooth the edges


def tile(x, y):  # rounded square, corner radius 6
    r, lo, hi = 6.0, 1.0, 31.0
    cx = min(max(x, lo + r), hi - r)
    cy = min(max(y, lo + r), hi - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and lo <= x <= hi and lo <= y <= hi


def fir(x, y):  # three stacked triangles and a trunk
    for top, bottom, half in ((5, 14, 6), (10, 20, 8.5), (15, 26, 11)):
        if top <= y <= bottom and abs(x - 16) <= half * (y - top) / (bottom - top):
            return True
    return 14.5 <= x <= 17.5 and 26 <= y <= 29


def colour(x, y):
    """(r, g, b, coverage) of one sample point."""
    if fir(x, y):
        return (40, 170, 90, 1.0) if y < 26 else (120, 80, 40, 1.0)
    if tile(x, y):
        shade = int(255 - 80 * y / SIZE)
        return (0, int(136 * shade / 255), shade, 1.0)
    return (0, 0, 0, 0.0)


def pixel(px, py):
    r = g = b = a = 0.0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            cr, cg, cb, ca = colour(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            r, g, b, a = r + cr * ca, g + cg * ca, b + cb * ca, a + ca
    n = SAMPLES * SAMPLES
    if a == 0:
        return (0, 0, 0, 0)
    return (round(r / a), round(g / a), round(b / a), round(255 * a / n))


def icon_file():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    colour_bytes = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_bytes = b""
    for row in reversed(rows):  # 1 = transparent; rows padded to 32 bits
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (31 - x)
        mask_bytes += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(colour_bytes) + len(mask_bytes), 0, 0, 0, 0)
    image = header + colour_bytes + mask_bytes
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22) + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_file())
