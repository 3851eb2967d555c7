// The main window: the splash while start-up runs, the home view when no screen is
// shown, the menu bar's commands, settings changes and the end of the program.
#include <windows.h>
#include <aygshell.h>
#include <commctrl.h>

#include "resources/resource.h"
#include "shell/shell.h"

namespace {

// The shell's activation record: never filled by the program, handed to the shell with
// every settings change.
SHACTIVATEINFO ActivationInfo;

// A line of the splash or the home view: its string, the room it is loaded into
// (terminator included) and the rectangle it is centred in.
struct TextLine {
    UINT string;
    int room;
    RECT rect;
};

const TextLine kSplashLines[] = {{IDS_INITIALISING, 32, {0, 7, 240, 27}},
                                 {IDS_VERSION, 32, {0, 235, 240, 255}},
                                 {IDS_NOTICE1, 32, {0, 260, 240, 280}},
                                 {IDS_NOTICE2, 32, {0, 275, 240, 295}}};
const TextLine kHomeLines[] = {{IDS_VERSION, 32, {0, 86, 240, 106}},
                               {IDS_CREDIT1, 60, {0, 130, 240, 150}},
                               {IDS_CREDIT2, 60, {0, 170, 240, 190}},
                               {IDS_CREDIT3, 60, {0, 185, 240, 205}},
                               {IDS_CREDIT4, 60, {0, 200, 240, 220}}};

template <size_t N>
void PaintLines(HDC hdc, const TextLine (&lines)[N]) {
    WCHAR text[64] = {0};
    for (const TextLine& line : lines) {
        LoadStringW(Instance, line.string, text, line.room);
        RECT r = line.rect;
        DrawTextW(hdc, text, -1, &r, DT_CENTER | DT_TOP);
    }
}

void PaintPicture(HDC hdc, HDC memory, int bitmapId, int x, int y, int width, int height) {
    HBITMAP bitmap = LoadBitmapW(Instance, MAKEINTRESOURCE(bitmapId));
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(hdc, x, y, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    HDC memory = CreateCompatibleDC(hdc);
    if (Initialising) {
        PaintPicture(hdc, memory, IDB_SPLASH, 0, 44, 240, 190);
        PaintLines(hdc, kSplashLines);
    } else if (!CurrentScreen) {
        PaintPicture(hdc, memory, IDB_BANNER, 32, 45, 175, 32);
        PaintLines(hdc, kHomeLines);
    }
    DeleteDC(memory);
    EndPaint(hwnd, &ps);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        StartupProgressBar = CreateWindowExW(0, PROGRESS_CLASSW, TEXT("ProgressBar"), WS_CHILD | WS_VISIBLE | WS_BORDER, 20,
                                             24, 200, 14, hwnd, nullptr, Instance, nullptr);
        return 0;
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_SETTINGCHANGE:
        SHHandleWMSettingChange(hwnd, wParam, lParam, &ActivationInfo);
        return 0;
    case WM_COMMAND:
        HandleMainCommand(LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        DestroyWindow(MenuBar);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

