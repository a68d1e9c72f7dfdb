"""The action editors inside the gesture wizard, end to end: the key field of the keystroke page captures
Enter, Escape, Alt+F4 and F10 (it shows them and the wizard stays open); the keystroke list's "Add
Keystroke" opens the "Flickmark keystroke" dialog, whose key field captures Escape and Enter the same way,
Set appends the keystroke and Cancel adds nothing. Screenshots of the keystroke dialog and of the list page
with its entries at 100 % and 150 % (the wizard's own tests photograph every page)."""

import unittest

import harness
from test_wizard import (BACK, CANCEL, GLOBAL_FILE, NEXT, TYPE_MULTIPLE, TYPE_SINGLE, UP, WizardCase, box_of)

DIALOG = "Flickmark keystroke"
# Control ids of the action editors.
KEY_FIELD, KEY_SET, KEY_CANCEL = 611, 615, 616
KEYSTROKE_LIST, ADD_KEYSTROKE = 630, 631


class ActionEditorsCase(WizardCase):
    def field_shows(self, text: str, window: str) -> None:
        harness.wait_until(lambda: self.read(KEY_FIELD, "text", window) == text + "\n", 5.0,
                           f"the key field to show {text}", lambda: repr(self.read(KEY_FIELD, "text", window)))

    def press_in_field(self, window: str, *presses: tuple[str, str]) -> None:
        """Each key (xdotool's name) is captured as the text given; the window stays open throughout."""
        box = box_of(self.control(KEY_FIELD, "rect", window))
        self.session.move(box.left + box.width // 2, box.top + box.height // 2)
        for key, shown in presses:
            self.session.key(key)
            self.field_shows(shown, window)
            self.assertEqual(self.read(0, "visible", window), "1\n", f"{key} left the window open")

    def dialog_visible(self) -> bool:
        return self.read(0, "visible", DIALOG) == "1\n"

    def add_keystroke(self) -> None:
        self.click(ADD_KEYSTROKE)
        harness.wait_until(self.dialog_visible, 5.0, "the keystroke dialog")
        self.assertEqual(self.wizard(0, "enabled"), "0\n", "the dialog is modal to the wizard")
        self.assertEqual(self.read(KEY_FIELD, "text", DIALOG), "\n", "each run starts cleared")
        self.assertEqual(self.read(KEY_SET, "enabled", DIALOG), "0\n", "Set waits for a key")

    def dialog_box(self) -> harness.Box:
        shown = [box for title, box in self.session.visible_windows("flickmark.exe") if title == DIALOG]
        self.assertEqual(len(shown), 1, "one keystroke dialog is shown")
        return shown[0]

    def run_editors(self, name: str) -> None:
        flickmark = self.start_flickmark({"Gestures.ini": GLOBAL_FILE})
        self.open_window(flickmark)
        self.open_new()
        self.draw_with_buttons(UP)
        self.click(NEXT)
        self.wait_for_page(1)
        self.click(TYPE_SINGLE)
        self.click(NEXT)
        self.wait_for_page(2)
        self.click(KEY_FIELD)
        self.press_in_field("FlickmarkGestureWizard", ("Return", "ENTER"), ("Escape", "ESCAPE"),
                           ("alt+F4", "ALT+F4"), ("F10", "ALT+F10"))

        self.click(BACK)
        self.wait_for_page(1)
        self.click(TYPE_MULTIPLE)
        self.click(NEXT)
        self.wait_for_page(3)
        self.add_keystroke()
        self.press_in_field(DIALOG, ("Escape", "ESCAPE"), ("Return", "ENTER"))
        self.session.screenshot(f"keystroke-dialog-{name}", self.dialog_box())
        self.click(KEY_SET, DIALOG)
        harness.wait_until(lambda: not self.dialog_visible(), 5.0, "the dialog to close on Set")
        self.add_keystroke()
        self.press_in_field(DIALOG, ("ctrl+Home", "CTRL+HOME"))
        self.click(KEY_CANCEL, DIALOG)
        harness.wait_until(lambda: not self.dialog_visible(), 5.0, "the dialog to close on Cancel")
        self.assertEqual(self.wizard(KEYSTROKE_LIST, "items").splitlines(), ["ENTER"])
        self.session.screenshot(f"keystroke-list-{name}", self.wizard_box())

        self.click(CANCEL)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")
        self.assertEqual((self.data_dir / "Gestures.ini").read_bytes(), GLOBAL_FILE)


class ActionEditorsEndToEnd(ActionEditorsCase):
    module = "action_editors"

    def test_keys_captured_and_the_keystroke_dialog_at_100_percent(self):
        self.run_editors("100")


class ActionEditorsAt150Percent(ActionEditorsCase):
    module = "action_editors-150"
    dpi = 144

    def test_keys_captured_and_the_keystroke_dialog_at_150_percent(self):
        self.run_editors("150")


if __name__ == "__main__":
    unittest.main()
