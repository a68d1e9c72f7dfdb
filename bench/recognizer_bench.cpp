// Cost of recognition: one mouse-timer tick with the button held and the cursor moving, and the throughput
// of a long replay through the trace runner (ticks plus pause-timer handling).
#include "fakes/trace_runner.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace flickmark {
namespace {

struct Sample {
    bool down;
    Point cursor;
};

// One press after another: a square drawn as Up, Right, Down, Left in 8-pixel steps with a little wobble on
// the other axis, then a release.
std::vector<Sample> squareGestures(int presses) {
    std::vector<Sample> samples;
    const Point steps[] = {{0, -8}, {8, 0}, {0, 8}, {-8, 0}};
    for (int press = 0; press < presses; ++press) {
        Point p{600 + press % 50, 600};
        for (const Point step : steps) {
            for (int i = 0; i < 12; ++i) {
                const int wobble = (i % 3) - 1;
                p = {p.x + step.x + (step.x == 0 ? wobble : 0), p.y + step.y + (step.y == 0 ? wobble : 0)};
                samples.push_back({true, p});
            }
        }
        samples.push_back({false, p});
    }
    return samples;
}

void BM_RecognizerTickMoving(benchmark::State& state) {
    const std::vector<Sample> samples = squareGestures(1);
    TraceRunner run;
    run.library.onCall = [&run](const LibraryCall&) { run.library.calls.clear(); };
    run.tick(0, false, {500, 500});
    std::size_t next = 0;
    std::int64_t heldTicks = 0;
    for (auto _ : state) {
        const Sample& s = samples[next];
        run.input.buttonDown = s.down;
        run.input.cursor = s.cursor;
        run.recognizer.onMouseTimer();
        heldTicks += s.down ? 1 : 0;
        next = next + 1 == samples.size() ? 0 : next + 1;
        if (next == 0) {
            state.PauseTiming();
            run.arrows.shown.clear();
            run.scratchpad.points.clear();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["held_share"] =
        benchmark::Counter(static_cast<double>(heldTicks) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_RecognizerTickMoving);

void BM_ReplayThroughput(benchmark::State& state) {
    const std::vector<Sample> samples = squareGestures(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TraceRunner run;
        run.library.onCall = [&run](const LibraryCall&) { run.library.calls.clear(); };
        std::int64_t time = 0;
        for (const Sample& s : samples) {
            run.tick(time, s.down, s.cursor);
            time += s.down ? 80 : 100;
        }
        benchmark::DoNotOptimize(run.recognizer.codes().data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(samples.size()));
}
BENCHMARK(BM_ReplayThroughput)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace flickmark
