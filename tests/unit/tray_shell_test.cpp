// The tray shell's portable models: the menu, the version text, the gestures on/off switch with Scroll Lock,
// and keeping the icon in the notification area.
#include "app/foreground_watch.h"
#include "app/monitoring_switch.h"
#include "app/tray_icon_keeper.h"
#include "app/tray_menu.h"
#include "app/version_text.h"

#include "fakes/fake_desktop.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_timer.h"
#include "fakes/trace_runner.h"
#include "fakes/windows_1252_code_page.h"
#include "platform/nested_loop.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace flickmark {
namespace {

constexpr int kScrollLock = 0x91;

TEST(TrayMenuTest, ItemsInOrderWithTheSwitchTickedAsTheUserLeftIt) {
    for (const bool on : {true, false}) {
        std::vector<std::string> captions;
        std::vector<int> pictures;
        for (const TrayMenuItem& item : trayMenuItems(on)) {
            captions.push_back(item.separator() ? "-" : item.caption);
            pictures.push_back(item.picture);
            EXPECT_EQ(item.checked, item.command == TrayCommand::GesturesOn && on) << item.caption;
            EXPECT_EQ(item.checkable, item.command == TrayCommand::GesturesOn) << item.caption;
        }
        EXPECT_EQ(captions,
                  (std::vector<std::string>{"&Gestures on", "-", "&Configure...", "-", "&Edit Gestures...",
                                            "-", "&About", "-", "E&xit Flickmark"}));
        EXPECT_EQ(pictures,
                  (std::vector<int>{kNoPicture, kNoPicture, kPopupIconConfigure, kNoPicture,
                                    kPopupIconEditGestures, kNoPicture, kNoPicture, kNoPicture, kNoPicture}));
    }
}

TEST(TrayMenuTest, TheProgramLastInFrontGetsTwoItemsTickedByItsLists) {
    const struct {
        TrayProgram program;
        std::vector<std::string> captions;
        std::vector<bool> checked;
    } table[] = {
        {TrayProgram{"game.exe", false, true},
         {"Gestures &off in game.exe", "&Flickmark off in game.exe"},
         {false, true}},
        {TrayProgram{"R&D tool.exe", true, false},
         {"Gestures &off in R&&D tool.exe", "&Flickmark off in R&&D tool.exe"},
         {true, false}},
    };
    for (const auto& row : table) {
        const std::vector<TrayMenuItem> items = trayMenuItems(true, row.program);
        ASSERT_EQ(items.size(), trayMenuItems(true).size() + 2);
        for (std::size_t i = 0; i < 2; ++i) {
            const TrayMenuItem& item = items[1 + i];
            EXPECT_EQ(item.caption, row.captions[i]);
            EXPECT_EQ(item.checked, row.checked[i]) << item.caption;
            EXPECT_TRUE(item.checkable);
        }
        EXPECT_TRUE(items[3].separator());
    }
}

TEST(TrayMenuTest, EveryItemIdLeadsBackToItsCommandAndNothingElseDoes) {
    std::set<unsigned> ids;
    for (const TrayMenuItem& item : trayMenuItems(true)) {
        if (item.separator())
            continue;
        const auto id = static_cast<unsigned>(item.command);
        EXPECT_TRUE(ids.insert(id).second) << "two items share id " << id;
        EXPECT_EQ(trayCommandFromId(id), item.command);
    }
    for (const TrayMenuItem& item : trayMenuItems(true, TrayProgram{"game.exe"})) {
        if (!item.separator()) {
            EXPECT_EQ(trayCommandFromId(static_cast<unsigned>(item.command)), item.command);
        }
    }
    for (const unsigned other : {0u, 8u, 0xFFFFu})
        EXPECT_EQ(trayCommandFromId(other), TrayCommand::None) << other;
}

TEST(ForegroundWatchTest, RemembersTheLastProgramPastOwnAndShellWindowsAndQuietsTheScratchpad) {
    FakeDesktop desktop;
    FakeFileSystem files;
    Windows1252CodePage codePage;
    DiagnosticLog log;
    VirtualClock clock;
    FakeTimer timer{clock};
    ProgramLists lists(files, codePage, log, kTestDataFolder);
    std::vector<bool> quiet;
    ForegroundWatch watch(desktop, lists, timer, log, [&](bool q) { quiet.push_back(q); });
    watch.start();
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), ForegroundWatch::kIntervalMs);
    ASSERT_TRUE(watch.lastProgram());
    EXPECT_EQ(*watch.lastProgram(), (ProgramWindow{"probe.exe", "FlickmarkProbe"}));

    // The taskbar, the desktop and our own windows in front leave the program the user works in.
    const struct {
        const char* exe;
        const char* windowClass;
        bool own;
    } passing[] = {
        {"explorer.exe", "Shell_TrayWnd", false},
        {"explorer.exe", "Progman", false},
        {"flickmark.exe", "FlickmarkTray", true},
        {"", "Unknown", false},
    };
    WindowId id = 1;
    for (const auto& window : passing) {
        desktop.foreground.exeName = window.exe;
        desktop.foreground.windowClass = window.windowClass;
        desktop.ownWindows = window.own;
        desktop.noForegroundWindow = (++id % 2) == 0; // another window id: read again
        watch.onTimer();
        desktop.noForegroundWindow = false;
        watch.onTimer();
        EXPECT_EQ(watch.lastProgram()->exeName, "probe.exe") << window.windowClass;
    }
    desktop.ownWindows = false;
    desktop.foreground.exeName = "vm.exe";
    desktop.foreground.windowClass = "VmWindow";
    desktop.noForegroundWindow = true;
    watch.onTimer();
    desktop.noForegroundWindow = false;
    watch.onTimer();
    EXPECT_EQ(watch.lastProgram()->exeName, "vm.exe");
    EXPECT_TRUE(quiet.empty());

    // Flickmark off in it: from the tray, or by an edit of the file.
    watch.setListed(ProgramListKind::FlickmarkOff, *watch.lastProgram(), true);
    EXPECT_EQ(quiet, (std::vector<bool>{true}));
    EXPECT_TRUE(watch.listed(ProgramListKind::FlickmarkOff, ProgramWindow{"VM.EXE", "x"}));
    files.files[kTestDataFolder + "disabled.ini"] = "; none\r\n";
    for (int tick = 0; tick < ForegroundWatch::kListCheckTicks; ++tick)
        watch.onTimer();
    EXPECT_EQ(quiet, (std::vector<bool>{true, false}));
    EXPECT_EQ(log.lines().back(), "Flickmark is on again");
}

TEST(VersionTextTest, ThreeNumbersAndTheBuildFromTheFileVersion) {
    const struct {
        std::uint32_t ms, ls;
        const char* version;
        const char* build;
    } table[] = {
        {0x00020001, 0x00000025, "2.1.0", " build 37"},
        {0x00000000, 0x00000000, "0.0.0", " build 0"},
        {0xFFFFFFFF, 0xFFFFFFFF, "65535.65535.65535", " build 65535"},
        {0x000A0000, 0x00030000, "10.0.3", " build 0"},
    };
    for (const auto& row : table) {
        const VersionText text = versionText(row.ms, row.ls);
        EXPECT_EQ(text.version, row.version);
        EXPECT_EQ(text.build, row.build);
    }
    EXPECT_EQ(trayTipText("2.1.0", true), "Flickmark v2.1.0 - gestures on");
    EXPECT_EQ(trayTipText("2.1.0", false), "Flickmark v2.1.0 - gestures off");
    EXPECT_EQ(trayTipText("", true), "Flickmark - gestures on");
}

// A version resource as the resource compiler lays it out: the root block's header and key, padding, the
// fixed file information, then a child block (here only some bytes standing for it).
std::vector<std::uint8_t> versionResource(std::uint32_t ms, std::uint32_t ls) {
    std::vector<std::uint8_t> bytes;
    const auto put16 = [&](unsigned value) {
        bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
    };
    const auto put32 = [&](std::uint32_t value) {
        put16(value & 0xFFFF);
        put16(value >> 16);
    };
    put16(0); // the length, set below
    put16(52);
    put16(0);
    for (const char c : std::string("VS_VERSION_INFO"))
        put16(static_cast<unsigned>(c));
    put16(0);
    put16(0); // padding to 32 bits
    put32(0xFEEF04BD);
    put32(0x00010000);
    put32(ms);
    put32(ls);
    put32(ms); // product version
    put32(ls);
    for (int i = 0; i < 7; ++i)
        put32(0);
    bytes.insert(bytes.end(), 20, 0xAB);
    bytes[0] = static_cast<std::uint8_t>(bytes.size());
    return bytes;
}

TEST(VersionTextTest, ReadFromTheVersionResourceOnlyWhenItIsOne) {
    const std::vector<std::uint8_t> good = versionResource(0x00020001, 0x00000025);
    const auto text = versionTextFromResource(good);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->version, "2.1.0");
    EXPECT_EQ(text->build, " build 37");

    const struct {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
    } table[] = {
        {"empty", [](auto& b) { b.clear(); }},
        {"cut inside the fixed information", [](auto& b) { b.resize(80); }},
        {"longer than the bytes", [](auto& b) { b[0] = static_cast<std::uint8_t>(b.size() + 1); }},
        {"shorter than its header and value", [](auto& b) { b[0] = 60; }},
        {"no value", [](auto& b) { b[2] = 0; }},
        {"another key", [](auto& b) { b[6] = 'W'; }},
        {"key without its zero", [](auto& b) { b[36] = 'X'; }},
        {"wrong signature", [](auto& b) { b[40] ^= 1; }},
    };
    for (const auto& row : table) {
        std::vector<std::uint8_t> bytes = good;
        row.spoil(bytes);
        EXPECT_FALSE(versionTextFromResource(bytes).has_value()) << row.what;
    }
}

// The switch wired to a real recognizer on virtual time, as the tray wires it.
class MonitoringSwitchTest : public ::testing::Test {
protected:
    MonitoringSwitchTest() { loops.setObserver(&run.recognizer); }

    void setScrollLock(bool on) {
        if (on)
            run.input.toggledKeys.insert(kScrollLock);
        else
            run.input.toggledKeys.erase(kScrollLock);
    }

    TraceRunner run;
    NestedLoops loops;
    FakeTimer watch{run.clock};
    std::vector<bool> applied;
    MonitoringSwitch gestures{run.input, watch, run.log, [this](bool on) {
                                  applied.push_back(on);
                                  run.recognizer.setMonitoringEnabled(on);
                              }};
};

TEST_F(MonitoringSwitchTest, OnOnlyWhileTheUserSwitchIsOnAndScrollLockIsOff) {
    gestures.start();
    EXPECT_EQ(watch.interval(), 1300);
    EXPECT_TRUE(watch.enabled());
    EXPECT_EQ(applied, (std::vector<bool>{true}));

    const struct {
        const char* step;
        bool userOn, scrollLock;
        bool monitoring;
        std::size_t applies; // total so far: one more only when the combined state changes
    } steps[] = {
        {"Scroll Lock on", true, true, false, 2},
        {"still on", true, true, false, 2},
        {"user off as well", false, true, false, 2},
        {"Scroll Lock off, user still off", false, false, false, 2},
        {"user on", true, false, true, 3},
        {"nothing changed", true, false, true, 3},
        {"user off", false, false, false, 4},
        {"user on", true, false, true, 5},
    };
    for (const auto& s : steps) {
        setScrollLock(s.scrollLock);
        gestures.setGesturesOn(s.userOn);
        gestures.onWatchTimer();
        EXPECT_EQ(gestures.monitoring(), s.monitoring) << s.step;
        EXPECT_EQ(gestures.gesturesOn(), s.userOn) << s.step;
        EXPECT_EQ(run.recognizer.monitoringEnabled(), s.monitoring) << s.step;
        EXPECT_EQ(run.mouseTimer.enabled(), s.monitoring) << s.step;
        EXPECT_EQ(applied.size(), s.applies) << s.step;
    }
}

TEST_F(MonitoringSwitchTest, ScrollLockOnAtStartSwitchesOffAtOnceAndTheWatchFollowsTheKey) {
    setScrollLock(true);
    gestures.start();
    EXPECT_EQ(applied, (std::vector<bool>{false}));
    EXPECT_FALSE(run.mouseTimer.enabled());
    EXPECT_EQ(run.log.lines().back(), "Gestures off: Scroll Lock is on");

    setScrollLock(false);
    gestures.onWatchTimer();
    EXPECT_TRUE(run.mouseTimer.enabled());
    EXPECT_EQ(run.log.lines().back(), "Gestures on");
}

TEST_F(MonitoringSwitchTest, WatchTicksInsideAMenuLeaveSamplingPausedAndAChangeThereCountsWhenItCloses) {
    gestures.start();
    {
        const NestedLoopGuard menu(loops);
        for (int tick = 0; tick < 3; ++tick) {
            gestures.onWatchTimer();
            EXPECT_FALSE(run.mouseTimer.enabled()) << "a watch tick restarted sampling inside the menu";
        }
        setScrollLock(true);
        gestures.onWatchTimer();
        EXPECT_FALSE(run.mouseTimer.enabled());
    }
    EXPECT_FALSE(run.mouseTimer.enabled()) << "switched off while the menu was open";
    {
        const NestedLoopGuard menu(loops);
        setScrollLock(false);
        gestures.onWatchTimer();
        EXPECT_FALSE(run.mouseTimer.enabled());
    }
    EXPECT_TRUE(run.mouseTimer.enabled()) << "switched on while the menu was open";
}

TEST_F(MonitoringSwitchTest, AStoppedSwitchNoLongerActs) {
    gestures.start();
    gestures.stop();
    EXPECT_FALSE(watch.enabled());
    setScrollLock(true);
    gestures.onWatchTimer();
    gestures.setGesturesOn(false);
    EXPECT_EQ(applied.size(), 1u);
}

// An icon whose shell refuses the first `refusals` adds, and knows whether it holds the icon.
class FakeNotificationIcon final : public NotificationIcon {
public:
    bool add(bool on) override {
        calls.push_back(std::string("add ") + (on ? "on" : "off"));
        if (shown)
            return false; // the shell holds it already
        if (refusals > 0) {
            --refusals;
            return false;
        }
        shown = true;
        return true;
    }
    bool update(bool on) override {
        calls.push_back(std::string("update ") + (on ? "on" : "off"));
        return shown;
    }
    void remove() override {
        calls.push_back("remove");
        shown = false;
    }

    int refusals = 0;
    bool shown = false;
    std::vector<std::string> calls;
};

class TrayIconKeeperTest : public ::testing::Test {
protected:
    using Calls = std::vector<std::string>;

    VirtualClock clock;
    FakeTimer retry{clock};
    DiagnosticLog log;
    FakeNotificationIcon icon;
    TrayIconKeeper keeper{icon, retry, log};
};

TEST_F(TrayIconKeeperTest, ARefusedAddIsTriedAgainUntilTheShellTakesItWithTheCurrentPicture) {
    icon.refusals = 2; // the add at start and the first retry
    keeper.show();
    EXPECT_FALSE(keeper.present());
    EXPECT_TRUE(retry.enabled());
    EXPECT_EQ(retry.interval(), 3000);

    keeper.setGesturesOn(false); // remembered while the icon is missing
    keeper.onRetryTimer();
    EXPECT_FALSE(keeper.present());
    keeper.onRetryTimer();
    EXPECT_TRUE(keeper.present());
    EXPECT_FALSE(retry.enabled());
    EXPECT_EQ(icon.calls, (Calls{"add on", "update on", "add off", "update off", "add off"}));
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"The tray icon could not be added; trying again every 3 s",
                                        "The tray icon is shown again"}));
}

TEST_F(TrayIconKeeperTest, TheIconComesBackWhenTheShellRestartsOrLosesIt) {
    keeper.show();
    keeper.setGesturesOn(false);
    icon.shown = false; // the shell restarted and forgot it
    icon.calls.clear();
    keeper.onTaskbarCreated();
    EXPECT_EQ(icon.calls, (Calls{"add off"}));

    icon.calls.clear();
    keeper.onTaskbarCreated(); // a broadcast while the shell still holds the icon
    EXPECT_EQ(icon.calls, (Calls{"add off", "update off"}));
    EXPECT_TRUE(keeper.present());

    icon.calls.clear();
    icon.shown = false; // lost without a broadcast: the next picture change finds out
    keeper.setGesturesOn(true);
    EXPECT_EQ(icon.calls, (Calls{"update on", "add on"}));
    EXPECT_TRUE(icon.shown);
}

TEST_F(TrayIconKeeperTest, RemovedAtExitForGood) {
    icon.refusals = 2;
    keeper.show();
    keeper.remove();
    EXPECT_FALSE(retry.enabled());
    keeper.onRetryTimer();
    keeper.onTaskbarCreated();
    keeper.setGesturesOn(false);
    EXPECT_EQ(icon.calls, (Calls{"add on", "update on"})) << "nothing after the removal";

    icon.refusals = 0;
    TrayIconKeeper shown{icon, retry, log};
    icon.calls.clear();
    shown.show();
    shown.remove();
    shown.remove();
    EXPECT_EQ(icon.calls, (Calls{"add on", "remove"}));
}

} // namespace
} // namespace flickmark
