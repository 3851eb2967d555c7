// The handlers of the reference screens.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ChipReferenceProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
