"""Opening time of the gestures window under Wine with 1,000 gestures in "Gestures.ini".

Each round opens the window with a double click on the tray icon and closes it again with Escape. The
window logs how long it took from the request to show it until the list was filled and painted
("gestures window shown: N rows in X ms": the set selector filled, the set read again, the list's rows set
and the window shown in front and painted); the script also takes the host time from the click to the
window being seen shown by the X server, which adds the xdotool double click (two clicks 30 ms apart) and
the looks for the window (an xdotool call each).
It prints every figure, the median and the worst.

Usage: python3 bench/gestures_window_open.py [--rounds 10] [--gestures 1000] [--prefix DIR] [--work-dir DIR]
Needs a windows build (FLICKMARK_WINDOWS_BUILD_DIR, default build/windows).
"""

import argparse
import re
import statistics
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402
from menu_latency import gesture_file, shortest_gestures  # noqa: E402
from test_gestures_window import TRAY_ICON, wait_for_window_shown  # noqa: E402


def window_shown(session: harness.Session) -> bool:
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Flickmark$"], env=session.env,
                           capture_output=True, text=True, timeout=10)
    return bool(found.stdout.split())


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rounds", type=int, default=10)
    parser.add_argument("--gestures", type=int, default=1000)
    parser.add_argument("--prefix", type=Path, default=harness.TOOLS_PREFIX, help="Wine prefix (made if missing)")
    parser.add_argument("--work-dir", type=Path,
                        default=harness.REPO_ROOT / "build" / "bench" / "gestures-window-open")
    options = parser.parse_args()

    with harness.Session(options.prefix, options.work_dir) as session:
        probe = session.start_probe()
        data_dir = options.work_dir / "data"
        harness.write_settings(data_dir)
        gestures = [g for first in "01234567" for g in shortest_gestures(options.gestures // 8, first)]
        (data_dir / "Gestures.ini").write_bytes(gesture_file(gestures))
        session.move(*probe.point(0.5, 0.5))
        flickmark = session.start_flickmark(data_dir)

        inside, outside = [], []
        for number in range(1, options.rounds + 1):
            session.move(*TRAY_ICON)
            mark = flickmark.log.mark()
            clicked_us = harness.now_us()
            session.xdotool("click", "--repeat", "2", "--delay", "30", "1")
            line = wait_for_window_shown(flickmark.log, mark)
            harness.wait_until(lambda: window_shown(session), 10.0, "the window to show")
            outside.append((harness.now_us() - clicked_us) / 1000)
            found = re.match(r"gestures window shown: (\d+) rows in ([\d.]+) ms", line)
            if not found or int(found.group(1)) != len(gestures):
                raise AssertionError(f"unexpected log line: {line}")
            inside.append(float(found.group(2)))
            print(f"round {number:2d}: {found.group(1)} rows shown in {inside[-1]:6.1f} ms "
                  f"(click to shown window: {outside[-1]:6.1f} ms)", flush=True)
            session.move(*probe.point(0.1, 0.9))  # off the tray icon
            shown = [box for title, box in session.visible_windows("flickmark.exe") if title == "Flickmark"][0]
            session.move(shown.left + 10, shown.bottom - 5)
            session.key("Escape")
            harness.wait_until(lambda: not window_shown(session), 5.0, "the window to close")

        print(f"{len(gestures)} gestures in Gestures.ini")
        for name, values in (("request to filled list (logged)", inside), ("click to shown window", outside)):
            print(f"{name}: median {statistics.median(values):.1f} ms, worst {max(values):.1f} ms, "
                  f"best {min(values):.1f} ms")
    return 0


if __name__ == "__main__":
    sys.exit(main())
