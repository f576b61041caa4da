#!/usr/bin/env python3
"""Draws the program icon: a ledger sheet with ruled lines and a bar chart,
at 256, 48, 32 and 16 pixels, 32 bits per pixel, into one .ico file.

Usage: make_icon.py OUT.ico
"""
import struct
import sys


def pixel(size, x, y):
    """RGBA of pixel (x, y), y down, drawn in a 16-unit design space."""
    u = 16.0 / size
    fx, fy = (x + 0.5) * u, (y + 0.5) * u
    # Sheet with a folded shadow edge.
    if 2.0 <= fx <= 14.0 and 1.0 <= fy <= 15.0:
        if fx >= 13.2 or fy >= 14.2:
            return (96, 110, 140, 255)
        if fy < 3.6:
            return (36, 92, 170, 255)                 # blue header band
        # Bars rising left to right, the last one red.
        bars = [(4.0, 5.6, 10.0), (6.6, 8.2, 8.0), (9.2, 10.8, 6.0)]
        for i, (x0, x1, top) in enumerate(bars):
            if x0 <= fx <= x1 and top <= fy <= 13.0:
                return (200, 40, 40, 255) if i == 2 else (40, 130, 80, 255)
        row = (fy - 3.6) % 1.6
        if row < max(u, 0.12):
            return (180, 196, 220, 255)              # ruled lines
        return (250, 250, 246, 255)
    return (0, 0, 0, 0)


def dib(size):
    rows = []
    for y in range(size - 1, -1, -1):                 # bottom-up
        row = b"".join(struct.pack("BBBB", b, g, r, a)
                       for (r, g, b, a) in (pixel(size, x, y) for x in range(size)))
        rows.append(row)
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def main():
    sizes = [256, 48, 32, 16]
    images = [dib(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
