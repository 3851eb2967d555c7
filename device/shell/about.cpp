// The About screen: the product picture, credit lines and the version line. It has no
// title; Done returns to the home view.
#include "resources/resource.h"
#include "shell/shell.h"

INT_PTR CALLBACK AboutProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        InitialiseScreen(dlg, kFlagsDoneSipDown);
        WCHAR version[32];
        LoadStringW(Instance, IDS_VERSION, version, 32);
        SetDlgItemTextW(dlg, IDC_VERSION, version);
        return TRUE;
    }
    default:
        return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsDoneSipDown);
    }
}
