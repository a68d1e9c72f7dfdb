"""Actions end to end: flickmark.exe under Wine runs the action bound to a drawn gesture in the probe window,
with its settings and gesture files in a data folder of the test."""

import codecs
import contextlib
import shutil
import subprocess
import unittest
from pathlib import Path

import harness
from harness import RIGHT_STEPS, UP_STEPS

# Keystrokes in the gesture-file notation: Alt, Ctrl, Shift and Win flags, the virtual key in hex, the text.
PROGRAM_KEYS = "010043CTRL+C|001074SHIFT+F5|000041A|000025LEFT"
PROGRAM_KEYS_EXPECTED = [  # (virtual key, ctrl, shift, alt) of each main key, in sending order
    (0x43, 1, 0, 0),
    (0x74, 0, 1, 0),
    (0x41, 0, 0, 0),
    (0x25, 0, 0, 0),
]
# (scan code, extended) of every key of PROGRAM_KEYS on the US layout of the X server, going down and up.
PROGRAM_KEYS_SCAN_CODES = {0x11: (0x1D, 0), 0x10: (0x2A, 0), 0x43: (0x2E, 0), 0x74: (0x3F, 0), 0x41: (0x1E, 0),
                           0x25: (0x4B, 1)}
GLOBAL_KEYS = "000058X"
# Up, Right, Down and Left, each corner drawn as a quarter circle of 30 pixels: the hand turns without stopping.
ROUNDED_SQUARE_STEPS = [(0, -25), (0, -25), (2, -11), (7, -10), (10, -7), (11, -2), (25, 0), (25, 0), (11, 2),
                        (10, 7), (7, 10), (2, 11), (0, 25), (0, 25), (-2, 11), (-7, 10), (-10, 7), (-11, 2),
                        (-25, 0), (-25, 0)]
MODIFIER_KEYS = {0x10, 0x11, 0x12, 0x5B}

# The settings file a new data folder gets: every key in order, precise recognition on.
DEFAULT_SETTINGS_FILE = (
    "[init]\r\n"
    "timethreshold=160\r\n"
    "xThreshold=3\r\n"
    "yThreshold=3\r\n"
    "directionThreshold=0\r\n"
    "tbDeltaBias=0.8\r\n"
    "tbDistanceBias=0.7\r\n"
    "tbXPixel=30\r\n"
    "tbYPixel=25\r\n"
    "tbHelpPause=800\r\n"
    "cbEnableHelpPoup=1\r\n"
    "cbEnableDiagonals=0\r\n"
    "tbFadeTime=800\r\n"
    "cbEnableScratchpad=1\r\n"
    "cbEnabledSuggestions=1\r\n"
    "cbEnableCorrections=0\r\n"
    "cbPreciseRecognition=1\r\n"
    "cbIgnoreCapturedMouse=1\r\n"
    "cmbBypassKey=0\r\n"
)


def write_gestures(path: Path, gestures: dict[str, tuple[str, str]], utf16: bool = False) -> None:
    """A gesture file: section = gesture string, ActionType and Action; in UTF-16LE as Notepad saves "Unicode"."""
    lines = []
    for gesture, (action_type, action) in gestures.items():
        lines += [f"[{gesture}]", f"ActionType={action_type}", f"Action={action}"]
    text = "\r\n".join(lines) + "\r\n"
    path.write_bytes(codecs.BOM_UTF16_LE + text.encode("utf-16-le") if utf16 else text.encode("cp1252"))


def utf16_text(path: Path) -> str | None:
    """The text of a UTF-16LE file with its byte-order mark; None when the file is anything else."""
    raw = path.read_bytes() if path.is_file() else b""
    if not raw.startswith(codecs.BOM_UTF16_LE):
        return None
    try:
        return raw[len(codecs.BOM_UTF16_LE):].decode("utf-16-le")
    except UnicodeDecodeError:
        return None


def key_downs(probe: harness.Probe, since_us: int) -> list[harness.ProbeEvent]:
    """Key presses (with Alt they arrive as system keys) in the order the probe got them."""
    return [e for e in probe.log.events()
            if e.time_us >= since_us and e.text.startswith(("key down ", "syskey down "))]


def fields(event: harness.ProbeEvent) -> dict[str, int]:
    """The numeric fields of a probe key event ("vk=0x43 ctrl=1 ...")."""
    values = {}
    for item in event.text.split():
        name, equals, value = item.partition("=")
        if equals:
            values[name] = int(value, 0)
    return values


def set_immutable(paths: list[Path], immutable: bool) -> None:
    # Wine running as root ignores missing write permissions; only the immutable attribute stops a write.
    subprocess.run(["chattr", "+i" if immutable else "-i", *map(str, paths)], check=True, timeout=10)


def end_started_probe(session: harness.Session, probe: harness.Probe) -> None:
    """Ends the probe that Flickmark started from a folder named "probe dir", then brings the first one back.
    Found by its command line (a Windows program's: the first word ends in .exe) and by this session's prefix
    in its environment: other modules run side by side, and one of them may be typing such a path."""
    prefix = f"WINEPREFIX={session.env['WINEPREFIX']}".encode()
    for entry in Path("/proc").iterdir():
        with contextlib.suppress(OSError, ValueError):
            command = (entry / "cmdline").read_bytes()
            if (entry.name.isdigit() and b"probe dir" in command
                    and command.split(b"\0")[0].lower().endswith(b".exe")
                    and prefix in (entry / "environ").read_bytes().split(b"\0")):
                subprocess.run(["kill", entry.name], check=False)
    session.activate(probe)


class ActionsEndToEnd(harness.ProbeTestCase):
    module = "actions"

    def start_flickmark(self) -> harness.Flickmark:
        flickmark = self.session.start_flickmark(self.data_dir)
        self.addCleanup(self.session.stop_flickmark, flickmark)
        return flickmark

    def draw_up_right(self, flickmark: harness.Flickmark, probe: harness.Probe | None = None) -> tuple[int, int]:
        """Draws Up then Right over the probe; returns the log mark and host time from before the press."""
        return self.draw(flickmark, UP_STEPS + RIGHT_STEPS, probe)

    def draw(self, flickmark: harness.Flickmark, steps: list[tuple[int, int]], probe: harness.Probe | None = None,
             start_at: tuple[float, float] = (0.5, 0.7)) -> tuple[int, int]:
        """Draws the relative steps over the probe; returns the log mark and host time from before the press."""
        return self.session.draw_gesture(flickmark.log, (probe or self.probe).point(*start_at), steps)

    def test_program_keystrokes_reach_the_program_in_order_after_its_menu_closed(self):
        harness.write_settings(self.data_dir, **harness.TEST_PACE_SETTINGS)
        write_gestures(self.data_dir / "Gestures.ini", {"03": ("Multiple Keystrokes", GLOBAL_KEYS)})
        write_gestures(self.data_dir / "Gestures_probe.exe.ini", {"03": ("Multiple Keystrokes", PROGRAM_KEYS)})
        flickmark = self.start_flickmark()

        mark, since_us = self.draw_up_right(flickmark)
        flickmark.log.wait_for("gesture 03 UP+RIGHT", mark)
        flickmark.log.wait_for("run keystrokes CTRL+C | SHIFT+F5 | A | LEFT", mark)
        harness.wait_until(lambda: len(self.main_key_downs(since_us)) >= len(PROGRAM_KEYS_EXPECTED), 5.0,
                           "the program set's keystrokes", lambda: self.probe.log.text())

        pressed = [(f["vk"], f["ctrl"], f["shift"], f["alt"]) for f in map(fields, self.main_key_downs(since_us))]
        self.assertEqual(pressed, PROGRAM_KEYS_EXPECTED, self.probe.log.text())
        key_events = [e for e in self.probe.log.matching("", since_us) if e.text.startswith(("key ", "syskey "))]
        # Every key went down and up with its own scan code and extended flag.
        self.assertEqual({(f["vk"], f["scan"], f["ext"]) for f in map(fields, key_events)},
                         {(vk, scan, ext) for vk, (scan, ext) in PROGRAM_KEYS_SCAN_CODES.items()},
                         self.probe.log.text())
        # Every modifier went up again: the last key event of each modifier is a release.
        for vk in MODIFIER_KEYS:
            events = [e for e in key_events if fields(e)["vk"] == vk]
            if events:
                self.assertIn(" up ", events[-1].text, self.probe.log.text())
        # The right-button release opened the probe's menu, and it was closed before the first key arrived.
        opened = self.probe.log.wait_for("menu open", since_us)
        closed = self.probe.log.wait_for("menu close", opened.time_us)
        first_key = key_downs(self.probe, since_us)[0]
        self.assertLess(closed.time_us, first_key.time_us, self.probe.log.text())

    def test_keystrokes_wait_for_a_context_menu_that_opens_late(self):
        # The program is busy for 400 ms before its menu opens: the key must reach it after that menu has
        # been opened and closed, not go into the menu.
        slow = self.session.start_probe(rect=harness.Box(150, 150, 850, 650), menu_delay_ms=400)
        self.addCleanup(self.session.stop_probe, slow)
        harness.write_settings(self.data_dir, **harness.TEST_PACE_SETTINGS)
        write_gestures(self.data_dir / "Gestures_probe.exe.ini", {"03": ("Keystroke", "000041A")})
        flickmark = self.start_flickmark()

        mark, since_us = self.draw_up_right(flickmark, slow)
        flickmark.log.wait_for("run keystrokes A", mark)
        key = slow.log.wait_for("key down vk=0x41", since_us)
        opened = slow.log.wait_for("menu open", since_us)
        closed = slow.log.wait_for("menu close", opened.time_us)
        self.assertLess(closed.time_us, key.time_us, slow.log.text())

    def test_precise_recognition_runs_a_four_stroke_gesture_drawn_with_rounded_corners(self):
        harness.write_settings(self.data_dir, **harness.TEST_PACE_SETTINGS, cbPreciseRecognition=1)
        write_gestures(self.data_dir / "Gestures_probe.exe.ini", {"0312": ("Keystroke", "000041A")})
        flickmark = self.start_flickmark()

        mark, since_us = self.draw(flickmark, ROUNDED_SQUARE_STEPS, start_at=(0.4, 0.7))
        flickmark.log.wait_for("gesture 0312 UP+RIGHT+DOWN+LEFT", mark)
        flickmark.log.wait_for("run keystrokes A", mark)
        self.probe.log.wait_for("key down vk=0x41", since_us)

    def main_key_downs(self, since_us: int) -> list[harness.ProbeEvent]:
        return [e for e in key_downs(self.probe, since_us) if fields(e)["vk"] not in MODIFIER_KEYS]

    def test_run_program_starts_a_program_from_a_folder_with_blanks_with_its_parameters(self):
        folder = self.session.prefix / "drive_c" / "Program Files Test" / "probe dir"
        folder.mkdir(parents=True, exist_ok=True)
        shutil.copy2(self.session.programs.tool("probe"), folder / "probe.exe")
        self.addCleanup(shutil.rmtree, folder.parent, True)
        second_log = harness.ProbeLog(self.session.work_dir / "started-probe.log")
        second_log.path.unlink(missing_ok=True)
        action = (r"C:\Program Files Test\probe dir\probe.exe|"
                  f"{harness.windows_path(second_log.path)} --pos 950 100 300 300")
        harness.write_settings(self.data_dir, **harness.TEST_PACE_SETTINGS)
        write_gestures(self.data_dir / "Gestures_probe.exe.ini", {"03": ("Run Program / File", action)})
        flickmark = self.start_flickmark()

        mark, _ = self.draw_up_right(flickmark)
        self.addCleanup(end_started_probe, self.session, self.probe)
        flickmark.log.wait_for("run program " + action, mark)
        second_log.wait_for("ready", timeout=10.0)

    def test_a_missing_program_or_none_at_all_starts_nothing_not_even_a_planted_one(self):
        # "<data>\planted tools\tool.exe" is gone; read as a command line without quotes it would start
        # "<data>\planted.exe", which is there.
        planted = self.data_dir / "planted.exe"
        shutil.copy2(self.session.programs.tool("start_mark"), planted)
        mark_file = Path(str(planted) + ".started")
        mark_file.unlink(missing_ok=True)
        program = harness.windows_path(self.data_dir) + r"\planted tools\tool.exe"
        # A hand-written action without a program: its parameters must not become the whole command line.
        parameters = harness.windows_path(planted) + " -x"
        harness.write_settings(self.data_dir, **harness.TEST_PACE_SETTINGS)
        write_gestures(self.data_dir / "Gestures_probe.exe.ini", {"03": ("Run Program / File", program + "|"),
                                                                  "3": ("Run Program / File", "|" + parameters)})
        flickmark = self.start_flickmark()

        mark, _ = self.draw_up_right(flickmark)
        flickmark.log.wait_for("run program " + program + "|", mark)
        failure = flickmark.log.wait_for("Unable to open " + program + " (shell result ", mark)
        self.assertIn('"' + harness.windows_path(self.data_dir) + r'\planted" is no program file', failure)
        self.assert_never_started(mark_file)
        unable = [line for _, lines in flickmark.log.history() for line in lines if line.startswith("Unable to ")]
        self.assertEqual(sorted(set(unable)), [failure], flickmark.log.describe())

        mark, _ = self.draw(flickmark, RIGHT_STEPS)
        flickmark.log.wait_for("Run Program / File not started: it names no program, only the parameters " +
                               parameters, mark)
        self.assert_never_started(mark_file)

    def assert_never_started(self, mark_file: Path) -> None:
        """An absence has no event to wait for: the planted program would have written its mark within a
        moment of its start, so two seconds of nothing stand for never."""
        try:
            harness.wait_until(mark_file.exists, 2.0, "the planted program's mark")
        except harness.WaitTimeout:
            pass
        else:
            self.fail("the planted program ran: " + mark_file.read_text(errors="replace"))

    def flick(self, flickmark: harness.Flickmark, start: tuple[int, int], step: tuple[int, int], steps: int,
              step_seconds: float) -> tuple[int, int]:
        """A right-button flick in one xdotool call, so nothing waits between its events: down, `steps` moves
        of `step` pixels `step_seconds` apart, up. Returns the log mark and host time from before it."""
        self.session.move(*start)
        mark = flickmark.log.mark()
        since_us = harness.now_us()
        moves = []
        for _ in range(steps):
            moves += ["mousemove_relative", "--", str(step[0]), str(step[1]), "sleep", str(step_seconds)]
        self.session.xdotool("mousedown", "3", *moves, "mouseup", "3")
        return mark, since_us

    def test_a_new_data_folder_starts_precise_and_a_60_ms_flick_runs_its_gesture(self):
        settings = self.data_dir / "defaults.ini"
        settings.unlink(missing_ok=True)
        write_gestures(self.data_dir / "Gestures_probe.exe.ini", {"1": ("Keystroke", "000041A")})
        flickmark = self.start_flickmark()
        harness.wait_until(lambda: settings.is_file() and settings.read_bytes() == DEFAULT_SETTINGS_FILE.encode(),
                           5.0, "defaults.ini with every key, precise recognition on",
                           lambda: repr(settings.read_bytes() if settings.is_file() else None))

        # 120 pixels down in six moves 10 ms apart: over before the recognizer's first tick could see it.
        mark, since_us = self.flick(flickmark, self.probe.point(0.5, 0.4), (0, 20), 6, 0.01)
        flickmark.log.wait_for("gesture 1 DOWN", mark)
        self.probe.log.wait_for("key down vk=0x41", since_us)

    def test_an_older_settings_file_without_the_key_keeps_the_default_recognizer(self):
        settings = self.data_dir / "defaults.ini"
        settings.write_bytes(b"[init]\r\ntbHelpPause=800\r\n")
        self.start_flickmark()
        harness.wait_until(lambda: b"cbPreciseRecognition=0\r\n" in settings.read_bytes(), 5.0,
                           "defaults.ini completed with the default recognizer", lambda: repr(settings.read_bytes()))

    def test_settings_and_gestures_saved_as_utf16_are_used_and_stay_utf16(self):
        # The file's minimum horizontal distance is wider than the stroke's Right part: only a file that was
        # read turns Up then Right into Up alone.
        settings = self.data_dir / "defaults.ini"
        comment = "; Einstellungen f\u00fcr \u0416\u043e\u0440\u0430"
        settings.write_bytes(codecs.BOM_UTF16_LE + f"[init]\r\ntbHelpPause=2000\r\ntbXPixel=150\r\n{comment}\r\n"
                             .encode("utf-16-le"))
        write_gestures(self.data_dir / "Gestures.ini",
                       {"0": ("Keystroke", "000042B"), "03": ("Keystroke", "000041A")}, utf16=True)
        flickmark = self.start_flickmark()

        # The start-up write-back adds the missing keys in the file's own encoding.
        every_key = [line.split("=")[0] for line in DEFAULT_SETTINGS_FILE.splitlines() if "=" in line]
        written_keys = lambda: [line.split("=")[0] for line in (utf16_text(settings) or "").splitlines()
                                if "=" in line]
        harness.wait_until(lambda: len(written_keys()) >= len(every_key), 5.0,
                           "defaults.ini written back as UTF-16LE", lambda: repr(settings.read_bytes()))
        self.assertEqual(sorted(written_keys()), sorted(every_key), utf16_text(settings))
        text = utf16_text(settings)
        self.assertIn("tbXPixel=150\r\n", text)
        self.assertIn(comment + "\r\n", text)
        self.assertNotIn(b"[init]", settings.read_bytes(), "an 8-bit section was appended")

        mark, since_us = self.draw_up_right(flickmark)
        flickmark.log.wait_for("gesture 0 UP", mark)
        self.probe.log.wait_for("key down vk=0x42", since_us)

    def test_read_only_data_folder_is_logged_and_gestures_are_still_recognised(self):
        # Only one key: loading must write the other fourteen back, which the folder refuses.
        harness.write_settings(self.data_dir, **harness.TEST_PACE_SETTINGS)
        write_gestures(self.data_dir / "Gestures.ini", {"03": ("Keystroke", "000041A")})
        locked = [self.data_dir, *self.data_dir.iterdir()]
        self.addCleanup(set_immutable, locked, False)
        set_immutable(locked, True)
        flickmark = self.start_flickmark()

        flickmark.log.wait_for("Unable to write to " + harness.windows_path(self.data_dir / "defaults.ini"))
        mark, since_us = self.draw_up_right(flickmark)
        flickmark.log.wait_for("gesture 03 UP+RIGHT", mark)
        flickmark.log.wait_for("run keystrokes A", mark)
        self.probe.log.wait_for("key down vk=0x41", since_us)
        self.assertTrue(flickmark.process.running())


if __name__ == "__main__":
    unittest.main()
