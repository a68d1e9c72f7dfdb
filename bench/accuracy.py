"""Recognition accuracy of the recognition modes on a folder of annotated traces.

Each trace (the flickmark-replay format) opens with comment lines that say what the hand meant:

    # diagonals: 0
    # press: 1 start=287 end=2279 kind=stroke intended=1323 duration=1460 hidden=0

`kind` is `stroke` (a gesture), `hold` (a gesture with a still pause after its first stroke), `tap` or
`ignored` (a press over a full-screen program). `duration` (how long the hand drew its strokes, ms) and
`hidden` (how many of its strokes moved the cursor less than 15 px along their direction: drawn against an
edge the cursor rests on) are optional. The script replays every trace three times:

- `normal`: as it is (the default recognizer; the mouse's events are dropped);
- `precise, ticks`: with `set cbPreciseRecognition 1` in front and the events (`down`, `move`, `up`) taken
  out, so precise recognition reads each press at its ticks;
- `precise`: with `set cbPreciseRecognition 1` in front and the events kept;

and scores each press on what the replay printed from its start up to the next press's start:

- a stroke is right when exactly one gesture came out and it is the intended one;
- a tap or an ignored press is silent when neither a gesture nor help came out;
- a hold opened help when the replay printed `help C` with C the first direction of the intended gesture
  (what the program would show as the help menu). Holds in traces that switch the help popup off
  (`cbEnableHelpPoup 0`) cannot open it and are left out;
- "strokes that opened help" counts strokes during which help came out as well (lower is better): the
  program would have shown the help menu instead of running the gesture.

Strokes are counted as cardinal in traces without diagonals (by number of strokes) and as "diagonals on" in
traces with them, except fast flicks (drawn in at most 160 ms), which have a row of their own. Presses with
hidden strokes (`hidden` above 0) are counted once more as "hidden at an edge". Traces without events replay
alike in both precise modes. Exit code 0 also when goals are missed: it measures, it does not judge.

Usage: python3 bench/accuracy.py DIR [--replay PATH] [--jobs N] [--failures]
"""

import argparse
import os
import re
import subprocess
import sys
from collections import defaultdict
from concurrent.futures import ThreadPoolExecutor
from dataclasses import dataclass, field
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[1]
DEFAULT_REPLAY = REPO_ROOT / "build" / "native" / "tools" / "replay" / "flickmark-replay"
PRECISE_LINE = "set cbPreciseRecognition 1\n"
MODES = ("normal", "precise, ticks", "precise")
FAST_FLICK_MS = 160

PRESS_LINE = re.compile(r"#\s*press:\s*\d+\s+start=(\d+)\s+end=(\d+)\s+kind=(\w+)\s+intended=(\d*)([^\n]*)")
DURATION_FIELD = re.compile(r"\bduration=(\d+)")
HIDDEN_FIELD = re.compile(r"\bhidden=(\d+)")
HELP_OFF_LINE = re.compile(r"^set\s+cbEnableHelpPoup\s+0\s*$", re.MULTILINE)
EVENT_LINE = re.compile(r"^(down|move|up)\s[^\n]*\n?", re.MULTILINE)


@dataclass
class Press:
    start: int
    kind: str
    intended: str
    duration: int | None = None  # how long the hand drew its strokes, ms
    hidden: int = 0  # strokes drawn against an edge, which left no trace in the cursor's positions
    at_edge: bool = False  # the cursor touched the outer edge of the screen while the button was down

    @property
    def fast_flick(self) -> bool:
        return self.kind == "stroke" and self.duration is not None and self.duration <= FAST_FLICK_MS


@dataclass
class Trace:
    path: Path
    text: str
    diagonals: bool
    help_off: bool
    presses: list[Press]


@dataclass
class Tally:
    right: int = 0
    total: int = 0

    def add(self, ok: bool) -> None:
        self.right += ok
        self.total += 1

    def cell(self) -> str:
        if not self.total:
            return "-"
        return f"{100.0 * self.right / self.total:.1f} % ({self.right}/{self.total})"


@dataclass
class Score:
    rows: dict[str, Tally] = field(default_factory=lambda: defaultdict(Tally))
    failures: list[str] = field(default_factory=list)


def optional_field(pattern: re.Pattern, fields: str) -> int | None:
    match = pattern.search(fields)
    return int(match[1]) if match else None


def read_press(match: re.Match) -> Press:
    return Press(int(match[1]), match[3], match[4], optional_field(DURATION_FIELD, match[5]),
                 optional_field(HIDDEN_FIELD, match[5]) or 0)


def pressed_cursor(fields: list[str]) -> tuple[int, int, int] | None:
    """(time, x, y) of a tick with the button down or of an event."""
    if len(fields) == 5 and fields[0] == "tick" and fields[2] == "1":
        return int(fields[1]), int(fields[3]), int(fields[4])
    if (len(fields), fields[0] if fields else "") in ((4, "down"), (4, "up"), (6, "move")):
        return int(fields[1]), int(fields[2]), int(fields[3])
    return None


def read_trace(path: Path) -> Trace:
    text = path.read_text()
    presses = sorted((read_press(m) for m in PRESS_LINE.finditer(text)), key=lambda p: p.start)
    monitors = [tuple(map(int, line.split()[1:5])) for line in text.splitlines() if line.startswith("monitor ")]
    monitors = monitors or [(0, 0, 1920, 1080)]

    def on_screen(x: int, y: int) -> bool:
        return any(mx <= x < mx + w and my <= y < my + h for mx, my, w, h in monitors)

    for press in presses:
        press.at_edge = press.hidden > 0
    for line in text.splitlines():
        sample = pressed_cursor(line.split())
        if not sample:
            continue
        time, x, y = sample
        press = next((p for p in reversed(presses) if p.start <= time), None)
        if press and not all(on_screen(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
            press.at_edge = True
    return Trace(path, text, bool(re.search(r"#\s*diagonals:\s*1", text)), bool(HELP_OFF_LINE.search(text)),
                 presses)


def replay(replay_path: Path, text: str) -> list[tuple[int, str, str]]:
    """(time, kind, value) of each line the replay printed: kind "gesture" or "help"."""
    result = subprocess.run([str(replay_path), "-"], input=text, capture_output=True, text=True, check=False)
    if result.returncode != 0:
        raise RuntimeError(f"flickmark-replay failed: {result.stderr.strip()}")
    events = []
    for line in result.stdout.splitlines():
        fields = line.split()
        if len(fields) >= 3 and fields[1] in ("gesture", "help"):
            events.append((int(fields[0]), fields[1], fields[2]))
    return events


def score_trace(trace: Trace, events: list[tuple[int, str, str]], score: Score, off_edge: Score) -> None:
    for index, press in enumerate(trace.presses):
        score_press(trace, index, events, score)
        if not press.at_edge:
            score_press(trace, index, events, off_edge)


def score_press(trace: Trace, index: int, events: list[tuple[int, str, str]], score: Score) -> None:
    press = trace.presses[index]
    end = trace.presses[index + 1].start if index + 1 < len(trace.presses) else float("inf")
    mine = [(kind, value) for time, kind, value in events if press.start <= time < end]
    gestures = [value for kind, value in mine if kind == "gesture"]
    helps = [value for kind, value in mine if kind == "help"]
    if press.kind == "stroke":
        score.rows["strokes that opened help"].add(bool(helps))
        ok = gestures == [press.intended]
        if press.hidden > 0:
            score.rows["hidden at an edge"].add(ok)
        if press.fast_flick:
            score.rows[f"fast flicks (<= {FAST_FLICK_MS} ms)"].add(ok)
        elif trace.diagonals:
            score.rows["diagonals on"].add(ok)
        else:
            score.rows[f"cardinal, {len(press.intended)} stroke{'s' if len(press.intended) > 1 else ''}"].add(ok)
            score.rows["cardinal, all"].add(ok)
    elif press.kind in ("tap", "ignored"):
        ok = not mine
        score.rows["taps and full-screen silent"].add(ok)
    elif press.kind == "hold":
        if trace.help_off:
            return
        ok = bool(press.intended) and press.intended[0] in helps
        score.rows["holds opening help"].add(ok)
    else:
        return
    if not ok:
        edge = ", at the screen's edge" if press.at_edge else ""
        drawn = f", drawn in {press.duration} ms" if press.duration is not None else ""
        score.failures.append(f"{trace.path.name} press at {press.start} ({press.kind} {press.intended!r}{edge}"
                              f"{drawn}): got {mine}")


ROW_ORDER = ["cardinal, 1 stroke", "cardinal, 2 strokes", "cardinal, 3 strokes", "cardinal, 4 strokes",
             "cardinal, all", "diagonals on", f"fast flicks (<= {FAST_FLICK_MS} ms)", "hidden at an edge",
             "taps and full-screen silent", "holds opening help", "strokes that opened help"]
CELL_WIDTH = 22


def print_table(title: str, scores: dict[str, Score]) -> None:
    width = max(len(r) for r in ROW_ORDER)
    print(f"\n{title}:")
    print(f"| {'':{width}} |" + "".join(f" {mode:>{CELL_WIDTH}} |" for mode in MODES))
    print(f"|{'-' * (width + 2)}|" + "".join(f"{'-' * (CELL_WIDTH + 1)}:|" for _ in MODES))
    for row in ROW_ORDER:
        print(f"| {row:{width}} |" + "".join(f" {scores[mode].rows[row].cell():>{CELL_WIDTH}} |" for mode in MODES))


def mode_text(mode: str, text: str) -> str:
    """The trace as a mode replays it."""
    if mode == "normal":
        return text
    if mode == "precise, ticks":
        return PRECISE_LINE + EVENT_LINE.sub("", text)
    return PRECISE_LINE + text


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", type=Path, help="folder of *.trace files (searched recursively)")
    parser.add_argument("--replay", type=Path, default=DEFAULT_REPLAY, help="the flickmark-replay to run")
    parser.add_argument("--jobs", type=int, default=min(2, os.cpu_count() or 1))
    parser.add_argument("--failures", action="store_true", help="list every press scored wrong")
    options = parser.parse_args()

    traces = [read_trace(p) for p in sorted(options.folder.rglob("*.trace"))]
    if not traces:
        print(f"no *.trace files in {options.folder}", file=sys.stderr)
        return 2
    if not options.replay.is_file():
        print(f"no replay at {options.replay}: build the native preset first", file=sys.stderr)
        return 2

    scores = {mode: Score() for mode in MODES}
    off_edge = {mode: Score() for mode in MODES}
    with ThreadPoolExecutor(max_workers=max(1, options.jobs)) as pool:
        for mode in MODES:
            texts = [mode_text(mode, t.text) for t in traces]
            for trace, events in zip(traces, pool.map(lambda text: replay(options.replay, text), texts)):
                score_trace(trace, events, scores[mode], off_edge[mode])

    print(f"{len(traces)} traces in {options.folder}")
    print_table("every press", scores)
    print_table("presses that stay off the screen's outer edges", off_edge)
    if options.failures:
        for mode in MODES:
            print(f"\n{mode} mode, presses scored wrong:")
            for line in scores[mode].failures:
                print("  " + line)
    return 0


if __name__ == "__main__":
    sys.exit(main())
