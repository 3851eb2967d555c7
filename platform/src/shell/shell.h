// The handheld shell's chrome as the rest of the platform sees it.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "resources/resources.h"

namespace platform {

bool IsSipUp();
// The topmost program window on the screen (the one the navigation bar speaks for).
HWND ForegroundScreen();
// Where a person taps to reach a menu command: first the menu-bar button, then (once
// its popup is open) the item.
std::optional<POINT> MenuBarTapPoint(UINT command);
std::optional<POINT> OpenPopupTapPoint(UINT command);
std::optional<POINT> DoneButtonTapPoint();
// The items of the popup menu now open, if one is.
const std::vector<MenuItem>* OpenPopupItems();
// A tap outside an open popup menu closes it and goes no further.
bool PopupSwallowsTap(POINT screen);

}  // namespace platform
