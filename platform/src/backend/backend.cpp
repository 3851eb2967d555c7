#include "backend/backend.h"

namespace platform {
namespace {

// Before a program chooses, there is no screen and no input: nothing will ever come.
class NoBackend : public Backend {
public:
    bool WaitForInput() override { return false; }
    void Present(const Surface&) override {}
    void PlaySamples(const std::vector<int16_t>&, int) override {}
    void BringToFront() override {}
    bool IsHeadless() const override { return true; }
};

// Never destroyed at exit: when the X server goes away, Xlib ends the program from inside
// its error handler, and closing the window then would wait for that server for ever. The
// normal end closes the backend itself (SetBackend(nullptr)).
std::unique_ptr<Backend>& Slot() {
    static auto* backend = new std::unique_ptr<Backend>(std::make_unique<NoBackend>());
    return *backend;
}

}  // namespace

Backend& CurrentBackend() { return *Slot(); }

void SetBackend(std::unique_ptr<Backend> backend) { Slot() = backend ? std::move(backend) : std::make_unique<NoBackend>(); }

}  // namespace platform
