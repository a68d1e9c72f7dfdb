// Cost of the press rules at the first tick of a press: that tick with the full-screen rule alone, as
// before the rules existed (entries -1), and with the program's press gate over program lists of 0 or 100
// entries per list (names, patterns and classes; none matching). The gate reads a list again only when its
// file changed, which here it never does.
#include "app/program_press_gate.h"

#include "fakes/fake_file_system.h"
#include "fakes/trace_runner.h"
#include "fakes/windows_1252_code_page.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

namespace flickmark {
namespace {

std::string listOf(int entries, const char* stem) {
    std::string text = "; entries that match nothing the benchmark shows\r\n";
    for (int i = 0; i < entries; ++i) {
        const std::string name = std::string(stem) + std::to_string(i);
        switch (i % 3) {
        case 0:
            text += name + ".exe\r\n";
            break;
        case 1:
            text += name + "*.exe\r\n";
            break;
        default:
            text += "*|" + name + "Class\r\n";
            break;
        }
    }
    return text;
}

struct GatedRunner {
    explicit GatedRunner(int entries) {
        const int listed = std::max(entries, 0);
        files.files[kTestDataFolder + "noright.ini"] = listOf(listed, "cad");
        files.files[kTestDataFolder + "disabled.ini"] = listOf(listed, "game");
        files.files[kTestDataFolder + "fullscreen.ini"] = listOf(listed, "player");
        lists.refresh();
        if (entries >= 0)
            run.usePressGate(gate);
        run.tick(0, false, {500, 500});
    }
    FakeFileSystem files;
    Windows1252CodePage codePage;
    TraceRunner run;
    ProgramLists lists{files, codePage, run.log, kTestDataFolder};
    ProgramPressGate gate{run.desktop, run.input, lists};
};

// A press and its release, over and over: the first tick of each press is ruled.
void BM_FirstTickOfAPress(benchmark::State& state) {
    GatedRunner gated(static_cast<int>(state.range(0)));
    TraceRunner& run = gated.run;
    for (auto _ : state) {
        run.input.buttonDown = true;
        run.input.cursor = {500, 500};
        run.recognizer.onMouseTimer();
        state.PauseTiming();
        run.input.buttonDown = false;
        run.recognizer.onMouseTimer();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FirstTickOfAPress)->ArgName("entries")->Arg(-1)->Arg(0)->Arg(100);

} // namespace
} // namespace flickmark
