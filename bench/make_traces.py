"""Fresh human-like gesture traces for bench/accuracy.py, in the flickmark-replay format.

Each trace is a few presses of one simulated hand: strokes with a smooth (minimum-jerk) speed profile, an
angle error of a few degrees (up to 20), a bulge across the stroke, a pixel or so of jitter per sample,
sometimes a hesitation at a corner or a small hook at a stroke's end, presses near the screen's edges (the
cursor stops at the edge while the hand goes on), one or two monitors, taps, holds after the first stroke
long enough for help, and presses over a full-screen program. Ticks come every 80 ms while the button is
down and every 100 ms while it is up, with a little jitter. Settings are the defaults or, in some traces,
other values; some traces turn diagonals on.

The header says what the hand meant, as bench/accuracy.py reads it:

    # diagonals: 0
    # press: 1 start=287 end=2279 kind=stroke intended=1323

Usage: python3 bench/make_traces.py DIR [--count 600] [--seed 1]
"""

import argparse
import math
import random
import sys
from dataclasses import dataclass
from pathlib import Path

ANGLES = {0: 270.0, 1: 90.0, 2: 180.0, 3: 0.0, 4: 315.0, 5: 225.0, 6: 45.0, 7: 135.0}
ADJACENT = {0: {4, 5}, 1: {6, 7}, 2: {5, 7}, 3: {4, 6}, 4: {0, 3}, 5: {0, 2}, 6: {1, 3}, 7: {1, 2}}
MONITOR_SETS = [
    [(0, 0, 1920, 1080)],
    [(0, 0, 2560, 1440)],
    [(0, 0, 1366, 768)],
    [(0, 0, 1920, 1080), (1920, 0, 1920, 1080)],
    [(0, 0, 1920, 1080), (-1920, 0, 1920, 1080)],
]
DOWN_INTERVAL_MS = 80
UP_INTERVAL_MS = 100


@dataclass
class Settings:
    x_pixel: int = 30
    y_pixel: int = 25
    help_pause: int = 800
    help_popup: bool = True
    diagonals: bool = False


class Hand:
    """The cursor as the hand moves it: relative moves, stopped at the outer edges of the monitors."""

    def __init__(self, monitors, x: float, y: float):
        self.monitors = monitors
        self.x, self.y = x, y          # where the hand would have the cursor without edges
        self.cx, self.cy = round(x), round(y)

    def inside(self, x: int, y: int) -> bool:
        return any(mx <= x < mx + w and my <= y < my + h for mx, my, w, h in self.monitors)

    def move_to(self, x: float, y: float) -> None:
        dx, dy = round(x) - round(self.x), round(y) - round(self.y)
        self.x, self.y = x, y
        nx, ny = self.cx + dx, self.cy + dy
        if self.inside(nx, ny):
            self.cx, self.cy = nx, ny
            return
        mx, my, w, h = next(m for m in self.monitors
                            if m[0] <= self.cx < m[0] + m[2] and m[1] <= self.cy < m[1] + m[3])
        clamped_y = min(max(ny, my), my + h - 1)
        if self.inside(nx, clamped_y):  # onto the monitor beside this one
            self.cx, self.cy = nx, clamped_y
        else:
            self.cx, self.cy = min(max(nx, mx), mx + w - 1), clamped_y


def minimum_jerk(t: float) -> float:
    return 10 * t ** 3 - 15 * t ** 4 + 6 * t ** 5


def random_gesture(rng: random.Random, diagonals: bool) -> str:
    count = rng.choices([1, 2, 3, 4], weights=[35, 35, 20, 10])[0]
    codes = []
    for _ in range(count):
        choices = list(range(8 if diagonals and rng.random() < 0.6 else 4))
        if codes:
            choices = [c for c in choices if c != codes[-1] and c not in ADJACENT[codes[-1]]]
        codes.append(rng.choice(choices))
    return "".join(map(str, codes))


def stroke_length(rng: random.Random, code: int, settings: Settings) -> float:
    if code in (0, 1):
        minimum = settings.y_pixel
    elif code in (2, 3):
        minimum = settings.x_pixel
    else:
        minimum = 1.3 * settings.y_pixel / math.sqrt(2)  # |dx| + |dy| of a 45-degree stroke
    return rng.uniform(max(1.6 * minimum, 45.0), 330.0)


class PressPlan:
    """A press as a timeline of hand positions: (time from press start in ms, x, y) samples."""

    def __init__(self, rng: random.Random, x: float, y: float):
        self.rng = rng
        self.samples = [(0.0, x, y)]

    @property
    def end(self):
        return self.samples[-1]

    def rest(self, duration_ms: float) -> None:
        t, x, y = self.end
        steps = max(1, int(duration_ms / 10))
        for i in range(1, steps + 1):
            self.samples.append((t + duration_ms * i / steps, x, y))

    def stroke(self, angle_deg: float, length: float, bulge: float, duration_ms: float) -> None:
        t0, x0, y0 = self.end
        a = math.radians(angle_deg)
        ux, uy = math.cos(a), math.sin(a)
        steps = max(2, int(duration_ms / 10))
        for i in range(1, steps + 1):
            s = minimum_jerk(i / steps)
            side = 4 * bulge * length * s * (1 - s)
            self.samples.append((t0 + duration_ms * i / steps, x0 + ux * s * length - uy * side,
                                 y0 + uy * s * length + ux * side))

    def position(self, t: float):
        """The hand at time t (ms from the press start), by linear interpolation."""
        samples = self.samples
        if t <= samples[0][0]:
            return samples[0][1], samples[0][2]
        if t >= samples[-1][0]:
            return samples[-1][1], samples[-1][2]
        lo, hi = 0, len(samples) - 1
        while hi - lo > 1:
            mid = (lo + hi) // 2
            if samples[mid][0] <= t:
                lo = mid
            else:
                hi = mid
        (ta, xa, ya), (tb, xb, yb) = samples[lo], samples[hi]
        f = (t - ta) / (tb - ta) if tb > ta else 0.0
        return xa + f * (xb - xa), ya + f * (yb - ya)


def plan_press(rng: random.Random, kind: str, gesture: str, settings: Settings, x: float, y: float) -> PressPlan:
    plan = PressPlan(rng, x, y)
    plan.rest(rng.uniform(80, 250))  # the button goes down before the hand moves
    if kind == "tap":
        plan.rest(rng.uniform(60, 300))
        return plan
    for index, digit in enumerate(gesture):
        code = int(digit)
        length = stroke_length(rng, code, settings)
        error = max(-20.0, min(20.0, rng.gauss(0.0, 7.0)))
        bulge = max(-0.12, min(0.12, rng.gauss(0.0, 0.05)))
        duration = 180 + length * rng.uniform(1.2, 2.2)
        plan.stroke(ANGLES[code] + error, length, bulge, duration)
        if rng.random() < 0.2:
            # A small hook as the hand stops: well under the shortest stroke.
            hook = rng.uniform(3, 0.4 * min(settings.x_pixel, settings.y_pixel))
            plan.stroke(ANGLES[code] + rng.choice([90, -90, 180]) + rng.uniform(-30, 30), hook, 0.0,
                        rng.uniform(60, 160))
        if kind == "hold" and index == 0:
            plan.rest(settings.help_pause + rng.uniform(250, 900))
        elif index + 1 < len(gesture) and rng.random() < 0.3:
            plan.rest(rng.uniform(80, min(400, 0.6 * settings.help_pause)))
    plan.rest(rng.uniform(60, 250))  # still a moment before the release
    return plan


def random_settings(rng: random.Random) -> tuple[Settings, list[str], bool]:
    settings = Settings(diagonals=rng.random() < 0.4)
    lines = []
    varied = rng.random() < 0.15
    if varied:
        if rng.random() < 0.5:
            settings.x_pixel = rng.randint(15, 60)
            lines.append(f"set tbXPixel {settings.x_pixel}")
        if rng.random() < 0.5:
            settings.y_pixel = rng.randint(13, 52)
            lines.append(f"set tbYPixel {settings.y_pixel}")
        if rng.random() < 0.4:
            settings.help_pause = rng.choice([300, 500, 1000, 1500])
            lines.append(f"set tbHelpPause {settings.help_pause}")
        if rng.random() < 0.2:
            settings.help_popup = False
            lines.append("set cbEnableHelpPoup 0")
        for key, values in (("xThreshold", range(1, 7)), ("yThreshold", range(1, 7)),
                            ("directionThreshold", range(1, 4)),
                            ("tbDeltaBias", (0.5, 0.55, 0.65, 0.7, 0.85, 0.9)),
                            ("tbDistanceBias", (0.5, 0.6, 0.75, 0.8, 0.9))):
            if rng.random() < 0.3:
                lines.append(f"set {key} {rng.choice(list(values))}")
    if settings.diagonals:
        lines.append("set cbEnableDiagonals 1")
    return settings, lines, varied


def start_point(rng: random.Random, monitors, near_edge: bool) -> tuple[float, float]:
    mx, my, w, h = rng.choice(monitors)
    if near_edge:
        side = rng.randrange(4)
        margin = rng.uniform(0, 40)
        x = mx + margin if side == 0 else mx + w - 1 - margin if side == 1 else rng.uniform(mx, mx + w - 1)
        y = my + margin if side == 2 else my + h - 1 - margin if side == 3 else rng.uniform(my, my + h - 1)
        return x, y
    return rng.uniform(mx + 150, mx + w - 150), rng.uniform(my + 150, my + h - 150)


def make_trace(rng: random.Random) -> str:
    monitors = rng.choice(MONITOR_SETS)
    settings, setting_lines, varied = random_settings(rng)
    primary = monitors[0]
    normal_window = rng.choice([
        f"foreground editor.exe 200 50 1000 700 normal",
        f"foreground explorer.exe {primary[0]} {primary[1]} {primary[2]} {primary[3]} normal",
        f"foreground browser.exe {primary[0] - 8} {primary[1] - 8} {primary[2] + 16} {primary[3] + 16} maximized",
    ])
    game_window = f"foreground game.exe {primary[0]} {primary[1]} {primary[2]} {primary[3]} normal"

    presses = []
    for _ in range(rng.randint(1, 5)):
        kind = rng.choices(["stroke", "hold", "tap", "ignored"], weights=[80, 9, 8, 3])[0]
        gesture = "" if kind == "tap" else random_gesture(rng, settings.diagonals)
        presses.append((kind, gesture))

    body = [f"monitor {m[0]} {m[1]} {m[2]} {m[3]}" for m in monitors] + setting_lines + [normal_window]
    header = []
    t = float(rng.randint(0, 80))
    x, y = start_point(rng, monitors, False)
    hand = Hand(monitors, x, y)
    records = []
    for number, (kind, gesture) in enumerate(presses, start=1):
        # Travel to the next start with the button up.
        tx, ty = start_point(rng, monitors, rng.random() < 0.12)
        # The hand moves by the cursor's way to the target (the two differ once an edge stopped the cursor).
        travel = PressPlan(rng, hand.x, hand.y)
        travel.stroke(math.degrees(math.atan2(ty - hand.cy, tx - hand.cx)), math.hypot(tx - hand.cx, ty - hand.cy),
                      0.0, rng.uniform(250, 450))
        travel.rest(rng.uniform(150, 400))
        if kind == "ignored":
            body.append(game_window)
        t = emit(body, rng, hand, travel, t, False)
        start = round(t)
        plan = plan_press(rng, kind, gesture, settings, hand.x, hand.y)
        t = emit(body, rng, hand, plan, t, True)
        if kind == "ignored":
            body.append(normal_window)
        records.append((number, start, round(t), kind, gesture if kind != "tap" else ""))
    rest = PressPlan(rng, hand.x, hand.y)
    rest.rest(300)
    emit(body, rng, hand, rest, t, False)

    header.append("# intended: " + ",".join(g for _, _, _, k, g in records if k in ("stroke", "hold")))
    header.append(f"# diagonals: {int(settings.diagonals)}")
    header.append(f"# settings: {'varied' if varied else 'default'}")
    for number, start, end, kind, gesture in records:
        header.append(f"# press: {number} start={start} end={end} kind={kind} intended={gesture}")
    return "\n".join(header + body) + "\n"


def emit(lines: list[str], rng: random.Random, hand: Hand, plan: PressPlan, t: float, down: bool) -> float:
    """Ticks over the plan from time t; returns the time after its end. The first tick of a press finds the
    button down (the press started just before it)."""
    begin = t
    duration = plan.end[0]
    interval = DOWN_INTERVAL_MS if down else UP_INTERVAL_MS
    while True:
        t += interval + rng.uniform(-10, 12)
        offset = min(t - begin, duration)
        x, y = plan.position(offset)
        hand.move_to(x + rng.gauss(0, 0.6), y + rng.gauss(0, 0.6))
        lines.append(f"tick {round(t)} {1 if down else 0} {hand.cx} {hand.cy}")
        if t - begin >= duration:
            return t


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", type=Path)
    parser.add_argument("--count", type=int, default=600)
    parser.add_argument("--seed", type=int, default=1)
    options = parser.parse_args()
    rng = random.Random(options.seed)
    options.folder.mkdir(parents=True, exist_ok=True)
    for i in range(options.count):
        (options.folder / f"{i:04d}.trace").write_text(make_trace(rng))
    print(f"{options.count} traces in {options.folder}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
