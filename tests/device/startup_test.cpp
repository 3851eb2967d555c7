// Start-up as a sequence of messages: the 35 screens created in their fixed order with
// their owners and parents, the 20 progress steps where they fall, the pages laid under
// their tab strips, the menu bar created last while the splash still shows.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "backend/backend.h"
#include "steps_backend.h"
#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "kernel/kernel.h"
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

// Each word: a template, "/owner" for a page of a tabbed screen, "+N" for the progress
// steps that follow it. Pages are placed 240x220 at 0,52 once all exist.
std::vector<std::string> ExpectedStartUp() {
    const std::string created =
        "118+7 130 138 104 106+1 110 109 127 134+1 133 107 112 137+1 105 115/105 117/105 116/105+1 129 123 128+1 132 "
        "111 113/111 114/111+1 119 120/119 121/119 122/119+1 126 125/126 124/126 131 141 139/141 140/141+1";
    const std::string placed = "115 117 116 139 140+1 113 114 120+1 121 122 125 124+2";
    std::vector<std::string> out{"step 1"};
    int step = 1;
    auto add = [&](const std::string& words, bool create) {
        std::istringstream in(words);
        for (std::string w; in >> w;) {
            size_t plus = w.find('+'), slash = w.find('/');
            std::string id = w.substr(0, std::min(plus, slash));
            if (!create) out.push_back("place " + id + " 240x220 at 0,52");
            else if (slash == std::string::npos) out.push_back("create " + id + " owned by main");
            else out.push_back("create " + id + " in " + w.substr(slash + 1, plus - slash - 1));
            for (int i = plus == std::string::npos ? 0 : std::stoi(w.substr(plus + 1)); i > 0; --i)
                out.push_back("step " + std::to_string(++step));
        }
    };
    add(created, true);
    add(placed, false);
    out.insert(out.end(), {"menu bar", "progress bar gone"});
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

// Held to its reference by the screenshot tests' own comparison; with
// ZEPHTOR_UPDATE_SCREENSHOTS=1 the picture becomes the reference instead.
TEST_F(StartUpTest, SplashShowsWhileTheScreensAreBuilt) {
    StartUp(GetModuleHandleW(nullptr));
    ASSERT_EQ(recorder.splash.width, 240);
    const char* update = std::getenv("ZEPHTOR_UPDATE_SCREENSHOTS");
    const std::string reference = ZEPHTOR_SCREENSHOTS "/splash.png", picture = testing::TempDir() + "splash.png";
    ASSERT_TRUE(platform::WritePng(recorder.splash, update && std::string(update) == "1" ? reference : picture));
    if (!update || std::string(update) != "1") {
        EXPECT_EQ(std::system((ZEPHTOR_PNGSAME " '" + reference + "' '" + picture + "'").c_str()), 0);
    }
}

}  // namespace
