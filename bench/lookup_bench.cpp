// Cost of one lookup against a program file of 1,000 gestures: reading the program's set (from an in-memory
// file; parsed and normalised again only when its bytes changed), finding the gesture, and, for a gesture
// that is not there, collecting the near gestures and suggestions. The keystroke pauses and the short waits
// of the lookup are virtual.
#include "fakes/dispatch_rig.h"
#include "gesture_file_fixture.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

struct LookupFixture {
    LookupFixture() {
        const auto gestures = bench::gestureStrings(1000);
        rig.addFile("Gestures_probe.exe.ini", bench::gestureFile(gestures));
        rig.addFile("Gestures.ini", bench::gestureFile({gestures.begin(), gestures.begin() + 50}));
        rig.store.loadShownSet("Gestures.ini");
        rig.setForeground("probe.exe");
        rig.dispatcher.setOptions({true, true});
        last = gestures.back();
    }
    // Drops what a lookup recorded, so that iterations do not accumulate it.
    void forget() {
        rig.keyboard.events.clear();
        rig.log.clear();
    }

    DispatchRig rig;
    std::string last;
    std::vector<int> strokeAngles = std::vector<int>(20, 100);
};

void BM_LookupFound(benchmark::State& state) {
    LookupFixture f;
    for (auto _ : state) {
        f.rig.dispatcher.runGesture(f.last, true);
        f.forget();
    }
}
BENCHMARK(BM_LookupFound)->Unit(benchmark::kMicrosecond);

// The first lookup after the file was edited: the whole file is parsed again.
void BM_LookupAfterTheFileChanged(benchmark::State& state) {
    LookupFixture f;
    std::string& file = f.rig.files.files[f.rig.dataFolder + "Gestures_probe.exe.ini"];
    const std::string original = file;
    bool edited = false;
    for (auto _ : state) {
        file = edited ? original : original + "; edited\r\n";
        edited = !edited;
        f.rig.dispatcher.runGesture(f.last, true);
        f.forget();
    }
}
BENCHMARK(BM_LookupAfterTheFileChanged)->Unit(benchmark::kMicrosecond);

void BM_LookupNotFoundWithSuggestions(benchmark::State& state) {
    LookupFixture f;
    const std::string missing = "0707070707"; // longer than any gesture in the file
    for (auto _ : state) {
        f.rig.dispatcher.lookupAndRun(missing, f.strokeAngles);
        f.forget();
    }
}
BENCHMARK(BM_LookupNotFoundWithSuggestions)->Unit(benchmark::kMicrosecond);

void BM_NearGesturesOfALongGesture(benchmark::State& state) {
    LookupFixture f;
    const std::string drawn = f.last.substr(0, f.last.size() - 1) + (f.last.back() == '0' ? '1' : '0');
    for (auto _ : state) {
        f.rig.dispatcher.lookupAndRun(drawn, f.strokeAngles);
        f.forget();
    }
}
BENCHMARK(BM_NearGesturesOfALongGesture)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace flickmark
