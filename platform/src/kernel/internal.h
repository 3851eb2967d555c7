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
bool HasFrame(const Window& w);
// Fills with the desktop's colour what of the area no window covers.
void UncoverDesktop(const RECT& area);
// Draws the caption and frames of windows whose frames are marked dirty.
void PaintDirtyFrames();
bool AnyFrameDirty();
HWND ActiveFrameWindow();  // its caption is drawn active
// Draws a window's caption and frame with the DC's origin at the window's top-left.
void DrawWindowFrame(HDC hdc, const Window& w, bool active);
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
