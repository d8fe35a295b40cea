#!/usr/bin/env python3
"""Writes the small 24-bit BMP pictures that the gallery pages show (run from this folder)."""
import struct


def write_bmp(name, width, height, pixel):
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in range(height - 1, -1, -1):  # bottom row first
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(name, "wb") as f:
        f.write(header + info + rows)


# A sun over a hill, 60 x 40.
def sun(x, y):
    if (x - 42) ** 2 + (y - 12) ** 2 < 64:
        return (255, 200, 0)
    if y > 28 - ((x - 20) ** 2) // 60:
        return (40, 150, 60)
    return (140, 200, 255)


# The same picture in the evening: the highlighted picture of a hover link.
def sunset(x, y):
    r, g, b = sun(x, y)
    return (min(255, r + 80), g // 2, b // 3)


# A 40 x 40 checkerboard of 8-pixel squares.
def board(x, y):
    return (200, 30, 30) if (x // 8 + y // 8) % 2 else (250, 240, 220)


write_bmp("sun.bmp", 60, 40, sun)
write_bmp("sunset.bmp", 60, 40, sunset)
write_bmp("board.bmp", 40, 40, board)
