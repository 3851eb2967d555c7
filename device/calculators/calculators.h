// The handlers of the calculator screens.
#pragma once

#include <windows.h>

INT_PTR CALLBACK OhmsLawProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
