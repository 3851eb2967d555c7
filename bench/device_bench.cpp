// How fast the handheld program starts and moves between its screens. The benchmarks
// run inside the live program: start-up hands over to them the first time the message
// loop waits for input.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <windows.h>

#include "backend/backend.h"
#include "kernel/kernel.h"
#include "resources/resource.h"
#include "shell/navigation.h"
#include "shell/shell.h"

extern char** environ;

namespace {

// The whole program headless, from process start until the home view is painted and
// the program has ended again (the script is empty, which closes it at once).
void StartToHomeViewHeadless(benchmark::State& state) {
    char program[] = ZEPHTOR_PROGRAM;
    char headless[] = "--headless", script[] = "--script", empty[] = "/dev/null";
    char* argv[] = {program, headless, script, empty, nullptr};
    for (auto _ : state) {
        pid_t pid;
        if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the program");
            return;
        }
        int status;
        waitpid(pid, &status, 0);
    }
}
BENCHMARK(StartToHomeViewHeadless)->Unit(benchmark::kMillisecond);

void Choose(WORD command) {
    PostMessageW(MainWindow, WM_COMMAND, command, 0);
    platform::PumpPendingMessages();
}

void ChooseAnotherScreenAndRepaint(benchmark::State& state) {
    bool flip = false;
    for (auto _ : state) {
        Choose((flip = !flip) ? IDM_OHMS_LAW : IDM_TV_CHANNELS);
    }
}
BENCHMARK(ChooseAnotherScreenAndRepaint)->Unit(benchmark::kMicrosecond);

void RoundTripThroughAllScreens(benchmark::State& state) {
    for (auto _ : state) {
        for (int i = 0; i < ScreenTableSize; ++i)
            if (ScreenTable[i].helpAnchor) Choose(ScreenTable[i].command);
        PostMessageW(CurrentScreen, WM_COMMAND, IDOK, 0);
        platform::PumpPendingMessages();
    }
}
BENCHMARK(RoundTripThroughAllScreens)->Unit(benchmark::kMicrosecond);

class RunBenchmarksWhenIdle : public platform::Backend {
public:
    bool WaitForInput() override {
        if (!ran_) benchmark::RunSpecifiedBenchmarks();
        ran_ = true;
        return false;
    }
    void Present(const platform::Surface&) override {}
    void PlaySamples(const std::vector<int16_t>&, int) override {}
    void BringToFront() override {}
    bool IsHeadless() const override { return true; }

private:
    bool ran_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    platform::SetBackend(std::make_unique<RunBenchmarksWhenIdle>());
    int code = StartUp(GetModuleHandleW(nullptr));
    benchmark::Shutdown();
    platform::SetBackend(nullptr);
    return code;
}
