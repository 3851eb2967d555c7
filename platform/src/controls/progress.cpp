// The progress bar: a range, a position and a step, drawn as a filled bar.
#include <algorithm>

#include <commctrl.h>

#include "controls/controls.h"

namespace platform {
namespace {

struct ProgressState : ControlData {
    int low = 0, high = 100, pos = 0, step = 10;
};

// The bar shows every change at once, even while its program is busy and not
// pumping messages (start-up steps it between long pieces of work).
void SetPosition(HWND hwnd, int pos) {
    auto& s = StateOf<ProgressState>(hwnd);
    s.pos = std::clamp(pos, s.low, s.high);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

void Paint(HWND hwnd) {
    PaintScope paint(hwnd);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    auto& s = StateOf<ProgressState>(hwnd);
    bool border = Get(hwnd).style & WS_BORDER;
    RECT inner = client;
    if (border) InflateRect(&inner, -1, -1);
    int span = std::max(1, s.high - s.low);
    int filled = int((inner.right - inner.left) * (long long)(s.pos - s.low) / span);
    FillSolid(hdc, inner, GetSysColor(COLOR_WINDOW));
    FillSolid(hdc, RECT{inner.left, inner.top, inner.left + filled, inner.bottom}, GetSysColor(COLOR_HIGHLIGHT));
    if (border) FrameSolid(hdc, client, RGB(0, 0, 0));
}

LRESULT CALLBACK ProgressProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& s = StateOf<ProgressState>(hwnd);
    int old = s.pos;
    switch (msg) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case PBM_SETRANGE: {
        LRESULT previous = MAKELONG(s.low, s.high);
        s.low = LOWORD(lParam);
        s.high = HIWORD(lParam);
        SetPosition(hwnd, s.pos);
        return previous;
    }
    case PBM_SETPOS: SetPosition(hwnd, int(wParam)); return old;
    case PBM_DELTAPOS: SetPosition(hwnd, s.pos + int(wParam)); return old;
    case PBM_SETSTEP: {
        int previous = s.step;
        s.step = int(wParam);
        return previous;
    }
    case PBM_STEPIT:
        // Past the end the bar starts over from the beginning.
        SetPosition(hwnd, s.pos + s.step > s.high ? s.low : s.pos + s.step);
        return old;
    case PBM_GETPOS: return s.pos;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterProgressClass() { RegisterSystemClass(PROGRESS_CLASSW, ProgressProc, nullptr); }

}  // namespace platform
