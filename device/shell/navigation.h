// ScreenTable: per screen reachable from the menu, its menu and item text, the command
// its item sends, its dialog template, whether it is tabbed, and its help topic.
#pragma once

#include <windows.h>

#include "shell/shell.h"

struct ScreenRow {
    LPCWSTR menu;
    LPCWSTR item;
    WORD command;
    WORD templateId;
    HWND* screen;          // a plain screen
    TabbedScreen* tabbed;  // or a tabbed one
    LPCWSTR helpAnchor;    // none for the About screen
};

extern const ScreenRow ScreenTable[];
extern const int ScreenTableSize;
