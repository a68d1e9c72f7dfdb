"""Details a user sees in the gestures window and the wizard, at 100 % and 150 %: the list's last column
reaches the list's right edge, here with rows enough to scroll; the diagonal direction buttons and the
Examples buttons of the keystroke editors show their hints when the pointer rests on them; the summary shows
a scroll bar only when its text needs one. Screenshots of each."""

import unittest

import harness
from harness import Box
from test_gestures_window import LIST, box_of, scaled
from test_wizard import (DIRECTION, GLOBAL_FILE, KEY_FIELD, LEFT, NEXT, SUMMARY, SW, TYPE_SINGLE, UP, CANCEL,
                         WizardCase)

KEY_EXAMPLES, LIST_EXAMPLES = 612, 632
TOOLTIP = "tooltips_class32"
DARK = 80  # a channel value below which a pixel counts as ink

# Diagonals on, so the gesture page shows its diagonal buttons.
SETTINGS = b"[init]\r\ntbHelpPause=2000\r\ncbEnableDiagonals=1\r\n"


def gestures_file() -> bytes:
    """A first gesture of 20 keystrokes, whose summary is taller than the summary box, then the wizard's usual
    three and enough others for the list to scroll."""
    letters = "|".join(f"0000{ord(c):02X}{c}" for c in "ABCDEFGHIJKLMNOPQRST")
    first = f"[0]\r\nActionType=Multiple Keystrokes\r\nAction={letters}\r\n".encode("ascii")
    others = [a + b + c for a in "0123" for b in "0123" for c in ["", *"0123"] if a != b and c != b]
    others = [g for g in others if g not in ("03", "1", "2", "20")][:24]
    rest = b"".join(f"[{g}]\r\nActionType=Keystroke\r\nAction=000074F5\r\n".encode("ascii") for g in others)
    return first + GLOBAL_FILE + rest


class WindowDetailsCase(WizardCase):
    def rest_on(self, control_id: int, hint: str) -> Box:
        """Rests the pointer on a control of the wizard until its hint shows; returns the box of the wizard
        and the hint together."""
        box = box_of(self.wizard(control_id, "rect"))
        self.session.move(box.left + box.width // 2, box.top + box.height // 2)
        shown = harness.wait_until(lambda: [b for title, b in self.session.visible_windows("flickmark.exe")
                                            if title == ""], 5.0, f"the hint {hint}")
        harness.wait_until(lambda: self.read(0, "text", TOOLTIP) == hint + "\n", 5.0, f"the text of {hint}",
                           lambda: repr(self.read(0, "text", TOOLTIP)))
        boxes = [self.wizard_box(), *shown]
        return Box(min(b.left for b in boxes), min(b.top for b in boxes), max(b.right for b in boxes),
                   max(b.bottom for b in boxes))

    def summary_scroll_arrow_ink(self) -> int:
        """Dark pixels where the summary's scroll bar has its up arrow, at the box's top right corner. The
        summary's lines are short, so without a scroll bar no text reaches there."""
        summary = box_of(self.wizard(SUMMARY, "rect"))
        side = scaled(17, self.dpi or 96)
        image = self.session.screenshot()
        return sum(1 for y in range(summary.top + 2, summary.top + 2 + side)
                   for x in range(summary.right - 2 - side, summary.right - 2) if max(image.pixel(x, y)) < DARK)

    def check_details(self, name: str) -> None:
        flickmark = self.start_flickmark({"Gestures.ini": gestures_file(), "defaults.ini": SETTINGS})
        window = self.open_window(flickmark)
        self.assertEqual(len(self.rows()), 28)
        self.session.screenshot(f"gestures-window-rows-{name}", window)

        # A new gesture: the hint of a diagonal button that takes clicks, then the keystroke editor's.
        self.open_new()
        self.draw_with_buttons(LEFT, UP)
        self.session.screenshot(f"gesture-page-hint-{name}", self.rest_on(DIRECTION + SW, "SouthWest"))
        self.click(NEXT)
        self.wait_for_page(1)
        self.click(TYPE_SINGLE)
        harness.wait_until(lambda: self.wizard(TYPE_SINGLE, "check") == "1\n", 5.0, "a single keystroke chosen")
        self.click(NEXT)
        self.wait_for_page(2)
        self.session.screenshot(f"keystroke-page-hint-{name}", self.rest_on(KEY_EXAMPLES, "Common Examples"))
        key_field = box_of(self.wizard(KEY_FIELD, "rect"))
        self.session.move(key_field.left + 5, key_field.top + key_field.height // 2)
        self.session.key("ctrl+shift+s")
        harness.wait_until(lambda: self.wizard(KEY_FIELD, "text") == "CTRL+SHIFT+S\n", 5.0, "the keystroke")

        # A short summary: no scroll bar.
        self.click(NEXT)
        self.wait_for_page(6)
        self.session.screenshot(f"summary-short-{name}", self.wizard_box())
        self.assertEqual(self.summary_scroll_arrow_ink(), 0, "a scroll bar beside a summary that fits")
        self.click(CANCEL)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")

        # The first gesture's 20 keystrokes (a double click is "Edit Action"): the list's hint, then a
        # summary taller than its box, with a scroll bar.
        self.click_row(window, 0)
        self.session.xdotool("click", "--repeat", "2", "1")
        harness.wait_until(self.wizard_visible, 5.0, "the wizard")
        self.wait_for_page(3)
        self.session.screenshot(f"list-page-hint-{name}", self.rest_on(LIST_EXAMPLES, "Common Examples"))
        self.click(NEXT)
        self.wait_for_page(6)
        self.assertIn("\tT\r\n", self.wizard(SUMMARY, "text"))
        self.session.screenshot(f"summary-scrolls-{name}", self.wizard_box())
        self.assertGreater(self.summary_scroll_arrow_ink(), 0, "no scroll bar beside a summary that is too tall")
        self.click(CANCEL)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")
        self.assertEqual(self.control(LIST, "selection"), "0\n")


class WindowDetails(WindowDetailsCase):
    module = "window_details"

    def test_at_100_percent(self):
        self.check_details("100")


class WindowDetailsAt150Percent(WindowDetailsCase):
    module = "window_details-150"
    dpi = 144

    def test_at_150_percent(self):
        self.check_details("150")


if __name__ == "__main__":
    unittest.main()
