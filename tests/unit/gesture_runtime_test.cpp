// The gesture runtime assembled over fakes, as the program assembles it: the recognizer hands what it
// finishes to the queue, the main loop delivers it to the handling, which looks it up and shows the menu its
// outcome asks for. A drawn gesture ends in its keys, in the suggestions menu, or in nothing.
#include "fakes/dispatch_rig.h"
#include "fakes/recording_gesture_creation.h"
#include "fakes/scripted_popup_menu.h"
#include "library/gesture_handling.h"
#include "stroke_script.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

class NoConfigurationPages final : public ConfigurationPages {
public:
    void openConfiguration(int) override {}
};

std::vector<int> pressedKeys(const RecordingKeyboard& keyboard) {
    std::vector<int> keys;
    for (const KeyEventRecord& e : keyboard.events)
        if ((e.flags & 2u) == 0)
            keys.push_back(e.virtualKey);
    return keys;
}

struct AssembledRuntime {
    AssembledRuntime() {
        rig.addFile("Gestures.ini", gestureSection("03", "Keystroke", "000058X"));
        rig.store.loadShownSet("Gestures.ini");
        rig.setForeground("probe.exe");
        rig.dispatcher.setOptions({/*suggestions=*/true, /*corrections=*/false, /*diagonals=*/true});
        loops.setObserver(&run.recognizer);
        run.useLibrary(handling);
    }

    TraceRunner run;
    DispatchRig rig{"C:\\data\\", &run.log};
    NestedLoops loops;
    ScriptedPopupMenu menu{rig.clock};
    FakeTimer helpConfigTimer{rig.clock};
    NoConfigurationPages configuration;
    ProgramLists programLists{rig.files, rig.codePage, rig.log, rig.dataFolder};
    RecordingGestureCreation creation;
    GestureMenus menus{GestureMenusPorts{menu, rig.popup, run.input, rig.clock, helpConfigTimer, loops,
                                         rig.menus, rig.windows, rig.foreground, rig.store, run.recognizer,
                                         configuration, programLists, creation, rig.log},
                       [this](const std::string& gesture) { rig.dispatcher.runGesture(gesture, true); }};
    GestureHandling handling{rig.dispatcher, menus};
};

TEST(GestureRuntimeTest, ADrawnGestureEndsInItsKeysItsSuggestionsMenuOrNothing) {
    const struct {
        const char* what;
        std::initializer_list<Point> stroke;
        std::vector<int> keys;
        std::size_t menus;
        const char* lastLine;
    } table[] = {
        {"found: its keys", {{500, 500}, {500, 440}, {560, 440}, {620, 440}}, {0x58}, 0, "run keystrokes X"},
        {"a near one: the menu",
         {{500, 500}, {500, 440}, {440, 440}, {380, 440}},
         {},
         1,
         "menu closed without a choice"},
        {"none near: nothing", {{500, 500}, {500, 560}, {500, 620}}, {}, 0, "no gesture 1 for this program"},
    };
    for (const auto& row : table) {
        AssembledRuntime runtime;
        StrokeScript(runtime.run).hold(row.stroke).release();
        EXPECT_EQ(pressedKeys(runtime.rig.keyboard), row.keys) << row.what;
        EXPECT_EQ(runtime.menu.shown.size(), row.menus) << row.what;
        bool found = false;
        for (const std::string& line : runtime.run.log.lines())
            found = found || line.rfind(row.lastLine, 0) == 0;
        EXPECT_TRUE(found) << row.what << ": no line " << row.lastLine << "\n" << runtime.run.log.text();
    }
}

} // namespace
} // namespace flickmark
