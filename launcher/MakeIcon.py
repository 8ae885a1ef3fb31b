#!/usr/bin/env python3
"""Draws the launcher's icon (an orb with a starting arrow) into OrbalinStart.ico.

Run from this folder: python3 MakeIcon.py. The output is kept beside it.
"""
import math
import struct


def pixel(x, y, size):
    """RGBA of one pixel: a shaded blue orb, a white play arrow on it."""
    c = (size - 1) / 2.0
    r = size * 0.46
    dx, dy = x - c, y - c
    d = math.hypot(dx, dy)
    if d > r + 0.5:
        return (0, 0, 0, 0)
    alpha = 255 if d <= r - 0.5 else int(255 * (r + 0.5 - d))
    # Light from the upper left.
    shade = max(0.0, 1.0 - math.hypot(dx + r * 0.35, dy + r * 0.35) / (r * 1.8))
    red, green, blue = int(20 + 90 * shade), int(70 + 120 * shade), int(150 + 105 * shade)
    # Arrow: a triangle pointing right.
    ax0, ax1 = c - r * 0.32, c + r * 0.45
    if ax0 <= x <= ax1:
        half = (ax1 - x) / (ax1 - ax0) * r * 0.45
        if abs(dy) <= half:
            red, green, blue = 255, 255, 255
    return (red, green, blue, alpha)


def icon_image(size):
    """A 32-bit DIB (bottom-up) with its AND mask, as stored in an icon file."""
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    mask_rows = []
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        row = bytearray()
        mask = bytearray(mask_stride)
        for x in range(size):
            red, green, blue, alpha = pixel(x, y, size)
            row += bytes((blue, green, red, alpha))
            if alpha == 0:
                mask[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
        mask_rows.append(bytes(mask))
    return header + b''.join(rows) + b''.join(mask_rows)


def main():
    sizes = (16, 32, 48)
    images = [icon_image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open('OrbalinStart.ico', 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
