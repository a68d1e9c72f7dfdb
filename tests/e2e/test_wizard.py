"""The gesture wizard end to end, opened from the gestures window: "New Gesture" refuses an empty gesture and
one that exists, "Edit Gesture" refuses a change into another existing gesture and renames a gesture in
place in its file, "Edit Action" (a double click on a row) opens on the editor of the gesture's action type
with its action loaded, and Cancel leaves the file as it was. Driven with the mouse and the keyboard; the
controls are read from outside with controls.exe. Screenshots of every page at 100 % and 150 %."""

import unittest

import harness
from harness import Box
from test_gestures_window import LIST, NEW_GESTURE, GesturesWindowCase, box_of, scaled

WIZARD = "FlickmarkGestureWizard"
MESSAGE_BOX = "#32770"
MESSAGE_TEXT = 0xFFFF
# Control ids of the wizard and of its gesture page.
NAME, CLEAR, DIRECTION = 802, 803, 810
UP, DOWN, LEFT, RIGHT, NE, NW, SE, SW = range(8)
BACK, NEXT, FINISH, CANCEL = 852, 853, 854, 2
GESTURE_TEXT, TYPE_SINGLE, TYPE_MULTIPLE, TYPE_RUN = 860, 863, 864, 865
KEYSTROKE_TEXT, LIST_TITLE, SUMMARY_TEXT, SUMMARY = 867, 868, 872, 873
# The control that only its page shows, page by page.
PAGE_MARKS = {GESTURE_TEXT: 0, TYPE_SINGLE: 1, KEYSTROKE_TEXT: 2, LIST_TITLE: 3, SUMMARY: 5}

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
        box = box_of(self.control(control_id, "rect", window))
        self.session.move(box.left + box.width // 2, box.top + box.height // 2)
        self.session.xdotool("click", "1")

    def draw_with_buttons(self, *directions: int) -> None:
        for direction in directions:
            self.click(DIRECTION + direction)
        names = ["UP", "DOWN", "LEFT", "RIGHT", "NE", "NW", "SE", "SW"]
        expected = "+".join(names[d] for d in directions)
        harness.wait_until(lambda: self.wizard(NAME, "text") == expected + "\n", 5.0, f"the name {expected}")

    def page(self) -> int | None:
        shown = [page for mark, page in PAGE_MARKS.items() if self.wizard(mark, "visible") == "1\n"]
        return shown[0] if len(shown) == 1 else None

    def wait_for_page(self, page: int) -> None:
        harness.wait_until(lambda: self.page() == page, 5.0, f"page {page}", lambda: f"page {self.page()}")

    def open_new(self) -> None:
        self.click(NEW_GESTURE, "FlickmarkGestures")
        harness.wait_until(self.wizard_visible, 5.0, "the wizard")

    def next_refused(self, message: str) -> None:
        """Next shows the message in a box owned by the wizard; Return closes it and the page stays."""
        page = self.page()
        self.click(NEXT)
        harness.wait_until(lambda: self.read(0, "visible", MESSAGE_BOX) == "1\n", 5.0, "the message")
        self.assertEqual(self.control(MESSAGE_TEXT, "text", MESSAGE_BOX), message + "\n")
        self.assertEqual(self.wizard(0, "enabled"), "0\n", "the box is modal to the wizard")
        box = box_of(self.control(0, "rect", MESSAGE_BOX))
        self.session.move(box.left + box.width // 2, box.top + box.height // 2)
        self.session.key("Return")
        harness.wait_until(lambda: self.read(0, "visible", MESSAGE_BOX) != "1\n", 5.0, "the message to go")
        self.assertTrue(self.wizard_visible())
        self.assertEqual(self.page(), page)

    def menu_command(self, row: int, item: int) -> None:
        """Chooses an item of the list's right-click menu on a row (items of about 19 logical pixels)."""
        window = self.client_box()
        self.click_row(window, row)
        self.session.xdotool("click", "3")
        menu = harness.wait_until(lambda: self.session.popup_menus(), 5.0, "the list's menu")[0]
        item_height = scaled(19, self.dpi or 96)
        self.session.move(menu.left + menu.width // 2, menu.top + scaled(3, self.dpi or 96) +
                          item_height * item + item_height // 2)
        self.session.key("Return")

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
            if page is not None:
                self.click(BACK)
                self.wait_for_page(1)
        self.click(NEXT)
        self.wait_for_page(5)
        self.session.screenshot(f"wizard-summary-{name}", self.wizard_box())
        self.click(CANCEL)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")


class WizardEndToEnd(WizardCase):
    module = "wizard"

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
        self.wait_for_page(5)
        summary = self.wizard(SUMMARY, "text")
        self.assertIn("DOWN+LEFT", summary)
        self.assertIn("C:\\Tools\\edit.exe", summary)
        self.assertIn("-new", summary)
        self.assertEqual(self.wizard(FINISH, "enabled"), "1\n")
        self.click(FINISH)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")
        # Saved at once, with the gesture in its old place and its comment.
        renamed = GLOBAL_FILE.replace(b"[1]\r\n; the editor\r\nActionType=Run Program / File\r\n"
                                      b"Action=C:\\Tools\\edit.exe|-new\r\n",
                                      b"[12]\r\nActionType=Run Program / File\r\nAction=C:\\Tools\\edit.exe|-new\r\n"
                                      b"; the editor\r\n")
        harness.wait_until(lambda: (self.data_dir / "Gestures.ini").read_bytes() == renamed, 5.0,
                           "the renamed gesture saved", lambda: repr((self.data_dir / "Gestures.ini").read_bytes()))
        flickmark.log.wait_for("gestures window: DOWN renamed to DOWN+LEFT in Gestures.ini", mark)
        self.assertEqual(self.rows()[1], "DOWN+LEFT\tRun Program / File\tC:\\Tools\\edit.exe | -new")

        # Edit Action (a double click) on the list of keystrokes opens on the list's page with the list
        # loaded; Cancel changes nothing on disk.
        self.click_row(window, 2)
        self.session.xdotool("click", "--repeat", "2", "1")
        harness.wait_until(self.wizard_visible, 5.0, "the wizard")
        self.wait_for_page(3)
        self.click(NEXT)
        self.wait_for_page(5)
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
