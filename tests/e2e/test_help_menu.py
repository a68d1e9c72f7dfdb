"""Help and suggestions menus end to end: flickmark.exe under Wine opens its menus over the probe window, a
choice made with the keyboard runs in the probe, and no menu is left behind. A gesture that was not found
becomes a new gesture of the probe's set from the suggestions menu, through the wizard."""

import re
import time
import unittest
from pathlib import Path

import harness
from harness import RIGHT_STEPS, UP_STEPS, relative_path
from test_actions import key_downs, write_gestures
from test_gestures_window import WINDOW_CLASS, box_of
from test_wizard import FINISH, KEY_FIELD, NAME, NEXT, PAGE_MARKS, TYPE_SINGLE, WIZARD

# Gestures beginning with Up come from both sets, in file order, program set first, each set under its caption;
# "03" is in both, and the program's own runs.
HELP_PROGRAM_SET = {
    "0": ("Keystroke", "000041A"),
    "03": ("Multiple Keystrokes", "010043CTRL+C|000074F5"),
    "30": ("Keystroke", "000042B"),
    "0312": ("Run Program / File", r"C:\windows\notepad.exe|"),
}
HELP_GLOBAL_SET = {
    "01": ("Keystroke", "000044D"),
    "3": ("Keystroke", "000045E"),
    "03": ("Keystroke", "000058X"),
}
HELP_CAPTIONS = [
    "UP\t   (A)",
    "UP+RIGHT\t   (CTRL+C | F5)",
    "UP+RIGHT+DOWN+LEFT\t   [notepad.exe]",
    "UP+DOWN\t   (D)",
    "UP+RIGHT (overridden here)\t   (X)",
]

# Up then Right ("03") is in neither set: "02" is near and begins the same way, "0" is one shorter, "13" is
# near but begins otherwise.
SUGGESTION_PROGRAM_SET = {"02": ("Keystroke", "000041A")}
SUGGESTION_GLOBAL_SET = {"13": ("Keystroke", "000042B"), "0": ("Keystroke", "000043C")}
SUGGESTIONS_HEADER = "(UP+RIGHT) not found "
SUGGESTION_CAPTIONS = ["UP\t   (C)", "UP+LEFT\t   (A)", "DOWN+RIGHT\t   (B)"]

HELP_SETTINGS = {"tbHelpPause": 800}  # a real pause: the test holds still until the trigger fires
SUGGESTION_SETTINGS = {**harness.TEST_PACE_SETTINGS, "cbEnableDiagonals": 1, "cbEnabledSuggestions": 1,
                       "cbEnableCorrections": 0}
MENU_TIMEOUT = 5.0
# A menu that closes without a choice sooner than 200 ms is taken for one that could not open and is shown
# again; no user reads a menu that fast, so the test waits that long before its keys.
READING_SECONDS = 0.3


def quoted(line: str) -> list[str]:
    """The quoted captions of a menu's log line."""
    return re.findall(r'"([^"]*)"', line)


class HelpMenuCase(harness.ProbeTestCase):
    """Opens the menus over the probe and looks at them from outside; no tests of its own."""

    def start_flickmark(self, settings: dict, program_set: dict, global_set: dict,
                        data_dir: Path | None = None) -> harness.Flickmark:
        data_dir = data_dir or self.data_dir
        harness.write_settings(data_dir, **settings)
        write_gestures(data_dir / "Gestures_probe.exe.ini", program_set)
        write_gestures(data_dir / "Gestures.ini", global_set)
        flickmark = self.session.start_flickmark(data_dir)
        self.addCleanup(self.session.stop_flickmark, flickmark)
        self.addCleanup(self.session.close_popup_menus)
        return flickmark

    def press(self, flickmark: harness.Flickmark) -> tuple[int, int, tuple[int, int]]:
        start = self.probe.point(0.5, 0.7)
        self.session.move(*start)
        mark = flickmark.log.mark()
        since_us = harness.now_us()
        self.session.button_down()
        flickmark.log.wait_for("--------0", mark)
        # The press cleared the log: no later text can hold lines of an earlier gesture.
        return flickmark.log.mark(), since_us, start

    def open_help_menu(self, flickmark: harness.Flickmark, screenshot: str) -> tuple[int, int, harness.Box]:
        """Up, held still until the pause trigger fires, then the release; returns the menu's rectangle."""
        mark, since_us, start = self.press(flickmark)
        points = relative_path(start, UP_STEPS)
        self.session.stroke(points, sampled=True)
        flickmark.log.wait_for(" Pause Trigger ", mark)
        flickmark.log.wait_for("help UP: Help Popup", mark)
        cursor = points[-1]
        # "Help Popup" stays beside the cursor while the button is held.
        harness.wait_until(lambda: self.help_text_beside(cursor), 3.0, "the Help Popup text beside the cursor",
                           lambda: repr(self.session.visible_windows("flickmark.exe")))
        self.session.screenshot(f"{screenshot}-text")
        self.session.button_up()
        menu = self.wait_for_menu(flickmark, screenshot)
        return mark, since_us, menu

    def help_text_beside(self, cursor: tuple[int, int]) -> bool:
        return any(title == "Flickmark" and abs(box.left - cursor[0] - 15) <= 40 and abs(box.top - cursor[1]) <= 60
                   for title, box in self.session.visible_windows("flickmark.exe"))

    def open_suggestions_menu(self, flickmark: harness.Flickmark, screenshot: str) -> tuple[int, int, harness.Box]:
        mark, since_us, start = self.press(flickmark)
        self.session.stroke(relative_path(start, UP_STEPS + RIGHT_STEPS), sampled=True)
        self.session.button_up()
        flickmark.log.wait_for("suggestions for 03", mark)
        return mark, since_us, self.wait_for_menu(flickmark, screenshot)

    def wait_for_menu(self, flickmark: harness.Flickmark, screenshot: str) -> harness.Box:
        menus = harness.wait_until(self.session.popup_menus, MENU_TIMEOUT, "a popup menu of Flickmark",
                                   flickmark.log.describe)
        self.menu_seen_at = time.monotonic()
        self.assertEqual(len(menus), 1, menus)
        self.shown_menu = menus[0]
        self.session.screenshot(screenshot)
        return menus[0]

    def choose(self, menu: harness.Box, *keys: str) -> None:
        time.sleep(max(0.0, self.menu_seen_at + READING_SECONDS - time.monotonic()))  # input pacing
        self.session.choose_in_menu(menu, *keys)

    def previews_beside(self, menu: harness.Box) -> list[harness.Box]:
        """Shown popups of Flickmark level with the menu, next to its left or right edge."""
        return [box for title, box in self.session.visible_windows("flickmark.exe")
                if title == "Flickmark" and menu.top <= box.top < menu.bottom
                and (0 <= box.left - menu.right <= 10 or 0 <= menu.left - box.right <= 10)]

    def wait_for_preview_beside(self, menu: harness.Box, screenshot: str) -> None:
        harness.wait_until(lambda: self.previews_beside(menu), MENU_TIMEOUT, "the preview beside the menu",
                           lambda: repr(self.session.visible_windows("flickmark.exe")))
        self.session.screenshot(screenshot)

    def escape(self, flickmark: harness.Flickmark, menu: harness.Box, mark: int) -> None:
        self.choose(menu, "Escape")
        flickmark.log.wait_for("menu closed without a choice", mark)
        self.wait_for_probe_in_front()

    def wait_for_probe_in_front(self) -> None:
        """The program the menu was opened over is active again once the menu has closed."""
        harness.wait_until(lambda: [e.text for e in self.probe.log.matching("activate ")][-1:] == ["activate 1"],
                           MENU_TIMEOUT, "the probe to be active again", self.probe.log.text)

    def assert_menu_gone_for_good(self, flickmark: harness.Flickmark, mark: int, kind: str) -> None:
        harness.wait_until(lambda: not self.session.popup_menus(), MENU_TIMEOUT, "the menu to close")
        harness.wait_until(lambda: not self.previews_beside(self.shown_menu), MENU_TIMEOUT,
                           "the preview to go with the menu")
        self.wait_for_probe_in_front()
        deadline = time.monotonic() + 1.0  # a second opening would follow within a few milliseconds
        while time.monotonic() < deadline:
            self.assertEqual(self.session.popup_menus(), [], "a menu appeared again")
        shown = [line for line in flickmark.log.lines() if line.startswith(kind)]
        self.assertEqual(len(shown), 1, flickmark.log.describe())
        self.assertNotIn("(*", shown[0], "the menu was shown twice")
        self.assertIsNone(flickmark.log.find("menu closed at once", mark), flickmark.log.describe())


class HelpMenuEndToEnd(HelpMenuCase):
    module = "help_menu"

    def test_help_menu_lists_the_gestures_beginning_with_up_and_runs_the_chosen_one_in_the_program(self):
        flickmark = self.start_flickmark(HELP_SETTINGS, HELP_PROGRAM_SET, HELP_GLOBAL_SET)
        mark, since_us, menu = self.open_help_menu(flickmark, "help-menu")

        self.assertEqual(quoted(flickmark.log.wait_for("help menu:", mark)), HELP_CAPTIONS)
        # From the bottom: "Gestures off in probe.exe", "Close", then the entries upwards, past the caption
        # "All programs", to the program set's Up, Right, whose drawing shows beside the menu while it is
        # highlighted.
        self.choose(menu, "End", *["Up"] * 6)
        self.wait_for_preview_beside(menu, "help-menu-preview")
        self.session.key("Return")
        flickmark.log.wait_for("menu choice 03", mark)
        flickmark.log.wait_for("run keystrokes CTRL+C | F5", mark)
        harness.wait_until(lambda: [e for e in key_downs(self.probe, since_us) if "vk=0x74" in e.text], 5.0,
                           "F5 at the probe", self.probe.log.text)
        pressed = [e.text.split()[2] for e in key_downs(self.probe, since_us)]
        self.assertEqual(pressed, ["vk=0x11", "vk=0x43", "vk=0x74"], self.probe.log.text())
        self.assert_menu_gone_for_good(flickmark, mark, "help menu:")
        # The gesture was forgotten: the release after the help popup hands nothing over.
        self.assertIsNone(flickmark.log.find("gesture 0 UP", mark), flickmark.log.describe())

    def test_suggestions_menu_runs_a_near_gesture_and_escape_leaves_recognition_as_it_was(self):
        flickmark = self.start_flickmark(SUGGESTION_SETTINGS, SUGGESTION_PROGRAM_SET, SUGGESTION_GLOBAL_SET)
        mark, since_us, menu = self.open_suggestions_menu(flickmark, "suggestions-menu")

        self.assertEqual(quoted(flickmark.log.wait_for("suggestions menu", mark)),
                         [SUGGESTIONS_HEADER, *SUGGESTION_CAPTIONS])
        # From the bottom: "Gestures off in", "Close", the two new-gesture items, then the entries upwards.
        self.choose(menu, "End", "Up", "Up", "Up", "Up", "Up", "Return")
        flickmark.log.wait_for("menu choice 02", mark)
        self.probe.log.wait_for("key down vk=0x41", since_us)
        self.assert_menu_gone_for_good(flickmark, mark, "suggestions menu")

        mark, since_us, menu = self.open_suggestions_menu(flickmark, "suggestions-menu-escape")
        self.escape(flickmark, menu, mark)
        self.assert_menu_gone_for_good(flickmark, mark, "suggestions menu")
        self.assertEqual(key_downs(self.probe, since_us), [], self.probe.log.text())

        mark, since_us, start = self.press(flickmark)
        self.session.stroke(relative_path(start, UP_STEPS), sampled=True)
        self.session.button_up()
        flickmark.log.wait_for("run keystrokes C", mark)
        self.probe.log.wait_for("key down vk=0x43", since_us)


    def test_a_gesture_that_was_not_found_becomes_a_new_gesture_of_the_program(self):
        flickmark = self.start_flickmark(SUGGESTION_SETTINGS, SUGGESTION_PROGRAM_SET, SUGGESTION_GLOBAL_SET)
        program_file = self.data_dir / "Gestures_probe.exe.ini"
        before = program_file.read_bytes()
        mark, _, menu = self.open_suggestions_menu(flickmark, "suggestions-menu-new-gesture")
        self.choose(menu, "End", "Up", "Up", "Up", "Return")
        flickmark.log.wait_for("menu choice New gesture UP+RIGHT for probe.exe...", mark)

        # The wizard opens over the probe's set, on the action type page, with the drawn gesture.
        harness.wait_until(lambda: self.wizard_page() == 1, 10.0, "the wizard's action type page",
                           flickmark.log.describe)
        self.assertEqual(self.session.controls.read(WIZARD, NAME, "text"), "UP+RIGHT\n")
        flickmark.log.wait_for("gestures window shown", mark)
        wizard = [box for title, box in self.session.visible_windows("flickmark.exe") if title == "Gesture Wizard"]
        self.session.screenshot("new-gesture-from-suggestions", wizard[0])
        self.click_in(WIZARD, TYPE_SINGLE)
        self.click_in(WIZARD, NEXT)
        harness.wait_until(lambda: self.wizard_page() == 2, 5.0, "the keystroke page")
        self.session.key("F7")
        harness.wait_until(lambda: self.session.controls.read(WIZARD, KEY_FIELD, "text") == "F7\n", 5.0, "F7")
        self.click_in(WIZARD, NEXT)
        harness.wait_until(lambda: self.wizard_page() == 6, 5.0, "the summary")
        self.click_in(WIZARD, FINISH)
        expected = before + b"[03]\r\nActionType=Keystroke\r\nAction=000076F7\r\n"
        harness.wait_until(lambda: program_file.read_bytes() == expected, 5.0, "UP+RIGHT saved in the probe's set",
                           lambda: repr(program_file.read_bytes()))
        self.assertEqual(self.session.controls.read(WINDOW_CLASS, 0, "visible"), "1\n")
        window = self.window_box(WINDOW_CLASS)
        self.session.move(window.left + 10, window.bottom - 5)
        self.session.key("Escape")
        harness.wait_until(lambda: self.session.controls.read(WINDOW_CLASS, 0, "visible") == "0\n", 5.0,
                           "the gestures window to close")

        # Drawn again over the probe, it runs.
        self.session.activate(self.probe)
        mark, since_us, start = self.press(flickmark)
        self.session.stroke(relative_path(start, UP_STEPS + RIGHT_STEPS), sampled=True)
        self.session.button_up()
        flickmark.log.wait_for("run keystrokes F7", mark)
        self.probe.log.wait_for("key down vk=0x76", since_us)

    def wizard_page(self) -> int | None:
        shown = [page for mark, page in PAGE_MARKS.items()
                 if self.session.controls.read(WIZARD, mark, "visible") == "1\n"]
        return shown[0] if len(shown) == 1 else None

    def window_box(self, window_class: str) -> harness.Box:
        return box_of(self.session.controls.read(window_class, 0, "rect"))

    def click_in(self, window_class: str, control_id: int) -> None:
        box = box_of(self.session.controls.read(window_class, control_id, "rect"))
        self.session.move(box.left + box.width // 2, box.top + box.height // 2)
        self.session.xdotool("click", "1", "mousemove_relative", "1", "0")

    def test_gestures_off_from_the_help_menu_leaves_the_program_its_right_button(self):
        flickmark = self.start_flickmark(HELP_SETTINGS, HELP_PROGRAM_SET, HELP_GLOBAL_SET)
        mark, since_us, menu = self.open_help_menu(flickmark, "help-menu-gestures-off")
        self.choose(menu, "End", "Return")  # the last item
        flickmark.log.wait_for("menu choice Gestures off in probe.exe", mark)
        flickmark.log.wait_for("noright.ini: added probe.exe", mark)
        self.assertEqual((self.data_dir / "noright.ini").read_bytes(), b"probe.exe\r\n")
        self.assertEqual(key_downs(self.probe, since_us), [], self.probe.log.text())
        self.assert_menu_gone_for_good(flickmark, mark, "help menu:")

        # The next press over the probe is the probe's own: its context menu opens and stays.
        start = self.probe.point(0.5, 0.7)
        self.session.move(*start)
        mark = flickmark.log.mark()
        since_us = harness.now_us()
        self.session.button_down()
        flickmark.log.wait_for("left alone: noright.ini lists probe.exe (probe.exe|FlickmarkProbe)", mark)
        self.session.stroke(relative_path(start, UP_STEPS))
        self.session.button_up()
        self.probe.log.wait_for("menu open", since_us)
        flickmark.log.assert_never(("gesture", "help "), mark)


class HelpMenuAt150Percent(HelpMenuCase):
    module = "help_menu-150"
    dpi = 144

    def test_menus_at_150_percent(self):
        flickmark = self.start_flickmark(HELP_SETTINGS, HELP_PROGRAM_SET, HELP_GLOBAL_SET)
        mark, _, menu = self.open_help_menu(flickmark, "help-menu-150")
        self.choose(menu, "End", "Up", "Up")
        self.wait_for_preview_beside(menu, "help-menu-preview-150")
        self.escape(flickmark, menu, mark)
        self.session.stop_flickmark(flickmark)

        flickmark = self.start_flickmark(SUGGESTION_SETTINGS, SUGGESTION_PROGRAM_SET, SUGGESTION_GLOBAL_SET,
                                         self.data_dir / "suggestions")
        mark, _, scaled = self.open_suggestions_menu(flickmark, "suggestions-menu-150")
        self.escape(flickmark, scaled, mark)
        # Six lines and two separators make 120 pixels at 100 %.
        self.assertGreaterEqual(scaled.height, 160, scaled)


if __name__ == "__main__":
    unittest.main()
