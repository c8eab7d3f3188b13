#!/usr/bin/env python3
"""Draws the launcher's icon and writes it as an .ico file.

Usage: draw_icon.py OUTPUT.ico

The picture: a blue rounded square holding two interlocked rings, one white
and one orange, for the link between two products. Eight images, in the
order the icon group lists them: 256, 48, 32 and 16 pixels with an 8-bit
palette, then the same sizes in 32-bit colour with alpha. The 256-pixel
images are PNG (RGBA; the 8-bit one limited to a palette of 256 colours and
to full or no opacity), the others device-independent bitmaps with an AND mask. Written by
hand with zlib so that the build needs no image tools; the output is
committed as res/icon/KestovaLink.ico and only has to be redrawn when the
artwork changes.
"""
import math
import struct
import sys
import zlib

SIZES = (256, 48, 32, 16)
SAMPLES = 4  # per pixel and axis
TOP, BOTTOM = (0x2A, 0x7D, 0xD6), (0x0E, 0x3F, 0x8A)
WHITE, ORANGE = (0xFF, 0xFF, 0xFF), (0xF5, 0xA0, 0x1E)


def inside_rounded_square(x, y, low, high, radius):
    cx = min(max(x, low + radius), high - radius)
    cy = min(max(y, low + radius), high - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def sample(x, y, thickness):
    """Colour and coverage (0 or 1) of one point of the unit square."""
    if not inside_rounded_square(x, y, 0.04, 0.96, 0.2):
        return (0, 0, 0), 0
    ring_radius, half = 0.2, thickness / 2
    on_left = abs(math.hypot(x - 0.385, y - 0.5) - ring_radius) <= half
    on_right = abs(math.hypot(x - 0.615, y - 0.5) - ring_radius) <= half
    if on_left and on_right:
        # Interlocked: each ring passes over the other at one crossing.
        return (ORANGE if y < 0.5 else WHITE), 1
    if on_left:
        return WHITE, 1
    if on_right:
        return ORANGE, 1
    t = y
    return tuple(round(a + (b - a) * t) for a, b in zip(TOP, BOTTOM)), 1


def render(size):
    """Rows of (r, g, b, a) pixels, anti-aliased by supersampling."""
    thickness = max(0.075, 1.7 / size)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour, cover = sample((px + (sx + 0.5) / SAMPLES) / size,
                                           (py + (sy + 0.5) / SAMPLES) / size, thickness)
                    if cover:
                        covered += 1
                        r += colour[0]; g += colour[1]; b += colour[2]
            if covered:
                row.append((round(r / covered), round(g / covered), round(b / covered),
                            round(255 * covered / SAMPLES ** 2)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def median_cut(colours, count):
    """Up to count representative colours of a list, by median cut."""
    boxes = [colours]
    while len(boxes) < count:
        spans = [(max(max(c[k] for c in box) - min(c[k] for c in box) for k in range(3)), i)
                 for i, box in enumerate(boxes) if len(set(box)) > 1]
        if not spans:
            break
        _, widest = max(spans)
        box = boxes.pop(widest)
        channel = max(range(3), key=lambda k: max(c[k] for c in box) - min(c[k] for c in box))
        box.sort(key=lambda c: c[channel])
        middle = len(box) // 2
        boxes += [box[:middle], box[middle:]]
    return [tuple(round(sum(c[k] for c in box) / len(box)) for k in range(3)) for box in boxes]


def to_palette(rows):
    """The palette (black first, for the masked pixels) and the rows as
    (index, opaque) pairs; half-covered pixels count as opaque."""
    opaque = [p[:3] for row in rows for p in row if p[3] >= 128]
    colours = [(0, 0, 0)] + median_cut(opaque, 255)
    colours += [(0, 0, 0)] * (256 - len(colours))
    cache = {}

    def nearest(colour):
        if colour not in cache:
            cache[colour] = min(range(256), key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, colours[i])))
        return cache[colour]

    return colours, [[(nearest(p[:3]), True) if p[3] >= 128 else (0, False) for p in row] for row in rows]


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def and_mask(opaque_rows):
    stride = (len(opaque_rows[0]) + 31) // 32 * 4
    out = b""
    for row in reversed(opaque_rows):
        bits = bytearray(stride)
        for x, opaque in enumerate(row):
            if not opaque:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def dib(rows, bits):
    size = len(rows)
    if bits == 8:
        palette, indexed = to_palette(rows)
        colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        stride = (size + 3) // 4 * 4
        pixels = b"".join(bytes(i for i, _ in row).ljust(stride, b"\0") for row in reversed(indexed))
        mask = and_mask([[o for _, o in row] for row in indexed])
    else:
        colours = b""
        pixels = b"".join(bytes(v for r, g, b, a in row for v in (b, g, r, a)) for row in reversed(rows))
        mask = and_mask([[p[3] >= 128 for p in row] for row in rows])
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + colours + pixels + mask


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    pictures = {size: render(size) for size in SIZES}
    images = []
    for bits in (8, 32):
        for size in SIZES:
            rows = pictures[size]
            if size == 256:
                if bits == 8:
                    palette, indexed = to_palette(rows)
                    rows = [[palette[i] + (255,) if o else (0, 0, 0, 0) for i, o in row]
                            for row in indexed]
                data = png(rows)
            else:
                data = dib(rows, bits)
            images.append((size, bits, data))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
    with open(argv[1], "wb") as out:
        out.write(directory + b"".join(data for _, _, data in images))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
