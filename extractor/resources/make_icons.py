#!/usr/bin/env python3
"""Draws the program's icon and the About dialog's picture and writes them as
.ico files (32-bit BMP images with an AND mask). Run it again after changing a
drawing: python3 make_icons.py [output folder]."""
import math
import struct
import sys
from pathlib import Path

SAMPLES = 4  # per axis, for smooth edges


def blend(dst, src):
    """src over dst, both (r, g, b, a) with a in 0..1."""
    sa = src[3]
    da = dst[3] * (1 - sa)
    a = sa + da
    if a == 0:
        return (0, 0, 0, 0)
    return tuple((src[i] * sa + dst[i] * da) / a for i in range(3)) + (a,)


def disc_colour(x, y, size):
    """The backup disc: silver with a rainbow sheen, a hole and a rim."""
    c = size / 2
    dx, dy = x - c * 0.92, y - c * 0.92
    r = math.hypot(dx, dy) / (c * 0.88)
    if r > 1.0 or r < 0.16:
        return None
    if r > 0.95 or (0.16 <= r < 0.22):
        return (0.45, 0.48, 0.55, 1.0)
    angle = math.atan2(dy, dx)
    sheen = 0.5 + 0.5 * math.cos(2 * angle)
    base = 0.78 + 0.18 * sheen
    tint = (0.5 + 0.5 * math.sin(3 * angle), 0.5 + 0.5 * math.sin(3 * angle + 2), 0.5 + 0.5 * math.sin(3 * angle + 4))
    return tuple(base * 0.85 + 0.15 * t for t in tint) + (1.0,)


def arrow_colour(x, y, size):
    """A green arrow coming out of the disc towards the lower right: restore."""
    u, v = x / size, y / size
    # Shaft along the diagonal from (0.45, 0.45) to (0.78, 0.78), then a head.
    t = (u + v) / 2
    d = (u - v) / math.sqrt(2)
    if 0.47 <= t <= 0.74 and abs(d) <= 0.07:
        inside = True
    elif 0.70 <= t <= 0.95 and abs(d) <= (0.95 - t) * 0.95:
        inside = True
    else:
        inside = False
    if not inside:
        return None
    edge = 0.10 + 0.25 * (t - 0.45)
    return (0.10 + edge, 0.55 + edge * 0.5, 0.18, 1.0)


def draw(size, layers):
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    colour = (0, 0, 0, 0)
                    for layer in layers:
                        c = layer(x, y, size)
                        if c is not None:
                            colour = blend(colour, c)
                    acc = [acc[i] + colour[i] * (colour[3] if i < 3 else 1) for i in range(4)]
            n = SAMPLES * SAMPLES
            a = acc[3] / n
            rgb = [acc[i] / acc[3] if acc[3] else 0 for i in range(3)]
            row.append(tuple(int(round(min(1, max(0, v)) * 255)) for v in rgb + [a]))
        pixels.append(row)
    return pixels


def bmp_image(pixels):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def write_ico(path, sizes, layers):
    images = [bmp_image(draw(size, layers)) for size in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    Path(path).write_bytes(bytes(out))


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent)
    write_ico(folder / "Extractor.ico", [48, 32, 16], [disc_colour, arrow_colour])
    write_ico(folder / "AboutPicture.ico", [80], [disc_colour, arrow_colour])


if __name__ == "__main__":
    main()
