#!/usr/bin/env python3
"""Draws the program's icon and writes it as src/resources/vorlant.ico.

The icon is a record card: a dark blue frame with rounded corners around a
cream face, a green tick on it, a blue line along its foot and a faint
shadow below. It is drawn here for every size that Windows asks for (16, 20,
24, 32, 40, 48, 64 and 256 pixels), on a design grid of 48 units: the
frame's edges and thicknesses are put on whole pixels of each size, so that
the small images stay sharp, and the rest is anti-aliased by sampling every
pixel 8 x 8 times. The images up to 64 pixels are 32-bit bitmaps with their
mask, the 256-pixel one is compressed as PNG.

Run by hand after changing the design; the same script gives the same file.
    tools/icon/make-icon.py [OUTPUT]
"""

import math
import os
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
SAMPLES = 8  # per pixel and axis

NAVY = (0x3A, 0x4A, 0x6B)
CREAM = (0xF4, 0xEF, 0xE0)
BEVEL = (0xC5, 0xC6, 0xC3)  # the face's light grey inner edge
GREEN = (0x1D, 0x6B, 0x3A)


def whole(units, k, least=0):
    """A length of `units` design units at scale `k`, in whole pixels."""
    return max(least, math.floor(units * k + 0.5))


def rounded_rect(left, top, right, bottom, radius):
    """Whether a point lies in the rectangle with rounded corners."""
    def inside(x, y):
        if not (left <= x < right and top <= y < bottom):
            return False
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def rect(left, top, right, bottom):
    return lambda x, y: left <= x < right and top <= y < bottom


def thick_line(points, width):
    """Whether a point lies within width / 2 of the polyline (round ends)."""
    half2 = (width / 2) ** 2
    segments = list(zip(points, points[1:]))

    def inside(x, y):
        for (ax, ay), (bx, by) in segments:
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            if (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= half2:
                return True
        return False
    return inside


def shapes(size):
    """The design at `size` pixels: (test, colour, opacity), back to front."""
    k = size / 48
    frame = whole(3, k, 1)
    bevel = whole(1, k)
    top, bottom = whole(5, k), whole(43, k)
    shadow = whole(1, k, 1)
    line_top = bottom - frame - bevel - whole(2, k, 1)
    return [
        (rect(whole(4, k), bottom, whole(43, k), bottom + shadow), NAVY, 0.25),
        (rounded_rect(0, top, size, bottom, 3.5 * k), NAVY, 1.0),
        (rect(frame, top + frame, size - frame, bottom - frame), BEVEL, 1.0),
        (rect(frame + bevel, top + frame + bevel, size - frame - bevel, bottom - frame - bevel), CREAM, 1.0),
        (rect(whole(9, k), line_top, whole(40, k), line_top + whole(1.4, k, 1)), NAVY, 1.0),
        (thick_line([(15.5 * k, 24.5 * k), (21 * k, 30.5 * k), (34 * k, 16.5 * k)], 6 * k), GREEN, 1.0),
    ]


def draw(size):
    """Rows of (r, g, b, a) pixels, top row first."""
    layers = shapes(size)
    offsets = [(i + 0.5) / SAMPLES for i in range(SAMPLES)]
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0.0  # premultiplied
            for test, colour, opacity in layers:
                hits = sum(test(x + sx, y + sy) for sy in offsets for sx in offsets)
                if hits == 0:
                    continue
                alpha = opacity * hits / SAMPLES ** 2
                r = colour[0] * alpha + r * (1 - alpha)
                g = colour[1] * alpha + g * (1 - alpha)
                b = colour[2] * alpha + b * (1 - alpha)
                a = alpha + a * (1 - alpha)
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(r / a), round(g / a), round(b / a), round(a * 255)))
        rows.append(row)
    return rows


def bitmap(rows):
    """An icon image as Windows keeps it: a 32-bit DIB of twice the height
    (the colours bottom-up, then the AND mask of the transparent pixels)."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colours = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = (size + 31) // 32 * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colours + mask


def png(rows):
    """An RGBA PNG without time or text chunks."""
    size = len(rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = bytearray()
    for row in rows:
        line = bytes(channel for pixel in row for channel in pixel)
        # Filter "Sub": each byte less the one four to its left.
        raw.append(1)
        raw += bytes((line[i] - (line[i - 4] if i >= 4 else 0)) & 0xFF for i in range(len(line)))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def icon(images):
    """An .ico file of (size, data) images."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = len(out) + 16 * len(images)
    for size, data in images:
        side = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "src", "resources", "vorlant.ico")
    images = []
    for size in SIZES:
        rows = draw(size)
        images.append((size, png(rows) if size >= 256 else bitmap(rows)))
    with open(target, "wb") as out:
        out.write(icon(images))
    print(f"make-icon: {target}: " + ", ".join(str(s) for s in SIZES))


if __name__ == "__main__":
    main()
