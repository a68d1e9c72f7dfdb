"""End-to-end harness: runs flickmark.exe under Wine on a private X display and watches what it does.

One Session owns one Xvfb display (no window manager) and the Wine processes started in one Wine prefix.
It starts the probe target and flickmark.exe, drives the pointer and keyboard with xdotool, takes
screenshots and waits for results by polling files with time limits:

- the probe writes every key, mouse button, activation and context-menu event to its own log file;
- logtap.exe mirrors Flickmark's diagnostic log (the EDIT control of the hidden recognizer window) into a
  snapshot file and a history file, so reading the log never starts a Wine process.

Everything a Session starts is stopped when it closes, also after a failure (the pids of its X servers
are recorded in the work folder, so a later `cleanup` can end what a killed run left behind).
Python standard library only.
"""

from __future__ import annotations

import argparse
import collections
import contextlib
import fcntl
import functools
import json
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import time
import unittest
import zlib
from dataclasses import dataclass
from pathlib import Path
from typing import Callable, Iterable, Sequence, TypeVar

REPO_ROOT = Path(__file__).resolve().parents[2]
# The prefix of the demo and the benchmarks, kept between runs (the tests make a fresh one per run).
TOOLS_PREFIX = REPO_ROOT / "build" / "wine" / "prefix"
SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 800
POLL_SECONDS = 0.02
# The recognizer polls every 80 ms while the button is down; pointer steps wait two intervals and a margin.
STEP_SECONDS = 0.22

# Pointer steps (relative) that draw Up then Right with the default settings. Every step moves on both
# axes: a tick whose movement lies on one axis only leaves the speed averages as they were. Two 20-pixel
# steps up give Up at 40 pixels from the anchor; the first step right swings the angle from the start past
# 315 degrees, so Right follows Up well within the 800 ms pause trigger.
UP_STEPS = [(1, -20), (1, -20)]
RIGHT_STEPS = [(50, -1), (30, -1)]

T = TypeVar("T")

# Flickmark's recognizer window and its hidden text with the cursor as the recognizer last read it.
RECOGNIZER_WINDOW = "FlickmarkMouseMonitor"
SAMPLED_CURSOR_ID = 1002


class HarnessError(Exception):
    """The environment could not be set up or a process did not behave (not a failed expectation)."""


class WaitTimeout(AssertionError):
    """An awaited result did not arrive within its time limit (a test failure)."""


class StepLog:
    """The steps the tests took, newest last: what they sent (keys, pointer moves, clicks, programs started),
    what they read, and what they waited for and how each wait ended. Written line by line to `steps.log` in
    the session's work folder, which a failed module keeps, and the last lines are printed with a failure, so
    a flake (a wait that ended just too late) can be told from a fault without running the test again."""

    SHOWN_ON_FAILURE = 30

    def __init__(self) -> None:
        self.path: Path | None = None
        self.started = time.monotonic()
        self.recent: collections.deque[str] = collections.deque(maxlen=self.SHOWN_ON_FAILURE)
        self._quiet = 0

    def attach(self, path: Path) -> None:
        self.path = path

    def note(self, kind: str, text: str) -> None:
        if self._quiet:
            return
        line = f"{time.monotonic() - self.started:9.3f}  {kind:<5} {text}"
        self.recent.append(line)
        if self.path is not None:
            with contextlib.suppress(OSError), open(self.path, "a", encoding="utf-8") as out:
                out.write(line + "\n")

    @contextlib.contextmanager
    def quiet(self):
        """Steps inside are not noted (the looks a wait repeats)."""
        self._quiet += 1
        try:
            yield
        finally:
            self._quiet -= 1

    def tail(self) -> str:
        return "\n".join(self.recent)


STEPS = StepLog()


# Time limits are for a quiet machine; every wait allows this many times as long, since on a busy one a single
# look (an xdotool or Wine start) can take a second. A wait that ends early costs nothing.
TIME_LIMIT_SCALE = float(os.environ.get("FLICKMARK_E2E_TIME_LIMIT_SCALE", "2"))


def wait_until(check: Callable[[], T], timeout: float, what: str, detail: Callable[[], str] | None = None) -> T:
    """Polls `check` until it returns something truthy; fails after `timeout` seconds (times the scale above).
    The outcome goes to the step log (the looks inside `check` do not)."""
    timeout *= TIME_LIMIT_SCALE
    started = time.monotonic()
    deadline = started + timeout
    outcome = "interrupted"
    try:
        while True:
            with STEPS.quiet():
                result = check()
            if result:
                outcome = f"ok after {time.monotonic() - started:.2f} s"
                return result
            if time.monotonic() >= deadline:
                outcome = f"TIMED OUT after {timeout:.1f} s"
                message = f"timed out after {timeout:.1f} s waiting for {what}"
                if detail is not None:
                    with STEPS.quiet():
                        message += "\n" + detail()
                raise WaitTimeout(message)
            time.sleep(POLL_SECONDS)
    finally:
        STEPS.note("wait", f"{what}: {outcome}")


def windows_path(path: Path | str) -> str:
    """The path as a Wine process sees it through drive Z: (the host's root)."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def now_us() -> int:
    """Host time in microseconds since the Unix epoch, the clock of the probe's time stamps."""
    return time.time_ns() // 1000


# ----------------------------------------------------------------------------------------------------------
# Build outputs


@dataclass(frozen=True)
class Programs:
    """The Windows programs of one windows build folder."""

    build_dir: Path

    @classmethod
    def from_environment(cls) -> "Programs":
        configured = os.environ.get("FLICKMARK_WINDOWS_BUILD_DIR")
        return cls(Path(configured) if configured else REPO_ROOT / "build" / "windows")

    @property
    def flickmark(self) -> Path:
        return self.build_dir / "src" / "app" / "flickmark.exe"

    def tool(self, name: str) -> Path:
        return self.build_dir / "tests" / "e2e" / "tools" / f"{name}.exe"

    def check(self) -> None:
        missing = [p for p in (self.flickmark, self.tool("probe"), self.tool("logtap")) if not p.is_file()]
        if missing:
            raise HarnessError(
                "missing Windows build outputs (build the 'windows' preset first): "
                + ", ".join(str(p) for p in missing)
            )


# ----------------------------------------------------------------------------------------------------------
# Wine prefix


def wine_environment(prefix: Path, display: str | None) -> dict[str, str]:
    env = dict(os.environ)
    for name in ("WAYLAND_DISPLAY", "WINELOADER", "WINESERVER", "WINEARCH"):
        env.pop(name, None)
    env["WINEPREFIX"] = str(prefix)
    env["WINEDEBUG"] = "-all"  # also silences the wrapper's "wine32 is missing" hint
    # No menu entries in the home folder, no Mono or Gecko installers.
    env["WINEDLLOVERRIDES"] = "winemenubuilder.exe=d;mscoree=d;mshtml=d"
    env.setdefault("HOME", str(Path(prefix).parent))
    if display is None:
        env.pop("DISPLAY", None)
    else:
        env["DISPLAY"] = display
    return env


def _wine_version(prefix: Path) -> str:
    result = subprocess.run(["wine", "--version"], capture_output=True, text=True,
                            env=wine_environment(prefix, None))
    return result.stdout.strip()


def create_prefix(prefix: Path) -> None:
    """Builds a fresh prefix (10-15 s); a stamp file marks it complete."""
    stop_wineserver(prefix)
    shutil.rmtree(prefix, ignore_errors=True)
    prefix.parent.mkdir(parents=True, exist_ok=True)
    env = wine_environment(prefix, None)
    result = subprocess.run(["wineboot", "-i"], env=env, capture_output=True, text=True, timeout=180)
    if result.returncode != 0:
        raise HarnessError(f"wineboot -i failed ({result.returncode}):\n{result.stdout}{result.stderr}")
    subprocess.run(["wineserver", "-w"], env=env, timeout=120, check=False)
    (prefix / ".flickmark-stamp").write_text(_wine_version(prefix) + "\n")


def ensure_prefix(prefix: Path) -> None:
    """Reuses a complete prefix made by the same Wine version, else builds one."""
    stamp = prefix / ".flickmark-stamp"
    if not stamp.is_file() or stamp.read_text().strip() != _wine_version(prefix):
        create_prefix(prefix)


def stop_wineserver(prefix: Path) -> None:
    """Ends every Wine process of this prefix (and only of this prefix), and returns once its wineserver has
    gone (`-k` only signals it), so that the next session of a prefix slot starts a server of its own rather
    than meeting this one on its way out."""
    if prefix.is_dir():
        for option in ("-k", "-w"):
            with contextlib.suppress(subprocess.TimeoutExpired):
                subprocess.run(["wineserver", option], env=wine_environment(prefix, None), timeout=30,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)


def _copy_of_prefix(base: Path, copy: Path, dpi: int | None) -> Path:
    """A copy of a ready prefix (cp -a, about 1.5 s), made once per build of `base` and reused while `base`
    stays the same. With `dpi`, programs in the copy see that many dots per inch (96 is 100 %, 144 is 150 %):
    the copy's user.reg gets LogPixels under HKCU\\Control Panel\\Desktop before Wine runs in it."""
    made_from = copy / ".flickmark-copy-of"
    origin = f"{(base / '.flickmark-stamp').stat().st_mtime_ns}\n"
    if made_from.is_file() and made_from.read_text() == origin:
        return copy
    stop_wineserver(copy)
    shutil.rmtree(copy, ignore_errors=True)
    subprocess.run(["cp", "-a", str(base), str(copy)], check=True, timeout=300)
    if dpi is not None:
        user_reg = copy / "user.reg"
        lines = [line for line in user_reg.read_bytes().split(b"\n") if not line.startswith(b'"LogPixels"=')]
        section = next(i for i, line in enumerate(lines) if line.startswith(b"[Control Panel\\\\Desktop] "))
        lines.insert(section + 1, b'"LogPixels"=dword:%08x' % dpi)
        user_reg.write_bytes(b"\n".join(lines))
    made_from.write_text(origin)
    return copy


@contextlib.contextmanager
def _file_lock(path: Path, mode: int):
    path.parent.mkdir(parents=True, exist_ok=True)
    with open(path, "w") as lock:
        fcntl.flock(lock, mode)
        yield


PREFIX_SLOTS = 8


@contextlib.contextmanager
def prefix_slot(base: Path, dpi: int | None = None):
    """A prefix that no other session uses while this one runs: the copy of `base` (made if missing) of the
    first free slot, `<base>-slot<N>` (or `<base>-slot<N>-dpi<D>`). Each slot has its own wineserver, so
    sessions run in parallel (ctest -j) without meeting; the copies stay for the next session and are removed
    with `base` by the clean-up."""
    with _file_lock(base.with_name(base.name + ".lock"), fcntl.LOCK_EX):
        ensure_prefix(base)
    for number in range(PREFIX_SLOTS):
        slot = base.with_name(f"{base.name}-slot{number}")
        with open(str(slot) + ".lock", "w") as lock:
            try:
                fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
            except BlockingIOError:
                continue
            copy = slot if dpi is None else slot.with_name(f"{slot.name}-dpi{dpi}")
            with _file_lock(base.with_name(base.name + ".lock"), fcntl.LOCK_SH):
                _copy_of_prefix(base, copy, dpi)
            try:
                yield copy
            finally:
                stop_wineserver(copy)
            return
    raise HarnessError(f"all {PREFIX_SLOTS} prefix slots of {base} are in use")


# ----------------------------------------------------------------------------------------------------------
# X display


def _process_alive(pid: int, name: str) -> bool:
    try:
        return name in Path(f"/proc/{pid}/cmdline").read_bytes().decode(errors="replace")
    except OSError:
        return False


class Xvfb:
    """A private X server without a window manager: windows appear exactly where they are created."""

    def __init__(self, first_display: int, log_path: Path) -> None:
        self.number = -1
        self.process: subprocess.Popen | None = None
        self._pipe = -1
        for number in range(first_display, first_display + 100):
            if Path(f"/tmp/.X{number}-lock").exists() or Path(f"/tmp/.X11-unix/X{number}").exists():
                continue
            if self._try_start(number, log_path):
                return
        raise HarnessError(f"no free X display from :{first_display}")

    @property
    def display(self) -> str:
        return f":{self.number}"

    def _try_start(self, number: int, log_path: Path) -> bool:
        read_end, write_end = os.pipe()
        with open(log_path, "ab") as log:
            process = subprocess.Popen(
                ["Xvfb", f":{number}", "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp",
                 "-noreset", "-displayfd", str(write_end)],
                stdin=subprocess.DEVNULL, stdout=log, stderr=log, pass_fds=(write_end,), start_new_session=True)
        os.close(write_end)
        # Xvfb writes the display number and a line end once it accepts connections, or closes the pipe
        # when it fails. The read end stays open while it runs: a write into a closed pipe ends Xvfb.
        answer = b""
        deadline = time.monotonic() + 15
        while not answer.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_end, 32) if ready else b""
            if not chunk:
                break
            answer += chunk
        if answer.strip() == str(number).encode():
            self.number, self.process, self._pipe = number, process, read_end
            return True
        os.close(read_end)
        process.kill()
        process.wait()
        return False

    def stop(self) -> None:
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process = None
        if self._pipe >= 0:
            os.close(self._pipe)
            self._pipe = -1


# ----------------------------------------------------------------------------------------------------------
# Logs


@dataclass(frozen=True)
class ProbeEvent:
    time_us: int
    text: str


class ProbeLog:
    """The probe's event log: "<microseconds> <event>" per line."""

    def __init__(self, path: Path) -> None:
        self.path = path

    def events(self) -> list[ProbeEvent]:
        try:
            content = self.path.read_text(errors="replace")
        except FileNotFoundError:
            return []
        events = []
        for line in content.splitlines(keepends=True):
            stamp, _, text = line.rstrip("\n").partition(" ")
            if line.endswith("\n") and stamp.isdigit():
                events.append(ProbeEvent(int(stamp), text))
        return events

    def matching(self, prefix: str, since_us: int = 0) -> list[ProbeEvent]:
        return [e for e in self.events() if e.text.startswith(prefix) and e.time_us >= since_us]

    def wait_for(self, prefix: str, since_us: int = 0, timeout: float = 5.0) -> ProbeEvent:
        found = wait_until(lambda: self.matching(prefix, since_us), timeout, f"probe event '{prefix}'",
                           lambda: "probe log:\n" + self.text())
        return found[0]

    def text(self) -> str:
        return "\n".join(f"{e.time_us} {e.text}" for e in self.events())


class FlickmarkLog:
    """Flickmark's diagnostic log as mirrored by logtap.exe.

    Lines are matched by prefix, so "Direction UP" matches "Direction UP    len - 40    Angle - (270)" and
    " - Init - " matches " - Init - (*3)". The log is cleared at every press; `ever_contains` also sees
    lines that are gone from the current text."""

    SNAPSHOT_HEADER = "==== snapshot "
    SNAPSHOT_END = "==== end"

    def __init__(self, snapshot: Path, history: Path) -> None:
        self.snapshot = snapshot
        self.history_path = history

    def exists(self) -> bool:
        return self.snapshot.exists()

    def lines(self) -> list[str]:
        try:
            return self.snapshot.read_text(errors="replace").splitlines()
        except FileNotFoundError:
            return []

    def history(self) -> list[tuple[int, list[str]]]:
        """(sequence number, lines) of every complete snapshot, oldest first."""
        try:
            content = self.history_path.read_text(errors="replace")
        except FileNotFoundError:
            return []
        records: list[tuple[int, list[str]]] = []
        sequence, body = None, []
        for line in content.splitlines():
            if line.startswith(self.SNAPSHOT_HEADER):
                sequence, body = int(line.split()[2]), []
            elif line == self.SNAPSHOT_END and sequence is not None:
                records.append((sequence, body))
                sequence = None
            elif sequence is not None:
                body.append(line)
        return records

    def mark(self) -> int:
        """The sequence number of the newest snapshot; pass it as `since` to look only at later text."""
        records = self.history()
        return records[-1][0] if records else 0

    def find(self, prefix: str | tuple[str, ...], since: int = 0) -> str | None:
        """The first line starting with `prefix` (or one of several) that was written after the snapshot
        `since` (any line of any snapshot when `since` is 0). The log keeps its old lines until the next press
        clears it, so a line found in a later snapshot may be an old one: see `new_lines`."""
        previous: list[str] | None = None
        for sequence, lines in self.history():
            if sequence > since and (since == 0 or previous is not None):
                for line in lines if since == 0 else self.new_lines(previous, lines):
                    if line.startswith(prefix):
                        return line
            previous = lines
        return None

    @staticmethod
    def new_lines(previous: list[str], lines: list[str]) -> list[str]:
        """The lines of a snapshot that the one before it did not have. The log only grows, a line that repeats
        the last one adds "(*N)" to it instead, and a press clears it: text that does not go on from the one
        before was written anew after a clear (even where its first lines happen to be the same)."""
        def without_count(line: str) -> str:
            return re.sub(r"\(\*\d+\)$", "", line)

        if not previous:
            return lines
        last = len(previous) - 1
        goes_on = (len(lines) >= len(previous) and lines[:last] == previous[:last]
                   and without_count(lines[last]) == without_count(previous[last]))
        if not goes_on:
            return lines
        return ([lines[last]] if lines[last] != previous[last] else []) + lines[len(previous):]

    def ever_contains(self, prefix: str, since: int = 0) -> bool:
        return self.find(prefix, since) is not None

    def wait_for(self, prefix: str, since: int = 0, timeout: float = 5.0) -> str:
        return wait_until(lambda: self.find(prefix, since), timeout, f"log line '{prefix}'", self.describe)

    def assert_never(self, prefix: str | tuple[str, ...], since: int = 0, seconds: float = 0.5) -> None:
        """Fails if a line starting with `prefix` (or one of several) appears within `seconds` (a bound for an absence: the
        recognizer polls every 100 ms, so a few intervals are enough for anything it would still log)."""
        deadline = time.monotonic() + seconds
        while True:
            line = self.find(prefix, since)
            if line is not None:
                raise AssertionError(f"unexpected log line '{line}'\n{self.describe()}")
            if time.monotonic() >= deadline:
                return
            time.sleep(POLL_SECONDS)

    def describe(self) -> str:
        return "Flickmark log now:\n" + "\n".join("  | " + line for line in self.lines())


# ----------------------------------------------------------------------------------------------------------
# Screenshots


@dataclass(frozen=True)
class Box:
    left: int
    top: int
    right: int  # exclusive
    bottom: int  # exclusive

    @property
    def width(self) -> int:
        return self.right - self.left

    @property
    def height(self) -> int:
        return self.bottom - self.top

    def clipped(self, width: int, height: int) -> "Box":
        return Box(max(0, self.left), max(0, self.top), min(width, self.right), min(height, self.bottom))


@dataclass(frozen=True)
class Difference:
    pixels: int
    bounds: Box | None


class Image:
    """An 8-bit RGB screenshot."""

    def __init__(self, width: int, height: int, rgb: bytes) -> None:
        if len(rgb) != width * height * 3:
            raise HarnessError("image data does not match its size")
        self.width, self.height, self.rgb = width, height, rgb

    @classmethod
    def from_ppm(cls, data: bytes) -> "Image":
        fields: list[bytes] = []
        position = 0
        while len(fields) < 4:  # magic, width, height, maximum value; '#' comments allowed between
            while data[position:position + 1].isspace():
                position += 1
            if data[position:position + 1] == b"#":
                position = data.index(b"\n", position) + 1
                continue
            start = position
            while not data[position:position + 1].isspace():
                position += 1
            fields.append(data[start:position])
        if fields[0] != b"P6" or fields[3] != b"255":
            raise HarnessError("expected an 8-bit binary PPM")
        width, height = int(fields[1]), int(fields[2])
        return cls(width, height, data[position + 1:position + 1 + width * height * 3])

    def pixel(self, x: int, y: int) -> tuple[int, int, int]:
        offset = (y * self.width + x) * 3
        return self.rgb[offset], self.rgb[offset + 1], self.rgb[offset + 2]

    def crop(self, box: Box) -> "Image":
        area = box.clipped(self.width, self.height)
        stride = self.width * 3
        rows = [self.rgb[y * stride + area.left * 3:y * stride + area.right * 3]
                for y in range(area.top, area.bottom)]
        return Image(area.width, area.height, b"".join(rows))

    def difference(self, other: "Image", box: Box | None = None) -> Difference:
        """Pixels that differ between two screenshots inside `box` (default: everywhere)."""
        if (self.width, self.height) != (other.width, other.height):
            raise HarnessError("screenshots differ in size")
        area = (box or Box(0, 0, self.width, self.height)).clipped(self.width, self.height)
        stride = self.width * 3
        count, left, top, right, bottom = 0, area.right, area.bottom, area.left, area.top
        for y in range(area.top, area.bottom):
            start, end = y * stride + area.left * 3, y * stride + area.right * 3
            row_a, row_b = self.rgb[start:end], other.rgb[start:end]
            if row_a == row_b:
                continue
            for x in range(area.width):
                if row_a[x * 3:x * 3 + 3] != row_b[x * 3:x * 3 + 3]:
                    count += 1
                    left, right = min(left, area.left + x), max(right, area.left + x + 1)
                    top, bottom = min(top, y), max(bottom, y + 1)
        return Difference(count, Box(left, top, right, bottom) if count else None)

    def to_png(self) -> bytes:
        def chunk(kind: bytes, payload: bytes) -> bytes:
            return struct.pack(">I", len(payload)) + kind + payload + struct.pack(">I", zlib.crc32(kind + payload))

        stride = self.width * 3
        raw = b"".join(b"\0" + self.rgb[y * stride:(y + 1) * stride] for y in range(self.height))
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 3))
                + chunk(b"IEND", b""))


# ----------------------------------------------------------------------------------------------------------
# Wine processes


class WineProcess:
    """One Windows program started with `wine`; the pid is that of the Windows process itself."""

    def __init__(self, name: str, command: Sequence[str], env: dict[str, str], output: Path,
                 cwd: Path | None = None) -> None:
        """`cwd`: a folder of the prefix's drive, which Wine makes the program's current folder."""
        self.name = name
        with open(output, "ab") as out:
            self.popen = subprocess.Popen(["wine", *command], env=env, stdin=subprocess.DEVNULL, stdout=out,
                                          stderr=subprocess.STDOUT, start_new_session=True, cwd=cwd)

    @property
    def pid(self) -> int:
        return self.popen.pid

    def running(self) -> bool:
        return self.popen.poll() is None

    def stop(self) -> None:
        if self.popen.poll() is None:
            self.popen.terminate()
            try:
                self.popen.wait(3)
            except subprocess.TimeoutExpired:
                self.popen.kill()
                self.popen.wait()


class ControlReader:
    """Reads controls of Flickmark's windows from outside through one long-lived `controls.exe --serve` in the
    session's prefix and display: a look takes about a millisecond instead of a Wine start, which takes a
    few hundred milliseconds on a busy machine and now and then fails there. A reader that died or stopped
    answering is started again once per request."""

    NO_WINDOW, NO_CONTROL, NO_ANSWER = 10, 11, 12  # controls.exe's answer codes besides 0
    START_SECONDS = 30.0  # a Wine start on a loaded machine
    ANSWER_SECONDS = 15.0  # a reader's own time limit is 2 s per message to the target
    BUSY_SECONDS = 10.0  # how long a target that does not answer (its thread is busy) is asked again

    def __init__(self, executable: Path, env: dict[str, str], log_path: Path) -> None:
        self.executable, self.env, self.log_path = executable, env, log_path
        self.process: subprocess.Popen | None = None
        self._buffer = b""
        self.last_failure = ""

    def read(self, window: str, control_id: int, what: str) -> str | None:
        """The answer (UTF-8 text ending in a line end), or None when the window or control is not there. A target
        whose thread is busy (under Wine, destroying a shown window with a title bar blocks its thread for about
        two seconds) is asked again until it answers."""
        code, payload = self._ask("read", window, str(control_id), what)
        if code == 0:
            STEPS.note("read", f"{window} {control_id} {what}: {payload.decode('utf-8', 'replace')[:80]!r}")
            return payload.decode("utf-8")
        self.last_failure = {self.NO_WINDOW: "no such window", self.NO_CONTROL: "no such control"}.get(
            code, "no answer")
        STEPS.note("read", f"{window} {control_id} {what}: {self.last_failure}")
        return None

    def dump(self, title: str) -> str | None:
        """Every control of the top-level window titled `title`, one tab-separated line each (see controls.cpp),
        or None when there is no such window."""
        code, payload = self._ask("dump", title)
        return payload.decode("utf-8") if code == 0 else None

    def _ask(self, *fields: str) -> tuple[int, bytes]:
        """A request asked again while the target's thread is too busy to answer (for a limited time)."""
        deadline = time.monotonic() + self.BUSY_SECONDS
        while True:
            code, payload = self.request(*fields)
            if code != self.NO_ANSWER or time.monotonic() >= deadline:
                return code, payload
            STEPS.note("read", f"{' '.join(fields)}: no answer yet (busy)")

    def request(self, *fields: str) -> tuple[int, bytes]:
        for attempt in range(2):
            starting = self.process is None or self.process.poll() is not None
            if starting:
                self._start()
            try:
                self.process.stdin.write(("\t".join(fields) + "\n").encode("utf-8"))
                self.process.stdin.flush()
                deadline = time.monotonic() + (self.START_SECONDS if starting else self.ANSWER_SECONDS)
                code, length = (int(part) for part in self._read_line(deadline).split())
                return code, self._read_bytes(length, deadline)
            except (OSError, ValueError, TimeoutError) as error:
                STEPS.note("read", f"controls.exe failed ({error!r}); {'starting it again' if attempt == 0 else 'giving up'}")
                self.stop()
        raise HarnessError(f"controls.exe does not answer {fields}; see {self.log_path}")

    def stop(self) -> None:
        if self.process is not None:
            with contextlib.suppress(OSError):
                self.process.stdin.close()
            try:
                self.process.wait(3)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            self.process.stdout.close()
            self.process = None
        self._buffer = b""

    def _start(self) -> None:
        with open(self.log_path, "ab") as log:
            self.process = subprocess.Popen(["wine", str(self.executable), "--serve"], env=self.env,
                                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=log,
                                            start_new_session=True)
        self._buffer = b""

    def _fill(self, deadline: float) -> None:
        remaining = deadline - time.monotonic()
        ready, _, _ = select.select([self.process.stdout], [], [], max(0.0, remaining))
        if not ready:
            raise TimeoutError("no answer in time")
        chunk = os.read(self.process.stdout.fileno(), 65536)
        if not chunk:
            raise OSError("controls.exe ended")
        self._buffer += chunk

    def _read_line(self, deadline: float) -> str:
        while b"\n" not in self._buffer:
            self._fill(deadline)
        line, _, self._buffer = self._buffer.partition(b"\n")
        return line.decode("ascii")

    def _read_bytes(self, length: int, deadline: float) -> bytes:
        while len(self._buffer) < length:
            self._fill(deadline)
        payload, self._buffer = self._buffer[:length], self._buffer[length:]
        return payload


class Probe:
    def __init__(self, process: WineProcess, log: ProbeLog, rect: Box) -> None:
        self.process, self.log, self.rect = process, log, rect

    def point(self, fx: float, fy: float) -> tuple[int, int]:
        """A screen point at a fraction of the window's width and height."""
        return (self.rect.left + int(self.rect.width * fx), self.rect.top + int(self.rect.height * fy))


class Flickmark:
    def __init__(self, process: WineProcess, tap: WineProcess, log: FlickmarkLog) -> None:
        self.process, self.tap, self.log = process, tap, log

    def stop_tap(self) -> None:
        """Stops mirroring the log (the tap sends Flickmark a message every 20 ms; a CPU measurement must not)."""
        self.tap.stop()


def _first_tick_detail(log: FlickmarkLog) -> str:
    """Why the first tick with the button up did not show: no log window, or a recognizer that ticks with the
    button held (a new recognizer's first tick with the button down logs " no stored data" and nothing else)."""
    if not log.history():
        return "the log tap has not found the recognizer window"
    hint = ""
    if log.find(" no stored data"):
        hint = "the recognizer ticks, but the right button is down for it (as Wine reports it) since it started\n"
    return hint + log.describe()


# ----------------------------------------------------------------------------------------------------------
# Session


class Session:
    """One X display and one Wine prefix; use as a context manager so everything is stopped at the end."""

    def __init__(self, prefix: Path, work_dir: Path, programs: Programs | None = None,
                 first_display: int | None = None, dpi: int | None = None) -> None:
        self.base_prefix = prefix
        self.prefix = prefix  # the slot's copy of it once started
        self.dpi = dpi  # None: the prefix's own scaling (100 %)
        self.controls: ControlReader | None = None
        self.work_dir = work_dir
        self.programs = programs or Programs.from_environment()
        self.first_display = first_display or int(os.environ.get("FLICKMARK_E2E_DISPLAY_BASE", "100"))
        self.xvfb: Xvfb | None = None
        self.env: dict[str, str] = {}
        self._processes: list[WineProcess] = []
        self._held_buttons: set[int] = set()
        self._unsaved_screenshots: list[tuple[Path, Image]] = []
        self._stack = contextlib.ExitStack()
        self._counter = 0
        self._registry = work_dir / "running" / f"{os.getpid()}.json"

    # -- lifetime --

    def __enter__(self) -> "Session":
        try:
            self.start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc_info) -> None:
        self.close()

    def start(self) -> None:
        self.programs.check()
        self.work_dir.mkdir(parents=True, exist_ok=True)
        STEPS.attach(self.work_dir / "steps.log")
        self.prefix = self._stack.enter_context(prefix_slot(self.base_prefix, self.dpi))
        self.xvfb = Xvfb(self.first_display, self.work_dir / "xvfb.log")
        self._registry.parent.mkdir(parents=True, exist_ok=True)
        self._registry.write_text(json.dumps({"xvfb": self.xvfb.process.pid, "prefix": str(self.prefix)}))
        self.env = wine_environment(self.prefix, self.xvfb.display)
        self.controls = ControlReader(self.programs.tool("controls"), self.env, self.work_dir / "controls.log")
        STEPS.note("start", f"session on {self.display} in {self.prefix.name}")

    def close(self) -> None:
        with contextlib.suppress(OSError):
            self.save_screenshots()
        if self.controls is not None:
            self.controls.stop()
        for process in reversed(self._processes):
            with contextlib.suppress(Exception):
                process.stop()
        self._processes.clear()
        if self.xvfb is not None:
            self.xvfb.stop()
            self.xvfb = None
        self._registry.unlink(missing_ok=True)
        self._stack.close()

    @property
    def display(self) -> str:
        assert self.xvfb is not None, "session not started"
        return self.xvfb.display

    def _file(self, stem: str, suffix: str) -> Path:
        self._counter += 1
        path = self.work_dir / f"{self._counter:02d}-{stem}{suffix}"
        path.unlink(missing_ok=True)
        return path

    def start_program(self, name: str, command: Sequence[str], cwd: Path | None = None) -> WineProcess:
        STEPS.note("start", " ".join(str(part) for part in command))
        process = WineProcess(name, command, self.env, self.work_dir / "wine-output.log", cwd)
        self._processes.append(process)
        return process

    def stop(self, process: WineProcess | None) -> None:
        if process is not None:
            process.stop()
            if process in self._processes:
                self._processes.remove(process)

    # -- programs --

    def start_probe(self, fullscreen: bool = False, rect: Box = Box(100, 100, 900, 700),
                    timeout: float = 20.0, menu_delay_ms: int = 0, window_class: str | None = None,
                    clip: bool = False) -> Probe:
        """Starts a probe window in front and waits until it is shown. With a menu delay, its context menu
        opens that much late, with the probe's thread busy meanwhile. A window class names the window's class
        instead of FlickmarkProbe; with `clip` the probe confines the cursor to its window while it is active."""
        log = ProbeLog(self._file("fullscreen-probe" if fullscreen else "probe", ".log"))
        arguments = [str(self.programs.tool("probe")), windows_path(log.path)]
        if fullscreen:
            arguments.append("--fullscreen")
            rect = Box(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)
        else:
            arguments += ["--pos", str(rect.left), str(rect.top), str(rect.width), str(rect.height)]
        if menu_delay_ms:
            arguments += ["--menu-delay", str(menu_delay_ms)]
        if window_class:
            arguments += ["--class", window_class]
        if clip:
            arguments.append("--clip")
        process = self.start_program("probe", arguments)
        self._await_start(process, lambda: log.matching("ready"), "the probe window", timeout)
        return Probe(process, log, rect)

    def stop_probe(self, probe: Probe) -> None:
        self.stop(probe.process)

    def start_flickmark(self, data_dir: Path | None = None, extra_args: Sequence[str] = (),
                        timeout: float = 20.0, executable: Path | None = None, cwd: Path | None = None) -> Flickmark:
        """Starts flickmark.exe (the build's, or a copy at `executable`; in the current folder `cwd`, a folder
        of the prefix's drive) with its log tap and waits until the recognizer has ticked once.

        A new recognizer completes an empty gesture at its first tick with the button up and logs "int-------";
        a press that comes before that tick is not seen as the start of a press."""
        log = FlickmarkLog(self._file("flickmark-log", ".txt"), self._file("flickmark-log-history", ".txt"))
        arguments = [str(executable or self.programs.flickmark)]
        if data_dir is not None:
            data_dir.mkdir(parents=True, exist_ok=True)
            arguments += ["-data", windows_path(data_dir)]
        process = self.start_program("flickmark", [*arguments, *extra_args], cwd)
        tap_arguments = [str(self.programs.tool("logtap")), windows_path(log.snapshot), windows_path(log.history_path)]
        taps = [self.start_program("logtap", tap_arguments)]

        def ticked() -> bool:
            if log.find("int-------"):
                return True
            # The tap runs until it is stopped; on a busy machine Wine now and then fails to start a program at
            # all, and then the tap is started again (a tap that starts late still finds the whole log).
            if not taps[-1].running() and len(taps) < 4:
                STEPS.note("retry", f"the log tap ended with {taps[-1].popen.returncode}: started again")
                taps.append(self.start_program("logtap", tap_arguments))
            return False

        self._await_start(process, ticked, "the recognizer's first tick", timeout, lambda: _first_tick_detail(log))
        return Flickmark(process, taps[-1], log)

    def stop_flickmark(self, flickmark: Flickmark) -> None:
        self.stop(flickmark.tap)
        self.stop(flickmark.process)

    @staticmethod
    def _await_start(process: WineProcess, started: Callable[[], object], what: str, timeout: float,
                     detail: Callable[[], str] | None = None) -> None:
        def check() -> bool:
            if started():
                return True
            if not process.running():
                raise HarnessError(f"{process.name} exited with code {process.popen.returncode} before {what} "
                                   "appeared")
            return False

        wait_until(check, timeout, what, detail)

    # -- input --

    def xdotool(self, *arguments: str) -> None:
        """One xdotool call: its commands reach the X server in order. (Separate calls are separate X
        clients, whose requests the server may take in another order; hence `move` waits for the pointer.)"""
        STEPS.note("send", " ".join(arguments))
        subprocess.run(["xdotool", *arguments], env=self.env, check=True, timeout=10, stdout=subprocess.DEVNULL)

    def move(self, x: int, y: int) -> None:
        """Moves the pointer and returns once the X server has it there (the query after the move is answered
        only then), so that keys and clicks sent next go to the window under it. (xdotool's own --sync waits
        for ever when the pointer is already there.)"""
        self.xdotool("mousemove", str(x), str(y), "getmouselocation")

    def click_at(self, x: int, y: int, button: int = 1) -> None:
        self.xdotool("mousemove", str(x), str(y), "click", str(button))

    def choose_in_menu(self, menu: "Box", *keys: str) -> None:
        """Keys for a popup menu, with the pointer on its frame, where it highlights no item: keys reach a menu
        under Wine only while the pointer is on it, and an item under the pointer would take the highlight
        whenever the menu sees the move. Choose by mnemonic, or by Home or End and then Down or Up from there
        (a menu opened by the keyboard may start with its first item highlighted), then Return; then wait for
        the effect. Which item is highlighted cannot be read from another process under Wine."""
        self.xdotool("mousemove", str(menu.left + 1), str(menu.top + 1), "key", *keys)

    def button_down(self, button: int = 3) -> None:
        self.xdotool("mousedown", str(button))
        self._held_buttons.add(button)

    def button_up(self, button: int = 3) -> None:
        self.xdotool("mouseup", str(button))
        self._held_buttons.discard(button)

    def release_buttons(self) -> None:
        """Releases what a failed test left pressed, so the next test starts with the buttons up."""
        for button in sorted(self._held_buttons):
            self.button_up(button)

    def stroke(self, points: Iterable[tuple[int, int]], step_seconds: float = STEP_SECONDS,
               sampled: bool = False) -> None:
        """Moves through the points, pausing after each so every step is seen by a few recognizer ticks. With
        `sampled` (a press the recognizer watches), each point is also waited for until the recognizer has
        read it: on a busy machine its timer may not run for a while, and a point it never read would be a
        step of the gesture it never saw."""
        for x, y in points:
            self.move(x, y)
            if sampled:
                wait_until(lambda: self.sampled_cursor() == (x, y), 5.0, f"the recognizer to read {x},{y}",
                           lambda: f"it read {self.sampled_cursor()} last")
            time.sleep(step_seconds)  # input pacing, not a wait for a result

    def sampled_cursor(self) -> tuple[int, int] | None:
        """The cursor as the last tick of a press read it (Flickmark's recognizer window keeps it in a hidden
        text)."""
        text = self.controls.read(RECOGNIZER_WINDOW, SAMPLED_CURSOR_ID, "text")
        if not text or "," not in text:
            return None
        x, _, y = text.strip().partition(",")
        return int(x), int(y)

    def draw_gesture(self, log: FlickmarkLog, start: tuple[int, int],
                     steps: Iterable[tuple[int, int]]) -> tuple[int, int]:
        """Draws the relative steps from `start` with the right button, once Flickmark has logged that it
        watches the press; returns the log mark and the host time from before the press."""
        self.move(*start)
        mark = log.mark()
        since_us = now_us()
        self.button_down()
        log.wait_for("--------0", mark)
        self.stroke(relative_path(start, steps), sampled=True)
        self.button_up()
        return mark, since_us

    def key(self, *keys: str) -> None:
        self.xdotool("key", *keys)

    def close_popup_menus(self) -> None:
        """Escape for every menu a failed test left open (the pointer must be on a menu for its keys)."""
        for _ in range(3):
            menus = self.popup_menus()
            if not menus:
                return
            self.choose_in_menu(menus[-1], "Escape")
            with contextlib.suppress(WaitTimeout):
                wait_until(lambda: len(self.popup_menus()) < len(menus), 2.0, "a menu to close")

    def activate(self, probe: Probe, timeout: float = 5.0) -> None:
        """Brings a probe to the front with a left click near its bottom edge (no window manager does it).
        Without a window manager the X window covers only the client area, so the click stays inside it."""
        activations = probe.log.matching("activate ")
        if activations and activations[-1].text == "activate 1":
            return
        since = now_us()
        self.move(*probe.point(0.5, 0.95))
        self.xdotool("click", "1")
        probe.log.wait_for("activate 1", since, timeout)

    def close_menu(self, probe: Probe, timeout: float = 5.0) -> None:
        """Closes the probe's context menu if one is open (Escape reaches it while the pointer is over it)."""
        menu_events = [e for e in probe.log.matching("menu ") if e.text in ("menu open", "menu close")]
        if menu_events and menu_events[-1].text == "menu open":
            since = now_us()
            self.move(*probe.point(0.5, 0.5))
            self.key("Escape")
            probe.log.wait_for("menu close", since, timeout)

    # -- windows --

    def visible_windows(self, program: str) -> list[tuple[str, Box]]:
        """(title, rectangle) of each shown top-level window of a Windows program: Wine names the X window
        after the Windows one and gives it the program's file name as class. Popup menus have no title."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--classname", f"^{program}$"],
                               env=self.env, capture_output=True, text=True, timeout=10)
        windows = []
        for window in found.stdout.split():  # a window may vanish between the calls: it is left out
            name = subprocess.run(["xdotool", "getwindowname", window], env=self.env, capture_output=True,
                                  text=True, timeout=10)
            shape = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], env=self.env,
                                   capture_output=True, text=True, timeout=10)
            values = dict(line.split("=", 1) for line in shape.stdout.splitlines() if "=" in line)
            if name.returncode == 0 and shape.returncode == 0 and {"X", "Y", "WIDTH", "HEIGHT"} <= values.keys():
                x, y = int(values["X"]), int(values["Y"])
                windows.append((name.stdout.rstrip("\n"),
                                Box(x, y, x + int(values["WIDTH"]), y + int(values["HEIGHT"]))))
        return windows

    def popup_menus(self, program: str = "flickmark.exe") -> list[Box]:
        """The popup menus a program shows now."""
        return [box for title, box in self.visible_windows(program) if title == ""]

    # -- screen --

    def screenshot(self, name: str | None = None, box: Box | None = None) -> Image:
        """The whole screen (about 150 ms). A named one is saved as PNG in the work folder when the session
        closes or `save_screenshots` is called; encoding it now would slow down a stroke in progress.
        With `box` only that part is saved."""
        STEPS.note("shot", name or "(for a look)")
        result = subprocess.run(["import", "-display", self.display, "-window", "root", "-depth", "8", "ppm:-"],
                                capture_output=True, timeout=30, check=True)
        image = Image.from_ppm(result.stdout)
        if name is not None:
            saved = image if box is None else image.crop(box)
            self._unsaved_screenshots.append((self._file(name, ".png"), saved))
        return image

    def settled_screenshot(self, name: str, box: Box, timeout: float = 5.0) -> Image:
        """A named screenshot of `box` once two pictures taken one after the other are the same there: a window
        just shown may still be drawing."""
        previous = self.screenshot().crop(box)

        def settled() -> Image | None:
            nonlocal previous
            current = self.screenshot().crop(box)
            same = current.rgb == previous.rgb
            previous = current
            return current if same else None

        picture = wait_until(settled, timeout, f"the picture of {name} to settle")
        self._unsaved_screenshots.append((self._file(name, ".png"), picture))
        return picture

    def save_screenshots(self) -> list[Path]:
        saved = []
        for path, image in self._unsaved_screenshots:
            path.write_bytes(image.to_png())
            saved.append(path)
        self._unsaved_screenshots.clear()
        return saved


FAILED_RUNS_KEPT = 20


def keep_failed_work(work_dir: Path) -> Path | None:
    """Copies the work folder of a module with failed tests (logs, probe log, screenshots) to
    `failed/<module>-<time>/` beside the work root, where the next run does not overwrite it; keeps the newest
    FAILED_RUNS_KEPT of them."""
    failed_root = work_dir.parent.parent / "failed"
    kept = failed_root / f"{work_dir.name}-{time.strftime('%Y%m%d-%H%M%S')}"
    try:
        shutil.copytree(work_dir, kept, ignore=shutil.ignore_patterns("running"), dirs_exist_ok=True)
    except (OSError, shutil.Error) as error:
        print(f"could not keep the work folder {work_dir}: {error}", file=sys.stderr)
        return None
    for old in sorted(failed_root.iterdir(), key=lambda p: p.stat().st_mtime)[:-FAILED_RUNS_KEPT]:
        shutil.rmtree(old, ignore_errors=True)
    print(f"\nwork folder of the failed tests kept in {kept}", file=sys.stderr)
    return kept


def session_from_environment(name: str, dpi: int | None = None) -> Session:
    """A started session in the prefix and work folder that the test registration passes in the environment
    (defaults under build/e2e for runs by hand); `name` separates the work folders of test modules."""
    prefix = Path(os.environ.get("FLICKMARK_E2E_PREFIX", REPO_ROOT / "build" / "e2e" / "wineprefix"))
    work_root = Path(os.environ.get("FLICKMARK_E2E_WORK_DIR", REPO_ROOT / "build" / "e2e" / "work"))
    work_dir = work_root / name
    shutil.rmtree(work_dir, ignore_errors=True)
    _end_on_sigterm()
    session = Session(prefix, work_dir, dpi=dpi)
    return session.__enter__()


def _screenshot_on_failure(method: Callable) -> Callable:
    """Takes a screenshot when `method` fails, before the clean-ups change the screen."""

    @functools.wraps(method)
    def wrapper(self: "ProbeTestCase", *args, **kwargs):
        try:
            return method(self, *args, **kwargs)
        except unittest.SkipTest:
            raise
        except BaseException:
            if not getattr(self, "_failure_screenshot_taken", False):
                self._failure_screenshot_taken = True
                STEPS.note("FAIL", f"{self._testMethodName} in {method.__name__}")
                with contextlib.suppress(Exception):
                    self.session.screenshot(f"failed-{self._testMethodName}")
                print(f"\nlast steps before {self._testMethodName} failed (all in steps.log of the work folder):\n"
                      f"{STEPS.tail()}", file=sys.stderr, flush=True)
            raise

    return wrapper


class ProbeTestCase(unittest.TestCase):
    """Tests of one module sharing a session and a probe window; each test gets its own data folder
    (`self.data_dir`) and leaves no menu open and no button held. Subclasses set `module` (and `dpi` for
    another scaling than 100 %).

    When a test fails, a screenshot is taken at once, and after the last test the module's work folder is
    kept (see keep_failed_work)."""

    module = ""
    dpi: int | None = None
    failed = False

    def __init_subclass__(cls, **kwargs):
        super().__init_subclass__(**kwargs)
        for name, member in list(vars(cls).items()):
            if callable(member) and (name == "setUp" or name.startswith("test")):
                setattr(cls, name, _screenshot_on_failure(member))

    @classmethod
    def setUpClass(cls):
        cls.failed = False
        cls.session = session_from_environment(cls.module, cls.dpi)
        try:
            cls.probe = cls.session.start_probe()
        except BaseException:
            cls.session.close()
            keep_failed_work(cls.session.work_dir)
            raise

    @classmethod
    def tearDownClass(cls):
        cls.session.close()
        if cls.failed:
            keep_failed_work(cls.session.work_dir)

    def run(self, result=None):
        """Notes any failure of the test, its setUp or its clean-ups."""
        if result is None:
            return super().run(result)
        before = len(result.failures) + len(result.errors)
        super().run(result)
        if len(result.failures) + len(result.errors) > before:
            type(self).failed = True
        return result

    @_screenshot_on_failure
    def setUp(self):
        STEPS.note("test", self._testMethodName)
        self.session.activate(self.probe)
        self.data_dir = self.session.work_dir / f"data-{self._testMethodName}"
        self.data_dir.mkdir(parents=True, exist_ok=True)
        self.addCleanup(self.session.close_menu, self.probe)
        self.addCleanup(self.session.release_buttons)


def _end_on_sigterm() -> None:
    """Turns SIGTERM (a test timeout) into SystemExit, so clean-up code still runs."""
    if signal.getsignal(signal.SIGTERM) is signal.SIG_DFL:
        signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit(128 + signum))


def write_settings(data_dir: Path, **values: object) -> None:
    """Writes Flickmark's settings file ("defaults.ini", section "init") with only these keys."""
    data_dir.mkdir(parents=True, exist_ok=True)
    lines = ["[init]"] + [f"{key}={value}" for key, value in values.items()]
    (data_dir / "defaults.ini").write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


# The pointer moves at test pace: each xdotool call, and a screenshot taken during a stroke, may take a few
# hundred milliseconds or more on a loaded machine, so a stroke may dwell on its first direction for seconds.
# Without the help popup, the pause trigger never turns such a stroke into a help menu (the help menu's own
# tests hold still on purpose, with their own settings).
TEST_PACE_SETTINGS = {"cbEnableHelpPoup": 0}


def relative_path(start: tuple[int, int], steps: Iterable[tuple[int, int]]) -> list[tuple[int, int]]:
    """Absolute points from a start point and relative steps."""
    x, y = start
    points = []
    for dx, dy in steps:
        x, y = x + dx, y + dy
        points.append((x, y))
    return points


# ----------------------------------------------------------------------------------------------------------
# Command line for the test fixtures: fresh prefix before the tests, clean-up after them.


def _cleanup(prefix: Path, work_dir: Path, remove_prefix: bool) -> None:
    for record in work_dir.glob("**/running/*.json"):
        with contextlib.suppress(Exception):
            pid = json.loads(record.read_text())["xvfb"]
            if _process_alive(pid, "Xvfb"):
                os.kill(pid, signal.SIGTERM)
        record.unlink(missing_ok=True)
    for copy in [prefix, *prefix.parent.glob(f"{prefix.name}-slot*")]:
        if copy.is_dir():
            stop_wineserver(copy)
            if remove_prefix:
                shutil.rmtree(copy, ignore_errors=True)
        elif remove_prefix and copy.suffix == ".lock":
            copy.unlink(missing_ok=True)


def main(argv: Sequence[str]) -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("action", choices=["prepare", "cleanup"])
    parser.add_argument("--prefix", type=Path, required=True)
    parser.add_argument("--work-dir", type=Path, required=True)
    parser.add_argument("--keep-prefix", action="store_true", help="cleanup: leave the prefix on disk")
    options = parser.parse_args(argv)
    try:
        if options.action == "prepare":
            Programs.from_environment().check()
            _cleanup(options.prefix, options.work_dir, remove_prefix=False)
            started = time.monotonic()
            create_prefix(options.prefix)
            print(f"Wine prefix ready in {time.monotonic() - started:.1f} s: {options.prefix}")
        else:
            _cleanup(options.prefix, options.work_dir, remove_prefix=not options.keep_prefix)
    except HarnessError as error:
        print(f"error: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
