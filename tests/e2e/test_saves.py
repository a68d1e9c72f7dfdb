"""Saves under trouble: saver.exe writes data files through Flickmark's own atomic save (writeDataFile over
Win32FileSystem) under Wine while another program holds the target open, or while it is killed again and
again at random moments. Needs no display."""

import contextlib
import itertools
import os
import random
import select
import shutil
import signal
import subprocess
import time
import unittest
from pathlib import Path

import harness

KILLS = int(os.environ.get("FLICKMARK_KILLS", 200))
# The kill comes this long after the saver is ready, at most; one round of two saves takes 5-15 ms.
KILL_WINDOW_SECONDS = 0.06
DATA_FILES = ("Gestures.ini", "defaults.ini")
LEFTOVER_GLOB = "*.~fmk????????.tmp"  # our temporary files


def gesture_file(variant: str) -> bytes:
    """About 4 KB of gestures: every gesture of two and three directions (Up, Down, Left, Right)."""
    gestures = ["".join(p) for n in (2, 3) for p in itertools.product("0123", repeat=n)
                if all(a != b for a, b in zip(p, p[1:]))]
    lines = []
    for number, gesture in enumerate(gestures):
        lines += [f"[{gesture}]", "ActionType=Multiple Keystrokes",
                  f"Action=010043CTRL+C|001074SHIFT+F5|0000{41 + number % 9}{variant.upper()}"]
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def settings_file(variant: str) -> bytes:
    values = {"tbXPixel": 30 if variant == "a" else 31, "tbYPixel": 25, "tbHelpPause": 800,
              "cbEnableDiagonals": 0 if variant == "a" else 1, "tbFadeTime": 800, "cbEnableScratchpad": 1}
    values.update({f"padding{i}": "x" * 40 for i in range(20)})
    return ("[init]\r\n" + "".join(f"{key}={value}\r\n" for key, value in values.items())).encode("ascii")


class Saver:
    """One run of saver.exe with its output read line by line."""

    def __init__(self, env: dict[str, str], program: Path, *arguments: str, hold_input: bool = False) -> None:
        self.popen = subprocess.Popen(["wine", str(program), *arguments], env=env,
                                      stdin=subprocess.PIPE if hold_input else subprocess.DEVNULL,
                                      stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, start_new_session=True)
        self.lines: list[str] = []
        self._pending = b""

    def _read(self, timeout: float) -> bool:
        """Takes in what arrives within `timeout`; False when nothing did (or the output has ended)."""
        ready, _, _ = select.select([self.popen.stdout], [], [], timeout)
        chunk = os.read(self.popen.stdout.fileno(), 65536) if ready else b""
        self._pending += chunk
        *complete, self._pending = self._pending.split(b"\n")
        self.lines += [line.decode(errors="replace").rstrip("\r") for line in complete]
        return bool(chunk)

    def line(self, prefix: str) -> str | None:
        return next((line for line in self.lines if line.startswith(prefix)), None)

    def wait_for(self, prefix: str, timeout: float = 10.0) -> str:
        def check() -> str | None:
            self._read(0)
            found = self.line(prefix)
            if found is None and self.popen.poll() is not None and not self._read(0):
                raise AssertionError(f"saver ended without a '{prefix}' line:\n" + "\n".join(self.lines))
            return found

        return harness.wait_until(check, timeout, f"saver line '{prefix}'", lambda: "\n".join(self.lines))

    def finish(self, timeout: float = 10.0) -> int:
        """Waits for the end, reads the rest of the output and closes the pipes; returns the exit code."""
        if self.popen.stdout.closed:
            return self.popen.wait()
        try:
            harness.wait_until(lambda: self._read(0) or self.popen.poll() is not None, timeout, "the saver's end")
        except harness.WaitTimeout:
            self._signal_kill()
            raise
        finally:
            code = self.popen.wait(10)
            while self._read(0):
                pass
            for pipe in (self.popen.stdin, self.popen.stdout):
                if pipe is not None:
                    pipe.close()
        return code

    def release_input(self) -> None:
        self.popen.stdin.close()

    def kill(self) -> int:
        self._signal_kill()
        return self.finish()

    def _signal_kill(self) -> None:
        with contextlib.suppress(ProcessLookupError):
            os.kill(self.popen.pid, signal.SIGKILL)  # the Windows process itself: wine execs into it


class SavesTest(unittest.TestCase):
    def start_ready_saver(self, data: Path, variants: Path) -> Saver:
        """A looping saver that has said "ready". Right after the previous one was killed, Wine now and then
        fails to start the next one at all (it ends without a line); such a start is made again."""
        for attempt in range(3):
            saver = Saver(self.env, self.saver, "loop", harness.windows_path(data), harness.windows_path(variants))
            try:
                saver.wait_for("ready")
                return saver
            except AssertionError:
                ended_silently = saver.popen.poll() is not None and not saver.lines
                saver.kill()
                if not ended_silently or attempt == 2:
                    raise
        raise AssertionError("unreachable")

    @classmethod
    def setUpClass(cls):
        prefix = Path(os.environ.get("FLICKMARK_E2E_PREFIX", harness.REPO_ROOT / "build" / "e2e" / "wineprefix"))
        work_root = Path(os.environ.get("FLICKMARK_E2E_WORK_DIR", harness.REPO_ROOT / "build" / "e2e" / "work"))
        cls.work_dir = work_root / "saves"
        shutil.rmtree(cls.work_dir, ignore_errors=True)
        cls.work_dir.mkdir(parents=True)
        cls.saver = harness.Programs.from_environment().tool("saver")
        if not cls.saver.is_file():
            raise harness.HarnessError(f"missing {cls.saver} (build the 'windows' preset first)")
        cls.stack = contextlib.ExitStack()
        prefix = cls.stack.enter_context(harness.prefix_slot(prefix))
        cls.env = harness.wine_environment(prefix, None)
        # A warm wineserver makes a start take about 100 ms instead of almost a second.
        subprocess.run(["wineserver", "-p"], env=cls.env, check=True, timeout=30)
        # The first start also starts Wine's own services; they must not hold a saver's output pipe.
        subprocess.run(["wine", str(cls.saver)], env=cls.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60, check=False)

    @classmethod
    def tearDownClass(cls):
        cls.stack.close()

    def folder(self, name: str) -> Path:
        path = self.work_dir / name
        path.mkdir(parents=True)
        return path

    def leftovers(self, folder: Path) -> list[str]:
        return sorted(p.name for p in folder.glob(LEFTOVER_GLOB))

    def test_a_busy_target_is_replaced_once_released_and_refused_when_held_too_long(self):
        data, contents = self.folder("busy"), self.folder("busy-contents")
        target = data / "defaults.ini"
        (contents / "new.ini").write_bytes(settings_file("b"))
        unrelated = ["notes.tmp", "defaults.ini.~fmk1.tmp", "~fmk12345678.tmp"]  # not of our naming
        for name in unrelated:
            (data / name).write_bytes(b"keep")

        for held_too_long in (False, True):
            with self.subTest(held_too_long=held_too_long):
                target.write_bytes(settings_file("a"))
                holder = Saver(self.env, self.saver, "hold", harness.windows_path(target), hold_input=True)
                try:
                    holder.wait_for("held")
                    saver = Saver(self.env, self.saver, "once", harness.windows_path(target),
                                  harness.windows_path(contents / "new.ini"))
                    if not held_too_long:
                        # The saver's temporary file shows that it has reached the replace.
                        harness.wait_until(lambda: self.leftovers(data), 10, "the saver's temporary file")
                        time.sleep(0.2)  # pacing: the replace meets the busy target a few times
                        holder.release_input()
                    code = saver.finish()
                finally:
                    holder.kill()
                output = "\n".join(saver.lines)
                if held_too_long:
                    self.assertEqual(code, 1, output)
                    self.assertIn(f"log: Unable to write to {harness.windows_path(target)}", saver.lines)
                    self.assertGreaterEqual(int(saver.line("failed after").split()[2]), 900, output)
                    self.assertEqual(target.read_bytes(), settings_file("a"))
                else:
                    self.assertEqual(code, 0, output)
                    self.assertGreaterEqual(int(saver.line("saved after").split()[2]), 150, output)
                    self.assertEqual(target.read_bytes(), settings_file("b"))
                self.assertEqual(self.leftovers(data), [], "the temporary file stayed behind")
                for name in unrelated:
                    self.assertEqual((data / name).read_bytes(), b"keep", name)

    def test_saves_through_a_symbolic_link_and_near_the_path_limit(self):
        """A gestures file that is a link to one elsewhere: the save replaces the file it points to, and the
        link stays. A target 250 characters long, whose temporary file's name would pass 260: it saves."""
        data, contents, shared = self.folder("linked"), self.folder("linked-contents"), self.folder("shared")
        (contents / "new.ini").write_bytes(gesture_file("b"))
        (shared / "Gestures.ini").write_bytes(gesture_file("a"))
        link = data / "Gestures.ini"
        link.symlink_to(shared / "Gestures.ini")
        saver = Saver(self.env, self.saver, "once", harness.windows_path(link), harness.windows_path(contents / "new.ini"))
        self.assertEqual(saver.finish(), 0, "\n".join(saver.lines))
        self.assertTrue(link.is_symlink(), "the link was replaced by a plain file")
        self.assertEqual((shared / "Gestures.ini").read_bytes(), gesture_file("b"))
        self.assertEqual(self.leftovers(shared) + self.leftovers(data), [])

        deep = self.folder("deep")
        while len(harness.windows_path(deep)) < 200:
            deep = deep / ("d" * min(60, 200 - len(harness.windows_path(deep))))
        deep.mkdir(parents=True)
        target = deep / ("g" * (250 - len(harness.windows_path(deep)) - 5) + ".ini")
        self.assertEqual(len(harness.windows_path(target)), 250)
        saver = Saver(self.env, self.saver, "once", harness.windows_path(target), harness.windows_path(contents / "new.ini"))
        self.assertEqual(saver.finish(), 0, "\n".join(saver.lines))
        self.assertEqual(target.read_bytes(), gesture_file("b"))
        self.assertEqual(self.leftovers(deep), [])

    def test_killed_saves_leave_old_or_new_content_and_no_temporaries(self):
        data, variants = self.folder("killed"), self.folder("killed-variants")
        expected = {}
        for name, make in zip(DATA_FILES, (gesture_file, settings_file)):
            expected[name] = {make("a"), make("b")}
            (variants / f"{name}.a").write_bytes(make("a"))
            (variants / f"{name}.b").write_bytes(make("b"))
            (data / name).write_bytes(make("a"))
        seed = int(os.environ.get("FLICKMARK_KILL_SEED", time.time_ns() % 1_000_000))
        moments = random.Random(seed)
        counts = {"old-or-new": 0, "empty": 0, "partial": 0, "missing": 0}
        caught_mid_save = most_leftovers = 0
        rounds_done = []
        started = time.monotonic()
        for _ in range(KILLS):
            saver = self.start_ready_saver(data, variants)
            try:
                time.sleep(moments.uniform(0, KILL_WINDOW_SECONDS))  # the random moment of the kill
            finally:
                saver.kill()
            rounds_done.append(max([int(line.split()[1]) for line in saver.lines if line.startswith("saved ")],
                                   default=0))
            for name in DATA_FILES:
                path = data / name
                content = path.read_bytes() if path.exists() else None
                state = ("missing" if content is None else "old-or-new" if content in expected[name]
                         else "empty" if not content else "partial")
                counts[state] += 1
            leftovers = self.leftovers(data)
            caught_mid_save += bool(leftovers)
            most_leftovers = max(most_leftovers, len(leftovers))
        seconds = time.monotonic() - started

        final = Saver(self.env, self.saver, "loop", harness.windows_path(data), harness.windows_path(variants), "1")
        self.assertEqual(final.finish(), 0, "\n".join(final.lines))
        left = self.leftovers(data)
        files_checked = KILLS * len(DATA_FILES)
        print(f"{KILLS} kills ({files_checked} files checked, seed {seed}, {seconds:.0f} s, "
              f"{caught_mid_save} kills during a save, {min(rounds_done)}-{max(rounds_done)} rounds per run): "
              f"{counts['old-or-new']} old-or-new, {counts['empty']} empty, {counts['partial']} partial, "
              f"{counts['missing']} missing, {len(left)} temporaries left "
              f"(at most {most_leftovers} right after a kill)", flush=True)
        self.assertEqual(counts["old-or-new"], files_checked, counts)
        self.assertEqual(left, [])
        # A leftover is removed by the next run's first save, so they never pile up.
        self.assertLessEqual(most_leftovers, 2)
        self.assertGreater(caught_mid_save, 0, "no kill landed inside a save: the test proves nothing")


if __name__ == "__main__":
    unittest.main()
