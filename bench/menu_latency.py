"""Release-to-menu latency of the help menu under Wine, with 1,000 gestures in the program set.

Draws Up over the probe window and holds still until the help pause fires, then releases the button; the
probe's gesture file holds 1,000 gestures (`--gestures` for another count), the shortest gesture strings of
every first direction alike, so the help menu lists the eighth of them that begin with Up; with `--all-up` every one
of them begins with Up and the menu lists them all. For each round it takes the host time just before `xdotool mouseup` and the
time the menu's X window is first seen shown (a shown window of flickmark.exe that was not shown before the
release), prints every figure, the median and the worst, then closes the menu with Escape.

The time covers noticing the release (the help popup's wait looks every 10 ms), closing the context menu
the release opened in the probe, choosing the sets, building the entries and the menu, and Wine measuring
and mapping the menu window; the look for the window adds a few milliseconds (one xdotool call).

Usage: python3 bench/menu_latency.py [--rounds 10] [--gestures 1000] [--prefix DIR] [--work-dir DIR]
Needs a windows build (FLICKMARK_WINDOWS_BUILD_DIR, default build/windows).
"""

import argparse
import statistics
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402


def shortest_gestures(count: int, first: str) -> list[str]:
    """The `count` shortest gesture strings that begin with the direction digit `first`."""
    found, frontier = [first], [first]
    while len(found) < count:
        frontier = [g + d for g in frontier for d in "01234567" if g[-1] != d]
        found += frontier[:count - len(found)]
    return found[:count]


def gesture_file(gestures: list[str]) -> bytes:
    actions = [("Multiple Keystrokes", "010043CTRL+C|000056V"), ("Keystroke", "000074F5"),
               ("Run Program / File", r"C:\Program Files\Tools\app.exe|-x")]
    lines = []
    for number, gesture in enumerate(gestures):
        action_type, action = actions[number % 3]
        lines += [f"[{gesture}]", f"ActionType={action_type}", f"Action={action}"]
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def shown_windows(session: harness.Session) -> set[str]:
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--classname", "^flickmark.exe$"],
                           env=session.env, capture_output=True, text=True, timeout=10)
    return set(found.stdout.split())


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rounds", type=int, default=10)
    parser.add_argument("--gestures", type=int, default=1000)
    parser.add_argument("--all-up", action="store_true", help="every gesture begins with Up")
    parser.add_argument("--prefix", type=Path, default=harness.TOOLS_PREFIX, help="Wine prefix (made if missing)")
    parser.add_argument("--work-dir", type=Path, default=harness.REPO_ROOT / "build" / "bench" / "menu-latency")
    options = parser.parse_args()

    work_dir = options.work_dir
    with harness.Session(options.prefix, work_dir) as session:
        probe = session.start_probe()
        data_dir = work_dir / "data"
        harness.write_settings(data_dir, tbHelpPause=800)
        if options.all_up:
            gestures = shortest_gestures(options.gestures, "0")
        else:
            gestures = [g for first in "01234567" for g in shortest_gestures(options.gestures // 8, first)]
        (data_dir / "Gestures_probe.exe.ini").write_bytes(gesture_file(gestures))
        flickmark = session.start_flickmark(data_dir)

        latencies, from_release = [], []
        for number in range(1, options.rounds + 1):
            session.activate(probe)
            start = probe.point(0.5, 0.3)
            session.move(*start)
            mark = flickmark.log.mark()
            session.button_down()
            flickmark.log.wait_for("--------0", mark)
            mark = flickmark.log.mark()  # the press cleared the log: later text is this gesture's only
            session.stroke(harness.relative_path(start, [(1, -20)] * 4))  # longer than needed: a busy machine
            flickmark.log.wait_for("help UP: Help Popup", mark)
            before = shown_windows(session)
            released_us = harness.now_us()
            session.button_up()
            menu = harness.wait_until(lambda: shown_windows(session) - before, 10.0, "the help menu",
                                      flickmark.log.describe)
            shown_us = harness.now_us()
            release = probe.log.wait_for("rbutton up", released_us)
            latencies.append((shown_us - released_us) / 1000)
            from_release.append((shown_us - release.time_us) / 1000)
            print(f"round {number:2d}: menu shown {latencies[-1]:6.1f} ms after mouseup, "
                  f"{from_release[-1]:6.1f} ms after the probe saw the release", flush=True)
            time.sleep(0.3)  # input pacing: a menu closed sooner is taken for one that could not open
            boxes = session.popup_menus()
            if boxes:
                session.move(boxes[0].left + 1, boxes[0].top + 1)
            session.key("Escape")
            flickmark.log.wait_for("menu closed without a choice", mark)
            harness.wait_until(lambda: not (shown_windows(session) & menu), 5.0, "the menu to close")

        listed = "all beginning with Up" if options.all_up else "of every first direction"
        print(f"{options.gestures} gestures {listed}")
        for name, values in (("from xdotool mouseup", latencies), ("from the probe's rbutton up", from_release)):
            print(f"{name}: median {statistics.median(values):.1f} ms, worst {max(values):.1f} ms, "
                  f"best {min(values):.1f} ms")
    return 0


if __name__ == "__main__":
    sys.exit(main())
