#include "backend/headless.h"

#include "kernel/kernel.h"

namespace platform {

bool HeadlessBackend::WaitForInput() { return driver_ && driver_->Run(true) == ScriptDriver::Result::Input; }

void HeadlessBackend::PlaySamples(const std::vector<int16_t>& samples, int rate) {
    if (rate > 0) AdvanceClock(DWORD(samples.size() * 1000 / size_t(rate)));
}

}  // namespace platform
