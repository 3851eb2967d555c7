// Start, every screen built, home view shown, exit, in a window: the handheld program
// against a bare SDL2 program that opens a window and shows one frame, run side by side
// on the same display. Needs a display (run under xvfb-run).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace {

// Runs the program to its end; answers whether it ended well.
bool Run(std::vector<const char*> argv) {
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, const_cast<char* const*>(argv.data()), environ) != 0) return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Measure(benchmark::State& state, std::vector<const char*> argv) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        if (!Run(argv)) {
            state.SkipWithError("the program did not end well");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

// An empty script ends at once: the program starts, shows its home view and closes.
void HandheldProgram(benchmark::State& state) { Measure(state, {ZEPHTOR_PROGRAM, "--script", "/dev/null"}); }
void BareSdlProgram(benchmark::State& state) { Measure(state, {BARE_WINDOW}); }

BENCHMARK(BareSdlProgram)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(HandheldProgram)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
