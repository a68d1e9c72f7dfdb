#include "actions/monitor_move.h"
#include "actions/window_command.h"
#include "actions/window_command_runner.h"

#include "fakes/fake_clipboard.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_key_target.h"
#include "fakes/fake_launcher.h"
#include "fakes/fake_window_control.h"
#include "fakes/fake_window_stack.h"
#include "fakes/recording_keyboard.h"
#include "fakes/virtual_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

using Texts = std::vector<std::string>;

TEST(WindowCommandNames, EveryNameReadsBackInAnyCaseAndOthersAreUnknown) {
    for (const WindowCommandInfo& info : windowCommands()) {
        std::string lower(info.name);
        for (char& c : lower)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        EXPECT_EQ(windowCommandNamed(info.name), info.command) << info.name;
        EXPECT_EQ(windowCommandNamed(lower), info.command) << lower;
        EXPECT_EQ(windowCommandNamed(" " + lower + "\t"), info.command) << lower;
        EXPECT_EQ(windowCommandName(info.command), info.name);
        EXPECT_FALSE(info.description.empty()) << info.name;
    }
    for (const char* unknown : {"", "Shade", "Play/Pause", "Maximise", "Next  Monitor", "Maximize!"})
        EXPECT_EQ(windowCommandNamed(unknown), std::nullopt) << unknown;
    EXPECT_EQ(windowCommands().size(), 15u);
}

// Windows: 10 the probe's main window, 11 a tool window it owns, 20 the desktop, 21 the taskbar, 30 one of
// Flickmark's own windows, 40 a program run as administrator.
class WindowCommandRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop.windows = {{10, "probe.exe", true, 1, "FlickmarkProbe"},
                           {11, "probe.exe", true, 1, "ProbeTool"},
                           {20, "explorer.exe", true, 2, "Progman"},
                           {21, "explorer.exe", true, 2, "Shell_TrayWnd"},
                           {30, "flickmark.exe", true, 3, "FlickmarkScratchpad", true},
                           {40, "regedit.exe", true, 4, "RegEdit_RegEdit"}};
        desktop.foreground = 10;
        for (WindowId id : {10, 11, 20, 21, 30, 40})
            windows.windows[id] = {};
        windows.windows[11].owner = 10;
        integrity.elevated = {40};
    }

    Texts runLogged(std::string_view command, WindowId pressWindow) {
        log.clear();
        windows.calls.clear();
        runner.run(command, pressWindow);
        return log.lines();
    }

    FakeWindowStack desktop;
    FakeWindowControl windows;
    VirtualClock clock;
    RecordingKeyboard keyboard{clock};
    FakeClipboard clipboard;
    struct : WallClock {
        LocalDateTime localNow() override { return {}; }
    } wallClock;
    FakeFileSystem files;
    FakeLauncher launcher;
    DiagnosticLog log;
    ProgramLauncher programs{launcher, log};
    KeystrokeSender keystrokes{KeystrokeSenderPorts{keyboard, clock, clipboard, wallClock, files}, programs,
                               log, "C:\\data\\"};
    FakeProcessIntegrity integrity;
    RecordingTrayNotice notices;
    KeyTargetCheck targets{KeyTargetPorts{integrity, desktop, notices, log}};
    WindowCommandRunner runner{WindowCommandPorts{desktop, windows, keystrokes, targets, log}};
};

// The window drawn on, by its root owner; when it has gone, the one in front; never the desktop, the
// taskbar or Flickmark's own windows.
TEST_F(WindowCommandRunnerTest, TheTargetIsTheWindowDrawnOnAndNeverTheShellOrFlickmark) {
    const struct {
        const char* what;
        WindowId pressWindow;
        WindowId foreground;
        WindowId target;
        const char* logged; // the line's end, when nothing is done
    } table[] = {
        {"the window drawn on", 10, 40, 10, nullptr},
        {"an owned window stands for its owner", 11, 40, 10, nullptr},
        {"gone: the one in front", 99, 10, 10, nullptr},
        {"gone: an owned one in front stands for its owner", 99, 11, 10, nullptr},
        {"gone, and nothing in front", 99, 0, 0,
         "the window it was drawn on has closed, and no window is in front"},
        {"nothing under the cursor", 0, 10, 0, "no window was under the cursor"},
        {"the desktop", 20, 10, 0, "it does not act on the desktop or the taskbar"},
        {"the taskbar", 21, 10, 0, "it does not act on the desktop or the taskbar"},
        {"gone, the desktop in front", 99, 20, 0, "it does not act on the desktop or the taskbar"},
        {"Flickmark's own window", 30, 10, 0, "it does not act on Flickmark's own windows"},
    };
    for (const auto& row : table) {
        desktop.foreground = row.foreground;
        log.clear();
        EXPECT_EQ(runner.target(row.pressWindow, "Minimize"), row.target) << row.what;
        if (row.logged)
            EXPECT_EQ(log.lines(), Texts{std::string("Window command Minimize not run: ") + row.logged})
                << row.what;
        else
            EXPECT_TRUE(log.lines().empty()) << row.what;
    }
}

TEST_F(WindowCommandRunnerTest, EachWindowCommandDoesWhatItsCaptionButtonDoes) {
    const WindowFrame full{true, true, true, false};
    const WindowFrame dialog{false, false, false, false};
    const WindowFrame pinned{true, true, true, true};
    const WindowPlace normal{ShowState::Normal, {100, 100, 900, 700}, {100, 100, 900, 700}};
    const WindowPlace maximized{ShowState::Maximized, {0, 0, 1920, 1040}, {100, 100, 900, 700}};
    const struct {
        const char* command;
        WindowFrame frame;
        WindowPlace place;
        Texts calls;
        const char* logged; // the line after "run window command ... on probe.exe"
    } table[] = {
        {"Maximize", full, normal, {"Maximize 10"}, nullptr},
        {"maximize", full, maximized, {"Restore 10"}, nullptr},
        {"Maximize", dialog, normal, {}, "Maximize: probe.exe's window has no maximize button; nothing done"},
        {"Maximize", dialog, maximized, {"Restore 10"}, nullptr},
        {"Minimize", full, normal, {"Minimize 10"}, nullptr},
        {"Minimize", dialog, normal, {}, "Minimize: probe.exe's window has no minimize button; nothing done"},
        {"Close", dialog, normal, {"Close 10"}, nullptr},
        {"Always On Top", full, normal, {"topmost 10 on"}, "Always On Top: probe.exe's window is now on top"},
        {"ALWAYS ON TOP",
         pinned,
         normal,
         {"topmost 10 off"},
         "Always On Top: probe.exe's window is no longer on top"},
        {"Next Monitor", full, normal, {}, "Next Monitor: there is only one monitor; nothing done"},
    };
    for (const auto& row : table) {
        windows.windows[10].frame = row.frame;
        windows.windows[10].place = row.place;
        const Texts logged = runLogged(row.command, 10);
        EXPECT_EQ(windows.calls, row.calls) << row.command;
        ASSERT_FALSE(logged.empty()) << row.command;
        EXPECT_EQ(logged[0], "run window command " +
                                 std::string(windowCommandName(*windowCommandNamed(row.command))) +
                                 " on probe.exe");
        EXPECT_EQ(logged.size() > 1 ? logged[1] : "", row.logged ? row.logged : "") << row.command;
    }

    EXPECT_EQ(runLogged("Shade", 10),
              Texts{"Window command \"Shade\" not run: this version of Flickmark does "
                    "not know it"});
    EXPECT_TRUE(windows.calls.empty());
}

// Desktops, sound and media press the system's keys, which go to no window in particular; a program run as
// administrator in front refuses them as it refuses keys, and its windows refuse window commands.
TEST_F(WindowCommandRunnerTest, MediaAndDesktopCommandsPressTheSystemKeys) {
    const struct {
        const char* command;
        std::vector<int> keysDown;
    } table[] = {
        {"Next Desktop", {0x5B, 0x11, 0x27}},
        {"Previous Desktop", {0x5B, 0x11, 0x25}},
        {"Volume Up", {0xAF}},
        {"Volume Down", {0xAE}},
        {"Mute", {0xAD}},
        {"Play / Pause", {0xB3}},
        {"Next Track", {0xB0}},
        {"Previous Track", {0xB1}},
        {"Stop Media", {0xB2}},
    };
    for (const auto& row : table) {
        keyboard.events.clear();
        runLogged(row.command, 20); // over the desktop: these need no window
        std::vector<int> down;
        for (const KeyEventRecord& e : keyboard.events) {
            if ((e.flags & 2u) == 0)
                down.push_back(e.virtualKey);
            if (e.virtualKey != 0x11) {
                EXPECT_TRUE(e.flags & 1u)
                    << row.command << ": media keys, arrows and Windows are extended keys";
            }
        }
        EXPECT_EQ(down, row.keysDown) << row.command;
        EXPECT_EQ(keyboard.events.size(), 2 * row.keysDown.size()) << row.command;
    }

    desktop.foreground = 40;
    keyboard.events.clear();
    EXPECT_EQ(
        runLogged("Mute", 10),
        Texts{"Keystrokes Mute not sent: regedit.exe runs as administrator, and Windows passes it no keys "
              "from Flickmark unless Flickmark runs as administrator too"});
    EXPECT_TRUE(keyboard.events.empty());
    EXPECT_EQ(runLogged("Maximize", 40),
              Texts{"Window command Maximize not run: regedit.exe runs as administrator, and Windows lets "
                    "Flickmark change none of its windows unless Flickmark runs as administrator too"});
    runLogged("Close", 40);
    EXPECT_TRUE(windows.calls.empty());
    ASSERT_EQ(notices.shown.size(), 2u) << "one notice for keys and one for commands, once per program";
    EXPECT_EQ(notices.shown[1].title, "Window commands not run in regedit.exe");
}

MonitorArea monitor(Rect bounds, int taskbar = 40, int dpi = 96) {
    return {bounds, Rect{bounds.left, bounds.top, bounds.right, bounds.bottom - taskbar}, dpi};
}

TEST(MonitorMove, MonitorsGoLeftToRightThenTopToBottomAndWrap) {
    const MonitorArea a = monitor({-1920, 0, 0, 1080});
    const MonitorArea b = monitor({0, 0, 2560, 1440});
    const MonitorArea c = monitor({0, 1440, 1920, 2520});
    const MonitorArea d = monitor({2560, -200, 4480, 880});
    EXPECT_EQ(monitorsInOrder({b, d, c, a}), (std::vector<MonitorArea>{a, b, c, d}));
    EXPECT_EQ(steppedMonitor(3, 1, 4), 0u);
    EXPECT_EQ(steppedMonitor(0, -1, 4), 3u);
    EXPECT_EQ(steppedMonitor(1, 1, 4), 2u);
    EXPECT_EQ(steppedMonitor(0, 1, 1), 0u);

    const std::vector<MonitorArea> ordered{a, b, c};
    EXPECT_EQ(monitorOfWindow(ordered, {-100, 100, 700, 500}), 1u) << "the most overlapped";
    EXPECT_EQ(monitorOfWindow(ordered, {-200, 100, 100, 500}), 0u);
    EXPECT_EQ(monitorOfWindow(ordered, {5000, 100, 5100, 200}), 1u) << "off every monitor: the nearest";
}

TEST(MonitorMove, AWindowKeepsItsPlaceAndSizeRelativeToTheWorkArea) {
    const MonitorArea fullHd = monitor({0, 0, 1920, 1080});            // work area 1920 x 1040
    const MonitorArea fourK = monitor({1920, 0, 5760, 2160}, 80, 192); // work area 3840 x 2080, 200 %
    const MonitorArea below = monitor({0, 1080, 1920, 2160});          // stacked under the first
    const MonitorArea offset = monitor({-1280, -300, 0, 724}, 0, 96);  // 1280 x 1024, left and higher
    const struct {
        const char* what;
        Rect window;
        MonitorArea from;
        MonitorArea to;
        bool resizable;
        Rect placed;
    } table[] = {
        {"side by side, twice the size", {192, 104, 960, 624}, fullHd, fourK, true, {2304, 208, 3840, 1248}},
        {"and back", {2304, 208, 3840, 1248}, fourK, fullHd, true, {192, 104, 960, 624}},
        {"stacked", {100, 100, 900, 700}, fullHd, below, true, {100, 1180, 900, 1780}},
        {"to a smaller monitor to the left and higher",
         {0, 0, 960, 520},
         fullHd,
         offset,
         true,
         {-1280, -300, -640, 212}},
        {"fixed size: scaled by DPI, centre kept",
         {760, 320, 1160, 620},
         fullHd,
         fourK,
         false,
         {3440, 640, 4240, 1240}},
        {"fixed size, same DPI", {760, 320, 1160, 620}, fullHd, below, false, {760, 1400, 1160, 1700}},
        {"partly off its work area: shifted inside",
         {1500, 800, 2100, 1100},
         fullHd,
         below,
         true,
         {1320, 1820, 1920, 2120}},
        {"larger than the new work area stays as large",
         {160, 0, 1760, 1040},
         fullHd,
         offset,
         false,
         {-1440, -308, 160, 732}},
    };
    for (const auto& row : table)
        EXPECT_EQ(placeOnMonitor(row.window, row.from, row.to, row.resizable), row.placed) << row.what;
}

// The monitor move through the runner: the next monitor of the one the window is on, a maximized window
// arrives maximized, a minimized one stays minimized, and a fixed-size window keeps its size for the program
// to scale.
TEST_F(WindowCommandRunnerTest, NextAndPreviousMonitorMoveTheWindowAndKeepItsState) {
    windows.monitors = {monitor({1920, 0, 3840, 1080}), monitor({0, 0, 1920, 1080}),
                        monitor({3840, 0, 5760, 1080})};
    const struct {
        const char* command;
        ShowState state;
        Rect rect;
        Rect normal;
        bool resizable;
        const char* call;
        const char* logged;
    } table[] = {
        {"Next Monitor",
         ShowState::Normal,
         {100, 100, 900, 700},
         {100, 100, 900, 700},
         true,
         "move 10 2020,100,2820,700 size",
         "Next Monitor: probe.exe's window moved to monitor 2 of 3"},
        {"Previous Monitor",
         ShowState::Normal,
         {100, 100, 900, 700},
         {100, 100, 900, 700},
         true,
         "move 10 3940,100,4740,700 size",
         "Previous Monitor: probe.exe's window moved to monitor 3 of 3"},
        {"Next Monitor",
         ShowState::Normal,
         {100, 100, 500, 400},
         {100, 100, 500, 400},
         false,
         "move 10 2020,100,2420,400 keep size",
         "Next Monitor: probe.exe's window moved to monitor 2 of 3"},
        {"Next Monitor",
         ShowState::Maximized,
         {3840, 0, 5760, 1040},
         {3940, 100, 4740, 700},
         true,
         "restored place 10 100,100,900,700 maximized",
         "Next Monitor: probe.exe's window moved to monitor 1 of 3"},
        {"Next Monitor",
         ShowState::Minimized,
         {-32000, -32000, -31840, -31970},
         {100, 100, 900, 700},
         true,
         "restored place 10 2020,100,2820,700 minimized",
         "Next Monitor: probe.exe's window moved to monitor 2 of 3"},
    };
    for (const auto& row : table) {
        windows.windows[10].frame.resizable = row.resizable;
        windows.windows[10].place = {row.state, row.rect, row.normal};
        const Texts logged = runLogged(row.command, 10);
        EXPECT_EQ(windows.calls, Texts{row.call}) << row.call;
        ASSERT_EQ(logged.size(), 2u);
        EXPECT_EQ(logged[1], row.logged);
    }
}

} // namespace
} // namespace flickmark
