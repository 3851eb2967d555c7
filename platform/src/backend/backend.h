// What the window system asks of the machine it runs on: a screen to show, input
// to wait for, sound to play, a window to bring forward.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct Surface;

class Backend {
public:
    virtual ~Backend() = default;
    // Blocks until input has been injected into the window system. Answers false when no
    // more input will ever come (the script ended).
    virtual bool WaitForInput() = 0;
    virtual void Present(const Surface& screen) = 0;
    // Plays 16-bit mono samples and returns when they have finished. Taps and typing
    // meanwhile are dropped, but the screen is still redrawn, and a close stops the sound
    // and is passed on.
    virtual void PlaySamples(const std::vector<int16_t>& samples, int rate) = 0;
    virtual void BringToFront() = 0;
    virtual bool IsHeadless() const = 0;
    // A backend that shows help itself (in a browser, a new tab) opens FILE#ANCHOR and
    // answers true; the others answer false and the host's help viewer is started.
    virtual bool OpenHelp(const std::string& /*fileAndAnchor*/) { return false; }
    // The program has ended with CODE: the last a backend hears. A host that goes on after
    // the program (a browser's page) is told here.
    virtual void Ended(int /*code*/) {}
};

class ScriptDriver;
// The window of this build (an SDL2 window, or the page's canvas) for PROGRAM, the screen
// shown SCALE times larger; null with the reason in `why` when there can be none.
std::unique_ptr<Backend> OpenWindow(const std::string& program, int scale, ScriptDriver* driver, std::string& why);

Backend& CurrentBackend();
void SetBackend(std::unique_ptr<Backend> backend);

}  // namespace platform
