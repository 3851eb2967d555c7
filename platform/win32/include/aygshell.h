// The handheld shell's interface as the Windows side of the program sees it: only Windows
// CE has aygshell.h, so this declares what the program calls of it, with the handheld
// SDK's names and values, over the desktop's own <windows.h>.
#pragma once
#include <windows.h>

// A resource script's menu bar is raw data the shell reads.
#define SHMENUBAR RCDATA

#ifndef RC_INVOKED
#ifdef __cplusplus
extern "C" {
#endif

typedef struct tagSHINITDLGINFO {
    DWORD dwMask;
    HWND hDlg;
    DWORD dwFlags;
} SHINITDLGINFO, *PSHINITDLGINFO;
#define SHIDIM_FLAGS 0x0001
BOOL SHInitDialog(PSHINITDLGINFO pshidi);

typedef struct tagSHMENUBARINFO {
    DWORD cbSize;
    HWND hwndParent;
    DWORD dwFlags;
    UINT nToolBarId;
    HINSTANCE hInstRes;
    int nBmpId;
    int cBmpImages;
    HWND hwndMB;
    COLORREF clrBk;
} SHMENUBARINFO, *PSHMENUBARINFO;
BOOL SHCreateMenuBar(SHMENUBARINFO* pmbi);

typedef enum tagSIPSTATE { SIP_UP = 0, SIP_DOWN, SIP_FORCEDOWN, SIP_UNCHANGED, SIP_INPUTDIALOG } SIPSTATE;
BOOL SHSipPreference(HWND hwnd, SIPSTATE st);

#define SHFS_HIDESIPBUTTON 0x0008
BOOL SHFullScreen(HWND hwndRequester, DWORD dwState);

typedef struct tagSHACTIVATEINFO {
    DWORD cbSize;
    HWND hwndLastFocus;
    UINT fSipUp : 1;
    UINT fSipOnDeactivation : 1;
    UINT fActive : 1;
    UINT fReserved : 29;
} SHACTIVATEINFO, *PSHACTIVATEINFO;
BOOL SHHandleWMSettingChange(HWND hwnd, WPARAM wParam, LPARAM lParam, PSHACTIVATEINFO psai);

#ifdef __cplusplus
}
#endif

// The handheld's entry point takes its command line as wide text, as the desktop's
// wWinMain does; every handheld program includes this header, so here the handheld's
// WinMain becomes the desktop's wWinMain (a program linked with -municode).
#define WinMain wWinMain
#endif  // RC_INVOKED
