// Functions the kernel, controls, shell and resources call on each other.
#pragma once

#include <windows.h>

#include <string>

#include "kernel/kernel.h"

namespace platform {

// The part of the screen between the navigation bar and the menu bar.
constexpr RECT kWorkArea{0, 26, 240, 294};
constexpr RECT kNavigationBar{0, 0, 240, 26};
constexpr RECT kMenuBarArea{0, 294, 240, 320};
constexpr RECT kInputPanelArea{0, 214, 240, 294};

void AddUpdate(Window& w, const RECT& rect, bool erase);
void RegisterSystemClass(const char16_t* name, WNDPROC proc, HBRUSH background);
void RegisterBuiltinClasses();
HWND RootTopLevel(HWND hwnd);  // follows parents only
std::u16string AdoptWindowName(LPCWSTR name);
bool IsDialogWindow(const Window& w);
HWND SetFocusInternal(HWND hwnd);
void DropQueuedMessagesFor(HWND hwnd);
void ResetMessaging();

// Shell hooks the kernel calls.
void ShellWindowsChanged();
bool IsInputPanel(HWND hwnd);
void ResetShell();

// Other running copies of the program on the same display.
HWND FindWindowInOtherInstance(LPCWSTR className, LPCWSTR windowName);
bool IsOtherInstanceWindow(HWND hwnd);
bool BringOtherInstanceForward(HWND hwnd);

// The text a script or test reads back from a window.
std::u16string WindowTextOf(HWND hwnd);

}  // namespace platform
