#!/usr/bin/env python3
"""Draws the program's pictures and writes them as the files PlanTransit.rc loads:
toolbar.bmp (bitmap 118), waypoints.bmp (bitmap 119) and PlanTransit.ico (icon 104).

Run it from anywhere; it writes next to itself. The output is committed, so a build
never needs Python. Only the standard library is used.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16-colour palette of Windows, in index order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# Letters of the drawings below, by palette index.
COLOUR = {
    "k": 0, "m": 1, "G": 2, "o": 3, "n": 4, "p": 5, "t": 6, "s": 7,
    "g": 8, "r": 9, "l": 10, "y": 11, "b": 12, "f": 13, "a": 14, "w": 15,
}

# Toolbar images: 16 x 16 each, the last row left to the button face, because the
# toolbar shows images 16 x 15 by default. "." is light grey (silver), which the
# toolbar maps to the button face colour.
TOOLBAR_IMAGES = [
    # 0 Build: the waypoint table.
    [
        "................",
        "kkkkkkkkkkkkkkk.",
        "knnnnnnnnnnnnnk.",
        "knnnnnnnnnnnnnk.",
        "kkkkkkkkkkkkkkk.",
        "kwwwkwwwwwwwwwk.",
        "kkkkkkkkkkkkkkk.",
        "kwwwkwwwwwwwwwk.",
        "kkkkkkkkkkkkkkk.",
        "kwwwkwwwwwkkkkkk",
        "kkkkkkkkkkkyyyyk",
        "kwwwkwwwwk.kyyk.",
        "kkkkkkkkkk..kk..",
        "................",
        "................",
        "................",
    ],
    # 1 Open: an open folder.
    [
        "................",
        "................",
        "................",
        "..kkkk..........",
        ".kyyyyk.........",
        "kyyyyyykkkkkkk..",
        "kywywywywywywk..",
        "kwywywywywywyk..",
        "kywywkkkkkkkkkkk",
        "kwywkoyoyoyoyoyk",
        "kywkoyoyoyoyoyk.",
        "kwkoyoyoyoyoyk..",
        "kkoyoyoyoyoyk...",
        "kkkkkkkkkkkkk...",
        "................",
        "................",
    ],
    # 2 Save: a diskette.
    [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".knkwwwwwwwwknk.",
        ".knkwwwwwwwwknk.",
        ".knkwkkkkkkwknk.",
        ".knkwwwwwwwwknk.",
        ".knkwkkkkkwwknk.",
        ".knnkkkkkkkknnk.",
        ".knnnnnnnnnnnnk.",
        ".knnggggggggnnk.",
        ".knngkkgggggnnk.",
        ".knngkkgggggnnk.",
        ".knngkkgggggnnk.",
        "..kkkkkkkkkkkkk.",
        "................",
        "................",
    ],
    # 3 (unused) a new page.
    [
        "................",
        "..kkkkkkkk......",
        "..kwwwwwwkk.....",
        "..kwwwwwwkwk....",
        "..kwwwwwwkkkk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kkkkkkkkkkk...",
        "................",
        "................",
    ],
    # 4 (unused) an aeroplane.
    [
        "................",
        ".......kk.......",
        "......knnk......",
        "......knnk......",
        "......knnk......",
        "....kkknnkkk....",
        "..kknnnnnnnnkk..",
        ".knnnnnnnnnnnnk.",
        ".kkkkkknnkkkkkk.",
        "......knnk......",
        "......knnk......",
        ".....kknnkk.....",
        "....knnnnnnk....",
        "....kkkkkkkk....",
        "................",
        "................",
    ],
    # 5 (unused) a runway.
    [
        "................",
        "......kkkk......",
        "......kggk......",
        "......kgwk......",
        "......kggk......",
        "......kgwk......",
        "......kggk......",
        "......kgwk......",
        "......kggk......",
        "......kgwk......",
        "......kggk......",
        "......kgwk......",
        "......kggk......",
        "......kkkk......",
        "................",
        "................",
    ],
    # 6 Print: a printer with its sheet.
    [
        "................",
        "...kkkkkkkkk....",
        "...kwwwwwwwk....",
        "...kwkkkkkwk....",
        "...kwwwwwwwk....",
        ".kkkkkkkkkkkkk..",
        "kwwwwwwwwwwwwwk.",
        "kwwwwwwwwwwlwwk.",
        "kgggggggggggggk.",
        "kkkkkkkkkkkkkkk.",
        "kgkwwwwwwwwwkgk.",
        ".kkwkkkkkkkwkk..",
        "...kwwwwwwwk....",
        "...kkkkkkkkk....",
        "................",
        "................",
    ],
    # 7 Details: a list with one picture per row.
    [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kwwwwwwwwwwwwk.",
        ".kwbwkkkkkkkwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwGwkkkkkkwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwkwkkkkkkkkwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwywkkkkkwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwbwkkkkkkkwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kkkkkkkkkkkkkk.",
        "................",
        "................",
    ],
    # 8 Help: a question mark.
    [
        "................",
        ".....bbbbbb.....",
        "....bbnnnnbb....",
        "...bbn....bbn...",
        "...bbn....bbn...",
        "....nn...bbnn...",
        ".........bbn....",
        "........bbn.....",
        ".......bbn......",
        ".......bbn......",
        "........nn......",
        ".......bb.......",
        ".......bbn......",
        "........nn......",
        "................",
        "................",
    ],
    # 9 (unused) information.
    [
        "................",
        ".......bb.......",
        ".......bbn......",
        "........nn......",
        "................",
        "......bbb.......",
        ".......bbn......",
        ".......bbn......",
        ".......bbn......",
        ".......bbn......",
        ".......bbn......",
        "......bbbbn.....",
        ".......nnnn.....",
        "................",
        "................",
        "................",
    ],
]

# Waypoint pictures of the route details list: 12 x 12 each, "." is white (the
# list's image list has no mask, so the picture's own background shows).
BLANK_WAYPOINT = ["." * 12] * 12

AIRPORT = [
    "............",
    ".....kk.....",
    ".....kk.....",
    ".....kk.....",
    ".....kk.....",
    "kkkkkkkkkkkk",
    "kkkkkkkkkkkk",
    ".....kk.....",
    ".....kk.....",
    ".....kk.....",
    ".....kk.....",
    "............",
]

INTERSECTION = [
    "............",
    ".....kk.....",
    ".....kk.....",
    "....kyyk....",
    "....kyyk....",
    "...kyyyyk...",
    "...kyyyyk...",
    "..kyyyyyyk..",
    "..kyyyyyyk..",
    ".kyyyyyyyyk.",
    ".kkkkkkkkkk.",
    "............",
]


def disc(colour, inner_radius):
    """A 12 x 12 disc of `colour` (a letter) centred in the picture, hollow inside
    `inner_radius` (0 for a full disc)."""
    rows = []
    for y in range(12):
        row = ""
        for x in range(12):
            distance = math.hypot(x + 0.5 - 6, y + 0.5 - 6)
            row += colour if inner_radius <= distance <= 5.2 else "."
        rows.append(row)
    return rows


def waypoint_pictures():
    pictures = [BLANK_WAYPOINT] * 24
    pictures[2] = disc("b", 0)        # VOR: a blue circle
    pictures[3] = disc("G", 3.2)      # NDB: a green ring
    pictures[4] = AIRPORT             # airport: a black runway cross
    pictures[5] = INTERSECTION        # intersection: a yellow triangle
    return pictures


def strip(pictures, background):
    """Pixel rows (palette indices) of the pictures side by side."""
    height = len(pictures[0])
    rows = []
    for y in range(height):
        row = []
        for picture in pictures:
            for letter in picture[y]:
                row.append(background if letter == "." else COLOUR[letter])
        rows.append(row)
    return rows


def write_bmp16(path, rows):
    """Writes a 16-colour, bottom-up, uncompressed BMP of palette-index rows."""
    height = len(rows)
    width = len(rows[0])
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, index in enumerate(row):
            if x % 2 == 0:
                line[x // 2] |= index << 4
            else:
                line[x // 2] |= index
        pixels += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as out:
        out.write(header + info + palette + pixels)


# The program icon: a white aeroplane heading north-east across a blue disc.
AEROPLANE = [
    [(16, 1.5), (17.6, 4), (17.6, 26.5), (16, 29.5), (14.4, 26.5), (14.4, 4)],
    [(14.4, 11), (2.5, 18.5), (2.5, 21), (14.4, 17), (17.6, 17), (29.5, 21), (29.5, 18.5), (17.6, 11)],
    [(14.6, 23.5), (9.5, 27.5), (9.5, 29.5), (16, 27.5), (22.5, 29.5), (22.5, 27.5), (17.4, 23.5)],
]


def rotate(polygon, degrees):
    angle = math.radians(degrees)
    c, s = math.cos(angle), math.sin(angle)
    return [(16 + (x - 16) * c - (y - 16) * s, 16 + (x - 16) * s + (y - 16) * c) for x, y in polygon]


def inside(polygon, x, y):
    result = False
    j = len(polygon) - 1
    for i in range(len(polygon)):
        xi, yi = polygon[i]
        xj, yj = polygon[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def icon_pixel(polygons, x, y):
    """RGBA of the icon at a point of the 32 x 32 design."""
    distance = math.hypot(x - 16, y - 16)
    if distance > 15.5:
        return (0, 0, 0, 0)
    if any(inside(polygon, x, y) for polygon in polygons):
        return (255, 255, 255, 255)
    if distance > 14.3:
        return (10, 40, 110, 255)
    shade = (y / 32.0)
    return (int(40 + 40 * shade), int(120 + 60 * shade), int(215 + 30 * shade), 255)


def draw_icon(size):
    """A size x size RGBA image of the icon, 4 x 4 samples per pixel."""
    polygons = [rotate(polygon, 45) for polygon in AEROPLANE]
    scale = 32.0 / size
    samples = 4
    image = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    r, g, b, a = icon_pixel(polygons, x, y)
                    total[0] += r * a
                    total[1] += g * a
                    total[2] += b * a
                    total[3] += a
            alpha = total[3] / (samples * samples)
            if total[3] == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(total[i] / total[3])) for i in range(3)) + (int(round(alpha)),))
        image.append(row)
    return image


def icon_entry(image):
    """The BMP form of one icon image: header, BGRA rows bottom-up, AND mask."""
    size = len(image)
    xor = bytearray()
    for row in reversed(image):
        for r, g, b, a in row:
            xor += struct.pack("<BBBB", b, g, r, a)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(image):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def write_ico(path, sizes):
    entries = [icon_entry(draw_icon(size)) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, entries):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + b"".join(entries))


def main():
    write_bmp16(os.path.join(HERE, "toolbar.bmp"), strip(TOOLBAR_IMAGES, COLOUR["s"]))
    write_bmp16(os.path.join(HERE, "waypoints.bmp"), strip(waypoint_pictures(), COLOUR["w"]))
    write_ico(os.path.join(HERE, "PlanTransit.ico"), [16, 32, 48])


if __name__ == "__main__":
    main()
