"""The release installer end to end: a silent install into the user's local programs folder (shortcut, Uninstall
entry, sign-in Run value), a gesture with the installed Flickmark, its Misc page showing the installer's
sign-in entry and clearing it, a silent upgrade while it runs (it is asked to exit, its exe is replaced, the
user's files keep their bytes, the sign-in choice stays) and a silent uninstall that keeps the user's files.
The installer's and the uninstaller's pages, stepped through by keys, at 100 % and 150 % scaling, with a
screenshot of each; there the uninstaller is told Yes to removing the gestures and settings, and leaves no
file behind."""

import getpass
import os
import re
import shutil
import subprocess
import unittest
from pathlib import Path

import harness
from harness import RIGHT_STEPS, UP_STEPS, Box, relative_path
from test_actions import write_gestures
from test_configuration import ConfigurationCase
from test_tray import project_version

RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall"
# Up then Right types "x".
GESTURES = {"03": ("Keystroke", "000058X")}
# An installer run: copying a 600 KB exe, or waiting up to 10 s for a running Flickmark to exit.
INSTALL_SECONDS = 30.0


def installer() -> Path:
    configured = os.environ.get("FLICKMARK_E2E_INSTALLER")
    if configured:
        return Path(configured)
    return harness.REPO_ROOT / "build" / "dist" / f"flickmark-{project_version()}-setup.exe"


class InstallerCase(harness.ProbeTestCase):
    """The install folder and the Windows paths of one session's prefix; each test starts with no installation
    and leaves none behind (the prefix copy serves later sessions)."""

    def setUp(self):
        super().setUp()
        if not installer().is_file():
            raise harness.HarnessError(f"{installer()} is missing (scripts/package or the e2e.installer_build test)")
        user = getpass.getuser()
        self.home = Path(f"C:\\users\\{user}")
        self.profile = self.session.prefix / "drive_c" / "users" / user
        self.install_dir = self.profile / "AppData" / "Local" / "Programs" / "Flickmark"
        self.install_dir_windows = f"{self.home}\\AppData\\Local\\Programs\\Flickmark"
        self.shortcut = self.profile / "AppData" / "Roaming" / "Microsoft" / "Windows" / "Start Menu" / "Programs" \
            / "Flickmark.lnk"
        self.remove_installation()
        self.addCleanup(self.remove_installation)

    def remove_installation(self) -> None:
        shutil.rmtree(self.install_dir, ignore_errors=True)
        self.shortcut.unlink(missing_ok=True)
        for command in (["delete", RUN_KEY, "/v", "Flickmark", "/f"], ["delete", UNINSTALL_KEY + r"\Flickmark", "/f"]):
            subprocess.run(["wine", "reg", *command], env=self.session.env, capture_output=True, timeout=60,
                           check=False)

    def run_installer(self, *arguments: str) -> int:
        harness.STEPS.note("start", f"{installer().name} {' '.join(arguments)}")
        result = subprocess.run(["wine", str(installer()), *arguments], env=self.session.env,
                                capture_output=True, timeout=INSTALL_SECONDS * harness.TIME_LIMIT_SCALE, check=False)
        harness.STEPS.note("read", f"installer ended with {result.returncode}")
        return result.returncode

    def registry(self, key: str) -> tuple[dict[str, str], list[str]] | None:
        """The values (name: data) and the subkeys of `key`, or None when it cannot be read."""
        result = subprocess.run(["wine", "reg", "query", key], env=self.session.env, capture_output=True,
                                text=True, timeout=60, check=False)
        if result.returncode != 0:
            return None
        values, subkeys = {}, []
        for line in result.stdout.splitlines():
            value = re.match(r"^ {4}(.*?) {4}(REG_\w+) {4}(.*)$", line)
            if value:
                values[value.group(1)] = value.group(3)
            elif line.upper().startswith("HKEY_") and line.lower() != expand_root(key).lower():
                subkeys.append(line.rsplit("\\", 1)[1])
        return values, subkeys

    def installed_files(self) -> dict[str, bytes]:
        return {path.name: path.read_bytes() for path in self.install_dir.iterdir()} \
            if self.install_dir.is_dir() else {}


def expand_root(key: str) -> str:
    return key.replace("HKCU\\", "HKEY_CURRENT_USER\\", 1)


class PagesCase(InstallerCase):
    """Steps through the installer's pages by keys, taking a screenshot of each, installs, lets the finish
    page start Flickmark, and uninstalls by the uninstaller's pages."""

    # The program whose windows are read and the start of their caption: the installer, or the uninstaller,
    # which runs from a copy of itself under another name.
    program = ""
    caption = ""

    def installer_controls(self) -> dict[int, tuple[Box, str, int]]:
        """(rectangle, text, check state) of each control of the installer's window, by id."""
        # The caption names the page after the product ("...Setup: Installation Options"): taken from X.
        # The X window shows the client area only (no window manager draws a title bar): its box is the one to
        # photograph. A message box shares the caption; it is the smaller window.
        windows = sorted(((title, box) for title, box in self.session.visible_windows(self.program)
                          if title.startswith(self.caption)), key=lambda window: -window[1].width)
        dump = self.session.controls.dump(windows[0][0]) if windows else None
        if dump:
            self.window = windows[0][1]
        controls = {}
        for line in (dump or "").splitlines():
            fields = line.split("\t")
            if fields[2] != "1":
                continue
            left, top, right, bottom = (int(v) for v in fields[6].split(","))
            controls.setdefault(int(fields[0]), (Box(left, top, right, bottom), fields[7], int(fields[4])))
        return controls

    def page_shows(self, title: str) -> dict[int, tuple[Box, str, int]] | None:
        """The controls, once one of them (a page's title) starts with `title`."""
        controls = self.installer_controls()
        return controls if any(text.startswith(title) for _, text, _ in controls.values()) else None

    def wait_for_installer_page(self, title: str, screenshot: str) -> dict[int, tuple[Box, str, int]]:
        controls = harness.wait_until(lambda: self.page_shows(title), 20, f"the page '{title}'",
                                      lambda: f"controls: {self.installer_controls()}")
        self.session.settled_screenshot(screenshot, self.window)
        return controls

    def next_page(self) -> None:
        """Return on the default button (Next, I Agree, Install), with the pointer on the window's bottom-left
        corner, over no control: keys reach a Wine window only while the pointer is over it."""
        self.session.xdotool("mousemove", str(self.window.left + 4), str(self.window.bottom - 4), "key", "Return")

    def check_pages(self, suffix: str) -> None:
        version = project_version()
        self.program, self.caption = installer().name.lower(), f"Flickmark {version} Setup"
        setup = self.session.start_program("setup", [str(installer())])
        self.addCleanup(self.session.stop, setup)
        self.wait_for_installer_page(f"Welcome to Flickmark {version} Setup", f"installer-welcome-{suffix}")
        # Without a window manager nothing gives the window the focus: a click on its corner (no control).
        self.session.click_at(self.window.left + 4, self.window.bottom - 4)
        self.next_page()
        self.wait_for_installer_page("License Agreement", f"installer-license-{suffix}")
        self.next_page()
        self.wait_for_installer_page("Choose Components", f"installer-components-{suffix}")
        self.next_page()  # Install
        controls = self.wait_for_installer_page(f"Completing Flickmark {version} Setup", f"installer-finish-{suffix}")
        self.assertIn(("Start Flickmark", 1), [(text, check) for _, text, check in controls.values()])
        self.assertTrue((self.install_dir / "flickmark.exe").is_file())
        self.next_page()  # Finish, with "Start Flickmark" ticked
        self.assertEqual(setup.popen.wait(10 * harness.TIME_LIMIT_SCALE), 0)
        harness.wait_until(lambda: self.session.controls.read("FlickmarkTray", 0, "visible") is not None, 20,
                           "the Flickmark that the finish page started")
        ended = subprocess.run(["wine", str(self.session.programs.tool("end_session")), "FlickmarkTray"],
                               env=self.session.env, capture_output=True, text=True, timeout=60, check=False)
        self.assertEqual(ended.returncode, 0, ended.stdout + ended.stderr)
        harness.wait_until(lambda: self.session.controls.read("FlickmarkTray", 0, "visible") is None, 10,
                           "Flickmark to exit")
        self.uninstall_with_the_users_files(suffix)

    def uninstall_with_the_users_files(self, suffix: str) -> None:
        """The uninstaller's pages: Uninstall on the confirmation, then Yes to the question whether to remove
        the gestures and settings (the files Flickmark wrote as it exited): nothing of the folder is left."""
        version = project_version()
        self.assertTrue((self.install_dir / "defaults.ini").is_file())
        self.program, self.caption = ".*", f"Flickmark {version} Uninstall"
        self.session.start_program("uninstall", [f"{self.install_dir_windows}\\uninstall.exe"])
        self.wait_for_installer_page(f"Uninstall Flickmark {version}", f"uninstaller-confirm-{suffix}")
        self.session.click_at(self.window.left + 4, self.window.bottom - 4)
        self.next_page()  # Uninstall
        question = harness.wait_until(
            lambda: next((box for title, box in self.session.visible_windows(self.program)
                          if title.startswith(self.caption) and box.width < self.window.width), None),
            20, "the question whether to remove the gestures and settings")
        self.session.settled_screenshot(f"uninstaller-question-{suffix}", question)
        self.session.xdotool("mousemove", str(question.left + 4), str(question.bottom - 4), "key", "y")
        harness.wait_until(lambda: not self.install_dir.exists(), 20, "the folder to be removed",
                           lambda: f"left: {sorted(self.installed_files())}")
        self.wait_for_installer_page("Uninstallation Complete", f"uninstaller-done-{suffix}")
        self.next_page()  # Close
        harness.wait_until(lambda: not any(title.startswith(self.caption) for title, _ in
                                           self.session.visible_windows(self.program)), 10, "the uninstaller to close")


class InstallerEndToEnd(PagesCase, ConfigurationCase):
    """With the configuration window's driving, to clear the installed copy's sign-in entry on its Misc page."""
    module = "installer"

    def test_pages_at_100_percent(self):
        self.check_pages("100")

    def test_silent_install_upgrade_over_the_running_program_and_uninstall_keep_the_gestures(self):
        exe = self.install_dir / "flickmark.exe"
        exe_windows = f"{self.install_dir_windows}\\flickmark.exe"
        uninstaller_windows = f"{self.install_dir_windows}\\uninstall.exe"

        # Install: the program, its shortcut, the Uninstall entry and the sign-in value.
        self.assertEqual(self.run_installer("/S"), 0)
        harness.wait_until(lambda: exe.is_file() and self.shortcut.is_file(), 10, "the program and its shortcut")
        self.assertEqual(exe.read_bytes(), self.session.programs.flickmark.read_bytes())
        self.assertEqual(sorted(self.installed_files()), ["LICENSE.txt", "README.txt", "flickmark.exe",
                                                          "uninstall.exe"])
        self.assertTrue(self.installed_files()["README.txt"].endswith(b"\r\n"))
        run_values, _ = self.registry(RUN_KEY)
        self.assertEqual(run_values.get("Flickmark"), f'"{exe_windows}"')
        entry, _ = self.registry(UNINSTALL_KEY + r"\Flickmark")
        size_kb = int(entry.pop("EstimatedSize"), 16)
        self.assertAlmostEqual(size_kb, (exe.stat().st_size + (self.install_dir / "uninstall.exe").stat().st_size)
                               // 1024, delta=8)
        self.assertEqual(entry, {
            "DisplayName": "Flickmark",
            "DisplayVersion": project_version(),
            "Publisher": "The Flickmark developers",
            "DisplayIcon": exe_windows,
            "InstallLocation": self.install_dir_windows,
            "UninstallString": f'"{uninstaller_windows}"',
            "QuietUninstallString": f'"{uninstaller_windows}" /S',
            "NoModify": "0x1",
            "NoRepair": "0x1",
        })

        # The installed program, with its data files beside it, runs a gesture. Bytes appended to the installed
        # exe (a PE file runs with them) show later whether the upgrade replaced it.
        harness.write_settings(self.install_dir, **harness.TEST_PACE_SETTINGS)
        write_gestures(self.install_dir / "Gestures.ini", GESTURES)
        with open(self.install_dir / "Gestures.ini", "ab") as gestures:
            gestures.write(b"; my own note, kept by upgrades\r\n")
        with open(exe, "ab") as program:
            program.write(b"installed copy")
        flickmark = self.session.start_flickmark(executable=Path(exe_windows))
        self.addCleanup(self.session.stop_flickmark, flickmark)
        self.session.activate(self.probe)
        start = self.probe.point(0.5, 0.7)
        mark, since_us = self.session.draw_gesture(flickmark.log, start, UP_STEPS + RIGHT_STEPS)
        flickmark.log.wait_for("gesture 03 UP+RIGHT", mark)
        self.probe.log.wait_for("key down vk=0x58", since_us)

        # The Misc page shows the installer's sign-in entry (the box is checked), and clearing it removes it.
        mark = flickmark.log.mark()
        self.set_start_with_windows(False)
        flickmark.log.wait_for("start with Windows: off", mark)
        self.assertIsNone(self.sign_in_entry())
        user_files = {name: data for name, data in self.installed_files().items() if name.endswith(".ini")}

        # Upgrade while it runs: it is asked to exit, ends cleanly, and only the program's files are replaced;
        # the sign-in choice the user made stays.
        self.assertEqual(self.run_installer("/S"), 0)
        self.assertEqual(flickmark.process.popen.wait(5), 0, "Flickmark did not end cleanly before the upgrade")
        self.assertEqual(exe.read_bytes(), self.session.programs.flickmark.read_bytes(), "the exe was not replaced")
        files = self.installed_files()
        for name, data in user_files.items():
            self.assertEqual(files.get(name), data, f"{name} changed")
        for name in ("disabled.ini", "noright.ini", "fullscreen.ini", "exepaste.ini"):  # written as it exited
            self.assertIn(name, files)
        self.assertIsNone(self.sign_in_entry(), "the upgrade started Flickmark at sign-in again")

        # The entry as the Misc page writes it for a copy started with a data folder: an upgrade keeps it as it
        # is, and the uninstaller removes it, since it starts this copy.
        command = f'"{exe_windows}" -data "{self.install_dir_windows}"'
        subprocess.run(["wine", "reg", "add", RUN_KEY, "/v", "Flickmark", "/d", command, "/f"], env=self.session.env,
                       capture_output=True, timeout=60, check=True)
        self.assertEqual(self.sign_in_entry(), command)
        self.assertEqual(self.run_installer("/S"), 0)
        self.assertEqual(self.sign_in_entry(), command, "the upgrade rewrote the entry")

        # Silent uninstall: the program, its shortcut, the Run value and the Uninstall entry go; the user's files
        # stay. (The uninstaller runs on from a copy of itself, so its wine returns before it is done.)
        subprocess.run(["wine", uninstaller_windows, "/S"], env=self.session.env, capture_output=True,
                       timeout=INSTALL_SECONDS * harness.TIME_LIMIT_SCALE, check=False)
        kept = {name: data for name, data in files.items() if name.endswith(".ini")}

        def uninstalled() -> bool:
            run = self.registry(RUN_KEY)
            uninstall = self.registry(UNINSTALL_KEY)
            return (run is not None and "Flickmark" not in run[0] and uninstall is not None
                    and "Flickmark" not in uninstall[1] and not self.shortcut.exists()
                    and self.installed_files() == kept)

        harness.wait_until(uninstalled, 20, "the uninstaller to remove the program and keep the gestures",
                           lambda: f"files: {sorted(self.installed_files())}, shortcut: {self.shortcut.exists()},"
                                   f" Run: {self.registry(RUN_KEY)}, Uninstall: {self.registry(UNINSTALL_KEY)}")

    def test_a_silent_upgrade_over_a_program_that_does_not_exit_changes_nothing(self):
        """A program running from the installed exe's place that does not answer the request to exit (as a hung
        Flickmark would not): its exe cannot be replaced, so the installer gives up after its wait, with exit
        code 2, leaving the installation as it was."""
        self.assertEqual(self.run_installer("/S"), 0)
        exe = self.install_dir / "flickmark.exe"
        shutil.copy2(self.session.programs.tool("probe"), exe)
        log = harness.ProbeLog(self.session.work_dir / "stand-in-probe.log")
        log.path.unlink(missing_ok=True)
        stand_in = self.session.start_program(
            "stand-in", [f"{self.install_dir_windows}\\flickmark.exe", harness.windows_path(log.path)])
        self.addCleanup(self.session.stop, stand_in)
        harness.wait_until(lambda: log.matching("ready"), 20, "the program in the installed exe's place")
        before = self.installed_files()

        self.assertEqual(self.run_installer("/S"), 2)
        self.assertEqual(self.installed_files(), before)
        self.assertIsNone(stand_in.popen.poll(), "the program in the installed exe's place ended")


class InstallerPagesAt150Percent(PagesCase):
    module = "installer-150"
    dpi = 144

    def test_pages_at_150_percent(self):
        self.check_pages("150")


if __name__ == "__main__":
    unittest.main()
