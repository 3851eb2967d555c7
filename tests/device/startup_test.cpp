// Start-up as a sequence of messages: the 35 screens created in their fixed order with
// their owners and parents, the 20 progress steps where they fall, the pages laid under
// their tab strips, the menu bar created last while the splash still shows.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "backend/backend.h"
#include "steps_backend.h"
#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "kernel/kernel.h"
#include "png_compare.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

struct Recorder {
    std::vector<std::string> lines;
    int steps = 0;
    bool initialisingAtMenuBar = false;
    platform::Surface splash;

    std::string NameOf(HWND hwnd) {
        if (!hwnd) return "none";
        if (hwnd == MainWindow) return "main";
        platform::Window* w = platform::Find(hwnd);
        return w && w->templateId >= 0 ? std::to_string(w->templateId) : "?";
    }

    void Observe(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
        platform::Window* w = platform::Find(hwnd);
        if (!w) return;
        if (msg == WM_INITDIALOG) {
            lines.push_back("create " + NameOf(hwnd) + (w->parent ? " in " + NameOf(w->parent) : " owned by " + NameOf(w->owner)));
        } else if (msg == PBM_STEPIT) {
            lines.push_back("step " + std::to_string(++steps));
            if (steps == 10) splash = platform::Framebuffer();
        } else if (msg == WM_SIZE && steps >= 16 && w->parent && platform::IsDialogWindow(*w)) {
            // Pages laid out once every screen exists and its step is taken (sizing during
            // creation is the shell's own).
            lines.push_back("place " + NameOf(hwnd) + " " + std::to_string(LOWORD(lParam)) + "x" + std::to_string(HIWORD(lParam)) +
                            " at " + std::to_string(w->rect.left) + "," + std::to_string(w->rect.top));
        } else if (msg == WM_CREATE && w->cls->name == u"ShellMenuBar") {
            lines.push_back("menu bar");
            initialisingAtMenuBar = Initialising;
        } else if (msg == WM_DESTROY && hwnd == StartupProgressBar) {
            lines.push_back("progress bar gone");
        }
    }
};

std::vector<std::string> ExpectedStartUp() {
    // Order, template, where it is created, and the progress steps that follow it.
    struct Row {
        const char* line;
        int steps;
    };
    const Row rows[] = {
        {"create 118 owned by main", 7}, {"create 130 owned by main", 0}, {"create 138 owned by main", 0},
        {"create 104 owned by main", 0}, {"create 106 owned by main", 1}, {"create 110 owned by main", 0},
        {"create 109 owned by main", 0}, {"create 127 owned by main", 0}, {"create 134 owned by main", 1},
        {"create 133 owned by main", 0}, {"create 107 owned by main", 0}, {"create 112 owned by main", 0},
        {"create 137 owned by main", 1}, {"create 105 owned by main", 0}, {"create 115 in 105", 0},
        {"create 117 in 105", 0},        {"create 116 in 105", 1},        {"create 129 owned by main", 0},
        {"create 123 owned by main", 0}, {"create 128 owned by main", 1}, {"create 132 owned by main", 0},
        {"create 111 owned by main", 0}, {"create 113 in 111", 0},        {"create 114 in 111", 1},
        {"create 119 owned by main", 0}, {"create 120 in 119", 0},        {"create 121 in 119", 0},
        {"create 122 in 119", 1},        {"create 126 owned by main", 0}, {"create 125 in 126", 0},
        {"create 124 in 126", 0},        {"create 131 owned by main", 0}, {"create 141 owned by main", 0},
        {"create 139 in 141", 0},        {"create 140 in 141", 1},
        {"place 115 240x220 at 0,52", 0}, {"place 117 240x220 at 0,52", 0}, {"place 116 240x220 at 0,52", 0},
        {"place 139 240x220 at 0,52", 0}, {"place 140 240x220 at 0,52", 1}, {"place 113 240x220 at 0,52", 0},
        {"place 114 240x220 at 0,52", 0}, {"place 120 240x220 at 0,52", 1}, {"place 121 240x220 at 0,52", 0},
        {"place 122 240x220 at 0,52", 0}, {"place 125 240x220 at 0,52", 0}, {"place 124 240x220 at 0,52", 2},
        {"menu bar", 0},                 {"progress bar gone", 0},
    };
    std::vector<std::string> out{"step 1"};
    int step = 1;
    for (const Row& r : rows) {
        out.push_back(r.line);
        for (int i = 0; i < r.steps; ++i) out.push_back("step " + std::to_string(++step));
    }
    return out;
}

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ResetWindowSystem();
        platform::SetBackend(std::make_unique<test::StepsBackend>());
        platform::SetMessageObserver([this](HWND h, UINT m, WPARAM w, LPARAM l) { recorder.Observe(h, m, w, l); });
    }
    void TearDown() override {
        platform::SetMessageObserver(nullptr);
        platform::SetBackend(nullptr);
    }
    Recorder recorder;
};

TEST_F(StartUpTest, CreatesEveryScreenInOrderWithTwentyStepsThenTheMenuBar) {
    // No input ever comes: the program is closed as soon as it waits, and ends with 0.
    EXPECT_EQ(StartUp(GetModuleHandleW(nullptr)), 0);
    EXPECT_EQ(recorder.lines, ExpectedStartUp());
    EXPECT_EQ(recorder.steps, 20);
    EXPECT_TRUE(recorder.initialisingAtMenuBar) << "the splash must show until the menu bar exists";
}

TEST_F(StartUpTest, SplashShowsWhileTheScreensAreBuilt) {
    StartUp(GetModuleHandleW(nullptr));
    ASSERT_EQ(recorder.splash.width, 240);
    test::ExpectMatchesReference(recorder.splash, "splash.png");
}

}  // namespace
