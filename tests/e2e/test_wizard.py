"""The gesture wizard end to end, opened from the gestures window: "New Gesture" refuses an empty gesture and
one that exists, "Edit Gesture" refuses a change into another existing gesture and renames a gesture in
place in its file (its header only), "Edit Action" opens on the editor of the gesture's action type
with its action loaded, and Cancel leaves the file as it was. Driven with the mouse and the keyboard; the
controls are read from outside with controls.exe. Screenshots of every page at 100 % and 150 %."""

import time
import unittest

import harness
from harness import RIGHT_STEPS, UP_STEPS, Box
from test_actions import fields, key_downs
from test_gestures_window import LIST, NEW_GESTURE, GesturesWindowCase, box_of

WIZARD = "FlickmarkGestureWizard"
DRAWING = "FlickmarkGestureDrawing"
# The gesture page's Draw button, and the drawing area's controls ("Use Gesture" is OK).
DRAW, DRAWING_AREA, THREE_TIMES, DRAWING_STATUS, USE_GESTURE = 804, 822, 823, 824, 1
MESSAGE_BOX = "#32770"
MESSAGE_TEXT = 0xFFFF
# Control ids of the wizard and of its gesture page.
NAME, CLEAR, DIRECTION = 802, 803, 810
UP, DOWN, LEFT, RIGHT, NE, NW, SE, SW = range(8)
SIDE_PANEL, BACK, NEXT, FINISH, CANCEL = 851, 852, 853, 854, 2
GESTURE_TEXT, TYPE_SINGLE, TYPE_MULTIPLE, TYPE_RUN = 860, 863, 864, 865
KEYSTROKE_TEXT, LIST_TITLE, SUMMARY_TEXT, SUMMARY = 867, 868, 872, 873
COMMAND_TEXT = 884
# What Next says on an action page left empty.
EMPTY_PAGE_REFUSALS = {2: "Press the keystroke to send while the key field has the focus.",
                       3: "Add at least one keystroke to the list, or choose one of the examples."}
# The control that only its page shows, page by page.
PAGE_MARKS = {GESTURE_TEXT: 0, TYPE_SINGLE: 1, KEYSTROKE_TEXT: 2, LIST_TITLE: 3, COMMAND_TEXT: 5, SUMMARY: 6}
# The action editors embedded on the pages.
KEY_FIELD, PROGRAM_PATH, PROGRAM_PARAMETERS = 611, 651, 655
VK_CONTROL, VK_SHIFT = 0x11, 0x10

GLOBAL_FILE = (b"[03]\r\nActionType=Keystroke\r\nAction=010043CTRL+C\r\n"
               b"[1]\r\n; the editor\r\nActionType=Run Program / File\r\nAction=C:\\Tools\\edit.exe|-new\r\n"
               b"[2]\r\nActionType=Multiple Keystrokes\r\nAction=100046ALT+F|000053S\r\n")


class WizardCase(GesturesWindowCase):
    """The gestures window's helpers, and the wizard's."""

    def wizard_visible(self) -> bool:
        return self.read(0, "visible", WIZARD) == "1\n"

    def wizard(self, control_id: int, what: str) -> str:
        return self.control(control_id, what, WIZARD)

    def click(self, control_id: int, window: str = WIZARD) -> None:
        """Clicks a control's centre. After a message box has closed, Wine may hold the last input event
        until another one arrives; the pointer moves on by a pixel to deliver the release."""
        box = box_of(self.control(control_id, "rect", window))
        self.session.move(box.left + box.width // 2, box.top + box.height // 2)
        self.session.xdotool("click", "1", "mousemove_relative", "1", "0")

    def draw_with_buttons(self, *directions: int) -> None:
        """Clicks direction buttons, each once its predecessor shows in the name. Under Wine without a window
        manager the first click on the wizard after a message box closed is sometimes lost, so a click that
        changed nothing within a second is made once more."""
        names = ["UP", "DOWN", "LEFT", "RIGHT", "NE", "NW", "SE", "SW"]
        for count, direction in enumerate(directions, 1):
            expected = "+".join(names[d] for d in directions[:count]) + "\n"
            self.click(DIRECTION + direction)
            try:
                harness.wait_until(lambda: self.wizard(NAME, "text") == expected, 1.0, "the click")
            except harness.WaitTimeout:
                self.click(DIRECTION + direction)
            harness.wait_until(lambda: self.wizard(NAME, "text") == expected, 5.0, f"the name {expected}")

    def drawing(self, control_id: int, what: str) -> str:
        return self.control(control_id, what, DRAWING)

    def open_drawing(self) -> None:
        self.click(DRAW)
        harness.wait_until(lambda: self.read(0, "visible", DRAWING) == "1\n", 5.0, "the drawing area")

    def draw_up_right(self, status: str) -> None:
        """Draws up, then further right, in the drawing area with the right button, and waits for what the
        line under the area then says."""
        area = box_of(self.drawing(DRAWING_AREA, "rect"))
        x, y = area.left + area.width // 6, area.bottom - area.height // 6
        up, right = area.height * 2 // 3, area.width * 2 // 3
        points = [(x, y - up * i // 6) for i in range(1, 7)] + [(x + right * i // 8, y - up) for i in range(1, 9)]
        self.session.move(x, y)
        self.session.button_down()
        self.session.stroke(points, step_seconds=0.04)
        time.sleep(0.2)  # input pacing: the end is held a moment before the release, as a hand does
        self.session.button_up()
        harness.wait_until(lambda: self.drawing(DRAWING_STATUS, "text") == status + "\n", 5.0, repr(status),
                           lambda: self.drawing(DRAWING_STATUS, "text"))

    def drawing_box(self) -> Box:
        shown = [box for title, box in self.session.visible_windows("flickmark.exe") if title == "Draw Gesture"]
        self.assertEqual(len(shown), 1, "one drawing area is shown")
        return shown[0]

    def select_row(self, row: int) -> None:
        """Selects a row: a click on the first (rows are closer than click_row expects further down), then
        Down to the row."""
        self.click_row(self.client_box(), 0)
        for _ in range(row):
            self.session.key("Down")
        harness.wait_until(lambda: self.control(LIST, "selection") == f"{row}\n", 5.0, f"row {row} selected")

    def page(self) -> int | None:
        shown = [page for mark, page in PAGE_MARKS.items() if self.wizard(mark, "visible") == "1\n"]
        return shown[0] if len(shown) == 1 else None

    def wait_for_page(self, page: int) -> None:
        harness.wait_until(lambda: self.page() == page, 5.0, f"page {page}", lambda: f"page {self.page()}")

    def open_new(self) -> None:
        self.click(NEW_GESTURE, "FlickmarkGestures")
        harness.wait_until(self.wizard_visible, 5.0, "the wizard")

    def next_refused(self, message: str) -> None:
        """Next shows the message in a box owned by the wizard; OK closes it and the page stays."""
        page = self.page()
        self.click(NEXT)
        harness.wait_until(lambda: self.read(0, "visible", MESSAGE_BOX) == "1\n", 5.0, "the message")
        self.assertEqual(self.control(MESSAGE_TEXT, "text", MESSAGE_BOX), message + "\n")
        self.assertEqual(self.wizard(0, "enabled"), "0\n", "the box is modal to the wizard")
        self.click(1, MESSAGE_BOX)  # OK
        harness.wait_until(lambda: self.read(0, "visible", MESSAGE_BOX) != "1\n", 5.0, "the message to go")
        harness.wait_until(lambda: self.wizard(0, "enabled") == "1\n", 5.0, "the wizard enabled again")
        self.assertTrue(self.wizard_visible())
        self.assertEqual(self.page(), page)

    def menu_command(self, row: int, item: int) -> None:
        """Chooses an item of the list's menu on a row, opened with Shift+F10: Home, then Down to the item."""
        self.select_row(row)
        self.session.key("shift+F10")
        menu = harness.wait_until(lambda: self.session.popup_menus(), 5.0, "the list's menu")[0]
        self.session.choose_in_menu(menu, "Home", *["Down"] * item, "Return")

    def wizard_box(self) -> Box:
        """The wizard's client area (with no window manager, the X window has no frame)."""
        shown = [box for title, box in self.session.visible_windows("flickmark.exe") if title == "Gesture Wizard"]
        self.assertEqual(len(shown), 1, "one wizard is shown")
        return shown[0]

    def photograph_pages(self, name: str) -> None:
        """Every page of a new gesture, Left then Up; each action editor's page after choosing its type."""
        self.open_new()
        self.draw_with_buttons(LEFT, UP)
        self.session.screenshot(f"wizard-gesture-{name}", self.wizard_box())
        self.open_drawing()
        self.draw_up_right("Read as UP+RIGHT.")
        self.session.screenshot(f"drawing-{name}", self.drawing_box())
        self.session.key("Escape")
        harness.wait_until(lambda: self.read(0, "visible", DRAWING) != "1\n", 5.0, "the drawing area to close")
        self.assertEqual(self.wizard(NAME, "text"), "LEFT+UP\n", "Cancel keeps the gesture")
        self.click(NEXT)
        self.wait_for_page(1)
        for type_button, label, page in ((TYPE_SINGLE, "keystroke", 2), (TYPE_MULTIPLE, "list", 3),
                                         (TYPE_RUN, "program", None)):
            self.click(type_button)
            harness.wait_until(lambda: self.wizard(type_button, "check") == "1\n", 5.0, f"{label} chosen")
            if page == 2:
                self.session.screenshot(f"wizard-action-type-{name}", self.wizard_box())
            self.click(NEXT)
            harness.wait_until(lambda: self.page() == page, 5.0, f"the {label} page")
            self.session.screenshot(f"wizard-{label}-{name}", self.wizard_box())
            if page in EMPTY_PAGE_REFUSALS and name == "100":
                self.next_refused(EMPTY_PAGE_REFUSALS[page])
            if page is not None:
                self.click(BACK)
                self.wait_for_page(1)
        # The program page: parameters without a program are refused, and so is no program at all.
        self.click(PROGRAM_PARAMETERS)
        self.session.xdotool("type", "/x")
        harness.wait_until(lambda: self.wizard(PROGRAM_PARAMETERS, "text") == "/x\n", 5.0, "the parameters")
        self.next_refused("Parameters need a program: enter the program, document or folder that gets them.")
        self.click(PROGRAM_PATH)
        self.session.xdotool("type", "notepad.exe")
        harness.wait_until(lambda: self.wizard(PROGRAM_PATH, "text") == "notepad.exe\n", 5.0, "the program")
        self.click(NEXT)
        self.wait_for_page(6)
        self.session.screenshot(f"wizard-summary-{name}", self.wizard_box())
        self.click(CANCEL)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")


class WizardEndToEnd(WizardCase):
    module = "wizard"

    def test_a_new_gesture_with_a_captured_keystroke_runs_when_drawn(self):
        down = b"[1]\r\nActionType=Keystroke\r\nAction=000074F5\r\n"
        flickmark = self.start_flickmark({"Gestures.ini": down})
        window = self.open_window(flickmark)
        self.open_new()
        # Drawn in the drawing area, three times; the live recognizer stays out of it.
        mark = flickmark.log.mark()
        self.open_drawing()
        self.click(THREE_TIMES, DRAWING)
        harness.wait_until(lambda: self.drawing(THREE_TIMES, "check") == "1\n", 5.0, "three times ticked")
        self.draw_up_right("Drawing 1 of 3 read as UP+RIGHT: draw it again.")
        self.assertEqual(self.drawing(USE_GESTURE, "enabled"), "0\n")
        self.draw_up_right("Drawing 2 of 3 read as UP+RIGHT: draw it once more.")
        self.draw_up_right("All three drawings read UP+RIGHT.")
        self.session.screenshot("tour-drawing", self.drawing_box())
        flickmark.log.assert_never("--------0", mark)
        self.assertEqual(self.session.popup_menus(), [], "no menu opened")
        self.click(USE_GESTURE, DRAWING)
        harness.wait_until(lambda: self.wizard(NAME, "text") == "UP+RIGHT\n", 5.0, "the drawn gesture")
        self.session.screenshot("tour-gesture", self.wizard_box())
        self.click(NEXT)
        self.wait_for_page(1)
        self.click(TYPE_SINGLE)
        self.click(NEXT)
        self.wait_for_page(2)
        # The key field has the focus: the keys go straight to it.
        self.session.key("ctrl+shift+s")
        harness.wait_until(lambda: self.wizard(KEY_FIELD, "text") == "CTRL+SHIFT+S\n", 5.0, "the keystroke")
        self.session.screenshot("tour-keystroke-captured", self.wizard_box())
        self.click(NEXT)
        self.wait_for_page(6)
        self.session.screenshot("tour-summary", self.wizard_box())
        self.assertEqual(self.wizard(SUMMARY, "text"), "Gesture:   \r\n\tUP+RIGHT\r\n \r\nKeystroke: \r\n"
                                                       "\tCTRL+SHIFT+S\n")
        self.click(FINISH)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")
        expected = down + b"[03]\r\nActionType=Keystroke\r\nAction=011053CTRL+SHIFT+S\r\n"
        harness.wait_until(lambda: (self.data_dir / "Gestures.ini").read_bytes() == expected, 5.0,
                           "[03] saved", lambda: repr((self.data_dir / "Gestures.ini").read_bytes()))
        self.assertEqual(self.rows()[-1], "UP+RIGHT\tKeystroke\tCTRL+SHIFT+S")
        self.session.screenshot("tour-gestures-window", window)
        self.close_with_escape(window)

        # Drawn over the probe, it delivers Ctrl+Shift+S.
        _, since_us = self.session.draw_gesture(flickmark.log, self.probe.point(0.1, 0.95), UP_STEPS + RIGHT_STEPS)
        harness.wait_until(lambda: any(fields(e)["vk"] == 0x53 for e in key_downs(self.probe, since_us)), 5.0,
                           "S at the probe", self.probe.log.text)
        s_down = next(fields(e) for e in key_downs(self.probe, since_us) if fields(e)["vk"] == 0x53)
        self.assertEqual((s_down["ctrl"], s_down["shift"], s_down["alt"]), (1, 1, 0), self.probe.log.text())

    def test_refusals_a_rename_in_place_and_a_cancelled_edit(self):
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE})
        window = self.open_window(flickmark)

        # New: nothing clicked yet, then a gesture that exists; Cancel writes nothing.
        self.open_new()
        self.wait_for_page(0)
        self.assertEqual(self.wizard(BACK, "enabled"), "0\n")
        self.assertEqual(self.wizard(FINISH, "enabled"), "0\n")
        self.assertEqual(self.control(0, "enabled", "FlickmarkGestures"), "0\n", "the owner is disabled")
        self.next_refused("Click the direction buttons to define the gesture.")
        self.draw_with_buttons(UP, RIGHT)
        # After Right, neither Right again nor a diagonal sharing its part can follow.
        self.assertEqual([self.wizard(DIRECTION + d, "enabled") for d in (UP, DOWN, RIGHT)], ["1\n", "1\n", "0\n"])
        self.next_refused("Cannot use UP+RIGHT. Gesture already exists.")
        self.click(CANCEL)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")
        self.assertEqual(self.control(0, "enabled", "FlickmarkGestures"), "1\n")
        self.assertEqual((self.data_dir / "Gestures.ini").read_bytes(), GLOBAL_FILE)

        # Edit Gesture on DOWN: into UP+RIGHT is refused; into DOWN+LEFT renames it in its place.
        mark = flickmark.log.mark()
        self.menu_command(1, 0)
        harness.wait_until(self.wizard_visible, 5.0, "the wizard")
        self.wait_for_page(0)
        self.assertEqual(self.wizard(NAME, "text"), "DOWN\n")
        self.assertEqual(self.wizard(DIRECTION + DOWN, "enabled"), "0\n", "no DOWN after DOWN")
        self.click(CLEAR)
        self.draw_with_buttons(UP, RIGHT)
        self.next_refused("Cannot use UP+RIGHT. Gesture already exists.")
        self.click(CLEAR)
        self.draw_with_buttons(DOWN, LEFT)
        self.click(NEXT)
        self.wait_for_page(1)
        self.assertEqual(self.wizard(TYPE_RUN, "check"), "1\n")
        self.click(NEXT)  # the program's page
        harness.wait_until(lambda: self.page() is None, 5.0, "the program's page")
        self.click(NEXT)
        self.wait_for_page(6)
        summary = self.wizard(SUMMARY, "text")
        self.assertIn("DOWN+LEFT", summary)
        self.assertIn("C:\\Tools\\edit.exe", summary)
        self.assertIn("-new", summary)
        self.assertEqual(self.wizard(FINISH, "enabled"), "1\n")
        self.click(FINISH)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")
        # Saved at once: only the header of the gesture changes.
        renamed = GLOBAL_FILE.replace(b"[1]\r\n; the editor\r\n", b"[12]\r\n; the editor\r\n")
        harness.wait_until(lambda: (self.data_dir / "Gestures.ini").read_bytes() == renamed, 5.0,
                           "the renamed gesture saved", lambda: repr((self.data_dir / "Gestures.ini").read_bytes()))
        flickmark.log.wait_for("gestures window: DOWN renamed to DOWN+LEFT in Gestures.ini", mark)
        self.assertEqual(self.rows()[1], "DOWN+LEFT\tRun Program or File\tC:\\Tools\\edit.exe | -new")

        # Edit Action on the list of keystrokes opens on the list's page with the list loaded; Cancel changes
        # nothing on disk.
        self.menu_command(2, 1)
        harness.wait_until(self.wizard_visible, 5.0, "the wizard")
        self.wait_for_page(3)
        self.click(NEXT)
        self.wait_for_page(6)
        self.assertIn("Keystrokes: \r\n\tALT+F\r\n\tS", self.wizard(SUMMARY, "text"))
        self.session.key("Escape")
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")
        self.assertEqual((self.data_dir / "Gestures.ini").read_bytes(), renamed)
        self.close_with_escape(window)
        self.assertEqual((self.data_dir / "Gestures.ini").read_bytes(), renamed)

    def test_pages_at_100_percent(self):
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE})
        self.open_window(flickmark)
        self.photograph_pages("100")


class WizardAt150Percent(WizardCase):
    module = "wizard-150"
    dpi = 144

    def test_pages_at_150_percent(self):
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE})
        self.open_window(flickmark)
        self.photograph_pages("150")


if __name__ == "__main__":
    unittest.main()
