// Common controls: the progress bar and the tool-bar buttons of the menu bar.
#pragma once
#include "windows.h"

#define PROGRESS_CLASSW u"msctls_progress32"
#define PROGRESS_CLASS PROGRESS_CLASSW
#define PBS_SMOOTH 0x01
#define PBM_SETRANGE (WM_USER + 1)
#define PBM_SETPOS (WM_USER + 2)
#define PBM_DELTAPOS (WM_USER + 3)
#define PBM_SETSTEP (WM_USER + 4)
#define PBM_STEPIT (WM_USER + 5)
#define PBM_GETPOS (WM_USER + 8)

#ifndef RC_INVOKED
struct TBBUTTON {
    int iBitmap;
    int idCommand;
    BYTE fsState;
    BYTE fsStyle;
    BYTE bReserved[2];
    ULONG_PTR dwData;
    INT_PTR iString;
};
struct TBADDBITMAP {
    HINSTANCE hInst;
    UINT_PTR nID;
};
#endif  // RC_INVOKED
#define TB_ADDBITMAP (WM_USER + 19)
#define TB_INSERTBUTTON (WM_USER + 21)
#define TB_BUTTONCOUNT (WM_USER + 24)
#define TBSTATE_ENABLED 0x04
#define TBSTYLE_BUTTON 0x00
#define TBSTYLE_SEP 0x01
#define TBSTYLE_CHECK 0x02
#define TBSTYLE_GROUP 0x04
#define TBSTYLE_DROPDOWN 0x08
#define TBSTYLE_AUTOSIZE 0x10
#define I_IMAGENONE (-2)

