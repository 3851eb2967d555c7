// A backend for running the whole program in a test: each time the program waits for
// input, the next action runs; when none are left, no more input comes and the program
// is closed.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "backend/backend.h"

namespace test {

class StepsBackend : public platform::Backend {
public:
    std::deque<std::function<void()>> actions;
    bool WaitForInput() override {
        if (actions.empty()) return false;
        auto action = std::move(actions.front());
        actions.pop_front();
        action();
        return true;
    }
    void Present(const platform::Surface&) override {}
    void PlaySamples(const std::vector<int16_t>&, int) override {}
    void BringToFront() override {}
    bool IsHeadless() const override { return true; }
};

}  // namespace test
