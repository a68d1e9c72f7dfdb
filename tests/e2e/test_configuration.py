"""The configuration window end to end: opened from the scratchpad's help button, driven by keyboard, read
from outside with dump_controls.exe; closing it saves the settings file and applies the settings at once, and a
refused write warns once and still applies them. Screenshots of every page at 100 % and 150 % scaling."""

from __future__ import annotations

import re
import subprocess
import time
import unittest
from dataclasses import dataclass

import harness
from harness import SCREEN_HEIGHT, SCREEN_WIDTH, Box, relative_path
from test_scratchpad import pad_boxes, pad_rect

TITLE = "Configuration"
PAGE_NAMES = ["gestures", "help-popup", "scratchpad", "diagonals", "programs", "misc"]
FIRST_PAGE_ID = 211  # the page dialogs, in tree order
X_PIXEL_ID = 224
ENABLE_SCRATCHPAD_ID = 251
FADE_TIME_ID = 253
ENABLE_SUGGESTIONS_ID, ENABLE_CORRECTIONS_ID = 263, 265
START_WITH_WINDOWS_ID = 274
SIGN_IN_OTHER_COPY_ID = 288
PROGRAMS_PAGE = 4
MISC_PAGE = 5
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
SCRATCHPAD_PAGE = 2
# A stroke 100 pixels to the right: Right with the default minimum of 30 pixels, nothing with 150.
RIGHT_100_STEPS = [(50, -1), (50, -1)]
WINDOW_TIMEOUT = 5.0


@dataclass(frozen=True)
class Control:
    id: int
    kind: str
    shown: bool
    enabled: bool
    check: int
    position: int
    rect: Box
    text: str


def write_program_lists(data_dir) -> None:
    """An entry or two in each program list, for the Programs page's pictures; none names a program here."""
    data_dir.mkdir(parents=True, exist_ok=True)
    (data_dir / "noright.ini").write_bytes(b"; right-drag of their own\r\nblender.exe\r\nmstsc.exe|TscShellContainerClass\r\n")
    (data_dir / "disabled.ini").write_bytes(b"vmware.exe\r\n")
    (data_dir / "fullscreen.ini").write_bytes(b"vlc.exe\r\n")


def scaled(logical: int, dpi: int | None) -> int:
    return (logical * (dpi or 96) + 48) // 96


class ConfigurationCase(harness.ProbeTestCase):
    """Starts Flickmark with the scratchpad on (the way into the window until the tray has one)."""

    def start_flickmark(self) -> harness.Flickmark:
        harness.write_settings(self.data_dir, **harness.TEST_PACE_SETTINGS)
        self.session.move(*self.probe.point(0.5, 0.5))
        flickmark = self.session.start_flickmark(self.data_dir)
        self.addCleanup(self.session.stop_flickmark, flickmark)
        self.addCleanup(self.close_leftovers)
        return flickmark

    def close_leftovers(self) -> None:
        """Escape for a warning box or a window a failed test left open."""
        for title, box in self.session.visible_windows("flickmark.exe"):
            if title == TITLE or self.is_message_box(title, box):
                self.session.move(box.left + 5, box.bottom - 5)
                self.session.key("Escape")

    # -- reading the window --

    def window_box(self) -> Box | None:
        return next((box for title, box in self.session.visible_windows("flickmark.exe") if title == TITLE), None)

    def controls(self) -> dict[int, Control]:
        dump = self.session.controls.dump(TITLE)
        if dump is None:
            return {}
        controls = {}
        for line in dump.splitlines():
            fields = line.split("\t")
            left, top, right, bottom = (int(v) for v in fields[6].split(","))
            control = Control(int(fields[0]), fields[1], fields[2] == "1", fields[3] == "1", int(fields[4]),
                              int(fields[5]), Box(left, top, right, bottom), fields[7])
            controls.setdefault(control.id, control)
        return controls

    def shown_page(self) -> int | None:
        controls = self.controls()
        shown = [i for i in range(len(PAGE_NAMES)) if controls.get(FIRST_PAGE_ID + i, None) and
                 controls[FIRST_PAGE_ID + i].shown]
        return shown[0] if len(shown) == 1 else None

    def wait_for_control(self, control_id: int, what: str, check) -> Control:
        return harness.wait_until(lambda: (c := self.controls().get(control_id)) is not None and check(c) and c,
                                  WINDOW_TIMEOUT, what, lambda: repr(self.controls().get(control_id)))

    def wait_for_page(self, page: int) -> None:
        harness.wait_until(lambda: self.shown_page() == page, WINDOW_TIMEOUT, f"page {PAGE_NAMES[page]}",
                           lambda: f"page shown: {self.shown_page()}")

    @staticmethod
    def is_message_box(title: str, box: Box) -> bool:
        # The gesture-name and arrow popups carry the program's name too, but are small.
        return title == "Flickmark" and box.width > 150 and box.height > 60

    def message_boxes(self) -> list[Box]:
        return [box for title, box in self.session.visible_windows("flickmark.exe") if self.is_message_box(title, box)]

    # -- driving it --

    def open_from_the_scratchpad(self) -> Box:
        """The scratchpad's help button opens the window on the scratchpad's page."""
        strip, open_pad = pad_boxes(self.dpi or 96)
        harness.wait_until(lambda: pad_rect(self.session) == strip, WINDOW_TIMEOUT, "the scratchpad strip")
        self.session.move(SCREEN_WIDTH - 1, SCREEN_HEIGHT // 2)
        harness.wait_until(lambda: pad_rect(self.session) == open_pad, WINDOW_TIMEOUT, "the open scratchpad")
        self.session.move(open_pad.right - 10, open_pad.top + 10)
        self.session.xdotool("click", "1")
        box = harness.wait_until(self.window_box, WINDOW_TIMEOUT, "the configuration window")
        self.wait_for_page(SCRATCHPAD_PAGE)
        # Keys reach the window while the pointer rests on it; this spot is empty on every page.
        self.session.move(box.right - 20, box.bottom - 20)
        return box

    def close_with(self, key: str) -> None:
        self.session.key(key)
        harness.wait_until(lambda: self.window_box() is None, WINDOW_TIMEOUT, f"the window to close on {key}")

    def key_until(self, key: str, done, what: str) -> None:
        self.session.key(key)
        harness.wait_until(done, WINDOW_TIMEOUT, what)

    def sign_in_entry(self) -> str | None:
        """The data of the current user's "Flickmark" sign-in value, or None when there is none."""
        result = subprocess.run(["wine", "reg", "query", RUN_KEY, "/v", "Flickmark"], env=self.session.env,
                                capture_output=True, text=True, timeout=60, check=False)
        found = re.search(r"^ {4}Flickmark {4}REG_\w+ {4}(.*)$", result.stdout, re.MULTILINE)
        return found.group(1).rstrip("\r") if result.returncode == 0 and found else None

    def set_start_with_windows(self, checked: bool) -> None:
        """Opens the window, End in the tree shows the last page, Tab reaches the box, Space flips it."""
        self.open_from_the_scratchpad()
        self.key_until("End", lambda: self.shown_page() == MISC_PAGE, "the Misc page")
        self.wait_for_control(START_WITH_WINDOWS_ID, "the box showing the entry", lambda c: c.check == (not checked))
        self.session.key("Tab")
        self.session.key("space")
        self.wait_for_control(START_WITH_WINDOWS_ID, "the box flipped", lambda c: c.check == checked)
        self.close_with("Escape")

    def set_x_pixel_to_the_maximum(self) -> None:
        """Home in the tree shows the first page; Tab goes on to its first track bar; End moves it to 150."""
        self.key_until("Home", lambda: self.shown_page() == 0, "the Gestures page")
        self.session.key("Tab")
        self.session.key("End")
        self.wait_for_control(X_PIXEL_ID, "the horizontal minimum at 150", lambda c: c.position == 150)

    def right_stroke_counts(self, flickmark: harness.Flickmark) -> bool:
        """Draws 100 pixels to the right over the probe; whether the recognizer took it as Right."""
        start = self.probe.point(0.3, 0.5)
        self.session.move(*start)
        mark = flickmark.log.mark()
        since_us = harness.now_us()
        self.session.button_down()
        flickmark.log.wait_for("--------0", mark)
        self.session.stroke(relative_path(start, RIGHT_100_STEPS), sampled=True)
        self.session.button_up()
        flickmark.log.wait_for("int-------", mark)
        counted = flickmark.log.find("ADDING Right", mark) is not None
        # No gesture ran, so the click opened the probe's menu.
        self.probe.log.wait_for("menu open", since_us)
        self.session.close_menu(self.probe)
        return counted

    def screenshot_pages(self, box: Box, scale: str) -> None:
        """Shows every page by the arrows in the tree and photographs it."""
        shot = Box(box.left - 4, box.top - 4, box.right + 4, box.bottom + 4)
        self.key_until("Home", lambda: self.shown_page() == 0, "the first page")
        for page, name in enumerate(PAGE_NAMES):
            if page > 0:
                self.key_until("Down", lambda: self.shown_page() == page, f"page {name}")
            self.session.screenshot(f"configuration-{name}-{scale}", box=shot)


class ConfigurationEndToEnd(ConfigurationCase):
    module = "configuration"

    def test_every_page_shows_and_closing_untouched_leaves_the_file_byte_identical(self):
        write_program_lists(self.data_dir)
        flickmark = self.start_flickmark()
        settings = self.data_dir / "defaults.ini"
        before = settings.read_bytes()
        box = self.open_from_the_scratchpad()
        controls = self.controls()
        self.assertEqual(controls[ENABLE_SCRATCHPAD_ID].text, "&Enable the Scratchpad")
        self.assertEqual(controls[ENABLE_SCRATCHPAD_ID].check, 1)
        self.assertEqual(controls[X_PIXEL_ID].position, 30)
        # Diagonals are off: what needs them is greyed.
        self.assertEqual([controls[i].enabled for i in (ENABLE_SUGGESTIONS_ID, ENABLE_CORRECTIONS_ID)], [False, False])
        self.assertTrue(controls[FADE_TIME_ID].enabled)

        self.screenshot_pages(box, "100")
        mark = flickmark.log.mark()
        self.close_with("Escape")
        flickmark.log.wait_for("configuration window closed", mark)  # logged once the file was written or not
        self.assertEqual(settings.read_bytes(), before, "closing the untouched window changed the file")

    def test_keyboard_changes_are_saved_and_applied_when_the_window_closes(self):
        flickmark = self.start_flickmark()
        settings = self.data_dir / "defaults.ini"
        before = settings.read_bytes()
        self.assertTrue(self.right_stroke_counts(flickmark), "a 100-pixel stroke is not Right at first")

        self.open_from_the_scratchpad()
        self.set_x_pixel_to_the_maximum()
        # Shift+Tab back to the tree, Down twice to the Scratchpad page, Tab to its check box, Space clears it.
        self.session.key("shift+Tab")
        self.key_until("Down", lambda: self.shown_page() == 1, "the Help Popup page")
        self.key_until("Down", lambda: self.shown_page() == 2, "the Scratchpad page")
        self.session.key("Tab")
        self.session.key("space")
        self.wait_for_control(ENABLE_SCRATCHPAD_ID, "the scratchpad box cleared", lambda c: c.check == 0)
        self.wait_for_control(FADE_TIME_ID, "its fade time greyed", lambda c: not c.enabled)
        self.assertEqual(settings.read_bytes(), before, "the file changed before the window closed")
        self.close_with("alt+F4")

        expected = before.replace(b"tbXPixel=30\r\n", b"tbXPixel=150\r\n").replace(
            b"cbEnableScratchpad=1\r\n", b"cbEnableScratchpad=0\r\n")
        self.assertNotEqual(expected, before)
        harness.wait_until(lambda: settings.read_bytes() == expected, WINDOW_TIMEOUT, "the new values in the file",
                           lambda: settings.read_text())
        harness.wait_until(lambda: pad_rect(self.session) is None, WINDOW_TIMEOUT, "the scratchpad to go")
        self.assertFalse(self.right_stroke_counts(flickmark), "a 100-pixel stroke still counts with 150")


    def test_start_with_windows_adds_and_removes_the_sign_in_entry(self):
        subprocess.run(["wine", "reg", "delete", RUN_KEY, "/v", "Flickmark", "/f"], env=self.session.env,
                       capture_output=True, timeout=60, check=False)
        self.addCleanup(subprocess.run, ["wine", "reg", "delete", RUN_KEY, "/v", "Flickmark", "/f"],
                        env=self.session.env, capture_output=True, timeout=60, check=False)
        # Another copy's entry: the box stays empty, the page names that copy, and closing keeps its entry.
        other = '"D:\\Old\\flickmark.exe" -data "D:\\Old"'
        subprocess.run(["wine", "reg", "add", RUN_KEY, "/v", "Flickmark", "/d", other, "/f"], env=self.session.env,
                       capture_output=True, timeout=60, check=True)
        self.assertEqual(self.sign_in_entry(), other)
        flickmark = self.start_flickmark()
        expected = f'"{harness.windows_path(self.session.programs.flickmark)}" -data "{harness.windows_path(self.data_dir)}"'
        self.open_from_the_scratchpad()
        self.key_until("End", lambda: self.shown_page() == MISC_PAGE, "the Misc page")
        self.wait_for_control(SIGN_IN_OTHER_COPY_ID, "the other copy named",
                              lambda c: c.shown and c.text == "Another copy starts when you sign in: D:\\Old\\flickmark.exe")
        self.assertEqual(self.controls()[START_WITH_WINDOWS_ID].check, 0)
        self.session.screenshot("configuration-misc-other-copy", self.window_box())
        self.close_with("Escape")
        self.assertEqual(self.sign_in_entry(), other)

        # Ticking the box makes the entry start this copy.
        mark = flickmark.log.mark()
        self.set_start_with_windows(True)
        flickmark.log.wait_for("start with Windows: on", mark)
        self.assertEqual(self.sign_in_entry(), expected)

        mark = flickmark.log.mark()
        self.set_start_with_windows(False)
        flickmark.log.wait_for("start with Windows: off", mark)
        self.assertIsNone(self.sign_in_entry())


class ConfigurationAt150Percent(ConfigurationCase):
    module = "configuration-150"
    dpi = 144

    def test_every_page_and_the_position_tip_at_150_percent(self):
        write_program_lists(self.data_dir)
        self.start_flickmark()
        box = self.open_from_the_scratchpad()
        self.screenshot_pages(box, "150")

        # Dragging the thumb of the horizontal minimum (at its low end after Home) shows its position in a tip.
        self.key_until("Home", lambda: self.shown_page() == 0, "the first page")
        self.session.key("Tab")
        self.session.key("Home")
        track_bar = self.wait_for_control(X_PIXEL_ID, "the horizontal minimum at 10", lambda c: c.position == 10)
        x, y = track_bar.rect.left + scaled(13, self.dpi), track_bar.rect.top + scaled(18, self.dpi)
        self.session.move(x, y)
        self.session.button_down(1)
        self.session.stroke([(x + step * 20, y) for step in range(1, 6)], step_seconds=0.1)
        self.wait_for_control(X_PIXEL_ID, "the thumb to follow the drag", lambda c: c.position > 30)
        self.session.screenshot("configuration-position-tip-150",
                                box=Box(box.left - 4, box.top - 4, box.right + 4, box.bottom + 4))
        self.session.button_up(1)
        self.session.move(box.right - 20, box.bottom - 20)
        self.close_with("Escape")

    def test_refused_write_warns_once_closes_the_window_and_applies_the_settings(self):
        flickmark = self.start_flickmark()
        settings = self.data_dir / "defaults.ini"
        before = settings.read_bytes()
        self.open_from_the_scratchpad()
        self.set_x_pixel_to_the_maximum()

        subprocess.run(["chattr", "+i", str(self.data_dir), str(settings)], check=True)
        self.addCleanup(subprocess.run, ["chattr", "-i", str(self.data_dir), str(settings)], check=True)
        self.session.key("Escape")
        box = harness.wait_until(self.message_boxes, WINDOW_TIMEOUT, "the warning box",
                                 lambda: repr(self.session.visible_windows("flickmark.exe")))[0]
        self.assertIsNone(self.window_box(), "the window stayed open behind the warning")
        self.session.screenshot("configuration-refused-write-150",
                                box=Box(box.left - 4, box.top - 24, box.right + 4, box.bottom + 4))
        flickmark.log.wait_for("Unable to write to ")
        self.session.move(box.left + box.width // 2, box.top + box.height // 2)
        self.session.key("Return")
        harness.wait_until(lambda: not self.message_boxes(), WINDOW_TIMEOUT, "the warning box to close")
        self.assertEqual(settings.read_bytes(), before)
        self.assertFalse(self.right_stroke_counts(flickmark), "the new minimum was not applied")

        # Once per session: the next refused write is only logged.
        self.open_from_the_scratchpad()
        self.key_until("Home", lambda: self.shown_page() == 0, "the Gestures page")
        self.session.key("Tab")
        self.session.key("Home")
        self.wait_for_control(X_PIXEL_ID, "the horizontal minimum at 10", lambda c: c.position == 10)
        self.close_with("Escape")
        deadline = time.monotonic() + 1.0
        while time.monotonic() < deadline:
            self.assertEqual(self.message_boxes(), [], "a second warning box")
            time.sleep(harness.POLL_SECONDS)
        self.assertEqual(settings.read_bytes(), before)


if __name__ == "__main__":
    unittest.main()
