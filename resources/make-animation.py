#!/usr/bin/env python3
"""Draws the animation played while a route is built and writes it as
PlanTransit.AVI: an uncompressed 8-bit AVI, the kind the animate control plays
without a codec. A dot flies a circle round a compass rose, leaving a short trail.

Run it from anywhere; it writes next to itself. The output is committed, so a build
never needs Python. Only the standard library is used.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

WIDTH, HEIGHT = 48, 32
FRAMES = 12
FRAMES_PER_SECOND = 8

# Index 0 is the button face: the control's transparent style takes the colour of
# the first pixel as the background.
PALETTE = [(192, 192, 192), (0, 0, 128), (128, 128, 128), (255, 0, 0), (255, 128, 128)]
FACE, NAVY, GREY, RED, PINK = range(5)


def draw(frame):
    """One frame as rows of palette indexes, top row first."""
    pixels = [[FACE] * WIDTH for _ in range(HEIGHT)]
    cx, cy, radius = WIDTH // 2, HEIGHT // 2, 12
    for step in range(64):  # the circle the dot flies
        angle = 2 * math.pi * step / 64
        pixels[round(cy + radius * math.sin(angle))][round(cx + radius * math.cos(angle))] = GREY
    for d in range(-4, 5):  # the compass cross
        pixels[cy][cx + d] = NAVY
        pixels[cy + d][cx] = NAVY
    for back, colour in ((2, PINK), (1, PINK), (0, RED)):
        angle = 2 * math.pi * (frame - back * 0.5) / FRAMES
        x = round(cx + radius * math.cos(angle))
        y = round(cy + radius * math.sin(angle))
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                pixels[y + dy][x + dx] = colour
    return pixels


def chunk(fourcc, data):
    padding = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + padding


def riff_list(kind, fourcc, body):
    return kind + struct.pack("<I", len(body) + 4) + fourcc + body


def bitmap_rows(pixels):
    """Bottom-up rows, as a DIB stores them (the width is a multiple of 4)."""
    return b"".join(bytes(row) for row in reversed(pixels))


def main():
    frame_size = WIDTH * HEIGHT
    main_header = struct.pack(
        "<14I", 1000000 // FRAMES_PER_SECOND, frame_size * FRAMES_PER_SECOND, 0, 0x10, FRAMES, 0, 1,
        frame_size, WIDTH, HEIGHT, 0, 0, 0, 0)
    stream_header = struct.pack(
        "<4s4sIHHIIIIIIII4h", b"vids", b"DIB ", 0, 0, 0, 0, 1, FRAMES_PER_SECOND, 0, FRAMES,
        frame_size, 0xFFFFFFFF, 0, 0, 0, WIDTH, HEIGHT)
    palette = b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in PALETTE)
    palette += b"\0\0\0\0" * (256 - len(PALETTE))
    format_block = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, frame_size, 0, 0, 256, 0)
    header_list = riff_list(
        b"LIST", b"hdrl",
        chunk(b"avih", main_header)
        + riff_list(b"LIST", b"strl", chunk(b"strh", stream_header) + chunk(b"strf", format_block + palette)))

    movie = b""
    index = b""
    for frame in range(FRAMES):
        offset = 4 + len(movie)  # from the "movi" code, as the index counts
        data = bitmap_rows(draw(frame))
        movie += chunk(b"00db", data)
        index += struct.pack("<4sIII", b"00db", 0x10, offset, len(data))
    body = header_list + riff_list(b"LIST", b"movi", movie) + chunk(b"idx1", index)
    with open(os.path.join(HERE, "PlanTransit.AVI"), "wb") as out:
        out.write(riff_list(b"RIFF", b"AVI ", body))


if __name__ == "__main__":
    main()
