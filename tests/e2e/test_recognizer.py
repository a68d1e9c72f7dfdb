"""Gesture capture end to end: flickmark.exe under Wine watching right-button drags over the probe window."""

import unittest

import harness
from harness import RIGHT_STEPS, UP_STEPS, Box, relative_path

ARROW_SIZE = 48  # the popup's pictures are about this size


class RecognizerCase(harness.ProbeTestCase):
    """Flickmark started for each test with the test pace settings; no tests of its own."""

    def setUp(self):
        super().setUp()
        harness.write_settings(self.data_dir, **harness.TEST_PACE_SETTINGS)
        self.flickmark = self.session.start_flickmark(self.data_dir)
        self.addCleanup(self.session.stop_flickmark, self.flickmark)
        self.log = self.flickmark.log

    def press(self, at, accepted=True):
        """Moves to `at`, presses the right button and waits until the recognizer has seen the press."""
        self.session.move(*at)
        mark = self.log.mark()
        since_us = harness.now_us()
        self.session.button_down()
        self.log.wait_for(" - Init - ", mark)
        self.log.wait_for("--------0" if accepted else "---------1", mark)
        return mark, since_us

    def check_arrow_popup_follows_the_stroke_and_hides_on_release(self, arrow_size: int) -> None:
        start = self.probe.point(0.5, 0.7)
        self.session.move(*start)
        before = self.session.screenshot("before-press")
        mark, _ = self.press(start)

        up_points = relative_path(start, UP_STEPS)
        self.session.stroke(up_points, sampled=True)
        self.log.wait_for("ADDING Up", mark)
        # The Up arrow's top-left corner is 90 pixels left of and 5 below the cursor of the recording tick.
        near_start = Box(start[0] - 90 - 40, start[1] - 40 - 40, start[0] - 90 + arrow_size + 40,
                         start[1] + 5 + arrow_size + 40)
        up_arrow = self.session.screenshot("arrow-up")
        self.session.stroke(relative_path(up_points[-1], RIGHT_STEPS), sampled=True)
        self.log.wait_for("ADDING Right", mark)
        right_arrow = self.session.screenshot("arrow-right")
        self.session.button_up()
        self.log.wait_for("int-------", mark)
        self.assertIsNone(self.log.find(" Pause Trigger ", mark), "the help pause ran out during the stroke")

        shown_up = before.difference(up_arrow, near_start)
        self.assertGreaterEqual(shown_up.pixels, 50, f"no Up arrow near {near_start}")
        self.assertLessEqual(max(shown_up.bounds.width, shown_up.bounds.height), 2 * arrow_size, shown_up)
        shown_right = before.difference(right_arrow, near_start)
        self.assertGreaterEqual(shown_right.pixels, 50, "no Right arrow")
        self.assertTrue(overlaps(shown_up.bounds, shown_right.bounds), "the arrow moved for the second direction")
        self.assertGreater(up_arrow.difference(right_arrow, near_start).pixels, 0, "the arrow did not change")

        # Hidden at the release: the probe's own pixels come back (repainted after the popup went away).
        harness.wait_until(lambda: before.difference(self.session.screenshot(), near_start).pixels == 0, 3.0,
                           "the arrow popup to disappear after the release")


class RecognizerEndToEnd(RecognizerCase):
    module = "recognizer"

    def test_up_then_right_hands_over_gesture_03(self):
        start = self.probe.point(0.5, 0.7)
        mark, _ = self.press(start)
        self.session.stroke(relative_path(start, UP_STEPS + RIGHT_STEPS), sampled=True)
        self.session.button_up()

        self.log.wait_for("int-------", mark)
        self.log.wait_for("gesture 03 UP+RIGHT", mark)
        self.assertIsNotNone(self.log.find("Direction UP", mark), self.log.describe())
        self.assertIsNotNone(self.log.find("Direction RIGHT", mark), self.log.describe())
        self.assertIsNone(self.log.find(" Pause Trigger ", mark), "the help pause ran out during the stroke")

    def test_click_without_movement_reaches_the_program_and_hands_nothing_over(self):
        mark, since_us = self.press(self.probe.point(0.3, 0.5))
        self.session.button_up()

        self.log.wait_for("int-------", mark)
        self.probe.log.wait_for("menu open", since_us)
        self.log.assert_never("gesture", mark)
        self.assertIsNone(self.log.find("ADDING", mark), self.log.describe())

    def test_press_over_full_screen_program_is_ignored(self):
        full_screen = self.session.start_probe(fullscreen=True)
        self.addCleanup(self.session.stop_probe, full_screen)
        self.addCleanup(self.session.release_buttons)  # over the full-screen window, before it goes
        start = (640, 500)
        mark, since_us = self.press(start, accepted=False)
        self.session.stroke(relative_path(start, UP_STEPS + RIGHT_STEPS))
        self.session.button_up()

        # The release still reaches the program in front; the recognizer records and completes nothing.
        full_screen.log.wait_for("menu open", since_us)
        self.log.assert_never(("ADDING", "Direction", "int-------", "gesture", "--------0"), mark)

    def test_arrow_popup_follows_the_stroke_and_hides_on_release(self):
        self.check_arrow_popup_follows_the_stroke_and_hides_on_release(ARROW_SIZE)


class ArrowPopupAt150Percent(RecognizerCase):
    module = "recognizer-150"
    dpi = 144

    def test_arrow_popup_is_scaled_and_follows_the_stroke(self):
        self.check_arrow_popup_follows_the_stroke_and_hides_on_release(ARROW_SIZE * 3 // 2)


def overlaps(a: Box, b: Box) -> bool:
    return a.left < b.right and b.left < a.right and a.top < b.bottom and b.top < a.bottom


if __name__ == "__main__":
    unittest.main()
