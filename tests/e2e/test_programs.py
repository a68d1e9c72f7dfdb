"""Programs that keep their right button, end to end: a program on noright.ini (by name or by window class)
gets no gesture, no key and keeps its context menu open; disabled.ini hides the scratchpad while its program
is in front; the tray menu puts the program last in front on either list and takes it off again, keeping the
file's other lines; a program that confines the cursor gets no key; the bypass key; fullscreen.ini gives a
full-screen program its gestures; the Programs page adds and removes a program."""

import time
import unittest

import harness
from harness import SCREEN_HEIGHT, SCREEN_WIDTH, RIGHT_STEPS, UP_STEPS, Box, relative_path
from test_actions import key_downs, write_gestures
from test_configuration import PROGRAMS_PAGE, ConfigurationCase
from test_scratchpad import pad_boxes, pad_rect
from test_tray import ICON, TrayCase

# Up then Right types "x" (vk 0x58).
GESTURES = {"03": ("Keystroke", "000058X")}
X_KEY = "key down vk=0x58"
# Long enough for a key or a closing menu that was going to come: the release acts within a few ticks.
QUIET_SECONDS = 1.0
PROGRAM_NAME_ID = 295  # the Programs page's field for a program's name
PROGRAM_LIST_ID = 291


class ProgramsEndToEnd(TrayCase, ConfigurationCase):
    module = "programs"

    def start_flickmark(self, **settings: object) -> harness.Flickmark:
        harness.write_settings(self.data_dir, **harness.TEST_PACE_SETTINGS, **settings)
        write_gestures(self.data_dir / "Gestures.ini", GESTURES)
        self.session.move(*self.probe.point(0.5, 0.5))
        flickmark = self.session.start_flickmark(self.data_dir)
        self.addCleanup(self.session.stop_flickmark, flickmark)
        self.addCleanup(self.session.close_popup_menus)
        self.addCleanup(self.close_leftovers)
        flickmark.log.wait_for("tray tip: ")
        return flickmark

    def draw(self, flickmark: harness.Flickmark, probe: harness.Probe, ruled: str) -> tuple[int, int]:
        """Up then Right over a probe, once the press was ruled on (the log line `ruled` came); returns the
        log mark and the host time from before the press."""
        start = probe.point(0.5, 0.7)
        self.session.move(*start)
        mark = flickmark.log.mark()
        since_us = harness.now_us()
        self.session.button_down()
        flickmark.log.wait_for(ruled, mark)
        self.session.stroke(relative_path(start, UP_STEPS + RIGHT_STEPS), sampled=ruled == "--------0")
        self.session.button_up()
        return mark, since_us

    def assert_left_alone(self, flickmark: harness.Flickmark, probe: harness.Probe, mark: int,
                          since_us: int, typed: tuple[str, ...] = ()) -> None:
        """The press stayed the program's: its context menu opened and stays open, no key came (other than
        those the test `typed` itself), no gesture."""
        probe.log.wait_for("menu open", since_us)
        flickmark.log.assert_never(("ADDING", "gesture ", "help "), mark, QUIET_SECONDS)
        self.assertEqual([e.text for e in probe.log.events() if e.time_us >= since_us and e.text == "menu close"],
                         [], probe.log.text())
        self.assertEqual([e for e in key_downs(probe, since_us) if not e.text.startswith(typed)], [],
                         probe.log.text())
        self.session.close_menu(probe)

    def assert_gesture_runs(self, flickmark: harness.Flickmark, probe: harness.Probe) -> None:
        mark, since_us = self.draw(flickmark, probe, "--------0")
        flickmark.log.wait_for("gesture 03 UP+RIGHT", mark)
        probe.log.wait_for(X_KEY, since_us)

    def test_a_listed_program_keeps_its_right_button_by_name_or_class_and_the_file_is_read_again(self):
        lists = self.data_dir / "noright.ini"
        lists.write_bytes(b"; programs with a right-drag of their own\r\nprobe.exe\r\n")
        flickmark = self.start_flickmark()
        mark, since_us = self.draw(flickmark, self.probe,
                                   "left alone: noright.ini lists probe.exe (probe.exe|FlickmarkProbe)")
        self.assert_left_alone(flickmark, self.probe, mark, since_us)

        # Edited while Flickmark runs: another class of the program is not listed, so it gets its gesture.
        lists.write_bytes(b"probe.exe|SomeOtherClass\r\n")
        self.assert_gesture_runs(flickmark, self.probe)

        # The class in any program.
        lists.write_bytes(b"*|flickmarkprobe\r\n")
        mark, since_us = self.draw(flickmark, self.probe,
                                   "left alone: noright.ini lists *|flickmarkprobe (probe.exe|FlickmarkProbe)")
        self.assert_left_alone(flickmark, self.probe, mark, since_us)
        self.assertEqual(lists.read_bytes(), b"*|flickmarkprobe\r\n", "a list Flickmark only reads is not written")

    def test_the_tray_menu_switches_the_program_in_front_off_and_on_keeping_the_other_lines(self):
        no_right = self.data_dir / "noright.ini"
        no_right.write_bytes(b"; mine\nsolitaire.exe\n")
        flickmark = self.start_flickmark()
        self.session.activate(self.probe)
        strip, _ = pad_boxes(96)
        harness.wait_until(lambda: pad_rect(self.session) == strip, 5.0, "the scratchpad strip")

        self.choose(self.open_menu(flickmark, "tray-menu-program"), "o")  # "Gestures &off in probe.exe"
        flickmark.log.wait_for("noright.ini: added probe.exe")
        self.assertEqual(no_right.read_bytes(), b"; mine\nsolitaire.exe\nprobe.exe\n")
        mark, since_us = self.draw(flickmark, self.probe, "left alone: noright.ini lists probe.exe")
        self.assert_left_alone(flickmark, self.probe, mark, since_us)

        self.choose(self.open_menu(flickmark, "tray-menu-program-off"), "o")  # ticked: takes it off
        flickmark.log.wait_for("noright.ini: took away probe.exe")
        self.assertEqual(no_right.read_bytes(), b"; mine\nsolitaire.exe\n")
        self.assert_gesture_runs(flickmark, self.probe)

        # Flickmark off: the scratchpad goes while the probe is in front, and comes back with it on again.
        self.choose(self.open_menu(flickmark), "f")  # "&Flickmark off in probe.exe"
        flickmark.log.wait_for("disabled.ini: added probe.exe")
        flickmark.log.wait_for("Flickmark is off in probe.exe")
        harness.wait_until(lambda: pad_rect(self.session) is None, 5.0, "the scratchpad to hide")
        mark, since_us = self.draw(flickmark, self.probe, "left alone: disabled.ini lists probe.exe")
        self.assert_left_alone(flickmark, self.probe, mark, since_us)
        self.choose(self.open_menu(flickmark), "f")
        flickmark.log.wait_for("Flickmark is on again")
        harness.wait_until(lambda: pad_rect(self.session) == strip, 5.0, "the scratchpad strip again")
        self.assertEqual((self.data_dir / "disabled.ini").read_bytes(), b"")

    def test_a_program_that_confines_the_cursor_gets_no_key_unless_the_rule_is_off(self):
        flickmark = self.start_flickmark()
        game = self.session.start_probe(rect=Box(200, 150, 900, 650), window_class="GameWindow", clip=True)
        self.addCleanup(self.end_clipping_probe, game)
        game.log.wait_for("clip on")
        mark, since_us = self.draw(flickmark, game, "left alone: the cursor is confined to part of the screen")
        self.assert_left_alone(flickmark, game, mark, since_us)
        self.session.stop_flickmark(flickmark)

        flickmark = self.start_flickmark(cbIgnoreCapturedMouse=0)
        self.session.activate(game)
        self.assert_gesture_runs(flickmark, game)

    def end_clipping_probe(self, probe: harness.Probe) -> None:
        """Closes the probe as a user would (Alt+F4), so that it frees the cursor, then brings the first back."""
        if probe.process.running():
            self.session.move(*probe.point(0.5, 0.5))
            self.session.key("alt+F4")
            harness.wait_until(lambda: not probe.process.running(), 5.0, "the clipping probe to end")
        self.session.stop_probe(probe)
        self.session.activate(self.probe)

    def test_the_bypass_key_held_at_the_press_leaves_it_alone(self):
        flickmark = self.start_flickmark(cmbBypassKey=16)  # Shift
        start = self.probe.point(0.5, 0.7)
        self.session.move(*start)
        mark = flickmark.log.mark()
        since_us = harness.now_us()
        self.session.xdotool("keydown", "shift")
        try:
            self.session.button_down()
            flickmark.log.wait_for("left alone: Shift is held", mark)
        finally:
            self.session.xdotool("keyup", "shift")
        self.session.stroke(relative_path(start, UP_STEPS + RIGHT_STEPS))
        self.session.button_up()
        self.assert_left_alone(flickmark, self.probe, mark, since_us, typed=("key down vk=0x10",))
        self.assert_gesture_runs(flickmark, self.probe)

    def test_a_full_screen_program_on_its_list_gets_its_gestures(self):
        (self.data_dir / "fullscreen.ini").write_bytes(b"probe.exe\r\n")
        flickmark = self.start_flickmark()
        full_screen = self.session.start_probe(fullscreen=True)
        self.addCleanup(self.session.stop_probe, full_screen)
        self.addCleanup(self.session.release_buttons)  # over the full-screen window, before it goes
        mark, since_us = self.draw(flickmark, full_screen, "--------0")
        flickmark.log.wait_for("full screen, but fullscreen.ini lists probe.exe", mark)
        flickmark.log.wait_for("gesture 03 UP+RIGHT", mark)
        full_screen.log.wait_for(X_KEY, since_us)

    def test_the_programs_page_adds_a_typed_program_and_removes_it(self):
        no_right = self.data_dir / "noright.ini"
        no_right.write_bytes(b"; mine\r\n")
        (self.data_dir / "disabled.ini").write_bytes(b"vmware.exe\r\n")
        (self.data_dir / "fullscreen.ini").write_bytes(b"vlc.exe\r\n")
        flickmark = self.start_flickmark()
        box = self.open_from_the_scratchpad()
        self.key_until("End", lambda: self.shown_page() is not None and self.shown_page() >= PROGRAMS_PAGE,
                       "the last pages")
        self.key_until("Up", lambda: self.shown_page() == PROGRAMS_PAGE, "the Programs page")
        self.wait_for_control(PROGRAM_LIST_ID, "the two listed programs", lambda c: c.shown)

        # Alt+P goes to the program's field; the name, then Enter, adds it to "Gestures off".
        self.session.key("alt+p")
        self.session.xdotool("type", "--delay", "40", "blender")
        self.wait_for_control(PROGRAM_NAME_ID, "the typed name", lambda c: c.text == "blender")
        mark = flickmark.log.mark()
        self.session.key("Return")
        flickmark.log.wait_for("Programs page: added blender to noright.ini", mark)
        self.assertEqual(no_right.read_bytes(), b"; mine\r\nblender.exe\r\n")
        self.session.screenshot("programs-page-added", box=Box(box.left - 4, box.top - 4, box.right + 4,
                                                               box.bottom + 4))
        # The new row is selected; Alt+R ("Remove") takes it off again.
        mark = flickmark.log.mark()
        self.session.key("alt+r")
        flickmark.log.wait_for("Programs page: took blender.exe off noright.ini", mark)
        self.assertEqual(no_right.read_bytes(), b"; mine\r\n")
        self.close_with("Escape")


if __name__ == "__main__":
    unittest.main()
