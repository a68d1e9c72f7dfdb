// Cost of the help menu and the suggestions menu with 1,000 gestures in the program set: choosing the sets,
// building every entry with its caption and the menu's items, up to the moment the menu would open. The
// menu itself is a fake that closes at once on virtual time, so only our own work is measured.
#include "fakes/dispatch_rig.h"
#include "fakes/scripted_popup_menu.h"
#include "library/gesture_menus.h"
#include "recognizer/recognizer_control.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

// Distinct gesture strings beginning with `first`, shortest first.
std::vector<std::string> gesturesBeginningWith(char first, std::size_t count) {
    std::vector<std::string> all;
    std::vector<std::string> frontier = {std::string(1, first)};
    all.push_back(frontier.front());
    while (all.size() < count) {
        std::vector<std::string> next;
        for (const std::string& g : frontier)
            for (char d = '0'; d <= '7' && all.size() < count; ++d)
                if (g.back() != d) {
                    next.push_back(g + d);
                    all.push_back(g + d);
                }
        frontier = std::move(next);
    }
    return all;
}

std::string gestureFile(const std::vector<std::string>& gestures) {
    std::string text;
    for (std::size_t i = 0; i < gestures.size(); ++i) {
        const char* type = i % 3 == 0   ? "Multiple Keystrokes"
                           : i % 3 == 1 ? "Keystroke"
                                        : "Run Program / File";
        const char* action = i % 3 == 0   ? "010043CTRL+C|000056V|001074SHIFT+F5"
                             : i % 3 == 1 ? "000074F5"
                                          : "C:\\Program Files\\Tools\\app.exe|-x";
        text += "[" + gestures[i] + "]\r\nActionType=" + type + "\r\nAction=" + action + "\r\n";
    }
    return text;
}

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
        const auto gestures = gesturesBeginningWith('0', 1000);
        rig.addFile("Gestures_probe.exe.ini", gestureFile(gestures));
        rig.addFile("Gestures.ini", gestureFile(gesturesBeginningWith('1', 50)));
        rig.store.loadShownSet("Gestures.ini");
        rig.setForeground("probe.exe");
        rig.dispatcher.setMenus(&menus);
        rig.dispatcher.setOptions({true, false});
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
    GestureMenus menus{GestureMenusPorts{menu, rig.popup, rig.input, rig.clock, helpConfigTimer, loops,
                                         rig.menus, rig.windows, rig.foreground, rig.store, recognizer,
                                         configuration, rig.log},
                       [](const std::string&) {}};
};

// From the pause trigger with the button already up to the menu: the sets, 1,000 entries, the items.
void BM_HelpMenuOf1000Gestures(benchmark::State& state) {
    MenuFixture f;
    for (auto _ : state) {
        f.rig.dispatcher.showHelp(dir::Up);
        f.forget();
    }
    state.counters["entries"] =
        static_cast<double>(helpEntries(dir::Up, f.rig.store.lookupSet(), f.rig.store.global()).size());
}
BENCHMARK(BM_HelpMenuOf1000Gestures)->Unit(benchmark::kMicrosecond);

void BM_HelpEntriesAndCaptions(benchmark::State& state) {
    MenuFixture f;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            helpMenuItems(helpEntries(dir::Up, f.rig.store.lookupSet(), f.rig.store.global())));
}
BENCHMARK(BM_HelpEntriesAndCaptions)->Unit(benchmark::kMicrosecond);

// A full lookup that finds nothing and offers its near gestures in the suggestions menu.
void BM_SuggestionsMenuOf1000Gestures(benchmark::State& state) {
    MenuFixture f;
    const std::string drawn = "3012"; // in neither set; many program gestures are near it
    for (auto _ : state) {
        f.rig.dispatcher.lookupAndRun(drawn);
        f.forget();
    }
    f.rig.dispatcher.lookupAndRun(drawn);
    state.counters["items"] = f.menu.shown.empty() ? 0.0 : static_cast<double>(f.menu.shown[0].items.size());
}
BENCHMARK(BM_SuggestionsMenuOf1000Gestures)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace flickmark
