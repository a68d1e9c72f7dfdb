"""Window and media commands end to end: gestures maximize and restore, pin on top and unpin, minimize and
close the probe window they are drawn on, through the window's own system commands; a command drawn over
the desktop does nothing; media and volume commands send the system's keys. The wizard makes a window
command from its list, photographed at 100 % and 150 %."""

import unittest

import harness
from harness import RIGHT_STEPS, UP_STEPS, Box
from test_actions import key_downs, write_gestures
from test_wizard import COMMAND_TEXT, FINISH, NEXT, SUMMARY, WizardCase

DOWN_STEPS = [(1, 20), (1, 20)]
LEFT_STEPS = [(-50, 1), (-30, 1)]
GESTURES = {
    "0": ("Window Command", "Maximize"),
    "1": ("Window Command", "minimize"),  # the name is read in any case
    "2": ("Window Command", "Always On Top"),
    "3": ("Window Command", "Close"),
    "03": ("Window Command", "Play / Pause"),
    "02": ("Window Command", "Volume Up"),
}
SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE, SC_RESTORE = 0xF020, 0xF030, 0xF060, 0xF120
# Under Wine on Xvfb a press over the bare X root never reaches Wine: a probe window of the desktop's class
# stands in for the desktop, beside the probe in front and clear of the scratchpad strip.
DESKTOP_STAND_IN = Box(950, 100, 1250, 400)

# The wizard's window-command controls.
TYPE_COMMAND, COMMAND_DESCRIPTION, COMMAND_FIRST = 883, 888, 890
PLAY_PAUSE = COMMAND_FIRST + 11


class WindowCommandsEndToEnd(harness.ProbeTestCase):
    module = "window_commands"

    def start_flickmark(self) -> harness.Flickmark:
        harness.write_settings(self.data_dir, **harness.TEST_PACE_SETTINGS)
        write_gestures(self.data_dir / "Gestures.ini", GESTURES)
        flickmark = self.session.start_flickmark(self.data_dir)
        self.addCleanup(self.session.stop_flickmark, flickmark)
        return flickmark

    def draw(self, flickmark: harness.Flickmark, at: tuple[int, int], steps: list[tuple[int, int]],
             ran: str) -> int:
        """Draws the steps from `at` and waits for the log line `ran`; returns the host time from before."""
        mark, since_us = self.session.draw_gesture(flickmark.log, at, steps)
        flickmark.log.wait_for(ran, mark)
        return since_us

    def syscommands(self, probe: harness.Probe, since_us: int) -> list[int]:
        return [int(e.text.split()[1], 16) for e in probe.log.matching("syscommand ", since_us)]

    def test_maximize_and_always_on_top_toggle_on_the_window_drawn_on_and_nothing_acts_on_the_desktop(self):
        flickmark = self.start_flickmark()
        probe = self.probe

        since = self.draw(flickmark, probe.point(0.5, 0.7), UP_STEPS, "run window command Maximize on probe.exe")
        probe.log.wait_for("size maximized", since)
        self.assertEqual(self.syscommands(probe, since), [SC_MAXIMIZE], probe.log.text())
        # Maximized, it covers the screen: drawn on it again, it is restored.
        since = self.draw(flickmark, (640, 500), UP_STEPS, "run window command Maximize on probe.exe")
        probe.log.wait_for("size restored", since)
        self.assertEqual(self.syscommands(probe, since), [SC_RESTORE], probe.log.text())

        since = self.draw(flickmark, probe.point(0.5, 0.7), LEFT_STEPS,
                          "Always On Top: probe.exe's window is now on top")
        probe.log.wait_for("topmost 1", since)
        since = self.draw(flickmark, probe.point(0.5, 0.7), LEFT_STEPS,
                          "Always On Top: probe.exe's window is no longer on top")
        probe.log.wait_for("topmost 0", since)

        # Over the desktop nothing is maximized: neither the desktop nor the window in front.
        desktop = self.session.start_probe(rect=DESKTOP_STAND_IN, window_class="Progman")
        self.addCleanup(self.session.stop_probe, desktop)
        self.session.activate(probe)
        mark, since = self.session.draw_gesture(flickmark.log, desktop.point(0.5, 0.7), UP_STEPS)
        flickmark.log.wait_for("Window command Maximize not run: it does not act on the desktop or the taskbar",
                               mark)
        flickmark.log.assert_never("run window command", mark, seconds=0.5)
        self.assertEqual(self.syscommands(probe, since) + self.syscommands(desktop, since), [], probe.log.text())

        # Media and volume: the system's keys, which reach the program in front.
        since = self.draw(flickmark, probe.point(0.5, 0.7), UP_STEPS + RIGHT_STEPS,
                          "run window command Play / Pause")
        probe.log.wait_for("key down vk=0xB3", since)
        since = self.draw(flickmark, probe.point(0.5, 0.7), UP_STEPS + LEFT_STEPS, "run window command Volume Up")
        probe.log.wait_for("key down vk=0xAF", since)
        self.assertEqual([e.text.split()[2] for e in key_downs(probe, since)], ["vk=0xAF"], probe.log.text())

    def test_minimize_and_close_through_the_windows_own_system_commands(self):
        flickmark = self.start_flickmark()

        minimized = self.session.start_probe(rect=Box(200, 200, 700, 600))
        self.addCleanup(self.session.stop_probe, minimized)
        since = self.draw(flickmark, minimized.point(0.5, 0.5), DOWN_STEPS,
                          "run window command Minimize on probe.exe")
        minimized.log.wait_for("size minimized", since)
        self.assertEqual(self.syscommands(minimized, since), [SC_MINIMIZE], minimized.log.text())

        closed = self.session.start_probe(rect=Box(250, 250, 750, 650))
        self.addCleanup(self.session.stop_probe, closed)
        since = self.draw(flickmark, closed.point(0.3, 0.5), RIGHT_STEPS, "run window command Close on probe.exe")
        closed.log.wait_for("close", since)
        self.assertEqual(self.syscommands(closed, since), [SC_CLOSE], closed.log.text())
        harness.wait_until(lambda: closed.process.popen.poll() == 0, 5.0, "the probe to end as it normally does",
                           closed.log.text)


class WindowCommandWizard(WizardCase):
    module = "window_commands_wizard"

    def make_play_pause(self, name: str) -> None:
        """A new gesture, Down, made a window command from the wizard's list; the page is photographed."""
        flickmark = self.start_flickmark({"Gestures.ini": b""})
        window = self.open_window(flickmark)
        self.open_new()
        self.draw_with_buttons(1)  # Down
        self.click(NEXT)
        self.wait_for_page(1)
        self.click(TYPE_COMMAND)
        harness.wait_until(lambda: self.wizard(TYPE_COMMAND, "check") == "1\n", 5.0, "the command type chosen")
        self.session.screenshot(f"wizard-action-type-{name}", self.wizard_box())
        self.click(NEXT)
        harness.wait_until(lambda: self.wizard(COMMAND_TEXT, "visible") == "1\n", 5.0, "the command page")
        self.assertEqual(self.wizard(COMMAND_FIRST, "check"), "1\n", "Maximize is chosen first")
        self.click(PLAY_PAUSE)
        harness.wait_until(lambda: self.wizard(PLAY_PAUSE, "check") == "1\n", 5.0, "Play / Pause chosen")
        harness.wait_until(lambda: self.wizard(COMMAND_DESCRIPTION, "text").startswith("Plays or pauses"), 5.0,
                           "its description")
        self.session.settled_screenshot(f"wizard-window-command-{name}", self.wizard_box())
        self.click(NEXT)
        self.wait_for_page(6)
        self.assertIn("Command: \r\n\tPlay / Pause", self.wizard(SUMMARY, "text"))
        self.click(FINISH)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")
        expected = b"[1]\r\nActionType=Window Command\r\nAction=Play / Pause\r\n"
        harness.wait_until(lambda: (self.data_dir / "Gestures.ini").read_bytes() == expected, 5.0,
                           "the gesture saved", lambda: repr((self.data_dir / "Gestures.ini").read_bytes()))
        self.assertEqual(self.rows()[-1], "DOWN\tWindow or Media Command\tPlay / Pause")
        self.close_with_escape(window)

    def test_the_wizard_makes_a_window_command_from_its_list(self):
        self.make_play_pause("100")


class WindowCommandWizardAt150Percent(WindowCommandWizard):
    module = "window_commands_wizard-150"
    dpi = 144

    def test_the_wizard_makes_a_window_command_from_its_list(self):
        self.make_play_pause("150")


if __name__ == "__main__":
    unittest.main()
