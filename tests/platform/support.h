// What the platform tests share: a clean window system per test, a backend whose
// input is a list of actions, and taps and typing through the real input path.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "backend/backend.h"
#include "kernel/kernel.h"
#include "steps_backend.h"

// Rectangles compare and print in test expectations.
inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

namespace test {

using ScriptedBackend = StepsBackend;

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    ScriptedBackend* backend = nullptr;
};

// WM_COMMAND heard by a listening window or dialog, in order: control id and
// notification code. Cleared when each test starts.
using Commands = std::vector<std::pair<int, int>>;
Commands& HeardCommands();
// A top-level window over the work area, of a class with the given procedure and a white
// background, to hold the controls under test.
HWND CreateParentWindow(const char16_t* className, WNDPROC proc);
// One that records the commands its controls send.
HWND CreateListeningWindow();

// A dialog from the demo program's resources.
HWND CreateDialogFromResource(int id, HWND owner, DLGPROC proc, LPARAM param = 0);
INT_PTR CALLBACK PassiveDialogProc(HWND, UINT, WPARAM, LPARAM);

POINT CentreOf(HWND hwnd);
void TapAt(POINT screen);  // stylus down and up, then everything pending is handled
void Tap(HWND hwnd);
void Type(const std::u16string& text);
void PressKey(UINT vk);
void Pump();
std::u16string TextOf(HWND hwnd);
uint32_t PixelAt(int x, int y);  // 0x00RRGGBB of the framebuffer

}  // namespace test
