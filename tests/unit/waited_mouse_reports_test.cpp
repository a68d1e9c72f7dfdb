// Reports that waited in the queue become events again from the first press on, each placed by counting the
// mouse's movements back from where the cursor is now.
#include "platform/waited_mouse_reports.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

using Kind = MouseEvent::Kind;

WaitedMouseReport move(int dx, int dy) {
    return {false, false, {dx, dy}, {}};
}
WaitedMouseReport down(int dx = 0, int dy = 0) {
    return {true, false, {dx, dy}, {}};
}
WaitedMouseReport up(int dx = 0, int dy = 0) {
    return {false, true, {dx, dy}, {}};
}
WaitedMouseReport placed(int x, int y) {
    return {false, false, {}, Point{x, y}};
}

std::string describe(const std::vector<MouseEvent>& events) {
    std::string text;
    for (const MouseEvent& event : events) {
        text += event.kind == Kind::ButtonDown ? "down" : event.kind == Kind::ButtonUp ? "up" : "move";
        text += " " + std::to_string(event.cursor.x) + "," + std::to_string(event.cursor.y) + "; ";
    }
    return text;
}

TEST(WaitedMouseReports, PlacedBackFromTheCursorFromTheFirstPressOn) {
    const struct {
        const char* what;
        std::vector<WaitedMouseReport> reports;
        std::string events;
    } table[] = {
        {"moves alone: nothing", {move(5, 0), move(-5, 0)}, ""},
        {"a button-up alone (a press that began elsewhere): nothing", {move(3, 0), up()}, ""},
        {"a whole flick: moves before the press are left out",
         {move(7, 7), down(), move(0, 40), move(0, 40), up()},
         "down 500,320; move 500,360; move 500,400; up 500,400; "},
        {"the down's own movement came before the press",
         {down(10, 0), move(20, 0)},
         "down 480,400; move 500,400; "},
        {"a press still going on",
         {down(), move(-30, 0), move(0, -30)},
         "down 530,430; move 500,430; move 500,400; "},
        {"a device that reports positions places itself, and the press where it next reported",
         {down(), placed(100, 100), placed(120, 100)},
         "down 100,100; move 100,100; move 120,100; "},
        {"two presses: both kept, in order",
         {down(), move(10, 0), up(), down(), move(0, 10), up()},
         "down 490,390; move 500,390; up 500,390; down 500,390; move 500,400; up 500,400; "},
    };
    for (const auto& row : table) {
        const auto events = eventsOfWaitedReports(row.reports, {500, 400}, 1234);
        EXPECT_EQ(describe(events), row.events) << row.what;
        for (const MouseEvent& event : events)
            EXPECT_EQ(event.timeMs, 1234) << row.what;
    }
}

TEST(WaitedMouseReports, MovesKeepTheirMovementForTheScreensEdge) {
    // Pushed into the right edge: the cursor stayed at 1919 while the mouse went on; the path counts back
    // from it by the mouse's movement, and each move still carries it.
    const std::vector<WaitedMouseReport> reports{down(), move(30, 0), move(30, 0)};
    const auto events = eventsOfWaitedReports(reports, {1919, 300}, 0);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].cursor, (Point{1859, 300}));
    EXPECT_EQ(events[2].movement, (Point{30, 0}));
}

} // namespace
} // namespace flickmark
