#!/usr/bin/env python3
"""Draws pomuri's icon: a small blue clock face at ten past ten, 32 x 32, 256 colours.

Usage: draw-icon.py OUTPUT.png OUTPUT.ico OUTPUT.bmp   (standard library only, so it runs anywhere)
The PNG is for the desktop, the ICO for the Windows resource script, the BMP for the program's
window icon: Qt reads a BMP by itself, where a PNG would have it load and keep the PNG library.
"""
import math
import struct
import sys
import zlib

SIZE = 32
PALETTE = [
    (0, 0, 0),        # 0 transparent background
    (0, 0, 0),        # 1 border
    (0, 0, 255),      # 2 face
    (192, 0, 0),      # 3 hour hand
    (255, 0, 0),      # 4 minute hand
    (255, 255, 255),  # 5 second hand and ticks
]
TRANSPARENT, BORDER, FACE, HOUR, MINUTE, SECOND = range(6)


def draw():
    pixels = [[TRANSPARENT] * SIZE for _ in range(SIZE)]
    centre = (SIZE - 1) / 2
    for y in range(SIZE):
        for x in range(SIZE):
            distance = math.hypot(x - centre, y - centre)
            if distance <= 15.5:
                pixels[y][x] = BORDER if distance > 13.8 else FACE

    def line(angle_degrees, length, colour, width):
        angle = math.radians(angle_degrees - 90)
        steps = int(length * 4)
        for step in range(steps + 1):
            r = length * step / steps
            px = centre + math.cos(angle) * r
            py = centre + math.sin(angle) * r
            for dy in range(-(width // 2), width - width // 2):
                for dx in range(-(width // 2), width - width // 2):
                    x, y = round(px + dx), round(py + dy)
                    if 0 <= x < SIZE and 0 <= y < SIZE:
                        pixels[y][x] = colour

    for hour in range(12):
        angle = math.radians(hour * 30)
        x = round(centre + math.sin(angle) * 11.5)
        y = round(centre - math.cos(angle) * 11.5)
        pixels[y][x] = SECOND
    line(10 * 30 + 5, 7, HOUR, 2)
    line(10 * 6, 11, MINUTE, 1)
    line(35 * 6, 11, SECOND, 1)
    return pixels


def png(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0)
    palette = b"".join(bytes(colour) for colour in PALETTE)
    alpha = bytes([0] + [255] * (len(PALETTE) - 1))
    rows = b"".join(b"\x00" + bytes(row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette)
            + chunk(b"tRNS", alpha) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def ico(pixels):
    """One 32 x 32 image, 8 bits a pixel from a 256-entry palette, with its transparency mask."""
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE) + bytes(4 * (256 - len(PALETTE)))
    colours = b"".join(bytes(row) for row in reversed(pixels))
    mask = b""
    for row in reversed(pixels):
        bits = 0
        for x, index in enumerate(row):
            if index == TRANSPARENT:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 8, 0, 0, 0, 0, 256, 0)
    image = header + palette + colours + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 22)
    return directory + image


def bmp(pixels):
    """32 bits a pixel with an alpha channel: a version 4 header, its bit masks and the sRGB space."""
    colours = b"".join(bytes((*reversed(PALETTE[index]), 0 if index == TRANSPARENT else 255))
                       for row in reversed(pixels) for index in row)
    info = struct.pack("<IiiHHIIiiII", 108, SIZE, SIZE, 1, 32, 3, len(colours), 2835, 2835, 0, 0)
    info += struct.pack("<IIIII", 0xFF0000, 0xFF00, 0xFF, 0xFF000000, 0x73524742) + bytes(48)
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + len(colours), 0, 0, offset) + info + colours


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    pixels = draw()
    with open(sys.argv[1], "wb") as output:
        output.write(png(pixels))
    with open(sys.argv[2], "wb") as output:
        output.write(ico(pixels))
    with open(sys.argv[3], "wb") as output:
        output.write(bmp(pixels))
