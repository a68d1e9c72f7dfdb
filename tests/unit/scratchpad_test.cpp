// The scratchpad's states as the recognizer, the mouse and the close timer drive them, its place at the
// screen edge, and the window it keeps in front.
#include "overlays/scratchpad.h"

#include "fakes/fake_input.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_window_stack.h"
#include "fakes/virtual_clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace flickmark {
namespace {

const Rect kMonitor{0, 0, 1280, 800};

class FakeScratchpadView final : public ScratchpadView {
public:
    PadScreen primaryScreen() override { return screen; }
    void place(const Rect& newBounds, bool newTopmost) override {
        bounds = newBounds;
        topmost = newTopmost;
    }
    void setShown(bool newShown) override { isShown = newShown; }
    bool shown() const override { return isShown; }
    void pathChanged() override { ++repaints; }

    PadScreen screen{kMonitor, kDefaultDpi};
    Rect bounds;
    bool topmost = false;
    bool isShown = false;
    int repaints = 0;
};

class ScratchpadTest : public ::testing::Test {
protected:
    ScratchpadTest() { pad.setEnabled(true); }

    Point insideOpenPad() const { return Point{1100, 400}; }

    // The recognizer's ticks of one press: the button down at the first point, then at each further point
    // with that point recorded, then the release.
    void drawStroke(const std::vector<Point>& points) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            input.cursor = points[i];
            pad.buttonDown();
            if (i > 0)
                pad.addPoint(points[i]);
        }
        pad.buttonUp();
    }

    VirtualClock clock;
    FakeTimer closeTimer{clock};
    FakeInput input;
    FakeWindowStack windows;
    FakeScratchpadView view;
    Scratchpad pad{ScratchpadPorts{view, closeTimer, input, windows, windows}};
};

TEST(ScratchpadGeometry, DocksAtTheRightEdgeOfThePrimaryMonitorCentredVertically) {
    struct Case {
        Rect monitor;
        int dpi;
        Rect collapsed;
        Rect open;
    };
    const Case cases[] = {
        {kMonitor, 96, {1275, 244, 1280, 556}, {1020, 244, 1277, 556}},
        // 150 %: 386 x 468, an 8-pixel strip, 5 pixels from the edge.
        {kMonitor, 144, {1272, 166, 1280, 634}, {889, 166, 1275, 634}},
        {Rect{-1920, 100, 0, 1180}, 96, {-5, 484, 0, 796}, {-260, 484, -3, 796}},
        // Half of an odd height goes to the even neighbour: 400.5 -> 400, 401.5 -> 402.
        {Rect{0, 0, 1280, 801}, 96, {1275, 244, 1280, 556}, {1020, 244, 1277, 556}},
        {Rect{0, 0, 1280, 803}, 96, {1275, 246, 1280, 558}, {1020, 246, 1277, 558}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "monitor right " << c.monitor.right << " dpi " << c.dpi);
        EXPECT_EQ(scratchpadBounds(PadScreen{c.monitor, c.dpi}, false), c.collapsed);
        EXPECT_EQ(scratchpadBounds(PadScreen{c.monitor, c.dpi}, true), c.open);
    }
}

TEST_F(ScratchpadTest, AQuietPadStaysHiddenWhateverAsksToShowItAndComesBackAsItWas) {
    pad.mouseEntered();
    pad.setQuiet(true);
    EXPECT_FALSE(view.isShown);
    EXPECT_FALSE(pad.isOpen()) << "collapsed as it goes";
    pad.setVisible(true); // an action gives the visibility back
    pad.setEnabled(true); // the settings are applied again
    pad.mouseEntered();
    EXPECT_FALSE(view.isShown);
    EXPECT_FALSE(pad.isOpen());

    pad.setQuiet(false);
    EXPECT_TRUE(view.isShown);
    EXPECT_TRUE(view.topmost);
    pad.setEnabled(false);
    pad.setQuiet(true);
    pad.setQuiet(false);
    EXPECT_FALSE(view.isShown) << "a disabled pad stays hidden";
}

TEST_F(ScratchpadTest, OpensUnderTheMouseAndCollapsesWhenTheCloseTimerFiresAfterItLeft) {
    EXPECT_TRUE(view.isShown);
    EXPECT_TRUE(view.topmost);
    EXPECT_EQ(view.bounds.width(), kScratchpadCollapsedWidth);

    pad.mouseEntered();
    EXPECT_TRUE(pad.isOpen());
    EXPECT_EQ(view.bounds, scratchpadBounds(view.screen, true));
    EXPECT_FALSE(view.topmost);
    EXPECT_FALSE(closeTimer.enabled());

    pad.mouseLeft();
    EXPECT_TRUE(closeTimer.enabled());
    EXPECT_EQ(closeTimer.interval(), kScratchpadDefaultFadeTimeMs);
    pad.mouseEntered(); // back in time: stays open
    EXPECT_FALSE(closeTimer.enabled());

    pad.mouseLeft();
    pad.closeTimerFired();
    EXPECT_FALSE(pad.isOpen());
    EXPECT_FALSE(closeTimer.enabled());
    EXPECT_TRUE(view.topmost);
    EXPECT_EQ(view.bounds, scratchpadBounds(view.screen, false));
}

TEST_F(ScratchpadTest, StrokeOnTheOpenPadIsKeptInPadCoordinatesUntilThePadCollapses) {
    pad.mouseEntered();
    const Rect b = pad.bounds();
    drawStroke({{1100, 400}, {1100, 360}, {1180, 358}});

    ASSERT_EQ(pad.strokes().size(), 1u);
    const std::vector<Point> expected{
        {1100 - b.left, 400 - b.top}, {1100 - b.left, 360 - b.top}, {1180 - b.left, 358 - b.top}};
    EXPECT_EQ(pad.strokes()[0], expected);
    EXPECT_TRUE(pad.penUp());
    EXPECT_TRUE(pad.strokeFinished());
    // Idle ticks with the button up change nothing.
    pad.buttonUp();
    EXPECT_EQ(pad.strokes().size(), 1u);

    // The next press starts a new path.
    drawStroke({{1050, 300}, {1050, 250}});
    ASSERT_EQ(pad.strokes().size(), 1u);
    EXPECT_EQ(pad.strokes()[0].size(), 2u);

    pad.mouseLeft();
    pad.closeTimerFired();
    EXPECT_TRUE(pad.strokes().empty());
    EXPECT_FALSE(pad.strokeFinished());
}

TEST_F(ScratchpadTest, CloseTimerIsNotStoppedByEnteringAgainAfterADrawnStroke) {
    pad.mouseEntered();
    drawStroke({insideOpenPad(), {1100, 350}});
    pad.mouseLeft();
    pad.mouseEntered();
    EXPECT_TRUE(closeTimer.enabled());
    pad.closeTimerFired();
    EXPECT_FALSE(pad.isOpen());

    // With the drawing gone, hovering keeps the pad open again.
    pad.mouseEntered();
    pad.mouseLeft();
    pad.mouseEntered();
    EXPECT_FALSE(closeTimer.enabled());
}

TEST_F(ScratchpadTest, CloseTimerWaitsForTheReleaseOfAStrokeInProgress) {
    pad.mouseEntered();
    input.cursor = insideOpenPad();
    pad.buttonDown();
    pad.mouseLeft(); // the stroke runs off the pad
    pad.addPoint(Point{1300, 400});
    pad.closeTimerFired();
    EXPECT_TRUE(pad.isOpen());
    EXPECT_EQ(pad.strokes()[0].size(), 2u);
    EXPECT_TRUE(closeTimer.enabled());

    pad.buttonUp();
    pad.closeTimerFired();
    EXPECT_FALSE(pad.isOpen());
}

TEST_F(ScratchpadTest, PressesThatDoNotStartOnTheOpenPadDrawNothing) {
    struct Case {
        const char* what;
        bool openFirst;
        Point press;
        bool entersDuringPress;
    };
    const Case cases[] = {
        {"collapsed, pressed where the open pad would be", false, Point{1100, 400}, false},
        {"collapsed, the stroke runs onto the strip", false, Point{900, 400}, true},
        {"open, pressed beside it before it collapsed", true, Point{500, 400}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pad.setEnabled(true);
        if (c.openFirst) {
            pad.mouseEntered();
            pad.mouseLeft();
        }
        input.cursor = c.press;
        pad.buttonDown();
        pad.addPoint(c.press);
        if (c.entersDuringPress) {
            pad.mouseEntered();
            input.cursor = Point{1100, 420};
            pad.buttonDown();
        }
        pad.addPoint(Point{1100, 380});
        pad.buttonUp();
        EXPECT_TRUE(pad.strokes().empty());
        EXPECT_FALSE(pad.strokeFinished());
    }
}

TEST_F(ScratchpadTest, DisabledPadIsHiddenAndNeverOpens) {
    pad.setEnabled(false);
    EXPECT_FALSE(view.isShown);
    pad.mouseEntered();
    EXPECT_FALSE(pad.isOpen());
    // An action that gives back the visibility it found does not show it either.
    pad.setVisible(true);
    EXPECT_FALSE(view.isShown);

    pad.setEnabled(true);
    EXPECT_TRUE(view.isShown);
    pad.setVisible(false);
    EXPECT_FALSE(pad.visible());
}

TEST_F(ScratchpadTest, FadeTimeBelowTheShortestSettingUsesTheShortest) {
    for (const auto& [setting, interval] : {std::pair{1500, 1500}, {100, 100}, {0, 100}, {-5, 100}}) {
        pad.setFadeTime(setting);
        EXPECT_EQ(closeTimer.interval(), interval) << setting;
    }
}

TEST_F(ScratchpadTest, TargetIsTheProgramBelowOurWindowsAndGetsTheForegroundBackIfThePadTookIt) {
    windows.windows = {
        {1, "flickmark.exe", true, 1}, {2, "flickmark.exe", false, 1}, {3, "probe.exe", true, 8}};
    windows.foreground = 3;
    pad.mouseEntered();
    EXPECT_EQ(pad.targetWindow(), 3u);

    windows.foreground = 1; // the pad was activated after all
    pad.activated();
    EXPECT_EQ(windows.foregroundChanges, std::vector<WindowId>{3});
    EXPECT_TRUE(windows.attachCalls.empty()); // the pad's thread is the foreground thread
}

} // namespace
} // namespace flickmark
