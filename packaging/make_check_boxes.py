#!/usr/bin/env python3
"""Draws the check boxes of the installer's components list for larger scalings and writes them beside this
script as check-boxes-<size>.bmp: 20, 24 and 32 pixels, for 125 %, 150 % and 200 %. (At 100 % the installer
keeps its own 16-pixel ones.)

Each bitmap is a strip of six square images, in the order the components list uses: the selection mask
(empty), not checked, checked, partly checked, not checked and read-only, checked and read-only. Magenta is
transparent; inside a box the tick's edges are smoothed by its distance to each pixel's centre.
Run it again after changing the drawing and commit the .bmp files: the installer build takes them as they are.
Python standard library only.
"""

from __future__ import annotations

import math
from pathlib import Path

from make_side_picture import Color, bmp, coverage, mix, polyline

SIZES = (20, 24, 32)
MAGENTA: Color = (255, 0, 255)
WHITE: Color = (255, 255, 255)
BORDER: Color = (51, 51, 51)
INK: Color = (0, 0, 0)
READ_ONLY_BORDER: Color = (160, 160, 160)
READ_ONLY_FILL: Color = (230, 230, 230)
READ_ONLY_INK: Color = (120, 120, 120)
PARTLY: Color = (80, 80, 80)


def draw_box(size: int, mark: str, read_only: bool) -> list[list[Color]]:
    """One image: a square box of 13/16 of the cell with a border of one pixel per whole 16 pixels of size."""
    box = round(size * 13 / 16)
    left = (size - box) // 2
    top = (size - box + 1) // 2
    line = max(1, size // 16)
    border, fill, ink = (READ_ONLY_BORDER, READ_ONLY_FILL, READ_ONLY_INK) if read_only else (BORDER, WHITE, INK)
    # The tick, in the box's own units (0..1), from the left middle down to the bottom third and up right.
    tick = polyline([(left + box * x, top + box * y) for x, y in ((0.22, 0.5), (0.42, 0.7), (0.78, 0.3))],
                    box * 0.14)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            inside = left <= x < left + box and top <= y < top + box
            if not inside:
                row.append(MAGENTA)
                continue
            edge = min(x - left, left + box - 1 - x, y - top, top + box - 1 - y)
            if edge < line:
                row.append(border)
                continue
            color = fill
            if mark == "tick":
                color = mix(color, ink, coverage(tick(x + 0.5, y + 0.5)))
            elif mark == "partly" and edge >= line + max(1, math.floor(box / 5)):
                color = PARTLY
            row.append(color)
        rows.append(row)
    return rows


def strip(size: int) -> list[list[Color]]:
    images = [
        [[MAGENTA] * size for _ in range(size)],
        draw_box(size, "", False),
        draw_box(size, "tick", False),
        draw_box(size, "partly", False),
        draw_box(size, "", True),
        draw_box(size, "tick", True),
    ]
    return [sum((image[y] for image in images), []) for y in range(size)]


def main() -> None:
    for size in SIZES:
        out = Path(__file__).with_name(f"check-boxes-{size}.bmp")
        out.write_bytes(bmp(strip(size)))
        print(f"wrote {out} ({size * 6} x {size})")


if __name__ == "__main__":
    main()
