"""The tray icon end to end, the way a user meets it: flickmark.exe under Wine shows its icon in Wine's own
tray window, a right click there opens the menu, keys choose from it; Scroll Lock and "Gestures on" switch
gestures off and on, the About window shows the version, "Exit Flickmark" and the end of the session end the
program cleanly, and a second start hands over to the first. Screenshots of the menu and the About window at
100 % and 150 % scaling."""

import re
import select
import subprocess
import time
import unittest
from pathlib import Path

import harness
from harness import RIGHT_STEPS, UP_STEPS, Box, relative_path
from test_actions import set_immutable, write_gestures
from test_configuration import MISC_PAGE, X_PIXEL_ID, ConfigurationCase

# Wine's tray window (no tray manager on the display) shows the first icon about here.
ICON = (13, 32)
ICON_BOX = Box(4, 23, 23, 42)
# About window controls (app/about_window_ids.h) and its template's caption.
ABOUT_TITLE = "About "
ABOUT_VERSION_ID, ABOUT_BUILD_ID = 154, 155
GESTURES_WINDOW_CLASS = "FlickmarkGestures"
# Up then Right types "x".
GESTURES = {"03": ("Keystroke", "000058X")}
# The exit does its own work (windows closed, files written, icon removed) in well under a second; a bound of
# 2.5 s still catches an exit that waits for something (a second of tries per file, a time-out), and leaves a
# loaded machine room.
EXIT_SECONDS = 2.5

# What `wine` ends with when it could not start a program; the test tools never end with it.
WINE_START_FAILED = 1


def icon_state(picture: harness.Image) -> str:
    """"on" (blue), "off" (grey with a red bar) or "none", by the colours of the icon's pictures."""
    pixels = [picture.pixel(x, y) for y in range(picture.height) for x in range(picture.width)]
    if sum(1 for r, g, b in pixels if r > 170 and g < 90 and b < 90) >= 10:
        return "off"
    if sum(1 for r, g, b in pixels if b > 150 and r < 90) >= 30:
        return "on"
    return "none"


def project_version() -> str:
    text = (harness.REPO_ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(flickmark VERSION (\d+\.\d+\.\d+)", text).group(1)


class TrayCase(harness.ProbeTestCase):
    """Starts Flickmark with its own data folder and opens its tray menu; no tests of its own."""

    def start_flickmark(self, data_dir: Path | None = None) -> harness.Flickmark:
        data_dir = data_dir or self.data_dir
        harness.write_settings(data_dir, **harness.TEST_PACE_SETTINGS)
        write_gestures(data_dir / "Gestures.ini", GESTURES)
        flickmark = self.session.start_flickmark(data_dir)
        self.addCleanup(self.session.stop_flickmark, flickmark)
        self.addCleanup(self.session.close_popup_menus)
        flickmark.log.wait_for("tray tip: ")
        return flickmark

    def tool(self, name: str, *arguments: str, again_on: tuple[int, ...] = (),
             timeout: float = 20) -> subprocess.CompletedProcess:
        """Runs one of the test tools. On a busy machine Wine now and then fails to start a program (it ends
        with 1, which no tool uses) or answers "no such window" for a window that is plainly shown; such a run
        is made again, within a time limit, as is one that ended with a code of `again_on` (answers that mean
        the tool did nothing)."""
        deadline = time.monotonic() + 10 * harness.TIME_LIMIT_SCALE
        while True:
            result = subprocess.run(["wine", str(self.session.programs.tool(name)), *arguments],
                                    env=self.session.env, capture_output=True, text=True, timeout=timeout,
                                    check=False)
            if result.returncode not in (WINE_START_FAILED, *again_on) or time.monotonic() > deadline:
                return result
            harness.STEPS.note("read", f"{name} {' '.join(arguments)}: ended with {result.returncode}; again")

    def open_menu(self, flickmark: harness.Flickmark, screenshot: str | None = None) -> Box:
        mark = flickmark.log.mark()
        self.session.move(*ICON)
        self.session.xdotool("click", "3")
        flickmark.log.wait_for("tray menu opened", mark)
        menu = harness.wait_until(self.session.popup_menus, 5, "the tray menu")[0]
        if screenshot:
            self.session.screenshot(screenshot, box=Box(0, 0, menu.right + 20, menu.bottom + 20))
        return menu

    def choose(self, menu: Box, *keys: str) -> None:
        self.session.choose_in_menu(menu, *keys)

    def exit_by_menu(self, flickmark: harness.Flickmark) -> tuple[int, float]:
        """"Exit Flickmark" (the last item) by keyboard; the exit code and the seconds from Return to the end."""
        menu = self.open_menu(flickmark)
        self.choose(menu, "End")
        started = time.monotonic()
        self.session.key("Return")
        code = flickmark.process.popen.wait(10)
        return code, time.monotonic() - started

    def draw_up_right(self, flickmark: harness.Flickmark, recognised: bool) -> int:
        """Draws Up then Right over the probe, which is brought to the front first; returns the host time
        from before the press. When the gesture is to be recognised, the stroke waits for the press to be seen."""
        self.session.activate(self.probe)
        start = self.probe.point(0.5, 0.7)
        self.session.move(*start)
        mark = flickmark.log.mark()
        since_us = harness.now_us()
        self.session.button_down()
        if recognised:
            flickmark.log.wait_for("--------0", mark)
        self.session.stroke(relative_path(start, UP_STEPS + RIGHT_STEPS), sampled=recognised)
        self.session.button_up()
        return since_us

    @staticmethod
    def count_lines(flickmark: harness.Flickmark, prefix: str) -> int:
        return sum(1 for line in flickmark.log.lines() if line.startswith(prefix))

    def icon_picture(self) -> harness.Image:
        return self.session.screenshot().crop(ICON_BOX)

    def icon_shows(self, state: str) -> None:
        harness.wait_until(lambda: icon_state(self.icon_picture()) == state, 5, f"the icon to show '{state}'")

    def hold_another_icon(self) -> None:
        """Another program's icon after ours, for the rest of the test. Without a window manager, Wine's tray
        window waits 2 s to be withdrawn when its last icon goes; on a desktop it never goes."""
        holder = subprocess.Popen(["wine", str(self.session.programs.tool("notification_area")), "hold"],
                                  env=self.session.env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, start_new_session=True)

        def release():
            holder.stdin.close()
            try:
                holder.wait(10)
            except subprocess.TimeoutExpired:
                holder.kill()
                holder.wait()
            holder.stdout.close()

        self.addCleanup(release)
        ready, _, _ = select.select([holder.stdout], [], [], 20)
        self.assertTrue(ready and holder.stdout.readline().strip() == b"holding", "the other icon")

    def about_box(self) -> Box | None:
        return next((box for title, box in self.session.visible_windows("flickmark.exe") if title == ABOUT_TITLE),
                    None)

    def open_about(self, flickmark: harness.Flickmark, screenshot: str) -> Box:
        self.choose(self.open_menu(flickmark), "End", "Up", "Return")
        about = harness.wait_until(self.about_box, 5, "the About window")
        self.session.settled_screenshot(screenshot, Box(about.left - 10, about.top - 10, about.right + 10,
                                                        about.bottom + 10))
        return about

    def read_control(self, control_id: int) -> str:
        result = self.tool("window_query", "text", "#32770", ABOUT_TITLE, str(control_id), again_on=(10, 11))
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout.rstrip("\r\n")


class TrayEndToEnd(TrayCase, ConfigurationCase):
    module = "tray"

    def test_menu_opens_once_and_exit_ends_at_once_keeping_the_line_lists(self):
        kept = b"notepad.exe\r\nwordpad.exe\r\n"
        (self.data_dir / "disabled.ini").write_bytes(kept)
        flickmark = self.start_flickmark()
        self.hold_another_icon()
        self.open_menu(flickmark, "tray-menu")
        self.session.move(*ICON)
        self.session.xdotool("click", "3")
        # The second click closes the menu or is ignored; it never opens a menu over the open one.
        deadline = time.monotonic() + 1.0
        while time.monotonic() < deadline:
            self.assertLessEqual(len(self.session.popup_menus()), 1)
            time.sleep(harness.POLL_SECONDS)
        self.session.close_popup_menus()
        self.assertLessEqual(self.count_lines(flickmark, "tray menu opened"), 2, flickmark.log.describe())

        code, seconds = self.exit_by_menu(flickmark)
        self.assertEqual(code, 0)
        self.assertLess(seconds, EXIT_SECONDS)
        self.assertEqual((self.data_dir / "disabled.ini").read_bytes(), kept)
        self.assertEqual((self.data_dir / "noright.ini").read_bytes(), b"")
        self.assertEqual((self.data_dir / "fullscreen.ini").read_bytes(), b"")
        self.assertTrue((self.data_dir / "exepaste.ini").is_file())

    def test_exit_with_a_read_only_data_folder_still_ends_at_once(self):
        (self.data_dir / "disabled.ini").write_bytes(b"a.exe\n")
        flickmark = self.start_flickmark()
        self.hold_another_icon()
        files = sorted(self.data_dir.iterdir())
        before = {path.name: path.read_bytes() for path in files}
        set_immutable([self.data_dir, *files], True)
        self.addCleanup(set_immutable, [self.data_dir, *files], False)

        code, seconds = self.exit_by_menu(flickmark)
        self.assertEqual(code, 0)
        self.assertLess(seconds, EXIT_SECONDS)
        self.assertEqual({path.name: path.read_bytes() for path in self.data_dir.iterdir()}, before)

    def test_end_of_session_while_the_tray_menu_is_open(self):
        flickmark = self.start_flickmark()
        self.hold_another_icon()
        self.open_menu(flickmark)
        result = self.tool("end_session", "FlickmarkTray", again_on=(10,))  # 10: not found, nothing sent
        self.assertEqual((result.returncode, result.stdout.strip()), (0, "query 1"), result.stderr)
        self.assertEqual(flickmark.process.popen.wait(5), 0)
        for name in ("disabled.ini", "noright.ini", "exepaste.ini"):
            self.assertTrue((self.data_dir / name).is_file(), name)
        harness.wait_until(lambda: not self.session.popup_menus(), 5, "the menu to go with the program")

    def test_exit_with_the_configuration_window_open_saves_it(self):
        flickmark = self.start_flickmark()
        self.hold_another_icon()
        self.choose(self.open_menu(flickmark), "c")  # "&Configure..."
        box = harness.wait_until(self.window_box, 5, "the configuration window")
        self.session.move(box.right - 20, box.bottom - 20)
        self.set_x_pixel_to_the_maximum()

        self.choose(self.open_menu(flickmark), "End")
        chosen = time.time()
        self.session.key("Return")
        # The program's own exit work (the window saved, files written, icon removed) takes well under a
        # second; the last file it writes tells when it was done. Wine without a window manager then waits
        # 2 s for the shown window, which has a title bar, to be confirmed withdrawn as it is destroyed (and
        # its thread answers no one meanwhile); on a desktop no such wait happens.
        self.assertEqual(flickmark.process.popen.wait(5), 0)
        settings = self.data_dir / "defaults.ini"
        self.assertIn(b"tbXPixel=150\r\n", settings.read_bytes())
        written = max(settings.stat().st_mtime, (self.data_dir / "noright.ini").stat().st_mtime)
        self.assertLess(written - chosen, EXIT_SECONDS)

    def test_configure_reopens_the_configuration_window_on_the_page_shown_last(self):
        flickmark = self.start_flickmark()
        self.choose(self.open_menu(flickmark), "c")  # "&Configure..."
        box = harness.wait_until(self.window_box, 5, "the configuration window")
        self.session.move(box.right - 20, box.bottom - 20)
        self.key_until("End", lambda: self.shown_page() == MISC_PAGE, "the Misc page")
        self.close_with("Escape")
        self.choose(self.open_menu(flickmark), "c")
        harness.wait_until(self.window_box, 5, "the configuration window again")
        self.wait_for_page(MISC_PAGE)
        self.session.move(box.right - 20, box.bottom - 20)
        self.close_with("Escape")

    def test_tip_text_in_the_log_and_over_the_icon(self):
        flickmark = self.start_flickmark()
        tip = f"Flickmark v{project_version()} - gestures on"
        self.assertEqual(flickmark.log.wait_for("tray tip: "), f"tray tip: {tip}")
        self.session.move(400, 400)
        around = Box(0, 20, 400, 120)
        before = self.session.screenshot().crop(around)
        self.session.move(*ICON)
        harness.wait_until(lambda: self.session.screenshot().crop(around).difference(before).pixels > 200, 10,
                           "the tip over the icon")
        self.session.settled_screenshot("tray-tip", around)

    def test_icon_comes_back_when_the_shell_restarts(self):
        flickmark = self.start_flickmark()
        self.icon_shows("on")
        self.assertEqual(self.tool("notification_area", "delete", again_on=(10,)).returncode, 0)
        self.icon_shows("none")
        mark = flickmark.log.mark()
        self.assertEqual(self.tool("notification_area", "broadcast", again_on=(10,)).returncode, 0)
        flickmark.log.wait_for("The shell has started again", mark)
        self.icon_shows("on")
        self.open_menu(flickmark)  # the icon that came back answers clicks
        self.session.close_popup_menus()

    def test_scroll_lock_and_the_gestures_on_item_switch_gestures_off_and_on(self):
        flickmark = self.start_flickmark()
        self.icon_shows("on")
        presses = []
        self.addCleanup(lambda: self.session.key("Scroll_Lock") if len(presses) % 2 else None)

        def scroll_lock(expected: str) -> None:
            """Scroll Lock is looked at every 1.3 s (the unit tests check the period); the switch is logged."""
            self.session.activate(self.probe)
            self.session.move(*self.probe.point(0.5, 0.5))  # keys reach the window under the pointer
            mark = flickmark.log.mark()
            self.session.key("Scroll_Lock")
            presses.append(1)
            flickmark.log.wait_for(expected, mark)

        def gesture_runs(expected: bool) -> bool:
            since_us = self.draw_up_right(flickmark, expected)
            try:
                self.probe.log.wait_for("key down vk=0x58", since_us, timeout=1.5)
                return True
            except harness.WaitTimeout:
                return False
            finally:
                close_probe_menu()

        def close_probe_menu():
            """A gesture that does not run leaves the probe's context menu open, which would take the next click.
            It is closed with a click beside it: after Escape in another program's menu, Wine's GetKeyState in
            our background thread can lag one Scroll Lock press behind for good."""
            menu_events = [e for e in self.probe.log.matching("menu ") if e.text in ("menu open", "menu close")]
            if menu_events and menu_events[-1].text == "menu open":
                since = harness.now_us()
                self.session.move(*self.probe.point(0.1, 0.95))
                self.session.xdotool("click", "1")
                self.probe.log.wait_for("menu close", since)

        scroll_lock("Gestures off: Scroll Lock is on")
        self.icon_shows("off")
        self.session.screenshot("tray-icon-off", box=ICON_BOX)
        self.assertFalse(gesture_runs(False))
        scroll_lock("Gestures on")
        self.icon_shows("on")
        self.assertTrue(gesture_runs(True))

        mark = flickmark.log.mark()
        self.choose(self.open_menu(flickmark), "g")
        flickmark.log.wait_for("Gestures off: switched off in the tray menu", mark)
        self.icon_shows("off")
        self.assertFalse(gesture_runs(False))
        mark = flickmark.log.mark()
        self.choose(self.open_menu(flickmark, "tray-menu-gestures-off"), "g")
        flickmark.log.wait_for("Gestures on", mark)
        self.assertTrue(gesture_runs(True))

    def test_about_window_shows_the_version_and_escape_closes_it(self):
        flickmark = self.start_flickmark()
        about = self.open_about(flickmark, "about")
        self.assertEqual(self.read_control(ABOUT_VERSION_ID), project_version())
        self.assertRegex(self.read_control(ABOUT_BUILD_ID), r"^ build \d+$")
        self.session.move(about.left + 20, about.top + 20)
        self.session.key("Escape")
        harness.wait_until(lambda: not self.about_box(), 5, "the About window to close")

    def test_second_start_ends_and_the_first_shows_its_gestures_window(self):
        flickmark = self.start_flickmark()
        mark = flickmark.log.mark()
        other = self.data_dir / "second"
        other.mkdir()
        second = self.session.start_program("second flickmark", [str(self.session.programs.flickmark), "-data",
                                                                 harness.windows_path(other)])
        self.assertEqual(second.popen.wait(10), 0)
        flickmark.log.wait_for("Flickmark was started again", mark)
        harness.wait_until(lambda: self.tool("window_query", "visible", GESTURES_WINDOW_CLASS, "-").stdout.strip()
                           == "1", 5, "the gestures window")
        self.assertEqual(list(other.iterdir()), [], "the second start touched no file")
        self.assertTrue(flickmark.process.running())

    def test_a_copy_at_the_drive_root_keeps_its_files_beside_itself(self):
        """C:\\flickmark.exe started from C:\\windows (as one started at sign-in starts in System32): it reads
        the gestures beside itself, and its exit writes its lists there, not in the folder it started from."""
        drive = self.session.prefix / "drive_c"
        started_in = drive / "windows"
        copy = drive / "flickmark.exe"
        written = ("noright.ini", "disabled.ini", "exepaste.ini")
        for path in (copy, drive / "Gestures.ini", drive / "defaults.ini",
                     *(folder / name for folder in (drive, started_in) for name in written)):
            self.assertFalse(path.exists(), path)
            self.addCleanup(path.unlink, missing_ok=True)
        copy.write_bytes(self.session.programs.flickmark.read_bytes())
        harness.write_settings(drive, **harness.TEST_PACE_SETTINGS)
        write_gestures(drive / "Gestures.ini", GESTURES)
        flickmark = self.session.start_flickmark(executable=copy, cwd=started_in)
        self.addCleanup(self.session.stop_flickmark, flickmark)
        flickmark.log.wait_for("tray tip: ")

        since_us = self.draw_up_right(flickmark, True)
        self.probe.log.wait_for("key down vk=0x58", since_us, timeout=5)
        result = self.tool("end_session", "FlickmarkTray", again_on=(10,))
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertEqual(flickmark.process.popen.wait(5), 0)
        for name in written:
            self.assertTrue((drive / name).is_file(), name)
            self.assertFalse((started_in / name).exists(), name)


class TrayAt150Percent(TrayCase):
    module = "tray-150"
    dpi = 144

    def test_menu_and_about_window_at_150_percent(self):
        flickmark = self.start_flickmark()
        menu = self.open_menu(flickmark, "tray-menu-150")
        # Five items and three separators make about 110 pixels at 100 %.
        self.assertGreaterEqual(menu.height, 150, menu)
        self.session.close_popup_menus()
        about = self.open_about(flickmark, "about-150")
        self.assertGreaterEqual(about.width, 430, about)
        self.assertEqual(self.read_control(ABOUT_VERSION_ID), project_version())


if __name__ == "__main__":
    unittest.main()
