"""Release-to-first-key latency of a keystroke gesture under Wine, in the normal and the precise mode.

Draws Up then Right over the probe window a number of times; the probe's gesture file binds that gesture to
one keystroke. For each gesture it takes the host time just before `xdotool mouseup` and the time stamp of
the first key-down the probe logs (the probe stamps events with the host clock), and prints every figure, the
median and the worst. The same figures from the probe's own "rbutton up" are printed for comparison: they
leave out the start-up of xdotool.

Where the time goes, from the probe's own events: the release reaching the probe, the probe opening its
context menu, the menu closing (Flickmark closes it once it has noticed the release and found the gesture),
and the first key-down (bringing the probe to the front and the keystroke sender's first events).

Usage: python3 bench/action_latency.py [--gestures 20] [--modes normal,precise] [--keystroke 010043CTRL+C]
                                       [--prefix DIR] [--work-dir DIR]
Needs a windows build (FLICKMARK_WINDOWS_BUILD_DIR, default build/windows).
"""

import argparse
import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402

MODES = {"normal": 0, "precise": 1}


def summary(name: str, values_ms: list[float]) -> str:
    return (f"{name}: median {statistics.median(values_ms):.1f} ms, worst {max(values_ms):.1f} ms, "
            f"best {min(values_ms):.1f} ms")


def first_after(probe: harness.Probe, prefix: str, since_us: int, until_us: int) -> int | None:
    for event in probe.log.matching(prefix, since_us):
        if event.time_us <= until_us:
            return event.time_us
    return None


def measure(session: harness.Session, probe: harness.Probe, work_dir: Path, mode: str,
            options: argparse.Namespace) -> None:
    data_dir = work_dir / f"data-{mode}"
    harness.write_settings(data_dir, **harness.TEST_PACE_SETTINGS, cbPreciseRecognition=MODES[mode])
    (data_dir / "Gestures_probe.exe.ini").write_bytes(
        f"[03]\r\nActionType=Keystroke\r\nAction={options.keystroke}\r\n".encode("ascii"))
    flickmark = session.start_flickmark(data_dir)

    from_mouseup, from_release = [], []
    stages: dict[str, list[float]] = {"mouseup to rbutton up": [], "rbutton up to menu open": [],
                                      "menu open to menu close": [], "menu close to key down": []}
    print(f"--- {mode} mode", flush=True)
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
        key = probe.log.wait_for("key down ", released_us, timeout=5.0).time_us
        release = probe.log.wait_for("rbutton up", released_us).time_us
        from_mouseup.append((key - released_us) / 1000)
        from_release.append((key - release) / 1000)
        menu_open = first_after(probe, "menu open", release, key)
        menu_close = first_after(probe, "menu close", release, key)
        marks = [released_us, release, menu_open, menu_close, key]
        for (stage, values), begin, end in zip(stages.items(), marks, marks[1:]):
            if begin is not None and end is not None:
                values.append((end - begin) / 1000)
        print(f"gesture {number:2d}: {from_mouseup[-1]:6.1f} ms after mouseup, "
              f"{from_release[-1]:6.1f} ms after the probe saw the release", flush=True)
        # Let the action finish (name popup, waits) before the next press.
        flickmark.log.wait_for("run keystrokes", mark)
        time.sleep(0.4)  # input pacing between gestures, not a wait for a result
    session.stop_flickmark(flickmark)

    print(summary(f"{mode}, from xdotool mouseup", from_mouseup))
    print(summary(f"{mode}, from the probe's rbutton up", from_release))
    for stage, values in stages.items():
        if values:
            print(f"  {stage}: median {statistics.median(values):.1f} ms, worst {max(values):.1f} ms "
                  f"({len(values)} of {len(from_mouseup)})")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--gestures", type=int, default=20)
    parser.add_argument("--modes", default="normal,precise", help="normal, precise or both, comma-separated")
    parser.add_argument("--keystroke", default="010043CTRL+C", help="the bound keystroke, encoded")
    parser.add_argument("--prefix", type=Path, default=harness.TOOLS_PREFIX, help="Wine prefix (made if missing)")
    parser.add_argument("--work-dir", type=Path, default=harness.REPO_ROOT / "build" / "bench" / "action-latency")
    options = parser.parse_args()
    modes = [mode.strip() for mode in options.modes.split(",") if mode.strip()]
    unknown = [mode for mode in modes if mode not in MODES]
    if unknown or not modes:
        parser.error(f"unknown mode {', '.join(unknown)}; choose from {', '.join(MODES)}")

    with harness.Session(options.prefix, options.work_dir) as session:
        probe = session.start_probe()
        for mode in modes:
            measure(session, probe, options.work_dir, mode, options)
    return 0


if __name__ == "__main__":
    sys.exit(main())
