"""A short scripted Flickmark demo on a private X server: draws Up then Right over the probe window, which
the demo's "Gestures.ini" binds to typing "hi", saves screenshots (one with the arrow popup during the
stroke, one of gesture previews at 100 % and 150 %) and prints the diagnostic log and the keys the probe
window received."""

import sys
import time
from pathlib import Path

import harness
from harness import RIGHT_STEPS, UP_STEPS, relative_path
from preview_sheet import start_preview_sheet


def main() -> int:
    out_dir = harness.REPO_ROOT / "build" / "demo" / time.strftime("%Y%m%d-%H%M%S")
    print(f"Preparing Wine (the first run creates a prefix in {harness.TOOLS_PREFIX}, about 15 s)")
    with harness.Session(harness.TOOLS_PREFIX, out_dir) as session:
        probe = session.start_probe()
        harness.write_settings(out_dir / "data", **harness.TEST_PACE_SETTINGS)
        (out_dir / "data" / "Gestures.ini").write_bytes(
            b"[03]\r\nActionType=Multiple Keystrokes\r\nAction=000048H|000049I\r\n")
        flickmark = session.start_flickmark(data_dir=out_dir / "data")
        log = flickmark.log
        start = probe.point(0.5, 0.7)
        session.move(*start)
        session.screenshot("before-press")
        try:
            mark = log.mark()
            session.button_down()
            log.wait_for(" - Init - ", mark)
            up_points = relative_path(start, UP_STEPS)
            session.stroke(up_points, sampled=True)
            log.wait_for("ADDING Up", mark)
            session.screenshot("arrow-up")
            session.stroke(relative_path(up_points[-1], RIGHT_STEPS), sampled=True)
            log.wait_for("ADDING Right", mark)
            session.screenshot("arrow-right")
            session.button_up()
            log.wait_for("run keystrokes", mark)
            probe.log.wait_for("key up vk=0x49")
            session.screenshot("after-release")
            sheet = start_preview_sheet(session)
            session.screenshot("gesture-previews", sheet.bounds())
        except AssertionError as failure:
            print(f"demo: {failure}", file=sys.stderr)
            return 1
        finally:
            print("\nFlickmark's diagnostic log:")
            for line in log.lines():
                print("  " + line)
            print("\nKeys the probe window received:")
            for event in probe.log.events():
                if event.text.startswith("key "):
                    print("  " + event.text)
    print(f"\nScreenshots and logs: {out_dir}")
    for path in sorted(out_dir.glob("*.png")):
        print(f"  {path.name}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
