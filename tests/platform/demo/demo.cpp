// A small handheld program written against the platform layer alone, the way the real
// program is: a main window with a menu bar and a help button, a screen with the
// Ohm's-law fields and one with the other controls. The flow and windowed tests drive it.
#include <windows.h>
#include <aygshell.h>
#include <commctrl.h>
#include <mmsystem.h>

#include "demo_resource.h"

namespace {

const int kFields[] = {IDC_CURRENT, IDC_VOLTAGE, IDC_RESISTANCE, IDC_POWER};
const int kStripes[] = {IDB_STRIPES1, IDB_STRIPES4, IDB_STRIPES8, IDB_STRIPES24};

HINSTANCE Instance;
HWND MainWindow;
HWND OhmsScreen;
HWND ControlsScreen;
HWND CurrentScreen;

void HideCurrentScreen() {
    if (CurrentScreen) ShowWindow(CurrentScreen, SW_HIDE);
    SHSipPreference(MainWindow, SIP_DOWN);
    CurrentScreen = nullptr;
}

void Show(HWND screen) {
    if (CurrentScreen) ShowWindow(CurrentScreen, SW_HIDE);
    CurrentScreen = screen;
    ShowWindow(screen, SW_SHOWNORMAL);
    SetWindowPos(screen, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SHSipPreference(MainWindow, SIP_DOWN);
}

void SummariseFields(HWND dlg) {
    WCHAR text[128] = u"", field[16];
    int n = 0;
    for (int id : kFields) {
        GetDlgItemTextW(dlg, id, field, 16);
        for (int i = 0; field[i] && n < 120; ++i) text[n++] = field[i];
        if (n < 120) text[n++] = u'|';
    }
    text[n] = 0;
    MessageBoxW(dlg, text, u"Fields", MB_OK | MB_ICONASTERISK);
}

INT_PTR CALLBACK ScreenProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: {
        SHINITDLGINFO info{SHIDIM_FLAGS, dlg, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN};
        SHInitDialog(&info);
        for (int id : kFields) SendDlgItemMessageW(dlg, id, EM_LIMITTEXT, 8, 0);
        SetDlgItemTextW(dlg, IDC_READONLY, u"fixed");
        SendDlgItemMessageW(dlg, IDC_PROGRESS, PBM_SETSTEP, 25, 0);
        CheckRadioButton(dlg, IDC_SERIAL, IDC_PARALLEL, IDC_SERIAL);
        return TRUE;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_SETFOCUS) SHSipPreference(MainWindow, SIP_UP);
        switch (LOWORD(wParam)) {
        case IDOK: HideCurrentScreen(); return TRUE;
        case IDC_CALCULATE: SummariseFields(dlg); return TRUE;
        case IDC_CLEAR:
            for (int id : kFields) SetDlgItemTextW(dlg, id, u"");
            return TRUE;
        case IDC_NOTIFY:
            if (HIWORD(wParam) == STN_CLICKED) {
                SendDlgItemMessageW(dlg, IDC_PROGRESS, PBM_STEPIT, 0, 0);
                PlaySoundW(MAKEINTRESOURCE(IDW_BEEP), Instance, SND_RESOURCE | SND_SYNC);
            }
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

HWND CreateScreen(int id) {
    HRSRC res = FindResourceW(Instance, MAKEINTRESOURCE(id), RT_DIALOG);
    auto* tmpl = static_cast<LPCDLGTEMPLATE>(LockResource(LoadResource(Instance, res)));
    return CreateDialogIndirectParamW(Instance, tmpl, MainWindow, ScreenProc, 0);
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!CurrentScreen) {
        HDC mem = CreateCompatibleDC(hdc);
        int x = 20;
        for (int id : kStripes) {
            HBITMAP bmp = LoadBitmapW(Instance, MAKEINTRESOURCE(id));
            HGDIOBJ old = SelectObject(mem, bmp);
            BitBlt(hdc, x, 20, 8, 4, mem, 0, 0, SRCCOPY);
            SelectObject(mem, old);
            DeleteObject(bmp);
            x += 20;
        }
        DeleteDC(mem);
        WCHAR line[64];
        LoadStringW(Instance, IDS_LONG, line, 20);
        RECT r{0, 60, 240, 80};
        DrawTextW(hdc, line, -1, &r, DT_CENTER | DT_TOP);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDM_OHMS: Show(OhmsScreen); break;
        case IDM_CONTROLS: Show(ControlsScreen); break;
        case IDM_HELP_CONTENTS: {
            WCHAR anchor[] = u"Demo.htm#Main_Contents";
            CreateProcessW(u"PegHelp.exe", anchor, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, nullptr);
            break;
        }
        case IDM_CONTEXT_HELP:
            if (CurrentScreen == OhmsScreen) {
                WCHAR anchor[] = u"Demo.htm#Ohms";
                CreateProcessW(u"PegHelp.exe", anchor, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, nullptr);
            }
            break;
        case IDOK:
        case IDM_EXIT:
            SHSipPreference(hwnd, SIP_DOWN);
            SendMessageW(hwnd, WM_CLOSE, 0, 0);
            break;
        }
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    Instance = instance;
    WCHAR cls[32], title[32];
    LoadStringW(instance, IDS_CLASS, cls, 32);
    LoadStringW(instance, IDS_TITLE, title, 32);
    if (HWND other = FindWindowW(cls, title)) {
        SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(other) | 1));
        return 0;
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = MainProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCE(IDI_DEMO));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = cls;
    RegisterClassW(&wc);
    MainWindow = CreateWindowExW(0, cls, title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 nullptr, nullptr, instance, nullptr);
    if (!MainWindow) return 0;
    OhmsScreen = CreateScreen(IDD_OHMS);
    ControlsScreen = CreateScreen(IDD_CONTROLS);
    SHMENUBARINFO mb{sizeof(SHMENUBARINFO), MainWindow, 0, IDM_MAIN, instance, 0, 0, nullptr, 0};
    if (!SHCreateMenuBar(&mb)) return 0;
    TBADDBITMAP bitmap{instance, IDB_HELPSTRIP};
    SendMessageW(mb.hwndMB, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&bitmap));
    TBBUTTON separator{-1, -1, TBSTATE_ENABLED, TBSTYLE_SEP, {0, 0}, ULONG_PTR(-1), -1};
    TBBUTTON help{0, IDM_CONTEXT_HELP, TBSTATE_ENABLED, TBSTYLE_GROUP, {0, 0}, 0, -1};
    SendMessageW(mb.hwndMB, TB_INSERTBUTTON, 2, reinterpret_cast<LPARAM>(&separator));
    SendMessageW(mb.hwndMB, TB_INSERTBUTTON, 3, reinterpret_cast<LPARAM>(&help));
    ShowWindow(MainWindow, SW_SHOWNORMAL);
    UpdateWindow(MainWindow);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}
