#!/usr/bin/env python3
"""Draws the seven mood faces (face-3.bmp ... face3.bmp) into res/data/.

The faces are plain 48x48 24-bit BMP files so that any picture loader reads
them. Each is drawn at 4x resolution and averaged down for smooth edges. Run
it again after changing the drawing; the output is committed.
"""
import math
import os
import struct
import sys

SIZE = 48
SCALE = 4
BACKGROUND = (239, 239, 239)
OUTLINE = (60, 40, 10)
FEATURE = (40, 25, 10)
TEAR = (70, 140, 230)
CHEEK = (240, 120, 90)

# Skin colour from grey-blue (very sad) to warm yellow (very happy).
SKIN = {
    -3: (150, 170, 200),
    -2: (185, 195, 190),
    -1: (225, 215, 150),
    0: (250, 220, 90),
    1: (255, 210, 60),
    2: (255, 200, 40),
    3: (255, 185, 20),
}


def face_pixel(mood, x, y):
    """Colour of the point (x, y) in a unit square centred on the face."""
    r = math.hypot(x, y)
    if r > 0.96:
        return BACKGROUND
    if r > 0.88:
        return OUTLINE

    # Eyes: open ovals, squeezed to arcs when very happy, slanted when sad.
    for side in (-1, 1):
        ex, ey = side * 0.33, -0.25
        if mood == 3:
            # Laughing eyes: upward arcs.
            d = math.hypot((x - ex) / 0.16, (y - ey - 0.06) / 0.14)
            if 0.75 < d < 1.25 and y < ey + 0.06:
                return FEATURE
        elif ((x - ex) / 0.09) ** 2 + ((y - ey) / 0.14) ** 2 <= 1.0:
            return FEATURE
        if mood <= -2:
            # Brows rising towards the middle of the face.
            bx = x - ex
            by = y - (ey - 0.24 + side * bx * 0.5 * (mood + 1) / -1)
            if abs(bx) < 0.15 and abs(by) < 0.035:
                return FEATURE
        if mood == -3:
            # A tear under each eye.
            if math.hypot(x - ex - side * 0.02, y - 0.0) < 0.06 or (
                abs(x - ex - side * 0.02) < 0.06 - (0.0 - y) * 0.6 and -0.1 < y < 0.0
            ):
                return TEAR
        if mood >= 2 and math.hypot(x - side * 0.55, y - 0.12) < 0.12:
            return CHEEK

    # Mouth: a parabola whose bend follows the mood; mood 3 is an open laugh.
    half_width = 0.42 + 0.03 * abs(mood)
    if abs(x) <= half_width:
        bend = 0.11 * mood
        base = 0.42 - bend * 0.3
        curve = base + bend * (1 - (x / half_width) ** 2)
        if mood == 3:
            top = base
            if top - 0.03 <= y <= curve + 0.03:
                return FEATURE if (y > curve - 0.04 or y < top + 0.02) else (200, 40, 40)
        elif abs(y - curve) < 0.045:
            return FEATURE
    return SKIN[mood]


def render(mood):
    rows = []
    n = SIZE * SCALE
    for py in range(SIZE):
        row = bytearray()
        for px in range(SIZE):
            acc = [0, 0, 0]
            for sy in range(SCALE):
                for sx in range(SCALE):
                    x = ((px * SCALE + sx + 0.5) / n) * 2 - 1
                    y = ((py * SCALE + sy + 0.5) / n) * 2 - 1
                    c = face_pixel(mood, x, y)
                    for i in range(3):
                        acc[i] += c[i]
            r, g, b = (round(v / (SCALE * SCALE)) for v in acc)
            row += bytes((b, g, r))  # BMP stores blue, green, red
        rows.append(bytes(row))
    return rows


def write_bmp(path, rows):
    stride = SIZE * 3
    padding = (4 - stride % 4) % 4
    image = b"".join(row + b"\0" * padding for row in reversed(rows))  # bottom-up
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(image), 0, 0, header_size)
    info_header = struct.pack(
        "<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(image), 2835, 2835, 0, 0
    )
    with open(path, "wb") as out:
        out.write(file_header + info_header + image)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "res", "data")
    os.makedirs(out_dir, exist_ok=True)
    for mood in range(-3, 4):
        write_bmp(os.path.join(out_dir, "face%d.bmp" % mood), render(mood))


if __name__ == "__main__":
    main()
