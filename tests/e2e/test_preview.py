"""Gesture previews end to end: the GDI renderer's pictures at 100 % and 150 %, and the popup window showing
one as the help menu does, photographed under Wine."""

import unittest

import harness
from harness import Box
from preview_sheet import ink_bounds, start_preview_sheet


class GesturePreviewEndToEnd(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.session_from_environment("preview")

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def test_previews_are_whole_and_centred_and_the_popup_shows_the_same_picture(self):
        sheet = start_preview_sheet(self.session)
        image = self.session.screenshot("gesture-previews", sheet.bounds())
        self.assertEqual(len(sheet.cells), 16, "eight gestures at two scales")

        for cell in sheet.cells:
            with self.subTest(gesture=cell.gesture, scale=cell.scale):
                box = cell.box
                for corner in ((box.left, box.top), (box.right - 1, box.bottom - 1)):
                    self.assertEqual(image.pixel(*corner), (255, 255, 255), "the picture is cleared to white")
                ink = ink_bounds(image, box)
                self.assertIsNotNone(ink, "nothing drawn")
                left, right = ink.left - box.left, box.right - ink.right
                top, bottom = ink.top - box.top, box.bottom - ink.bottom
                # Clear of the edges (nothing clipped) and centred, within the size of a dot (the start has none).
                self.assertGreaterEqual(min(left, right, top, bottom), int(8 * cell.scale), ink)
                self.assertLessEqual(abs(left - right), int(4 * cell.scale), ink)
                self.assertLessEqual(abs(top - bottom), int(4 * cell.scale), ink)

        popup = sheet.popup
        self.assertIsNotNone(popup, "the popup did not show the preview")
        frame = popup.box
        for x, y in ((frame.left, frame.top), (frame.right - 1, frame.bottom - 1),
                     (frame.left, frame.bottom - 1), (frame.right - 1, frame.top)):
            self.assertNotEqual(image.pixel(x, y), (255, 255, 255), f"no popup frame at {x},{y}")
        inside = Box(frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1)
        same = sheet.cell(popup.gesture, 1.0).box
        self.assertEqual((inside.width, inside.height), (same.width, same.height))
        difference = image.crop(inside).difference(image.crop(same))
        self.assertEqual(difference.pixels, 0, f"the popup's picture differs from the renderer's: {difference}")


if __name__ == "__main__":
    unittest.main()
