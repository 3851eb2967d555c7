// No display and no audio device: input comes from a script, time moves only when a
// sound is played, and the framebuffer is there for screenshots.
#pragma once

#include "automation/driver.h"
#include "backend/backend.h"

namespace platform {

class HeadlessBackend : public Backend {
public:
    explicit HeadlessBackend(ScriptDriver* driver) : driver_(driver) {}
    bool WaitForInput() override;
    void Present(const Surface&) override {}
    void PlaySamples(const std::vector<int16_t>& samples, int rate) override;
    void BringToFront() override {}
    bool IsHeadless() const override { return true; }

private:
    ScriptDriver* driver_;
};

}  // namespace platform
