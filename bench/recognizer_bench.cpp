// Cost of recognition: one mouse-timer tick with the button held and the cursor moving (also with precise
// recognition), one look at the button between ticks, the release of a 10-second press with precise
// recognition, and the throughput of a long replay through the trace runner (ticks plus pause-timer
// handling).
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
    RecognizerSettings settings;
    settings.preciseRecognition = state.range(0) != 0;
    TraceRunner run(settings);
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
BENCHMARK(BM_RecognizerTickMoving)->ArgName("precise")->Arg(0)->Arg(1);

// The check that runs every 10 ms between the ticks while a gesture is in progress, with the button held.
void BM_ReleaseCheckWhileHeld(benchmark::State& state) {
    TraceRunner run;
    run.tick(0, false, {500, 500});
    run.tick(100, true, {500, 500});
    run.tick(180, true, {500, 460});
    for (auto _ : state)
        run.recognizer.onReleaseCheckTimer();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReleaseCheckWhileHeld);

// The 125 ticks of a 10-second press: strokes of five ticks turning at each end (Arg 0), or a scribble
// that turns at nearly every tick, the most work for the segmentation (Arg 1).
std::vector<Point> tenSecondPress(bool scribble) {
    std::vector<Point> points{{900, 600}};
    const Point turns[] = {{0, -14}, {14, 0}, {0, 14}, {14, 0}};
    unsigned seed = 12345;
    for (int i = 1; i < 125; ++i) {
        Point step = turns[(i / 5) % 4];
        if (scribble) {
            seed = seed * 1103515245u + 12345u;
            step = {static_cast<int>((seed >> 8) % 41) - 20, static_cast<int>((seed >> 20) % 41) - 20};
        }
        points.push_back({points.back().x + step.x, points.back().y + step.y});
    }
    return points;
}

void BM_PreciseReleaseOfATenSecondPress(benchmark::State& state) {
    const std::vector<Point> press = tenSecondPress(state.range(0) != 0);
    RecognizerSettings settings;
    settings.preciseRecognition = true;
    TraceRunner run(settings);
    run.library.onCall = [&run](const LibraryCall&) { run.library.calls.clear(); };
    run.tick(0, false, {500, 500});
    for (auto _ : state) {
        state.PauseTiming();
        for (const Point p : press) {
            run.input.buttonDown = true;
            run.input.cursor = p;
            run.recognizer.onMouseTimer();
        }
        run.input.buttonDown = false;
        state.ResumeTiming();
        run.recognizer.onMouseTimer();
    }
    state.counters["strokes"] = static_cast<double>(run.recognizer.codes().size());
}
BENCHMARK(BM_PreciseReleaseOfATenSecondPress)
    ->ArgName("scribble")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

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
