"""Idle CPU of flickmark.exe under Wine, beside an idle probe window in the same run.

Starts both on a private X server, lets start-up finish, then reads utime+stime of each Wine process from
/proc/<pid>/stat before and after the measuring period and prints each as % of one core, the difference,
and the wineserver's share (which serves both). With --held the right button is held down over the probe
for the whole period, so the figure is the cost of a press in progress (ticks every 80 ms and the look at
the button between them) rather than of idling.

Usage: python3 bench/idle_cpu.py [--seconds 20] [--held]
"""

import argparse
import os
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402

TICKS_PER_SECOND = os.sysconf("SC_CLK_TCK")


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


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=float, default=20.0)
    parser.add_argument("--settle", type=float, default=3.0, help="seconds to let start-up finish first")
    parser.add_argument("--held", action="store_true", help="hold the right button down over the probe")
    options = parser.parse_args()

    work_dir = harness.REPO_ROOT / "build" / "bench" / "idle-cpu"
    with harness.Session(harness.TOOLS_PREFIX, work_dir) as session:
        probe = session.start_probe()
        flickmark = session.start_flickmark(data_dir=work_dir / "data")
        if options.held:
            session.move(*probe.point(0.5, 0.5))
            session.button_down()
            flickmark.log.wait_for("--------0")
        flickmark.stop_tap()  # the tap reads the log every 20 ms, which would cost Flickmark CPU
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
        if options.held:
            session.button_up()
        if not flickmark.process.running():
            print("flickmark.exe exited during the measurement", file=sys.stderr)
            return 1

    def percent(ticks: int) -> float:
        return 100.0 * ticks / TICKS_PER_SECOND / elapsed

    used = {name: after[name] - before[name] for name in processes}
    what = "CPU with the right button held" if options.held else "Idle CPU"
    print(f"{what} over {elapsed:.1f} s under Wine, % of one core ({TICKS_PER_SECOND} ticks per second):")
    for name, ticks in used.items():
        print(f"  {name:<14} {percent(ticks):6.2f} %  ({ticks} ticks)")
    difference = used["flickmark.exe"] - used["probe.exe"]
    print(f"  {'difference':<14} {percent(difference):6.2f} %")
    print(f"  {'wineserver':<14} {percent(server_after - server_before):6.2f} %  (serves both)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
