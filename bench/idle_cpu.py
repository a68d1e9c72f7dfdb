"""Idle CPU of flickmark.exe under Wine, beside an idle probe window in the same run.

Starts both on a private X server, lets start-up finish, then reads utime+stime of each Wine process from
/proc/<pid>/stat before and after the measuring period and prints each as % of one core, the difference,
and the wineserver's share (which serves both). With --held the right button is held down over the probe
for the whole period, so the figure is the cost of a press in progress (ticks every 80 ms and the look at
the button between them) rather than of idling. With --moving the pointer moves over the probe all the
time (50 moves a second) without a press. With --precise Flickmark runs with precise recognition on.

With --beside EXE another flickmark.exe (an older build, say) is measured in the same run: the two take
turns, --rounds times each, and each round's figures are printed.

Usage: python3 bench/idle_cpu.py [--seconds 20] [--held | --moving] [--precise] [--beside EXE [--rounds 2]]
"""

import argparse
import os
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402

TICKS_PER_SECOND = os.sysconf("SC_CLK_TCK")
MOVES_PER_SECOND = 50


def cpu_ticks(pid: int) -> int:
    # Fields after the parenthesised command name; utime and stime are fields 14 and 15 of the line.
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def wineserver_pids(prefix: Path) -> list[int]:
    pids = []
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            if b"wineserver" not in (entry / "cmdline").read_bytes():
                continue
            if f"WINEPREFIX={prefix}".encode() in (entry / "environ").read_bytes().split(b"\0"):
                pids.append(int(entry.name))
        except OSError:
            continue
    return pids


def moving_pointer(session: harness.Session, seconds: float) -> subprocess.Popen:
    """One xdotool process that moves the pointer 5 pixels right and back, MOVES_PER_SECOND times a second,
    for a little longer than `seconds`."""
    commands = []
    for i in range(int((seconds + 5) * MOVES_PER_SECOND)):
        commands += ["mousemove_relative", "--", "5" if i % 2 == 0 else "-5", "0", "sleep",
                     str(1 / MOVES_PER_SECOND)]
    return subprocess.Popen(["xdotool", *commands], env=session.env, stdout=subprocess.DEVNULL)


def measure(session: harness.Session, probe: harness.Probe, executable: Path | None, data_dir: Path,
            options: argparse.Namespace) -> dict[str, float] | None:
    """% of one core of Flickmark, the probe and the wineserver over the period; None when Flickmark exited."""
    harness.write_settings(data_dir, cbPreciseRecognition=int(options.precise))
    flickmark = session.start_flickmark(data_dir=data_dir, executable=executable)
    mover = None
    try:
        session.move(*probe.point(0.5, 0.5))
        if options.held:
            session.button_down()
            flickmark.log.wait_for("--------0")
        flickmark.stop_tap()  # the tap reads the log every 20 ms, which would cost Flickmark CPU
        if options.moving:
            mover = moving_pointer(session, options.settle + options.seconds)
        time.sleep(options.settle)

        processes = {"flickmark.exe": flickmark.process.pid, "probe.exe": probe.process.pid}
        servers = wineserver_pids(session.prefix)
        before = {name: cpu_ticks(pid) for name, pid in processes.items()}
        server_before = sum(cpu_ticks(pid) for pid in servers)
        started = time.monotonic()
        time.sleep(options.seconds)
        elapsed = time.monotonic() - started
        after = {name: cpu_ticks(pid) for name, pid in processes.items()}
        server_after = sum(cpu_ticks(pid) for pid in servers)
        if not flickmark.process.running():
            print("flickmark.exe exited during the measurement", file=sys.stderr)
            return None
    finally:
        if mover:
            mover.kill()
            mover.wait()
        if options.held:
            session.button_up()
        session.stop_flickmark(flickmark)

    def percent(ticks: int) -> float:
        return 100.0 * ticks / TICKS_PER_SECOND / elapsed

    used = {name: percent(after[name] - before[name]) for name in processes}
    used["difference"] = used["flickmark.exe"] - used["probe.exe"]
    used["wineserver"] = percent(server_after - server_before)
    used["seconds"] = elapsed
    return used


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=float, default=20.0)
    parser.add_argument("--settle", type=float, default=3.0, help="seconds to let start-up finish first")
    activity = parser.add_mutually_exclusive_group()
    activity.add_argument("--held", action="store_true", help="hold the right button down over the probe")
    activity.add_argument("--moving", action="store_true", help="move the pointer over the probe, no press")
    parser.add_argument("--precise", action="store_true", help="with precise recognition on")
    parser.add_argument("--beside", type=Path, help="another flickmark.exe to measure in the same run")
    parser.add_argument("--rounds", type=int, default=2, help="turns of each build with --beside")
    options = parser.parse_args()

    work_dir = harness.REPO_ROOT / "build" / "bench" / "idle-cpu"
    builds: list[tuple[str, Path | None]] = [("this build", None)]
    if options.beside:
        builds.append((str(options.beside), options.beside.resolve()))
    rounds = options.rounds if options.beside else 1
    results: dict[str, list[dict[str, float]]] = {name: [] for name, _ in builds}
    with harness.Session(harness.TOOLS_PREFIX, work_dir) as session:
        probe = session.start_probe()
        for _ in range(rounds):
            for name, executable in builds:
                used = measure(session, probe, executable, work_dir / "data", options)
                if used is None:
                    return 1
                results[name].append(used)

    what = ("CPU with the right button held" if options.held else
            "CPU while the pointer moves without a press" if options.moving else "Idle CPU")
    mode = "precise recognition" if options.precise else "the default recognizer"
    print(f"{what}, {mode}, over {options.seconds:.0f} s under Wine, % of one core "
          f"({TICKS_PER_SECOND} ticks per second):")
    for name, rows in results.items():
        print(f"  {name}:")
        for used in rows:
            print("    " + "  ".join(f"{key} {used[key]:5.2f} %" for key in
                                     ("flickmark.exe", "probe.exe", "difference", "wineserver")))
    return 0


if __name__ == "__main__":
    sys.exit(main())
