#include "backend/headless.h"

#include "kernel/kernel.h"
#include "system/signals.h"

namespace platform {

// The script is read until it gives input or ends; a read a signal broke off ends the
// program here.
bool HeadlessBackend::WaitForInput() {
    for (;;) {
        EndIfSignalled();
        auto result = driver_ ? driver_->Run(true) : ScriptDriver::Result::Ended;
        if (result != ScriptDriver::Result::Idle) return result == ScriptDriver::Result::Input;
    }
}

void HeadlessBackend::PlaySamples(const std::vector<int16_t>& samples, int rate) {
    if (rate > 0) AdvanceClock(DWORD(samples.size() * 1000 / size_t(rate)));
}

}  // namespace platform
