// How late the first sound of an Encode starts in a window: from the Encode command to
// the moment the first sound's samples are handed to the audio device, which starts
// them with its next buffer. The hand-over is seen by putting a watcher in front of
// SDL_QueueAudio in the backend's table of SDL functions. The first Encode of a run also
// opens the audio device; later ones find it open.
//   Needs a display: xvfb-run -a build/bench/bench/sound_bench (SDL_AUDIODRIVER chooses
//   the device: dummy, or the machine's own)
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "backend/sdl.h"
#include "kernel/kernel.h"
#include "resources/resource.h"
#include "shell/shell.h"

using Clock = std::chrono::steady_clock;

namespace {
Clock::time_point handedOver;
bool waiting = false;
decltype(&SDL_QueueAudio) queueAudio;

int WatchQueueAudio(SDL_AudioDeviceID dev, const void* data, Uint32 len) {
    if (waiting) handedOver = Clock::now(), waiting = false;
    return queueAudio(dev, data, len);
}

void Encode(benchmark::State& state) {
    SetDlgItemTextW(MorseScreen, IDC_MORSE_TEXT, u"E");
    for (auto _ : state) {
        waiting = true;
        Clock::time_point asked = Clock::now();
        SendMessageW(MorseScreen, WM_COMMAND, IDC_ENCODE, 0);
        if (waiting) {
            state.SkipWithError("no sound reached an audio device");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(handedOver - asked).count());
    }
    if (const char* driver = SDL_GetCurrentAudioDriver()) state.SetLabel(driver);
}
BENCHMARK(Encode)->Name("FirstEncodeOfTheRun")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Encode)->Name("LaterEncode")->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

class RunBenchmarksWhenIdle : public platform::SdlBackend {
public:
    RunBenchmarksWhenIdle() : SdlBackend(2, nullptr) {}
    bool WaitForInput() override {
        if (ran_) return false;
        ran_ = true;
        PostMessageW(MainWindow, WM_COMMAND, IDM_MORSE, 0);
        platform::PumpPendingMessages();
        benchmark::RunSpecifiedBenchmarks();
        return false;
    }

private:
    bool ran_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    auto backend = std::make_unique<RunBenchmarksWhenIdle>();
    std::string why = backend->Open();
    if (!why.empty()) {
        std::fprintf(stderr, "sound_bench: needs a window (%s); try xvfb-run -a %s\n", why.c_str(), argv[0]);
        return 0;
    }
    platform::SdlLibrary* sdl = platform::OpenSdlLibrary(why);
    queueAudio = sdl->SDL_QueueAudio;
    sdl->SDL_QueueAudio = WatchQueueAudio;
    platform::SetBackend(std::move(backend));
    int code = StartUp(GetModuleHandleW(nullptr));
    benchmark::Shutdown();
    platform::SetBackend(nullptr);
    return code;
}
