// What the setup program's files share: the module, the product's title, the pages
// and what each page can end with.
#pragma once

#include <windows.h>

constexpr int kProductNameSize = 32;
constexpr int kVersionSize = 16;
// The product name, " v" and the version line, whole whatever their lengths.
constexpr int kProductTitleSize = kProductNameSize + 2 + kVersionSize;

extern HINSTANCE Instance;
extern char ProductTitle[kProductTitleSize];

// What each page ends with; DialogBoxParamA answers -1 for a page it could not show.
constexpr INT_PTR kWelcomeNext = 0;
constexpr INT_PTR kWelcomeQuit = 1;
constexpr INT_PTR kLicenseAccept = 0;
constexpr INT_PTR kLicenseDecline = 1;
constexpr INT_PTR kLicenseBack = 2;

INT_PTR CALLBACK WelcomePageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK LicensePageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);

// Asks whether to quit before anything is installed; true when the answer is yes.
bool ConfirmExit(HWND page);

// Warns about reinstalling, then starts the Application Manager on the setup.ini of the
// folder Setup runs from. False, after saying why, when it cannot be started.
bool HandOverToApplicationManager();
