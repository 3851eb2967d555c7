// What every screen shares: one look (a red bold title over a one-pixel rule) and one
// set of reactions (Done returns to the home view; default processing is done on
// behalf of the main window, so the screens behave as parts of one program).
#include <windows.h>
#include <aygshell.h>

#include "resources/resource.h"
#include "shell/shell.h"

namespace {

constexpr COLORREF kTitleColour = RGB(255, 0, 0);

}  // namespace

HFONT CreateScreenFont(LONG height, LONG weight) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = 255;
    font.lfPitchAndFamily = 16;
    const WCHAR face[] = TEXT("Tahoma");
    for (int i = 0; face[i]; ++i) font.lfFaceName[i] = face[i];
    return CreateFontIndirectW(&font);
}

INT_PTR CommonScreenMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, DWORD flags) {
    switch (msg) {
    case WM_INITDIALOG:
        InitialiseScreen(dlg, flags);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return ColourScreenStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        if (LOWORD(wParam) != IDOK) return 0;
        ReturnToHomeView();
        return TRUE;
    default:
        return DefaultScreenAnswer(msg, wParam, lParam);
    }
}

void InitialiseScreen(HWND screen, DWORD flags) {
    SHINITDLGINFO info{SHIDIM_FLAGS, screen, flags};
    SHInitDialog(&info);
    if (HWND title = GetDlgItem(screen, IDC_TITLE))
        SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(CreateScreenFont(13, 800)), TRUE);
}

INT_PTR ColourScreenStatic(HDC hdc, HWND control) {
    if (GetDlgCtrlID(control) != IDC_TITLE) return 0;
    SetTextColor(hdc, kTitleColour);
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

void ReturnToHomeView() {
    if (CurrentScreen) ShowWindow(CurrentScreen, SW_HIDE);
    SHSipPreference(MainWindow, SIP_DOWN);
    CurrentScreen = nullptr;
}

void SetPictureBitmap(HWND screen, int pictureId, WORD bitmap) {
    HBITMAP fresh = LoadBitmapW(Instance, MAKEINTRESOURCE(bitmap));
    auto old = reinterpret_cast<HBITMAP>(
        SendDlgItemMessageW(screen, pictureId, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(fresh)));
    if (old && old != fresh) DeleteObject(old);
}

void RaiseInputPanelOnFieldFocus(WPARAM commandWParam) {
    if (HIWORD(commandWParam) == EN_SETFOCUS) SHSipPreference(MainWindow, SIP_UP);
}

INT_PTR DefaultScreenAnswer(UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcW(MainWindow, msg, wParam, lParam); }

INT_PTR CALLBACK DoneScreenProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsDone);
}

INT_PTR CALLBACK DoneSipDownScreenProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsDoneSipDown);
}

INT_PTR CALLBACK PageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) { return PageMessage(dlg, msg, wParam, lParam); }
