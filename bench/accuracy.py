"""Recognition accuracy of both recognition modes on a folder of annotated traces.

Each trace (the flickmark-replay format) opens with comment lines that say what the hand meant:

    # diagonals: 0
    # press: 1 start=287 end=2279 kind=stroke intended=1323

`kind` is `stroke` (a gesture), `hold` (a gesture with a still pause after its first stroke), `tap` or
`ignored` (a press over a full-screen program). The script replays every trace twice, as it is and with
`set cbPreciseRecognition 1` in front, and scores each press on what the replay printed from its start up to
the next press's start:

- a stroke is right when exactly one gesture came out and it is the intended one;
- a tap or an ignored press is silent when neither a gesture nor help came out;
- a hold opened help when the replay printed `help C` with C the first direction of the intended gesture
  (what the program would show as the help menu). Holds in traces that switch the help popup off
  (`cbEnableHelpPoup 0`) cannot open it and are left out;
- "strokes that opened help" counts strokes during which help came out as well (lower is better): the
  program would have shown the help menu instead of running the gesture.

Strokes are counted as cardinal in traces without diagonals (by number of strokes) and as "diagonals on" in
traces with them. Exit code 0 also when goals are missed: it measures, it does not judge.

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
MODES = ("normal", "precise")

PRESS_LINE = re.compile(r"#\s*press:\s*\d+\s+start=(\d+)\s+end=(\d+)\s+kind=(\w+)\s+intended=(\d*)")
HELP_OFF_LINE = re.compile(r"^set\s+cbEnableHelpPoup\s+0\s*$", re.MULTILINE)


@dataclass
class Press:
    start: int
    kind: str
    intended: str
    at_edge: bool = False  # the cursor touched the outer edge of the screen while the button was down


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


def read_trace(path: Path) -> Trace:
    text = path.read_text()
    presses = sorted((Press(int(m[1]), m[3], m[4]) for m in PRESS_LINE.finditer(text)), key=lambda p: p.start)
    monitors = [tuple(map(int, line.split()[1:5])) for line in text.splitlines() if line.startswith("monitor ")]
    monitors = monitors or [(0, 0, 1920, 1080)]

    def on_screen(x: int, y: int) -> bool:
        return any(mx <= x < mx + w and my <= y < my + h for mx, my, w, h in monitors)

    for line in text.splitlines():
        fields = line.split()
        if len(fields) != 5 or fields[0] != "tick" or fields[2] != "1":
            continue
        time, x, y = int(fields[1]), int(fields[3]), int(fields[4])
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
        if trace.diagonals:
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
        score.failures.append(f"{trace.path.name} press at {press.start} ({press.kind} {press.intended!r}{edge}): "
                              f"got {mine}")


ROW_ORDER = ["cardinal, 1 stroke", "cardinal, 2 strokes", "cardinal, 3 strokes", "cardinal, 4 strokes",
             "cardinal, all", "diagonals on", "taps and full-screen silent", "holds opening help",
             "strokes that opened help"]


def print_table(title: str, scores: dict[str, Score]) -> None:
    width = max(len(r) for r in ROW_ORDER)
    print(f"\n{title}:")
    print(f"| {'':{width}} | {'normal':>22} | {'precise':>22} |")
    print(f"|{'-' * (width + 2)}|{'-' * 23}:|{'-' * 23}:|")
    for row in ROW_ORDER:
        print(f"| {row:{width}} | {scores['normal'].rows[row].cell():>22} | {scores['precise'].rows[row].cell():>22} |")


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
            texts = [t.text if mode == "normal" else PRECISE_LINE + t.text for t in traces]
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
