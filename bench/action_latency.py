"""Release-to-first-key latency of a keystroke gesture under Wine.

Draws Up then Right over the probe window a number of times; the probe's gesture file binds that gesture to
one keystroke. For each gesture it takes the host time just before `xdotool mouseup` and the time stamp of
the first key-down the probe logs (the probe stamps events with the host clock), and prints every figure, the
median and the worst. The same figures from the probe's own "rbutton up" are printed for comparison: they
leave out the start-up of xdotool.

The time covers the recognizer noticing the release (it polls every 80 ms while the button is down), the
lookup, closing the context menu the release opened, bringing the probe to the front and the pauses the
keystroke sender makes before the first key event (30 ms before Ctrl goes down for Ctrl+C).

Usage: python3 bench/action_latency.py [--gestures 20] [--keystroke 010043CTRL+C] [--prefix DIR] [--work-dir DIR]
Needs a windows build (FLICKMARK_WINDOWS_BUILD_DIR, default build/windows).
"""

import argparse
import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402


def percentile_text(name: str, values_ms: list[float]) -> str:
    return (f"{name}: median {statistics.median(values_ms):.1f} ms, worst {max(values_ms):.1f} ms, "
            f"best {min(values_ms):.1f} ms")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--gestures", type=int, default=20)
    parser.add_argument("--keystroke", default="010043CTRL+C", help="the bound keystroke, encoded")
    parser.add_argument("--prefix", type=Path, default=harness.TOOLS_PREFIX, help="Wine prefix (made if missing)")
    parser.add_argument("--work-dir", type=Path, default=harness.REPO_ROOT / "build" / "bench" / "action-latency")
    options = parser.parse_args()

    work_dir = options.work_dir
    with harness.Session(options.prefix, work_dir) as session:
        probe = session.start_probe()
        data_dir = work_dir / "data"
        harness.write_settings(data_dir, **harness.TEST_PACE_SETTINGS)
        (data_dir / "Gestures_probe.exe.ini").write_bytes(
            f"[03]\r\nActionType=Keystroke\r\nAction={options.keystroke}\r\n".encode("ascii"))
        flickmark = session.start_flickmark(data_dir)

        from_mouseup, from_release = [], []
        for number in range(1, options.gestures + 1):
            session.activate(probe)
            start = probe.point(0.5, 0.7)
            session.move(*start)
            mark = flickmark.log.mark()
            session.button_down()
            flickmark.log.wait_for("--------0", mark)
            session.stroke(harness.relative_path(start, harness.UP_STEPS + harness.RIGHT_STEPS))
            released_us = harness.now_us()
            session.button_up()
            key = probe.log.wait_for("key down ", released_us, timeout=5.0)
            release = probe.log.wait_for("rbutton up", released_us)
            from_mouseup.append((key.time_us - released_us) / 1000)
            from_release.append((key.time_us - release.time_us) / 1000)
            print(f"gesture {number:2d}: {from_mouseup[-1]:6.1f} ms after mouseup, "
                  f"{from_release[-1]:6.1f} ms after the probe saw the release", flush=True)
            # Let the action finish (name popup, waits) before the next press.
            flickmark.log.wait_for("run keystrokes", mark)
            time.sleep(0.4)  # input pacing between gestures, not a wait for a result

        print(percentile_text("from xdotool mouseup", from_mouseup))
        print(percentile_text("from the probe's rbutton up", from_release))
    return 0


if __name__ == "__main__":
    sys.exit(main())
