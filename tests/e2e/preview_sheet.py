"""The preview sheet (tests/e2e/tools/preview_sheet.cpp): gesture previews drawn by Flickmark's own GDI
renderer in a window at 100 % and 150 %, and one in the popup window as the help menu shows it. Used by the
demo and the end-to-end tests to photograph and judge the previews."""

from __future__ import annotations

from dataclasses import dataclass

import harness
from harness import Box, HarnessError


@dataclass(frozen=True)
class Picture:
    gesture: str
    scale: float
    box: Box  # screen pixels, right and bottom exclusive


@dataclass(frozen=True)
class PreviewSheet:
    process: harness.WineProcess
    window: Box
    cells: list[Picture]
    popup: Picture | None  # the box includes the popup's frame

    def bounds(self, margin: int = 6) -> Box:
        """The sheet and the popup with a little of the screen around them."""
        boxes = [self.window] + ([self.popup.box] if self.popup else [])
        return Box(min(b.left for b in boxes) - margin, min(b.top for b in boxes) - margin,
                   max(b.right for b in boxes) + margin, max(b.bottom for b in boxes) + margin)

    def cell(self, gesture: str, scale: float) -> Picture:
        return next(c for c in self.cells if c.gesture == gesture and c.scale == scale)


def _parse_box(fields: list[str]) -> Box:
    left, top, right, bottom = (int(f) for f in fields)
    return Box(left, top, right, bottom)


# The sheet's exit code when its window could not be created (its log then says the error).
NO_WINDOW = 4


def start_preview_sheet(session: harness.Session, at: tuple[int, int] = (20, 20),
                        timeout: float = 20.0) -> PreviewSheet:
    """Starts the preview sheet with its top-left corner at `at` and waits until it is on the screen."""
    tool = session.programs.tool("preview_sheet")
    if not tool.is_file():
        raise HarnessError(f"missing Windows build output (build the 'windows' preset first): {tool}")
    log = session.work_dir / "preview-sheet.log"

    def start() -> harness.WineProcess:
        log.unlink(missing_ok=True)
        return session.start_program(
            "preview_sheet", [str(tool), harness.windows_path(log), "--at", str(at[0]), str(at[1])])

    process = start()
    started_again = False

    def lines() -> list[str] | None:
        nonlocal process, started_again
        text = log.read_text() if log.is_file() else ""
        if "\nready " in "\n" + text and text.endswith("\n"):
            return text.splitlines()
        if not process.running():
            # Once, a fresh session's first window could not be made (the sheet ended with 4): started again.
            if process.popen.returncode == NO_WINDOW and not started_again:
                harness.STEPS.note("read", f"preview_sheet: {text.strip()}; again")
                started_again, process = True, start()
                return None
            raise HarnessError(f"preview_sheet exited with code {process.popen.returncode} before it was ready"
                               f" ({text.strip()})")
        return None

    window, cells, popup = None, [], None
    for line in harness.wait_until(lines, timeout, "the preview sheet"):
        kind, *fields = line.split()
        if kind == "cell":
            cells.append(Picture(fields[0], float(fields[1]), _parse_box(fields[2:])))
        elif kind == "popup":
            popup = Picture(fields[0], 1.0, _parse_box(fields[1:]))
        elif kind == "ready":
            window = _parse_box(fields)
    assert window is not None
    return PreviewSheet(process, window, cells, popup)


def is_ink(pixel: tuple[int, int, int]) -> bool:
    return max(pixel) < 80


def ink_bounds(image: harness.Image, box: Box) -> Box | None:
    """The smallest box holding every dark pixel inside `box` of a screenshot."""
    left, top, right, bottom = box.right, box.bottom, box.left, box.top
    for y in range(box.top, box.bottom):
        for x in range(box.left, box.right):
            if is_ink(image.pixel(x, y)):
                left, right = min(left, x), max(right, x + 1)
                top, bottom = min(top, y), max(bottom, y + 1)
    return Box(left, top, right, bottom) if right > left else None
