#!/usr/bin/env python3
"""Draws the picture on the left of the installer's welcome and finish pages and writes it as
side-picture.bmp beside this script: a blue field in the program icon's colours with a gesture drawn on it
(pressed, then Up and Right, ending in an arrow head).

164 x 314 pixels, the size the pages are laid out for (the installer stretches it at other scalings);
24-bit, edges smoothed by each shape's distance to the pixel's centre.
Run it again after changing the picture and commit the .bmp: the installer build takes it as it is.
Python standard library only.
"""

from __future__ import annotations

import math
import struct
from pathlib import Path
from typing import Callable

WIDTH, HEIGHT = 164, 314
Color = tuple[float, float, float]
# Distance from a point to a shape's edge: negative inside.
Distance = Callable[[float, float], float]

TOP: Color = (43, 110, 214)
BOTTOM: Color = (14, 48, 122)
WHITE: Color = (255, 255, 255)


def segment(ax: float, ay: float, bx: float, by: float, width: float) -> Distance:
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def distance(x: float, y: float) -> float:
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2
    return distance


def polyline(points: list[tuple[float, float]], width: float) -> Distance:
    parts = [segment(*a, *b, width) for a, b in zip(points, points[1:])]
    return lambda x, y: min(part(x, y) for part in parts)


def ring(cx: float, cy: float, radius: float, width: float) -> Distance:
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - radius) - width / 2


def disc(cx: float, cy: float, radius: float) -> Distance:
    return lambda x, y: math.hypot(x - cx, y - cy) - radius


def triangle(points: list[tuple[float, float]]) -> Distance:
    """Convex, corners in clockwise order on the screen (y down)."""
    edges = []
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        length = math.hypot(bx - ax, by - ay)
        edges.append((ax, ay, (by - ay) / length, -(bx - ax) / length))

    def distance(x: float, y: float) -> float:
        return max((x - ax) * nx + (y - ay) * ny for ax, ay, nx, ny in edges)
    return distance


def union(*shapes: Distance) -> Distance:
    return lambda x, y: min(shape(x, y) for shape in shapes)


def coverage(distance: float) -> float:
    return max(0.0, min(1.0, 0.5 - distance))


def mix(under: Color, over: Color, alpha: float) -> Color:
    return tuple(u + (o - u) * alpha for u, o in zip(under, over))


# The gesture: pressed at the ring, drawn up, then right into the arrow head.
START = (50.0, 226.0)
CORNER = (50.0, 116.0)
END = (104.0, 116.0)
HEAD = triangle([(END[0] - 2, END[1] - 21), (END[0] + 26, END[1]), (END[0] - 2, END[1] + 21)])
TRAIL = union(polyline([START, CORNER, END], 14), HEAD)
GLOW = union(polyline([START, CORNER, END], 34), disc(*START, 30))
PRESS = ring(*START, 20, 3)

LAYERS: list[tuple[Distance, Color, float]] = [
    (GLOW, WHITE, 0.10),
    (PRESS, WHITE, 0.55),
    (TRAIL, WHITE, 1.0),
]


def pixel(x: int, y: int) -> Color:
    cx, cy = x + 0.5, y + 0.5
    # Lighter towards the top left, as if lit from there.
    shade = min(1.0, max(0.0, (cy / HEIGHT) * 0.85 + (cx / WIDTH) * 0.15))
    color = mix(TOP, BOTTOM, shade)
    for shape, over, alpha in LAYERS:
        color = mix(color, over, alpha * coverage(shape(cx, cy)))
    return color


def bmp(rows: list[list[Color]]) -> bytes:
    """24-bit, bottom-up, each row padded to 4 bytes."""
    height, width = len(rows), len(rows[0])
    padding = b"\0" * (-width * 3 % 4)
    data = b"".join(
        b"".join(bytes(round(c) for c in reversed(color)) for color in row) + padding for row in reversed(rows))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 14 + len(header)) + header + data


def main() -> None:
    rows = [[pixel(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]
    out = Path(__file__).with_name("side-picture.bmp")
    out.write_bytes(bmp(rows))
    print(f"wrote {out} ({WIDTH} x {HEIGHT})")


if __name__ == "__main__":
    main()
