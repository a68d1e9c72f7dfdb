"""Quick flicks under Wine: how many each recognizer reads.

Draws straight right-button strokes of 120 pixels over the probe window with xdotool, in each of the four
directions and the four diagonals, each drawn in 40, 60, 80, 120, 160 and 240 ms (one xdotool call per
stroke: down, a move every 10 ms, up), and counts the strokes whose gesture came out as drawn. Both
recognizers run with diagonals on and the help and suggestions popups off, one after the other in one
session: the default one, then precise recognition. Prints a Markdown table, one row per duration, with
the strokes read out of those drawn.

Usage: python3 bench/flicks.py [--tries 20] [--durations 40,60,80,120,160,240] [--precise-only] [--verbose]
  --precise-only  skips the default recognizer (its column shows 0)
  --verbose       prints the diagnostic log of every stroke not read
"""

import argparse
import math
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402

LENGTH = 120
MOVE_MS = 10
# Direction code, its name in the log, and its angle (degrees clockwise from right, y down).
DIRECTIONS = [("0", "UP", 270), ("1", "DOWN", 90), ("2", "LEFT", 180), ("3", "RIGHT", 0),
              ("4", "NE", 315), ("5", "NW", 225), ("6", "SE", 45), ("7", "SW", 135)]
# Every direction runs a key, so the probe's context menu is closed before it; an unread stroke leaves the
# menu open, and it is closed before the next stroke.
GESTURES = "".join(f"[{code}]\r\nActionType=Keystroke\r\nAction=000041A\r\n" for code, _, _ in DIRECTIONS)
# How long a stroke's outcome may take to show in the log after the release.
OUTCOME_SECONDS = 0.6
VERBOSE = False
SETTLE_SECONDS = 0.3


def flick_commands(angle: float, duration_ms: int) -> list[str]:
    """xdotool commands: the button down, a move every 10 ms along the stroke, the button up."""
    moves = max(1, duration_ms // MOVE_MS)
    commands = ["mousedown", "3"]
    done_x = done_y = 0
    for i in range(1, moves + 1):
        x = round(math.cos(math.radians(angle)) * LENGTH * i / moves)
        y = round(math.sin(math.radians(angle)) * LENGTH * i / moves)
        commands += ["mousemove_relative", "--", str(x - done_x), str(y - done_y)]
        done_x, done_y = x, y
        if i < moves:
            commands += ["sleep", str(MOVE_MS / 1000)]
    return commands + ["mouseup", "3"]


def read_flick(session: harness.Session, flickmark: harness.Flickmark, probe: harness.Probe, code: str, name: str,
               angle: float, duration_ms: int) -> bool:
    start = probe.point(0.5, 0.5)
    session.move(*start)
    mark = flickmark.log.mark()
    since_us = harness.now_us()
    session.xdotool(*flick_commands(angle, duration_ms))
    try:
        line = harness.wait_until(lambda: flickmark.log.find("gesture ", mark), OUTCOME_SECONDS, "a gesture")
    except harness.WaitTimeout:
        line = None
    else:
        # A gesture of one stroke runs its key; one of more strokes (a stroke read as two) has no action.
        outcome = flickmark.log.wait_for(("run keystrokes", "no gesture "), mark)
        if outcome.startswith("run keystrokes"):
            probe.log.wait_for("key down vk=0x41", since_us)
        # A lookup ends with a moment for the target (up to 200 ms), during which the recognizer rests: the
        # next stroke starts after it, as a hand's next gesture would.
        time.sleep(SETTLE_SECONDS)  # input pacing
    session.close_menu(probe)
    read = line is not None and line.strip() == f"gesture {code} {name}"
    if VERBOSE and not read:
        print(f"    {name} in {duration_ms} ms: {line or 'nothing'}\n      " +
              "\n      ".join(flickmark.log.lines()), file=sys.stderr)
    return read


def run_mode(session: harness.Session, probe: harness.Probe, data_dir: Path, precise: bool,
             durations: list[int], tries: int) -> dict[int, int]:
    harness.write_settings(data_dir, cbEnableHelpPoup=0, cbEnabledSuggestions=0, cbEnableDiagonals=1,
                           cbPreciseRecognition=int(precise))
    (data_dir / "Gestures.ini").write_bytes(GESTURES.encode("ascii"))
    flickmark = session.start_flickmark(data_dir)
    try:
        read = {}
        for duration in durations:
            read[duration] = 0
            for _ in range(tries):
                for code, name, angle in DIRECTIONS:
                    read[duration] += read_flick(session, flickmark, probe, code, name, angle, duration)
            print(f"  {'precise' if precise else 'default'} {duration} ms: {read[duration]} of "
                  f"{tries * len(DIRECTIONS)}", file=sys.stderr, flush=True)
        return read
    finally:
        session.stop_flickmark(flickmark)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tries", type=int, default=20, help="strokes per direction and duration")
    parser.add_argument("--durations", default="40,60,80,120,160,240")
    parser.add_argument("--verbose", action="store_true", help="print the log of each stroke not read")
    parser.add_argument("--precise-only", action="store_true")
    options = parser.parse_args()
    global VERBOSE
    VERBOSE = options.verbose
    durations = [int(d) for d in options.durations.split(",")]

    work_dir = harness.REPO_ROOT / "build" / "bench" / "flicks"
    with harness.Session(harness.TOOLS_PREFIX, work_dir) as session:
        probe = session.start_probe()
        default = ({d: 0 for d in durations} if options.precise_only else
                   run_mode(session, probe, work_dir / "data-default", False, durations, options.tries))
        precise = run_mode(session, probe, work_dir / "data-precise", True, durations, options.tries)

    drawn = options.tries * len(DIRECTIONS)
    print(f"Strokes of {LENGTH} px read as drawn, of {drawn} ({options.tries} in each of 8 directions):\n")
    print("| drawn in | default recognizer | precise recognition |")
    print("|---------:|-------------------:|--------------------:|")
    for duration in durations:
        print(f"| {duration} ms | {default[duration]} of {drawn} | {precise[duration]} of {drawn} |")
    return 0


if __name__ == "__main__":
    sys.exit(main())
