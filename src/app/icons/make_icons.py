#!/usr/bin/env python3
"""Draws the program's small pictures and writes them as .ico files beside this script, and the program's
own icon (the tray icon's picture) as ../flickmark.ico.

Each picture is a stack of filled shapes on a 32 x 32 design grid, rendered at every size Windows asks for
(16 to 48 pixels, so 100 % to 300 % scaling) with 4 x 4 samples a pixel, as 32-bit images with alpha, stored
PNG-compressed.
Run it again after changing a picture and commit the .ico files: the build takes them as they are.
Python standard library only.
"""

from __future__ import annotations

import math
import struct
import zlib
from pathlib import Path
from typing import Callable

Shape = Callable[[float, float], bool]
Color = tuple[int, int, int]
SIZES = (16, 20, 24, 32, 40, 48)
SAMPLES = 4

# -- shapes on the design grid (x to the right, y down, 0..32) --


def rounded_rect(x0: float, y0: float, x1: float, y1: float, r: float) -> Shape:
    def inside(x: float, y: float) -> bool:
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx, cy = min(max(x, x0 + r), x1 - r), min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx: float, cy: float, r: float) -> Shape:
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def stroke(points: list[tuple[float, float]], width: float) -> Shape:
    """A polyline with round ends and joins."""
    half2 = (width / 2) ** 2
    segments = list(zip(points, points[1:]))

    def inside(x: float, y: float) -> bool:
        for (ax, ay), (bx, by) in segments:
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            if (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= half2:
                return True
        return False
    return inside


def polygon(points: list[tuple[float, float]]) -> Shape:
    def inside(x: float, y: float) -> bool:
        result = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                result = not result
        return result
    return inside


def minus(shape: Shape, hole: Shape) -> Shape:
    return lambda x, y: shape(x, y) and not hole(x, y)


def union(*shapes: Shape) -> Shape:
    return lambda x, y: any(s(x, y) for s in shapes)


def arrow(points: list[tuple[float, float]], width: float, head: float) -> Shape:
    """A stroke ending in a triangular head along its last segment."""
    (ax, ay), (bx, by) = points[-2], points[-1]
    length = math.hypot(bx - ax, by - ay)
    ux, uy = (bx - ax) / length, (by - ay) / length
    base = (bx - ux * head, by - uy * head)
    tip = (bx + ux * head * 0.25, by + uy * head * 0.25)
    wing = head * 0.75
    head_shape = polygon([tip, (base[0] - uy * wing, base[1] + ux * wing), (base[0] + uy * wing, base[1] - ux * wing)])
    return union(stroke(points[:-1] + [base], width), head_shape)


def gear(cx: float, cy: float, outer: float, inner: float, hole: float, teeth: int) -> Shape:
    corners = []
    for i in range(teeth * 2):
        radius = outer if i % 2 == 0 else inner
        for offset in (-0.32, 0.32):
            angle = (i + offset) * math.pi / teeth
            corners.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return minus(polygon(corners), circle(cx, cy, hole))


def page(x0: float, y0: float, x1: float, y1: float, fold: float) -> Shape:
    return polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])


# -- pictures: (shape, colour) layers, painted in order --

BLUE = (36, 104, 206)
GREY = (128, 132, 138)
WHITE = (255, 255, 255)
RED = (214, 40, 40)
DARK = (60, 66, 76)
GESTURE = [(9, 24), (9, 10), (24, 10)]  # up, then right


def tray_picture(on: bool) -> list[tuple[Shape, Color]]:
    layers = [(rounded_rect(1, 1, 31, 31, 6), BLUE if on else GREY),
              (arrow(GESTURE, 4.5, 7), WHITE if on else (222, 222, 222))]
    if not on:
        bar = [(5, 5), (27, 27)]
        layers += [(stroke(bar, 9), WHITE), (stroke(bar, 5), RED)]
    return layers


def document(with_gesture: bool) -> list[tuple[Shape, Color]]:
    outline = page(5, 2, 27, 30, 7)
    layers = [(outline, DARK), (page(6.5, 3.5, 25.5, 28.5, 6), WHITE),
              (polygon([(20, 2), (20, 9), (27, 9)]), DARK)]
    if with_gesture:
        layers.append((arrow([(11, 24), (11, 14), (21, 14)], 3, 5), BLUE))
    else:
        layers.append((stroke([(10, 22), (13, 15), (16, 21), (19, 14), (22, 20)], 2.2), DARK))
    return layers


PICTURES: dict[str, list[tuple[Shape, Color]]] = {
    "tray_on": tray_picture(True),
    "tray_off": tray_picture(False),
    "configure": [(gear(16, 16, 15, 11, 5, 8), (86, 101, 122))],
    "edit_gestures": [
        (arrow([(5, 28), (5, 12), (17, 12)], 3.5, 5.5), BLUE),
        (stroke([(13, 27), (27, 13)], 7), DARK),
        (stroke([(13, 27), (27, 13)], 4.5), (240, 180, 50)),
        (polygon([(8.5, 31.5), (10, 25), (15, 30)]), DARK),
    ],
    "diagonals": [(arrow([(6, 26), (25, 7)], 4.5, 8), (46, 158, 79))],
    "scratchpad": document(False),
    "gestures": [(arrow([(8, 27), (8, 9), (26, 9)], 5, 8), BLUE)],
    "gesture_file": document(True),
}


def render(layers: list[tuple[Shape, Color]], size: int) -> bytes:
    """BGRA rows, top row first, alpha not premultiplied."""
    scale = 32 / size
    step = 1 / SAMPLES
    out = bytearray()
    for py in range(size):
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x, y = (px + (sx + 0.5) * step) * scale, (py + (sy + 0.5) * step) * scale
                    for shape, colour in reversed(layers):
                        if shape(x, y):
                            r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
                            break
            if a:
                out += bytes((round(b / a), round(g / a), round(r / a), round(255 * a / SAMPLES ** 2)))
            else:
                out += bytes(4)
    return bytes(out)


def png(rows: bytes, size: int) -> bytes:
    """A PNG of BGRA rows (top row first): colour type 6 (RGBA), 8 bits, filter 0 on every row."""
    def chunk(kind: bytes, payload: bytes) -> bytes:
        return struct.pack(">I", len(payload)) + kind + payload + struct.pack(">I", zlib.crc32(kind + payload))

    stride = size * 4
    raw = bytearray()
    for y in range(size):
        raw.append(0)
        row = rows[y * stride:(y + 1) * stride]
        for x in range(0, stride, 4):
            raw += bytes((row[x + 2], row[x + 1], row[x], row[x + 3]))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


# The program's own icon (the file, the About window, the installer) adds the sizes of Explorer's views.
PROGRAM_ICON_SIZES = (256, 48, 32, 24, 16)


def ico(layers: list[tuple[Shape, Color]], sizes: tuple[int, ...] = SIZES) -> bytes:
    """An icon file with one PNG-compressed image per size (read by every Windows since Vista, and by Wine):
    a tenth of the bytes of uncompressed images, which the program's file carries."""
    images = [(size, png(render(layers, size), size)) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return directory + entries + data


def main() -> None:
    folder = Path(__file__).resolve().parent
    for name, layers in PICTURES.items():
        (folder / f"{name}.ico").write_bytes(ico(layers))
        print(f"{name}.ico")
    # One mark everywhere: the program's icon is the tray icon's picture, up then right.
    (folder.parent / "flickmark.ico").write_bytes(ico(tray_picture(True), PROGRAM_ICON_SIZES))
    print("../flickmark.ico")


if __name__ == "__main__":
    main()
