#pragma once

#include <string>

#include "automation/driver.h"
#include "backend/backend.h"
#include "backend/sdl_library.h"

namespace platform {

class SdlBackend : public Backend {
public:
    SdlBackend(int scale, ScriptDriver* driver);
    ~SdlBackend() override;
    // Answers an empty text when the window is open, else why it could not be.
    std::string Open();
    bool WaitForInput() override;
    void Present(const Surface& screen) override;
    void PlaySamples(const std::vector<int16_t>& samples, int rate) override;
    void BringToFront() override;
    bool IsHeadless() const override { return false; }

private:
    bool Handle(const SDL_Event& e);
    bool PumpWhileBusy();
    void OpenAudio(int rate);
    void SetIconOnce();
    void PresentNow(const Surface& screen);
    void PresentPending();
    POINT ToScreen(int x, int y) const;

    int scale_;
    ScriptDriver* driver_;
    SdlLibrary* sdl_ = nullptr;  // set by Open
    SDL_Window* window_ = nullptr;
    SDL_AudioDeviceID audio_ = 0;
    int audioRate_ = 0;
    bool audioFailed_ = false;
    bool iconSet_ = false;
    Uint64 lastPresent_ = 0;  // ticks of the last frame sent to the display
    bool presentPending_ = false;
};

}  // namespace platform
