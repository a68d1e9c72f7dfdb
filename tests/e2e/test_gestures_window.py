"""The gestures window end to end: opened with a double click on the tray icon (or the scratchpad's gestures
button), it lists the gestures of
"Gestures.ini" with their row texts, shows the probe's set when that is chosen, and deletes a gesture from
exactly the file it belongs to when the window closes, while gestures drawn meanwhile still run. Sets that
were not edited are never written, and a program's set without a file gets none. Controls are read from
outside with controls.exe. "Copy set to..." copies the global set into the probe's, merged and then
replaced, and the copied gesture runs over the probe. Screenshots of the window with a preview, of its menu
and of the copy dialogs at 100 % and 150 %."""

import shutil
import subprocess
import time
import unittest
from pathlib import Path

import harness
from harness import RIGHT_STEPS, SCREEN_HEIGHT, SCREEN_WIDTH, UP_STEPS, Box
from test_actions import key_downs, set_immutable

WINDOW_CLASS = "FlickmarkGestures"
# Control ids of the gestures window.
SELECTOR, LIST, PREVIEW = 401, 402, 403
NEW_GESTURE, CONFIGURE, COPY_SET, EXPORT, IMPORT, BACK_UP = 404, 405, 407, 408, 409, 410
# The system's file choosers and their file name field.
OPEN_CHOOSER, SAVE_CHOOSER, CHOOSER_NAME = "Open", "Save As", 0x47C
# The copy dialogs (window class "#32770").
DIALOG = "#32770"
COPY_TARGET_TEXT, COPY_TARGET_NAME, COPY_TARGET_REFUSAL = 421, 422, 424
COPY_PLAN_SUMMARY, COPY_PLAN_MERGE, COPY_PLAN_REPLACE, COPY_PLAN_LIST = 431, 432, 433, 435

GLOBAL_FILE = (b"; my gestures\r\n"
               b"[03]\r\nActionType=Multiple Keystrokes\r\nAction=000048H|000049I\r\n"
               b"[1]\r\n; the editor\r\nActionType=Run Program / File\r\nAction=C:\\Tools\\edit.exe|-new\r\n"
               b"[2]\r\nActionType=Keystroke\r\nAction=010043CTRL+C\r\n"
               b"[Colours]\r\nPen=blue\r\n")
GLOBAL_ROWS = ["UP+RIGHT\tMultiple Keystrokes\tH | I",
               "DOWN\tRun Program or File\tC:\\Tools\\edit.exe | -new",
               "LEFT\tKeystroke\tCTRL+C"]
# Up then Right over the probe types "ok" from the probe's own set.
PROBE_FILE = (b"[03]\r\nActionType=Multiple Keystrokes\r\nAction=00004FO|00004BK\r\n"
              b"[30]\r\nActionType=Keystroke\r\nAction=000074F5\r\n")
PROBE_ROWS = ["UP+RIGHT\tMultiple Keystrokes\tO | K", "RIGHT+UP\tKeystroke\tF5"]

DARK = 80  # a channel value below which a pixel counts as ink
# Where the icon shows in Wine's own tray window.
TRAY_ICON = (13, 32)


def scaled(logical: int, dpi: int) -> int:
    return (logical * dpi + 48) // 96


def box_of(text: str) -> Box:
    left, top, right, bottom = map(int, text.split())
    return Box(left, top, right, bottom)


def wait_for_window_shown(log: harness.FlickmarkLog, since: int) -> str:
    return log.wait_for("gestures window shown: ", since, timeout=10.0)


def double_click_tray_icon(session: harness.Session) -> None:
    session.move(*TRAY_ICON)
    session.xdotool("click", "--repeat", "2", "1")


def open_scratchpad(session: harness.Session, dpi: int) -> tuple[int, int]:
    """Opens the scratchpad at the right screen edge; returns the centre of its gestures button."""
    height = scaled(312, dpi)
    top = SCREEN_HEIGHT // 2 - height // 2
    right = SCREEN_WIDTH - scaled(3, dpi)
    session.move(SCREEN_WIDTH - 1, SCREEN_HEIGHT // 2)
    harness.wait_until(lambda: any(title == "Gesture Scratchpad" and box.width > scaled(100, dpi)
                                   for title, box in session.visible_windows("flickmark.exe")),
                       5.0, "the scratchpad to open")
    return right - scaled(29, dpi), top + scaled(10, dpi)


class GesturesWindowCase(harness.ProbeTestCase):
    """Starts Flickmark with a data folder, opens the window and reads its controls; no tests of its own."""

    def start_flickmark(self, files: dict[str, bytes]) -> harness.Flickmark:
        harness.write_settings(self.data_dir, **harness.TEST_PACE_SETTINGS)
        for name, content in files.items():
            (self.data_dir / name).write_bytes(content)
        self.session.move(*self.probe.point(0.5, 0.5))
        flickmark = self.session.start_flickmark(self.data_dir)
        self.addCleanup(self.session.stop_flickmark, flickmark)
        return flickmark

    def read(self, control_id: int, what: str, window: str = WINDOW_CLASS) -> str | None:
        """What controls.exe reads; None when the window or control is not there."""
        return self.session.controls.read(window, control_id, what)

    def control(self, control_id: int, what: str, window: str = WINDOW_CLASS) -> str:
        """What controls.exe reads from a control that must be there."""
        answer = self.read(control_id, what, window)
        if answer is None:
            raise AssertionError(f"controls.exe {window} {control_id} {what} found nothing "
                                 f"({self.session.controls.last_failure})")
        return answer

    def selector_items(self) -> list[str]:
        return self.control(SELECTOR, "items").splitlines()

    def rows(self) -> list[str]:
        return self.control(LIST, "items").splitlines()

    def window_visible(self) -> bool:
        return self.control(0, "visible") == "1\n"

    def open_window(self, flickmark: harness.Flickmark, from_scratchpad: bool = False) -> Box:
        """Opens the window with a double click on the tray icon, or with the scratchpad's gestures button;
        returns its client area on the screen."""
        mark = flickmark.log.mark()
        if from_scratchpad:
            self.session.move(*open_scratchpad(self.session, self.dpi or 96))
            self.session.xdotool("click", "1")
        else:
            double_click_tray_icon(self.session)
        wait_for_window_shown(flickmark.log, mark)
        self.assertTrue(self.window_visible())
        return self.client_box()

    def client_box(self) -> Box:
        """The window's client area on the screen (with no window manager, the X window has no frame)."""
        shown = [box for title, box in self.session.visible_windows("flickmark.exe") if title == "Flickmark"]
        self.assertEqual(len(shown), 1, "one window titled Flickmark is shown")
        return shown[0]

    def click_row(self, window: Box, row: int) -> None:
        """Clicks the first column of a row of the list."""
        list_box = box_of(self.control(LIST, "rect"))
        row_height = scaled(17, self.dpi or 96)  # header and rows of about 17 logical pixels
        self.session.move(list_box.left + scaled(40, self.dpi or 96),
                          list_box.top + row_height + row_height * row + row_height // 2)
        self.session.xdotool("click", "1")
        harness.wait_until(lambda: self.control(LIST, "selection") == f"{row}\n", 5.0, f"row {row} selected")

    def preview_ink(self, image: harness.Image) -> int:
        preview = box_of(self.control(PREVIEW, "rect"))
        return sum(1 for y in range(preview.top + 2, preview.bottom - 2)
                   for x in range(preview.left + 2, preview.right - 2) if max(image.pixel(x, y)) < DARK)

    def close_with_escape(self, window: Box) -> None:
        self.session.move(window.left + 10, window.bottom - 5)
        self.session.key("Escape")
        harness.wait_until(lambda: not self.window_visible(), 5.0, "the window to close")

    def photograph_window_and_menu(self, flickmark: harness.Flickmark, name: str) -> None:
        """Screenshots of the window with a row's preview and of the list's menu, whose Delete is then chosen
        with the keyboard."""
        window = self.open_window(flickmark)
        self.click_row(window, 0)
        row_point = self.session_pointer()
        harness.wait_until(lambda: self.preview_ink(self.session.screenshot()) > 20, 5.0, "the preview")
        # The list's hint goes once the pointer rests on the background.
        self.session.move(window.right - 10, window.bottom - 5)
        harness.wait_until(lambda: not self.session.popup_menus(), 5.0, "the list's hint to go")
        self.session.screenshot(f"gestures-window-{name}", window)

        # The selector's list, opened with a click and closed with Escape, which leaves the window open.
        selector = box_of(self.control(SELECTOR, "rect"))
        self.session.move(selector.left + selector.width // 2, selector.top + selector.height // 2)
        before = set(self.session.popup_menus())
        self.session.xdotool("click", "1")
        dropped = harness.wait_until(lambda: set(self.session.popup_menus()) - before, 5.0, "the selector's list")
        bottom = max(box.bottom for box in dropped)
        self.session.screenshot(f"gestures-selector-{name}", Box(window.left, window.top, window.right,
                                                                 max(window.bottom, bottom)))
        self.session.key("Escape")
        harness.wait_until(lambda: not (set(self.session.popup_menus()) & dropped), 5.0, "the list to close")
        self.assertTrue(self.window_visible())

        self.session.move(*row_point)
        self.session.xdotool("click", "3")
        menu = harness.wait_until(lambda: [box for box in self.session.popup_menus()
                                           if abs(box.left - row_point[0]) <= 3 and abs(box.top - row_point[1]) <= 3],
                                  5.0, "the list's menu at the pointer")[0]
        self.session.screenshot(f"gestures-menu-{name}",
                                Box(window.left, window.top, max(window.right, menu.right),
                                    max(window.bottom, menu.bottom)))
        self.session.choose_in_menu(menu, "End", "Return")  # Delete, the last item
        harness.wait_until(lambda: len(self.rows()) == len(GLOBAL_ROWS) - 1, 5.0, "the row to go")
        self.close_with_escape(window)

    def dialog_box(self, title: str) -> Box:
        shown = harness.wait_until(lambda: [box for t, box in self.session.visible_windows("flickmark.exe")
                                            if t == title], 5.0, f"the {title} dialog")
        return shown[0]

    def open_copy_plan(self, window: Box, name: str, summary: str) -> Box:
        """"Copy set to..." with "probe" typed as the target; waits for the plan dialog and photographs both."""
        box = box_of(self.control(COPY_SET, "rect"))
        self.session.move(box.left + box.width // 2, box.top + box.height // 2)
        self.session.xdotool("click", "1")
        harness.wait_until(lambda: self.read(COPY_TARGET_TEXT, "text", DIALOG) ==
                           "Copy the global gestures to:\n", 5.0, "the copy dialog")
        target = self.dialog_box("Copy Gestures")
        self.session.key("ctrl+a")
        self.session.xdotool("type", "probe")
        harness.wait_until(lambda: self.read(COPY_TARGET_NAME, "text", DIALOG) == "probe\n", 5.0, "probe typed")
        self.session.screenshot(f"copy-target-{name}", target)
        self.session.key("Return")
        harness.wait_until(lambda: self.read(COPY_PLAN_SUMMARY, "text", DIALOG) == summary + "\n", 5.0,
                           "the plan dialog", lambda: repr(self.read(COPY_PLAN_SUMMARY, "text", DIALOG)))
        plan = self.dialog_box("Copy Gestures")
        self.session.screenshot(f"copy-plan-{name}", plan)
        return plan

    def click_control(self, control_id: int, window: str = WINDOW_CLASS) -> None:
        box = box_of(self.control(control_id, "rect", window))
        self.session.move(box.left + box.width // 2, box.top + box.height // 2)
        self.session.xdotool("click", "1")

    def choose_file(self, title: str, path: str) -> None:
        """Types a whole path into the file chooser's name field (replacing a proposed name) and presses Enter."""
        chooser = self.dialog_box(title)
        self.session.move(chooser.left + chooser.width // 2, chooser.top + 5)
        self.session.key("Home", "shift+End")
        self.session.xdotool("type", path)
        harness.wait_until(lambda: self.read(CHOOSER_NAME, "text", DIALOG) == path + "\n", 5.0, "the typed path",
                           lambda: repr(self.read(CHOOSER_NAME, "text", DIALOG)))
        self.session.key("Return")

    def import_file(self, path: str, summary: str, name: str) -> Box:
        self.click_control(IMPORT)
        self.choose_file(OPEN_CHOOSER, path)
        harness.wait_until(lambda: self.read(COPY_PLAN_SUMMARY, "text", DIALOG) == summary + "\n", 10.0,
                           "the import's plan", lambda: repr(self.read(COPY_PLAN_SUMMARY, "text", DIALOG)))
        plan = self.dialog_box("Import Gestures")
        self.session.screenshot(f"import-plan-{name}", plan)
        return plan

    def session_pointer(self) -> tuple[int, int]:
        result = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=self.session.env,
                                capture_output=True, text=True, timeout=10, check=True)
        values = dict(line.split("=", 1) for line in result.stdout.splitlines() if "=" in line)
        return int(values["X"]), int(values["Y"])


class GesturesWindowEndToEnd(GesturesWindowCase):
    module = "gestures_window"

    def test_deleting_a_gesture_writes_exactly_that_file_when_the_window_closes(self):
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE, "Gestures_probe.exe.ini": PROBE_FILE})
        window = self.open_window(flickmark)
        self.assertEqual(self.rows(), GLOBAL_ROWS)
        # The files first; then programs with windows open (Wine's tray belongs to explorer.exe).
        self.assertEqual(self.selector_items()[:2], ["Gestures.ini", "Gestures_probe.exe.ini"])
        self.assertEqual(self.control(NEW_GESTURE, "enabled"), "1\n")
        self.assertEqual(self.control(CONFIGURE, "enabled"), "1\n")

        # The probe's set, chosen with the keyboard on the selector, which has the focus.
        self.session.move(window.left + 10, window.bottom - 5)
        self.session.key("Down")
        harness.wait_until(lambda: self.rows() == PROBE_ROWS, 5.0, "the probe's gestures",
                           lambda: "\n".join(self.rows()))
        self.session.key("Up")
        harness.wait_until(lambda: self.rows() == GLOBAL_ROWS, 5.0, "the global gestures again")

        mark = flickmark.log.mark()
        self.click_row(window, 1)
        self.session.key("Delete")
        harness.wait_until(lambda: self.rows() == [GLOBAL_ROWS[0], GLOBAL_ROWS[2]], 5.0, "DOWN to go",
                           lambda: "\n".join(self.rows()))
        flickmark.log.wait_for("gestures window: deleted DOWN from Gestures.ini", mark)

        # A gesture drawn over the probe meanwhile runs from the probe's set; the window's set stays as it is.
        _, since_us = self.session.draw_gesture(flickmark.log, self.probe.point(0.1, 0.95), UP_STEPS + RIGHT_STEPS)
        self.probe.log.wait_for("char U+006F", since_us)
        self.probe.log.wait_for("char U+006B", since_us)
        self.assertEqual((self.data_dir / "Gestures.ini").read_bytes(), GLOBAL_FILE, "written before closing")

        # Closing removes exactly that gesture from that file.
        self.session.move(window.left + 10, window.bottom - 5)
        self.session.xdotool("click", "1")  # the window back in front
        self.close_with_escape(window)
        saved = (self.data_dir / "Gestures.ini").read_bytes()
        self.assertEqual(saved, GLOBAL_FILE.replace(
            b"[1]\r\n; the editor\r\nActionType=Run Program / File\r\nAction=C:\\Tools\\edit.exe|-new\r\n", b""),
            saved)
        self.assertEqual((self.data_dir / "Gestures_probe.exe.ini").read_bytes(), PROBE_FILE)

    def test_sets_that_were_not_edited_are_left_untouched_and_a_program_without_file_gets_none(self):
        # The probe has a window open but no file; "Gestures_calc.exe.ini" is another program's file.
        calc = b"[0]\r\nActionType=Keystroke\r\nAction=000074F5\r\n"
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE, "Gestures_calc.exe.ini": calc})
        before = {p.name: (p.read_bytes(), p.stat().st_mtime_ns) for p in self.data_dir.iterdir()}
        window = self.open_window(flickmark)
        items = self.selector_items()
        self.assertEqual(items[:2], ["Gestures.ini", "Gestures_calc.exe.ini"])
        self.assertIn("Gestures_probe.exe.ini", items)

        # Tab goes from the selector through the list and the buttons and round again.
        self.session.move(window.left + 10, window.bottom - 5)
        self.assertEqual(self.control(0, "focus"), f"{SELECTOR}\n")
        for expected in (LIST, NEW_GESTURE, CONFIGURE, COPY_SET, EXPORT, IMPORT, BACK_UP, SELECTOR):
            self.session.key("Tab")
            harness.wait_until(lambda: self.control(0, "focus") == f"{expected}\n", 5.0, f"the focus on {expected}")

        # Through every set to the probe's, which is empty, then back to calc's and the global one.
        for _ in range(items.index("Gestures_probe.exe.ini")):
            self.session.key("Down")
        harness.wait_until(lambda: self.control(SELECTOR, "selection") == f"{items.index('Gestures_probe.exe.ini')}\n"
                           and self.control(LIST, "count") == "0\n", 5.0, "the probe's empty set")
        for _ in range(items.index("Gestures_probe.exe.ini") - 1):
            self.session.key("Up")
        harness.wait_until(lambda: self.rows() == ["UP\tKeystroke\tF5"], 5.0, "calc's set")
        self.session.key("Home")
        harness.wait_until(lambda: self.rows() == GLOBAL_ROWS, 5.0, "the global set")

        # Shift+click on the background opens the recognizer's window.
        self.session.move(window.right - 10, window.bottom - 5)
        self.session.xdotool("keydown", "shift", "click", "1", "keyup", "shift")
        harness.wait_until(lambda: self.control(0, "visible", "FlickmarkMouseMonitor") == "1\n", 5.0,
                           "the recognizer's window")

        self.session.move(window.left + 10, window.bottom - 5)
        self.session.xdotool("click", "1")
        self.close_with_escape(window)
        self.open_window(flickmark, from_scratchpad=True)
        self.close_with_escape(window)
        after = {p.name: (p.read_bytes(), p.stat().st_mtime_ns) for p in self.data_dir.iterdir()}
        self.assertEqual(after, before)

    def test_a_refused_write_at_close_is_told_once_and_the_window_closes_all_the_same(self):
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE})
        window = self.open_window(flickmark)
        self.click_row(window, 0)
        files = [self.data_dir, *self.data_dir.iterdir()]
        set_immutable(files, True)
        self.addCleanup(set_immutable, files, False)
        self.session.key("Delete")
        harness.wait_until(lambda: len(self.rows()) == 2, 5.0, "the row to go")

        self.close_with_escape(window)
        # The save tries the replace again for about two seconds before it gives up.
        harness.wait_until(lambda: self.read(0, "visible", "#32770") == "1\n", 10.0, "the warning")
        warning = self.control(0xFFFF, "text", "#32770")
        self.assertIn("The gestures could not be saved to this file:", warning)
        self.assertIn(harness.windows_path(self.data_dir / "Gestures.ini"), warning.replace("\r", "").replace("\n", ""))
        box = box_of(self.control(0, "rect", "#32770"))
        self.session.screenshot("gestures-refused-write", box)
        self.session.move(box.left + box.width // 2, box.top + box.height // 2)
        self.session.key("Return")
        harness.wait_until(lambda: self.read(0, "visible", "#32770") != "1\n", 5.0, "the warning to go")
        self.assertEqual((self.data_dir / "Gestures.ini").read_bytes(), GLOBAL_FILE)

        # Shown again, the edit is still there; closed again, the refusal is not told a second time.
        mark = flickmark.log.mark()
        self.open_window(flickmark)
        self.assertEqual(len(self.rows()), 2)
        self.close_with_escape(window)
        flickmark.log.wait_for("Unable to write to ", mark, timeout=10.0)
        deadline = time.monotonic() + 1.0
        while time.monotonic() < deadline:
            self.assertNotEqual(self.read(0, "visible", "#32770"), "1\n", "told twice")

    def test_a_set_copied_to_the_probe_merges_or_replaces_and_works_over_the_probe(self):
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE, "Gestures_probe.exe.ini": PROBE_FILE})
        probe_file = self.data_dir / "Gestures_probe.exe.ini"
        window = self.open_window(flickmark)

        # Merge: the probe keeps its own UP+RIGHT and gains DOWN and LEFT.
        self.open_copy_plan(window, "100", "Copying 3 gestures of the global set to probe.exe: 2 new, 0 the same, "
                                           "1 different.")
        self.assertEqual(self.read(COPY_PLAN_MERGE, "check", DIALOG), "1\n")
        self.session.key("Return")
        added = (b"[1]\r\nActionType=Run Program / File\r\nAction=C:\\Tools\\edit.exe|-new\r\n"
                 b"[2]\r\nActionType=Keystroke\r\nAction=010043CTRL+C\r\n")
        harness.wait_until(lambda: probe_file.read_bytes() == PROBE_FILE + added, 5.0, "the merged set",
                           lambda: repr(probe_file.read_bytes()))

        # Replace: the probe gets exactly the global set; its RIGHT+UP goes, its UP+RIGHT takes H | I.
        self.open_copy_plan(window, "replace", "Copying 3 gestures of the global set to probe.exe: 0 new, 2 the same, "
                                               "1 different.")
        replace = box_of(self.control(COPY_PLAN_REPLACE, "rect", DIALOG))
        self.session.move(replace.left + 8, replace.top + replace.height // 2)
        self.session.xdotool("click", "1")
        harness.wait_until(lambda: self.read(COPY_PLAN_LIST, "enabled", DIALOG) == "0\n", 5.0,
                           "the ticks to go grey")
        self.session.key("Return")
        replaced = b"[03]\r\nActionType=Multiple Keystrokes\r\nAction=000048H|000049I\r\n" + added
        harness.wait_until(lambda: probe_file.read_bytes() == replaced, 5.0, "the replaced set",
                           lambda: repr(probe_file.read_bytes()))
        self.assertEqual((self.data_dir / "Gestures.ini").read_bytes(), GLOBAL_FILE)
        self.close_with_escape(window)

        _, since_us = self.session.draw_gesture(flickmark.log, self.probe.point(0.5, 0.7), UP_STEPS + RIGHT_STEPS)
        harness.wait_until(lambda: [e for e in key_downs(self.probe, since_us) if "vk=0x49" in e.text], 5.0,
                           "H, I at the probe", self.probe.log.text)

    def test_an_import_with_a_conflict_keeps_or_takes_it_and_an_export_writes_the_set(self):
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE})
        global_file = self.data_dir / "Gestures.ini"
        shared = self.session.prefix / "drive_c" / "shared"
        shared.mkdir(exist_ok=True)
        self.addCleanup(shutil.rmtree, shared, True)
        up = b"[0]\r\nActionType=Keystroke\r\nAction=000041A\r\n"
        (shared / "shared.ini").write_bytes(b"[03]\r\nActionType=Keystroke\r\nAction=000074F5\r\n" + up)
        window = self.open_window(flickmark)

        # Merge, the conflict left unticked: UP+RIGHT stays as it was, UP is added.
        self.import_file(r"C:\shared\shared.ini", "Copying 2 gestures of shared.ini to the global set: 1 new, "
                                                  "0 the same, 1 different.", "100")
        self.session.key("Return")
        harness.wait_until(lambda: global_file.read_bytes() == GLOBAL_FILE + up, 5.0, "UP imported",
                           lambda: repr(global_file.read_bytes()))
        harness.wait_until(lambda: len(self.rows()) == len(GLOBAL_ROWS) + 1, 5.0, "the imported row")

        # Replace: UP+RIGHT takes the imported action, and the gestures the file lacks go.
        self.import_file(r"C:\shared\shared.ini", "Copying 2 gestures of shared.ini to the global set: 0 new, "
                                                  "1 the same, 1 different.", "replace")
        self.click_control(COPY_PLAN_REPLACE, DIALOG)
        harness.wait_until(lambda: self.read(COPY_PLAN_LIST, "enabled", DIALOG) == "0\n", 5.0, "Replace chosen")
        self.session.key("Return")
        replaced = (b"; my gestures\r\n[03]\r\nActionType=Keystroke\r\nAction=000074F5\r\n"
                    b"[Colours]\r\nPen=blue\r\n" + up)
        harness.wait_until(lambda: global_file.read_bytes() == replaced, 5.0, "the replaced set",
                           lambda: repr(global_file.read_bytes()))
        self.assertEqual(self.rows(), ["UP+RIGHT\tKeystroke\tF5", "UP\tKeystroke\tA"])

        # Export: the set's bytes, as its file holds them.
        self.click_control(EXPORT)
        self.choose_file(SAVE_CHOOSER, r"C:\shared\mine.ini")
        harness.wait_until(lambda: (shared / "mine.ini").exists() and (shared / "mine.ini").read_bytes() == replaced,
                           5.0, "the exported file")
        flickmark.log.wait_for("gestures window: exported Gestures.ini to C:\\shared\\mine.ini", 0)
        self.close_with_escape(window)

    def test_window_and_menu_at_100_percent(self):
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE})
        self.photograph_window_and_menu(flickmark, "100")


class GesturesWindowAt150Percent(GesturesWindowCase):
    module = "gestures_window-150"
    dpi = 144

    def test_window_and_menu_at_150_percent(self):
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE})
        self.photograph_window_and_menu(flickmark, "150")

    def test_copy_dialogs_at_150_percent(self):
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE, "Gestures_probe.exe.ini": PROBE_FILE})
        window = self.open_window(flickmark)
        self.open_copy_plan(window, "150", "Copying 3 gestures of the global set to probe.exe: 2 new, 0 the same, "
                                           "1 different.")
        self.session.key("Escape")
        harness.wait_until(lambda: self.read(0, "visible", DIALOG) != "1\n", 5.0, "the plan dialog to close")
        self.assertEqual((self.data_dir / "Gestures_probe.exe.ini").read_bytes(), PROBE_FILE)


if __name__ == "__main__":
    unittest.main()
