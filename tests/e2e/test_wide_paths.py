"""Paths in any script, end to end: Flickmark started with "-data" naming a folder with Greek and Chinese
letters reads its settings and gestures there and writes them there, with nothing in its log about the
folder's name. A gesture bound to a program in a folder with Chinese letters starts it with a parameter
holding Chinese and Greek letters. A program path with Greek letters typed into the program editor gets the
note that the gesture file will be saved as Unicode; Finish turns the ANSI gestures file into UTF-8 with a
byte-order mark, its other lines reading as before, and after a restart of Flickmark the file reads back the
same and the typed program starts. Screenshots of the program page with the note at 100 % and 150 %.
(Wine's ANSI code page here is 1252; xdotool types Greek letters into Wine windows, not Chinese ones.)"""

import codecs
import re
import shutil
import unittest
from pathlib import Path

import harness
from test_action_editors import (PROGRAM_CHECK, PROGRAM_PARAMETERS, PROGRAM_PATH, UP_LEFT_STEPS,
                                 ActionEditorsCase)
from test_actions import DEFAULT_SETTINGS_FILE, end_started_probe
from test_wizard import CANCEL, LEFT, TYPE_RUN, UP

DATA_FOLDER = "\u0395\u03bb\u03ad\u03bd\u03b7 \u5de5\u5177"  # Ελένη 工具
CHINESE_TOOLS = "\u5de5\u5177"  # 工具
CHINESE_LOG = "\u65e5\u5fd7 \u0395\u03bb\u03ad\u03bd\u03b7.log"  # 日志 Ελένη.log
GREEK_TOOLS = "\u0395\u03bb\u03ad\u03bd\u03b7"  # Ελένη
GREEK_LOG = "\u03b7\u03bc\u03b5\u03c1\u03bf\u03bb\u03cc\u03b3\u03b9\u03bf.log"  # ημερολόγιο.log
NOTE = ("The gesture file will be saved as Unicode text, since the system's code page cannot hold some of "
        "these characters.")
# The global gestures file as a Western ANSI editor saves it: a comment with a letter of code page 1252.
ANSI_GESTURES = "; gestures of Zo\u00eb\r\n[0]\r\nActionType=Keystroke\r\nAction=000041A\r\n"
# Log lines the data folder's name must not cause.
FOLDER_TROUBLE = ("Data folder ", "Unable to read ", "Unable to write to ", "CreateFile", "MoveFile")


def target_program(folder: Path, session: harness.Session) -> Path:
    """A copy of the probe in `folder`\\probe dir (end_started_probe finds it by that name)."""
    target = folder / "probe dir" / "target.exe"
    target.parent.mkdir(parents=True, exist_ok=True)
    shutil.copy2(session.programs.tool("probe"), target)
    return target


class WidePathsCase(ActionEditorsCase):
    def type_program(self, program: str, parameters: str) -> None:
        """Types both fields of the program page (shown), each piece once the field shows the one before it.
        xdotool types a letter its keyboard map lacks through a key it maps for a moment; Wine reads the
        map when it handles the key, so such a letter goes alone and slowly."""
        for field, text in ((PROGRAM_PATH, program), (PROGRAM_PARAMETERS, parameters)):
            self.click(field)
            typed = ""
            for piece in re.findall(r"[\x20-\x7e]+|[^\x20-\x7e]", text):
                typed += piece
                if piece.isascii():
                    self.session.xdotool("type", piece)
                else:
                    self.session.xdotool("type", "--delay", "300", piece)
                harness.wait_until(lambda: self.wizard(field, "text") == typed + "\n", 10.0, f"the typed {typed}",
                                   lambda: repr(self.wizard(field, "text")))

    def note_shown(self) -> None:
        harness.wait_until(lambda: self.wizard(PROGRAM_CHECK, "text") == NOTE + "\n", 5.0, "the note",
                           lambda: repr(self.wizard(PROGRAM_CHECK, "text")))


class WidePathsEndToEnd(WidePathsCase):
    module = "wide_paths"

    def test_a_folder_and_programs_named_in_greek_and_chinese_work_as_named(self):
        self.data_dir = self.session.work_dir / DATA_FOLDER
        shutil.rmtree(self.data_dir, ignore_errors=True)
        self.addCleanup(shutil.rmtree, self.data_dir, True)
        chinese = target_program(self.session.work_dir / CHINESE_TOOLS, self.session)
        greek = target_program(self.session.work_dir / GREEK_TOOLS, self.session)
        for folder in (chinese.parent.parent, greek.parent.parent):
            self.addCleanup(shutil.rmtree, folder, True)
        chinese_log = harness.ProbeLog(chinese.parent / CHINESE_LOG)
        greek_log = harness.ProbeLog(greek.parent / GREEK_LOG)
        chinese_action = (f'{harness.windows_path(chinese)}|"{harness.windows_path(chinese_log.path)}" '
                          "--pos 950 100 300 300")
        # Up then Right over the probe starts the program of the Chinese folder: the probe's own file, saved by
        # an editor as UTF-8 with a byte-order mark.
        probe_file = (codecs.BOM_UTF8 +
                      f"[03]\r\nActionType=Run Program / File\r\nAction={chinese_action}\r\n".encode("utf-8"))
        flickmark = self.start_flickmark({"Gestures.ini": ANSI_GESTURES.encode("cp1252"),
                                          "Gestures_probe.exe.ini": probe_file})
        self.addCleanup(end_started_probe, self.session, self.probe)

        # The settings file is completed in the folder, so writing there works.
        settings = self.data_dir / "defaults.ini"
        harness.wait_until(lambda: settings.read_bytes().count(b"=") == DEFAULT_SETTINGS_FILE.count("="), 5.0,
                           "defaults.ini completed in the folder", lambda: repr(settings.read_bytes()))

        self.session.draw_gesture(flickmark.log, self.probe.point(0.5, 0.7), harness.UP_STEPS + harness.RIGHT_STEPS)
        flickmark.log.wait_for("run program " + chinese_action)
        chinese_log.wait_for("ready", timeout=10.0)
        end_started_probe(self.session, self.probe)

        # A program with Greek letters, typed: the note says the file becomes Unicode, and Finish writes it as
        # UTF-8 with a byte-order mark, the comment's letter kept.
        greek_program = harness.windows_path(greek)
        greek_parameters = f'"{harness.windows_path(greek_log.path)}" --pos 950 100 300 300'
        window = self.open_window(flickmark)
        self.new_gesture_of_type(TYPE_RUN, UP, LEFT)
        harness.wait_until(lambda: self.wizard(PROGRAM_PATH, "visible") == "1\n", 5.0, "the program's page")
        self.type_program(greek_program, greek_parameters)
        self.note_shown()
        self.session.screenshot("wizard-program-unicode-note-100", self.wizard_box())
        saved = codecs.BOM_UTF8 + (ANSI_GESTURES + "[02]\r\nActionType=Run Program / File\r\n"
                                   f"Action={greek_program}|{greek_parameters}\r\n").encode("utf-8")
        self.finish(saved)
        row = f"UP+LEFT\tRun Program or File\t{greek_program} | {greek_parameters}"
        self.assertEqual(self.rows(), ["UP\tKeystroke\tA", row])
        self.close_with_escape(window)
        self.assert_no_folder_trouble(flickmark)

        # After a restart the file reads back the same, is left as it is, and the typed program starts.
        self.session.stop_flickmark(flickmark)
        flickmark = self.start_flickmark({})
        window = self.open_window(flickmark)
        self.assertEqual(self.rows(), ["UP\tKeystroke\tA", row])
        self.close_with_escape(window)
        self.session.draw_gesture(flickmark.log, self.probe.point(0.9, 0.95), UP_LEFT_STEPS)
        flickmark.log.wait_for(f"run program {greek_program}|{greek_parameters}")
        greek_log.wait_for("ready", timeout=10.0)
        self.assertEqual((self.data_dir / "Gestures.ini").read_bytes(), saved)
        self.assertEqual((self.data_dir / "Gestures_probe.exe.ini").read_bytes(), probe_file)
        self.assert_no_folder_trouble(flickmark)

    def assert_no_folder_trouble(self, flickmark: harness.Flickmark) -> None:
        lines = [line for _, lines in flickmark.log.history() for line in lines]
        self.assertEqual([line for line in lines if line.startswith(FOLDER_TROUBLE) or "short name" in line], [],
                         flickmark.log.describe())


class WidePathsAt150Percent(WidePathsCase):
    module = "wide_paths-150"
    dpi = 144

    def test_the_note_on_the_program_page_at_150_percent(self):
        flickmark = self.start_flickmark({"Gestures.ini": ANSI_GESTURES.encode("cp1252")})
        window = self.open_window(flickmark)
        self.new_gesture_of_type(TYPE_RUN, UP, LEFT)
        harness.wait_until(lambda: self.wizard(PROGRAM_PATH, "visible") == "1\n", 5.0, "the program's page")
        self.type_program(f"C:\\{GREEK_TOOLS}\\tool.exe", "/x")
        self.note_shown()
        self.session.screenshot("wizard-program-unicode-note-150", self.wizard_box())
        self.click(CANCEL)
        harness.wait_until(lambda: not self.wizard_visible(), 5.0, "the wizard to close")
        self.close_with_escape(window)
        self.assertEqual((self.data_dir / "Gestures.ini").read_bytes(), ANSI_GESTURES.encode("cp1252"))


if __name__ == "__main__":
    unittest.main()
