// Cost of the help menu and the suggestions menu with 1,000 gestures in the program set: choosing the sets,
// building every entry with its caption and the menu's items, up to the moment the menu would open. The
// menu itself is a fake that closes at once on virtual time, so only our own work is measured.
#include "fakes/dispatch_rig.h"
#include "fakes/recording_gesture_creation.h"
#include "fakes/scripted_popup_menu.h"
#include "gesture_file_fixture.h"
#include "library/gesture_handling.h"
#include "library/gesture_menus.h"
#include "recognizer/recognizer_control.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

class IdleRecognizer final : public RecognizerControl {
public:
    void requestReset() override {}
    bool monitoringEnabled() const override { return true; }
};

class NoConfiguration final : public ConfigurationPages {
public:
    void openConfiguration(int) override {}
};

// Every one of the 1,000 program gestures begins with Up, so the help menu for Up lists them all; the global
// set adds 50 that begin with Down.
struct MenuFixture {
    MenuFixture() {
        const auto gestures = bench::gestureStrings(1000, "0");
        rig.addFile("Gestures_probe.exe.ini", bench::gestureFile(gestures));
        rig.addFile("Gestures.ini", bench::gestureFile(bench::gestureStrings(50, "1")));
        rig.store.loadShownSet("Gestures.ini");
        rig.setForeground("probe.exe");
        rig.dispatcher.setOptions({true, false, true});
        rig.dispatcher.runGesture("0", true); // the program's file is read once, as after its first lookup
        forget();
    }
    void forget() {
        rig.keyboard.events.clear();
        rig.log.clear();
        menu.shown.clear();
    }

    DispatchRig rig;
    NestedLoops loops;
    ScriptedPopupMenu menu{rig.clock};
    FakeTimer helpConfigTimer{rig.clock};
    IdleRecognizer recognizer;
    NoConfiguration configuration;
    ProgramLists programLists{rig.files, rig.codePage, rig.log, rig.dataFolder};
    RecordingGestureCreation creation;
    GestureMenus menus{GestureMenusPorts{menu, rig.popup, rig.input, rig.clock, helpConfigTimer, loops,
                                         rig.menus, rig.windows, rig.foreground, rig.store, recognizer,
                                         configuration, programLists, creation, rig.log},
                       [](const std::string&) {}};
    GestureHandling handling{rig.dispatcher, menus};
};

// From the pause trigger with the button already up to the menu: the sets, 1,000 entries, the items.
void BM_HelpMenuOf1000Gestures(benchmark::State& state) {
    MenuFixture f;
    for (auto _ : state) {
        f.handling.showHelp(Direction::Up, 0);
        f.forget();
    }
    state.counters["entries"] =
        static_cast<double>(helpEntries(Direction::Up, f.rig.store.lookupSet(), f.rig.store.global()).size());
}
BENCHMARK(BM_HelpMenuOf1000Gestures)->Unit(benchmark::kMicrosecond);

void BM_HelpEntriesAndCaptions(benchmark::State& state) {
    MenuFixture f;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            helpMenuItems(helpEntries(Direction::Up, f.rig.store.lookupSet(), f.rig.store.global())));
}
BENCHMARK(BM_HelpEntriesAndCaptions)->Unit(benchmark::kMicrosecond);

// A full lookup that finds nothing and offers its near gestures in the suggestions menu.
void BM_SuggestionsMenuOf1000Gestures(benchmark::State& state) {
    MenuFixture f;
    const std::string drawn = "3012"; // in neither set; many program gestures are near it
    for (auto _ : state) {
        f.handling.gestureFinished({drawn, {}});
        f.forget();
    }
    f.handling.gestureFinished({drawn, {}});
    state.counters["items"] = f.menu.shown.empty() ? 0.0 : static_cast<double>(f.menu.shown[0].items.size());
}
BENCHMARK(BM_SuggestionsMenuOf1000Gestures)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace flickmark
