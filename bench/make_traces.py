"""Fresh human-like gesture traces for bench/accuracy.py, in the flickmark-replay format.

Each trace is a few presses of one simulated hand: strokes with a smooth (minimum-jerk) speed profile, an
angle error of a few degrees (up to 20), a bulge across the stroke, a pixel or so of jitter per sample,
sometimes a hesitation at a corner or a small hook at a stroke's end, presses near the screen's edges (the
cursor stops at the edge while the hand goes on), one or two monitors, taps, holds after the first stroke
long enough for help, presses over a full-screen program, fast flicks (one stroke of 80 to 200 pixels drawn
in 40 to 160 ms, often between two ticks) and strokes against an outer edge of the desktop (the cursor rests
on the edge while the hand moves into it or along it). The hand is sampled every 8 ms, as a mouse reports;
ticks come every 100 ms while the button is up and every 80 ms once a tick has seen it down, with a little
jitter, and read the cursor where the last sample left it. A press also has its events: `down` when the
button goes down, a `move` at each sample where the cursor or the hand moved (DX DY the hand's own rounded
movement, which goes on where the cursor stops at an edge) and `up` at the release. Settings are the
defaults or, in some traces, other values; some traces turn diagonals on.

The header says what the hand meant, as bench/accuracy.py reads it:

    # diagonals: 0
    # press: 1 start=287 end=2279 kind=stroke intended=1323 duration=1460 hidden=0

`duration` is how long the hand spent drawing the press's strokes (ms); `hidden` counts its strokes that moved
the cursor less than 15 px along their direction (drawn against an edge the cursor rests on).

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
SAMPLE_MS = 8  # a mouse reporting at 125 Hz
REST_TREMOR_CHANCE = 0.08  # per sample of a still hand: its jitter changes (a pixel now and then)
INTO_EDGE = {"left": 2, "right": 3, "top": 0, "bottom": 1}
HIDDEN_BELOW_PX = 15  # a stroke that moved the cursor less along its direction left no trace in its positions


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

    def move_to(self, x: float, y: float) -> tuple[int, int]:
        """Returns the hand's own rounded movement."""
        dx, dy = round(x) - round(self.x), round(y) - round(self.y)
        self.x, self.y = x, y
        nx, ny = self.cx + dx, self.cy + dy
        if self.inside(nx, ny):
            self.cx, self.cy = nx, ny
            return dx, dy
        mx, my, w, h = next(m for m in self.monitors
                            if m[0] <= self.cx < m[0] + m[2] and m[1] <= self.cy < m[1] + m[3])
        clamped_y = min(max(ny, my), my + h - 1)
        if self.inside(nx, clamped_y):  # onto the monitor beside this one
            self.cx, self.cy = nx, clamped_y
        else:
            self.cx, self.cy = min(max(nx, mx), mx + w - 1), clamped_y
        return dx, dy


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


def shortest_stroke(code: int, settings: Settings) -> float:
    if code in (0, 1):
        return settings.y_pixel
    if code in (2, 3):
        return settings.x_pixel
    return 1.3 * settings.y_pixel / math.sqrt(2)  # |dx| + |dy| of a 45-degree stroke


def stroke_length(rng: random.Random, code: int, settings: Settings) -> float:
    return rng.uniform(max(1.6 * shortest_stroke(code, settings), 45.0), 330.0)


class PressPlan:
    """A press as a timeline of hand positions: (time from press start in ms, x, y) samples."""

    def __init__(self, rng: random.Random, x: float, y: float):
        self.rng = rng
        self.samples = [(0.0, x, y)]
        self.drawing_ms = 0.0  # time spent in the gesture's strokes
        self.strokes = []  # (index of the sample it starts from, index of its last sample, angle) of each stroke

    @property
    def end(self):
        return self.samples[-1]

    def rest(self, duration_ms: float) -> None:
        t, x, y = self.end
        steps = max(1, round(duration_ms / SAMPLE_MS))
        for i in range(1, steps + 1):
            self.samples.append((t + duration_ms * i / steps, x, y))

    def stroke(self, angle_deg: float, length: float, bulge: float, duration_ms: float, meant: bool = True) -> None:
        """A stroke of the gesture or, not `meant`, a movement on the way (a hook, a travel)."""
        t0, x0, y0 = self.end
        a = math.radians(angle_deg)
        ux, uy = math.cos(a), math.sin(a)
        steps = max(2, round(duration_ms / SAMPLE_MS))
        if meant:
            self.drawing_ms += duration_ms
            self.strokes.append((len(self.samples) - 1, len(self.samples) - 1 + steps, angle_deg))
        for i in range(1, steps + 1):
            s = minimum_jerk(i / steps)
            side = 4 * bulge * length * s * (1 - s)
            self.samples.append((t0 + duration_ms * i / steps, x0 + ux * s * length - uy * side,
                                 y0 + uy * s * length + ux * side))


def plan_press(rng: random.Random, kind: str, gesture: str, settings: Settings, x: float, y: float,
               edge_angle: float | None = None) -> PressPlan:
    """With an edge's angle (the direction into it), strokes along the edge lean into it."""
    plan = PressPlan(rng, x, y)
    plan.rest(rng.uniform(80, 250))  # the button goes down before the hand moves
    if kind == "tap":
        plan.rest(rng.uniform(60, 300))
        return plan
    for index, digit in enumerate(gesture):
        code = int(digit)
        length = stroke_length(rng, code, settings)
        error = max(-20.0, min(20.0, rng.gauss(0.0, 7.0)))
        if edge_angle is not None and runs_along(ANGLES[code], edge_angle):
            error = lean_into(ANGLES[code], edge_angle, rng.uniform(3, 20))
        bulge = max(-0.12, min(0.12, rng.gauss(0.0, 0.05)))
        duration = 180 + length * rng.uniform(1.2, 2.2)
        plan.stroke(ANGLES[code] + error, length, bulge, duration)
        if rng.random() < 0.2:
            # A small hook as the hand stops: well under the shortest stroke.
            hook = rng.uniform(3, 0.4 * min(settings.x_pixel, settings.y_pixel))
            plan.stroke(ANGLES[code] + rng.choice([90, -90, 180]) + rng.uniform(-30, 30), hook, 0.0,
                        rng.uniform(60, 160), meant=False)
        if kind == "hold" and index == 0:
            plan.rest(settings.help_pause + rng.uniform(250, 900))
        elif index + 1 < len(gesture) and rng.random() < 0.3:
            plan.rest(rng.uniform(80, min(400, 0.6 * settings.help_pause)))
    plan.rest(rng.uniform(60, 250))  # still a moment before the release
    return plan


def runs_along(angle: float, edge_angle: float) -> bool:
    """Whether a stroke at `angle` runs along the edge whose inward direction is `edge_angle`."""
    return abs(math.cos(math.radians(edge_angle - angle))) < 0.1


def lean_into(angle: float, edge_angle: float, degrees: float) -> float:
    """The angle error that turns a stroke along an edge by `degrees` toward it."""
    return math.copysign(degrees, math.sin(math.radians(edge_angle - angle)))


def toward(code: int, angle: float) -> float:
    """How much of a stroke with this code goes in the direction at `angle` (1 straight, 0 across)."""
    return math.cos(math.radians(ANGLES[code] - angle))


def plan_flick(rng: random.Random, gesture: str, settings: Settings, x: float, y: float) -> PressPlan:
    """A fast flick: the button goes down, one quick stroke, the button comes up."""
    code = int(gesture)
    plan = PressPlan(rng, x, y)
    plan.rest(rng.uniform(5, 40))
    error = max(-20.0, min(20.0, rng.gauss(0.0, 7.0)))
    plan.stroke(ANGLES[code] + error, rng.uniform(max(80.0, 1.6 * shortest_stroke(code, settings)), 200.0),
                max(-0.08, min(0.08, rng.gauss(0.0, 0.03))), rng.uniform(40, 160))
    plan.rest(rng.uniform(5, 40))
    return plan


def edge_gesture(rng: random.Random, side: str, diagonals: bool) -> str:
    """One or two strokes at an edge, at least one of them into it or along it."""
    inward = ANGLES[INTO_EDGE[side]]
    into = INTO_EDGE[side]
    if diagonals and rng.random() < 0.4:
        into = rng.choice([c for c in range(4, 8) if toward(c, inward) > 0.5])
    along = [c for c in range(4) if abs(toward(c, inward)) < 0.1]
    shape = rng.choice(["into", "into-along", "along-into", "along"])
    first = into if shape.startswith("into") else rng.choice(along)
    codes = [first]
    if "-" in shape:
        second = [c for c in ([into] if shape.endswith("into") else along)
                  if c != first and c not in ADJACENT[first]]
        if second:
            codes.append(rng.choice(second))
    return "".join(map(str, codes))


def edge_start(rng: random.Random, hand: Hand) -> tuple[float, float, str]:
    """A point on an outer edge of the desktop, pushed a little past it, and the edge's side."""
    while True:
        mx, my, w, h = rng.choice(hand.monitors)
        side = rng.choice(list(INTO_EDGE))
        if side in ("left", "right"):
            x, y = (mx if side == "left" else mx + w - 1), round(rng.uniform(my + 150, my + h - 150))
            beyond = (x - 1 if side == "left" else x + 1, y)
        else:
            x, y = round(rng.uniform(mx + 150, mx + w - 150)), (my if side == "top" else my + h - 1)
            beyond = (x, y - 1 if side == "top" else y + 1)
        if hand.inside(*beyond):
            continue
        push = rng.uniform(5, 30)
        a = math.radians(ANGLES[INTO_EDGE[side]])
        return x + push * math.cos(a), y + push * math.sin(a), side


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


def press_plans(rng: random.Random, count: int, settings: Settings):
    """The presses of a trace: (kind, header kind, intended gesture) each. Fast flicks and strokes against an
    edge are strokes to the reader."""
    presses = []
    for _ in range(count):
        kind = rng.choices(["stroke", "hold", "tap", "ignored", "flick", "edge"], weights=[70, 9, 8, 3, 14, 8])[0]
        if kind == "tap":
            gesture = ""
        elif kind == "flick":
            gesture = str(rng.randrange(8 if settings.diagonals else 4))
        else:
            gesture = random_gesture(rng, settings.diagonals)  # an edge press picks its own once it knows the edge
        presses.append((kind, "stroke" if kind in ("flick", "edge") else kind, gesture))
    return presses


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
    presses = press_plans(rng, rng.randint(1, 5), settings)

    body = [f"monitor {m[0]} {m[1]} {m[2]} {m[3]}" for m in monitors] + setting_lines + [normal_window]
    header = []
    t = float(rng.randint(0, 80))
    x, y = start_point(rng, monitors, False)
    hand = Hand(monitors, x, y)
    timeline = Timeline(rng, hand, body, t)
    records = []
    for number, (kind, header_kind, gesture) in enumerate(presses, start=1):
        # Travel to the next start with the button up.
        edge_angle = None
        if kind == "edge":
            tx, ty, side = edge_start(rng, hand)
            gesture = edge_gesture(rng, side, settings.diagonals)
            edge_angle = ANGLES[INTO_EDGE[side]]
        else:
            tx, ty = start_point(rng, monitors, rng.random() < 0.12)
        # The hand moves by the cursor's way to the target (the two differ once an edge stopped the cursor).
        travel = PressPlan(rng, hand.x, hand.y)
        travel.stroke(math.degrees(math.atan2(ty - hand.cy, tx - hand.cx)), math.hypot(tx - hand.cx, ty - hand.cy),
                      0.0, rng.uniform(250, 450), meant=False)
        travel.rest(rng.uniform(150, 400))
        if kind == "ignored":
            body.append(game_window)
        t, _ = timeline.play(travel, t, False)
        if kind == "flick":
            plan = plan_flick(rng, gesture, settings, hand.x, hand.y)
        else:
            plan = plan_press(rng, header_kind, gesture, settings, hand.x, hand.y, edge_angle)
        start = t
        t, hidden = timeline.play(plan, t, True)
        if kind == "ignored":
            body.append(normal_window)
        records.append((number, round(start), round(t), header_kind, gesture if kind != "tap" else "",
                        round(plan.drawing_ms), hidden))
    rest = PressPlan(rng, hand.x, hand.y)
    rest.rest(300)
    t, _ = timeline.play(rest, t, False)
    timeline.ticks_before(t + 1)

    header.append("# intended: " + ",".join(r[4] for r in records if r[3] in ("stroke", "hold")))
    header.append(f"# diagonals: {int(settings.diagonals)}")
    header.append(f"# settings: {'varied' if varied else 'default'}")
    for number, start, end, kind, gesture, duration, hidden in records:
        header.append(f"# press: {number} start={start} end={end} kind={kind} intended={gesture} "
                      f"duration={duration} hidden={hidden}")
    return "\n".join(header + body) + "\n"


class Timeline:
    """The trace's timed lines in time order as the hand moves: ticks on the mouse timer's cadence, each
    reading the button and the cursor where the last sample left them, and the events of each press."""

    def __init__(self, rng: random.Random, hand: Hand, lines: list[str], first_tick: float):
        self.rng, self.hand, self.lines = rng, hand, lines
        self.next_tick = first_tick
        self.down = False
        self.jitter = (0.0, 0.0)

    def ticks_before(self, time: float) -> None:
        while self.next_tick < time:
            self.lines.append(f"tick {round(self.next_tick)} {int(self.down)} {self.hand.cx} {self.hand.cy}")
            interval = DOWN_INTERVAL_MS if self.down else UP_INTERVAL_MS
            self.next_tick += interval + self.rng.uniform(-10, 12)

    def play(self, plan: PressPlan, start: float, press: bool) -> tuple[float, int]:
        """Moves the hand along the plan from `start`, the button down through it when it is a press (which
        also writes its events). Returns the plan's end time and how many of its strokes the cursor did not
        follow."""
        hand = self.hand
        if press:
            self.ticks_before(start)
            self.down = True
            self.lines.append(f"down {round(start)} {hand.cx} {hand.cy}")
        cursors = [(hand.cx, hand.cy)]  # after each sample
        for index, (offset, x, y) in enumerate(plan.samples[1:], start=1):
            self.ticks_before(start + offset)
            if plan.samples[index][1:] != plan.samples[index - 1][1:] or self.rng.random() < REST_TREMOR_CHANCE:
                self.jitter = (self.rng.gauss(0, 0.6), self.rng.gauss(0, 0.6))
            dx, dy = hand.move_to(x + self.jitter[0], y + self.jitter[1])
            if press and ((dx, dy) != (0, 0) or (hand.cx, hand.cy) != cursors[-1]):
                self.lines.append(f"move {round(start + offset)} {hand.cx} {hand.cy} {dx} {dy}")
            cursors.append((hand.cx, hand.cy))
        end = start + plan.end[0]
        if press:
            self.ticks_before(end)
            self.lines.append(f"up {round(end)} {hand.cx} {hand.cy}")
            self.down = False
        return end, sum(1 for first, last, angle in plan.strokes
                        if along(cursors[first], cursors[last], angle) < HIDDEN_BELOW_PX)


def along(origin: tuple[int, int], reached: tuple[int, int], angle_deg: float) -> float:
    """How far the cursor went from `origin` to `reached` in the direction at `angle_deg`."""
    a = math.radians(angle_deg)
    return (reached[0] - origin[0]) * math.cos(a) + (reached[1] - origin[1]) * math.sin(a)


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
