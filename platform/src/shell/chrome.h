// State and helpers shared by the pieces of the shell chrome.
#pragma once

#include <windows.h>

#include "controls/controls.h"
#include "shell/shell.h"

namespace platform {

constexpr COLORREF kBarBlue = RGB(0, 51, 153);
constexpr COLORREF kMenuBarFace = RGB(232, 232, 232);

struct ShellState {
    HWND navigationBar = nullptr;
    HWND inputPanel = nullptr;
    HWND popup = nullptr;
    bool sipUp = false;
    bool changing = false;
};
ShellState& Shell();

// Creates a window of a shell class that sits above every program window.
HWND CreateChrome(const char16_t* cls, const RECT& rect, HWND owner, bool visible);
void EnsureShell();
void ClosePopup();
HWND OpenPopup(HWND menuBar, HMENU menu, int left);
void RegisterNavigationBarClass();
void RegisterMenuBarClass();
void RegisterPopupClass();
void RegisterInputPanelClass();
void SetSip(bool up);

}  // namespace platform
