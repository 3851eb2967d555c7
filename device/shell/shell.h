// The application shell: program-wide state owned by the shell and alive for the whole
// run, and what the screens call on it.
#pragma once

#include <windows.h>

// The instance handle: every resource is loaded from the program's own module.
extern HINSTANCE Instance;
extern HWND MainWindow;
extern HWND StartupProgressBar;
extern HWND MenuBar;
// True from load until start-up has created everything; selects the splash in painting.
extern bool Initialising;
// The screen now shown, or none while the home view shows.
extern HWND CurrentScreen;

// A screen whose body is a tab control, and the pages shown under its tabs.
struct TabbedScreen {
    HWND Screen;
    HWND Pages[3];
    int PageCount;
    HWND CurrentPage;
};
extern TabbedScreen ChipReference;
extern TabbedScreen Reactance;
extern TabbedScreen RciCalculator;
extern TabbedScreen EnergyStored;
extern TabbedScreen TimerDesign;

// Screen handles, filled once by start-up.
extern HWND SchematicSymbolsScreen;
extern HWND TvChannelsScreen;
extern HWND RadioSpectrumScreen;
extern HWND AboutScreen;
extern HWND ColorCodeScreen;
extern HWND DielectricScreen;
extern HWND ResonanceScreen;
extern HWND ImpedanceScreen;
extern HWND OpAmpsScreen;
extern HWND KFactorsScreen;
extern HWND MetalsScreen;
extern HWND OhmsLawScreen;
extern HWND MorseScreen;
extern HWND ConnectorsScreen;
extern HWND CitizensBandScreen;
extern HWND ThreePhaseScreen;
extern HWND DeltaWyeScreen;
extern HWND CopperWireScreen;

int StartUp(HINSTANCE instance);
LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Navigation (main window commands).
void HandleMainCommand(WORD command);

// What every screen shares: shell initialisation with its flags and the title font,
// the red title, Done, and default processing on behalf of the main window.
constexpr DWORD kFlagsDoneSipDown = 13;
constexpr DWORD kFlagsDone = 5;
constexpr DWORD kFlagsPage = 4;
void InitialiseScreen(HWND screen, DWORD flags);
// Tahoma of the given height and weight, as the screens' titles and lists use it.
HFONT CreateScreenFont(LONG height, LONG weight);
INT_PTR ColourScreenStatic(HDC hdc, HWND control);
void ReturnToHomeView();
// Puts a freshly loaded bitmap into one of the screen's pictures and releases the one it
// showed before.
void SetPictureBitmap(HWND screen, int pictureId, WORD bitmap);
INT_PTR DefaultScreenAnswer(UINT msg, WPARAM wParam, LPARAM lParam);
// The whole common handling of a screen's message, initialisation included.
INT_PTR CommonScreenMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, DWORD flags);

// On screens that take typed input: an edit field that gains the focus raises the input
// panel, always on behalf of the main window.
void RaiseInputPanelOnFieldFocus(WPARAM commandWParam);

// What differs between the tabbed screens.
struct TabbedScreenTraits {
    TabbedScreen* record;
    const LPCWSTR* tabTexts;
    int tabCount;
    DWORD flags;
    bool lowersInputPanelOnTabChange;  // the chip reference does, in its own name
};
// The whole handling of a tabbed screen's parent: tabs added at initialisation, a change
// of tab shows its page.
INT_PTR TabbedScreenMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, const TabbedScreenTraits& traits);
// The common part of a page's handling (initialisation with flags 4, Done).
INT_PTR PageMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);

// Handlers of screens whose body has no handling of its own beyond the common rules.
INT_PTR CALLBACK DoneScreenProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DoneSipDownScreenProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
