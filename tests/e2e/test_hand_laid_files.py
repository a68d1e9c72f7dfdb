"""A gestures file laid out by hand, end to end: every gesture opened with "Edit Gesture" (and the unknown one
with a double click, which edits its action) and finished unchanged through the wizard leaves the file with
its bytes and its modification time; a deleted gesture takes only its own lines. The file holds a type this
version does not know, a malformed keystroke, a keystroke with its own display text, a key without a name,
a program without parameters, comments above headers, blank lines inside sections, a section that appears
twice and another section in the middle. Screenshots of the unknown type's read-only action at 100 % and
150 %."""

import unittest

import harness
from test_gestures_window import LIST, scaled
from test_wizard import (CANCEL, FINISH, KEY_FIELD, NAME, NEXT, PROGRAM_PATH, SUMMARY, TYPE_MULTIPLE,
                         TYPE_RUN, TYPE_SINGLE, WizardCase, box_of)

# The wizard's controls for a gesture of an unknown type.
TYPE_KEEP, UNKNOWN_NOTE, UNKNOWN_ACTION = 880, 881, 882

DELETED = (b"; save, in my own words\r\n"
           b"[2]\r\n"
           b"ActionType=Keystroke\r\n"
           b"\r\n"
           b"Action=010053Save file\r\n")
HAND_LAID = (b"; Flickmark gestures, laid out by hand\r\n"
             b"\r\n"
             b"; a type this version does not know\r\n"
             b"[0]\r\n"
             b"ActionType=Macro\r\n"
             b"Action=anything\r\n"
             b"[1]\r\n"
             b"ActionType=Keystroke\r\n"
             b"Action=Ctrl+S\r\n"
             b"\r\n"
             b"[Options]\r\n"
             b"Colour=blue\r\n"
             b"\r\n" + DELETED +
             b"; the next one is a key without a name\r\n"
             b"[3]\r\n"
             b"ActionType=Keystroke\r\n"
             b"Action=0000ADVolume Mute\r\n"
             b"[03]\r\n"
             b"ActionType=Run Program / File\r\n"
             b"Action=notepad.exe\r\n"
             b"; an old copy, never read\r\n"
             b"[0]\r\n"
             b"ActionType=Keystroke\r\n"
             b"Action=000074F5\r\n")
ROWS = ["UP\tMacro\tanything", "DOWN\tKeystroke\tCtrl+S", "LEFT\tKeystroke\tSave file", "RIGHT\tKeystroke\tVolume Mute",
        "UP+RIGHT\tRun Program or File\tnotepad.exe | "]
NOTE = ('This version of Flickmark cannot edit actions of the type "Macro". Keep it as stored, or choose a '
        'type above to replace it.')
# Each row's pages after the gesture page (4 is the program's, which has no mark of its own; 6 the summary),
# what its editor shows, and the summary's end.
PASSES = [
    ([1, 6], None, "Action type: \r\n\tMacro\r\n \r\nAction: \r\n\tanything\n"),
    ([1, 2, 6], (KEY_FIELD, "Ctrl+S"), "Keystroke: \r\n\tCtrl+S\n"),
    ([1, 2, 6], (KEY_FIELD, "Save file"), "Keystroke: \r\n\tSave file\n"),
    ([1, 2, 6], (KEY_FIELD, "Volume Mute"), "Keystroke: \r\n\tVolume Mute\n"),
    ([1, 4, 6], (PROGRAM_PATH, "notepad.exe"), "Program or File: \r\n\tnotepad.exe\r\n \n"),
]


class HandLaidFileCase(WizardCase):
    def shown_page(self) -> int | None:
        if self.wizard(PROGRAM_PATH, "visible") == "1\n":
            return 4
        return self.page()

    def wait_for_shown_page(self, page: int) -> None:
        harness.wait_until(lambda: self.shown_page() == page, 5.0, f"page {page}",
                           lambda: f"page {self.shown_page()}")

    def unknown_type_shown_read_only(self) -> None:
        """The action type page of the unknown gesture: no known type chosen, the stored action read-only."""
        self.wait_for_shown_page(1)
        harness.wait_until(lambda: self.wizard(UNKNOWN_ACTION, "visible") == "1\n", 5.0, "the stored action")
        self.assertEqual(self.wizard(UNKNOWN_ACTION, "text"), "anything\n")
        self.assertEqual(self.wizard(UNKNOWN_NOTE, "text"), NOTE + "\n")
        self.assertEqual([self.wizard(button, "check") for button in (TYPE_SINGLE, TYPE_MULTIPLE, TYPE_RUN, TYPE_KEEP)],
                         ["0\n", "0\n", "0\n", "1\n"])

    def double_click_row(self, row: int) -> None:
        list_box = box_of(self.control(LIST, "rect"))
        row_height = scaled(17, self.dpi or 96)
        self.session.move(list_box.left + scaled(40, self.dpi or 96),
                          list_box.top + row_height + row_height * row + row_height // 2)
        self.session.xdotool("click", "--repeat", "2", "1")
        harness.wait_until(self.wizard_visible, 5.0, "the wizard")

    def edit_gesture(self, row: int) -> None:
        """Edit Gesture on a row, from the list's menu opened with Shift+F10 and chosen with keys."""
        self.select_row(row)
        self.session.key("shift+F10")
        menu = harness.wait_until(lambda: self.session.popup_menus(), 5.0, "the list's menu")[0]
        self.session.xdotool("mousemove", str(menu.left + 1), str(menu.top + 1), "key", "Home", "Return")
        harness.wait_until(self.wizard_visible, 5.0, "the wizard")

    def finish_wizard(self) -> None:
        self.click(FINISH)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")
        # The list answers only once the window has handled the wizard's end, a save included.
        self.assertEqual(self.rows(), ROWS)


class HandLaidFileEndToEnd(HandLaidFileCase):
    module = "hand_laid_files"

    def test_unchanged_edits_write_nothing_and_a_deletion_takes_only_its_own_lines(self):
        flickmark = self.start_flickmark({"Gestures.ini": HAND_LAID})
        path = self.data_dir / "Gestures.ini"
        written = path.stat().st_mtime_ns
        window = self.open_window(flickmark)
        self.assertEqual(self.rows(), ROWS)

        for row, (pages, editor, summary_end) in enumerate(PASSES):
            self.edit_gesture(row)
            self.wait_for_page(0)
            self.assertEqual(self.wizard(NAME, "text"), ROWS[row].split("\t")[0] + "\n")
            for page in pages:
                self.click(NEXT)
                self.wait_for_shown_page(page)
                if page == 1 and row == 0:
                    self.unknown_type_shown_read_only()
                    self.session.screenshot("unknown-type-action-100", self.wizard_box())
                if page in (2, 4):
                    control, text = editor
                    self.assertEqual(self.wizard(control, "text"), text + "\n", f"row {row}")
            self.assertTrue(self.wizard(SUMMARY, "text").endswith(summary_end), self.wizard(SUMMARY, "text"))
            self.finish_wizard()
            self.assertEqual(path.read_bytes(), HAND_LAID, f"row {row}")
            self.assertEqual(path.stat().st_mtime_ns, written, f"row {row} wrote the file")

        # A double click edits the unknown gesture's action: it opens read-only, and Finish keeps it.
        self.double_click_row(0)
        self.unknown_type_shown_read_only()
        self.click(NEXT)
        self.wait_for_page(6)
        self.finish_wizard()
        self.close_with_escape(window)
        self.assertEqual(self.rows(), ROWS)
        self.assertEqual((path.read_bytes(), path.stat().st_mtime_ns), (HAND_LAID, written))

        # LEFT deleted: only its comment, header and keys go, saved when the window closes.
        mark = flickmark.log.mark()
        self.open_window(flickmark)
        self.select_row(2)
        self.session.key("Delete")
        harness.wait_until(lambda: self.rows() == ROWS[:2] + ROWS[3:], 5.0, "LEFT to go",
                           lambda: "\n".join(self.rows()))
        self.close_with_escape(window)
        expected = HAND_LAID.replace(DELETED, b"")
        harness.wait_until(lambda: path.read_bytes() == expected, 5.0, "the deletion saved",
                           lambda: repr(path.read_bytes()))
        flickmark.log.wait_for("gestures window: deleted LEFT from Gestures.ini", mark)
        flickmark.log.assert_never("Unable to write", mark)


class HandLaidFileAt150Percent(HandLaidFileCase):
    module = "hand_laid_files-150"
    dpi = 144

    def test_unknown_type_at_150_percent(self):
        flickmark = self.start_flickmark({"Gestures.ini": HAND_LAID})
        window = self.open_window(flickmark)
        self.double_click_row(0)
        self.unknown_type_shown_read_only()
        self.session.screenshot("unknown-type-action-150", self.wizard_box())
        self.click(CANCEL)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")
        self.close_with_escape(window)
        self.assertEqual((self.data_dir / "Gestures.ini").read_bytes(), HAND_LAID)


if __name__ == "__main__":
    unittest.main()
