#!/usr/bin/env python3
"""Draws the program's icon: a rounded teal tile with a white syringe-like
bar and a drop, at 16, 32 and 48 pixels, written as a Windows .ico file."""
import struct
import sys

TEAL = (0x00, 0x6C, 0x96)
ACCENT = (0x00, 0x84, 0xB0)
WHITE = (0xFF, 0xFF, 0xFF)


def pixel(size, x, y):
    """RGBA colour of one pixel, drawn in a 0..1 coordinate space."""
    u = (x + 0.5) / size
    v = (y + 0.5) / size
    radius = 0.18
    cx = min(max(u, radius), 1 - radius)
    cy = min(max(v, radius), 1 - radius)
    if (u - cx) ** 2 + (v - cy) ** 2 > radius ** 2:
        return (0, 0, 0, 0)
    colour = ACCENT if u < 0.12 else TEAL
    # A horizontal bar (the pump line) and a drop below its right end.
    if 0.22 <= u <= 0.78 and 0.30 <= v <= 0.42:
        colour = WHITE
    if 0.44 <= u <= 0.52 and 0.22 <= v <= 0.50:
        colour = WHITE
    dx, dy = u - 0.62, v - 0.66
    if dx * dx + dy * dy <= 0.11 ** 2 or (abs(dx) <= 0.11 * (0.66 - v) / 0.14 and 0.52 <= v <= 0.66):
        colour = WHITE
    return colour + (255,)


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up rows
        for x in range(size):
            r, g, b, a = pixel(size, x, y)
            rows.append(struct.pack("<BBBB", b, g, r, a))
    pixels = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def main(path):
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "kelomed.ico")
