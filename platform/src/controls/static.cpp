// The static control: text, bitmap and icon pictures, an optional border, and taps
// reported to the parent when it asks for them (SS_NOTIFY).
#include "controls/controls.h"

namespace platform {
namespace {

struct StaticState : ControlData {
    HBITMAP bitmap = nullptr;
    HICON icon = nullptr;
};

DWORD Kind(HWND hwnd) { return Get(hwnd).style & SS_TYPEMASK; }

void SizeToPicture(HWND hwnd, int width, int height) {
    if (Get(hwnd).style & SS_CENTERIMAGE) return;
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LoadPicture(HWND hwnd, HINSTANCE instance) {
    Window& w = Get(hwnd);
    if (w.text.size() < 2 || w.text[0] != 0xFFFF) return;
    WORD id = w.text[1];
    w.text.clear();
    auto& s = StateOf<StaticState>(hwnd);
    if (Kind(hwnd) == SS_BITMAP && (s.bitmap = LoadBitmapW(instance, MAKEINTRESOURCE(id)))) {
        const Surface* surface = BitmapSurface(s.bitmap);
        SizeToPicture(hwnd, surface->width, surface->height);
    } else if (Kind(hwnd) == SS_ICON && (s.icon = LoadIconW(instance, MAKEINTRESOURCE(id)))) {
        SizeToPicture(hwnd, 32, 32);
    }
}

UINT TextFormat(DWORD style) {
    UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    switch (style & SS_TYPEMASK) {
    // A wrapped line that does not fit the control's height is left out, not shown in part.
    case SS_CENTER: return format | DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL;
    case SS_RIGHT: return format | DT_RIGHT | DT_WORDBREAK | DT_EDITCONTROL;
    case SS_LEFTNOWORDWRAP: return format | DT_LEFT;
    default: return format | DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL;
    }
}

void Paint(HWND hwnd) {
    PaintScope paint(hwnd);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    Window& w = Get(hwnd);
    auto& s = StateOf<StaticState>(hwnd);
    PrepareColours(hwnd, hdc, WM_CTLCOLORSTATIC, client);
    if (Kind(hwnd) == SS_ETCHEDHORZ) {
        DrawLine(hdc, 0, 0, client.right - 1, 0, RGB(128, 128, 128));
        DrawLine(hdc, 0, 1, client.right - 1, 1, RGB(255, 255, 255));
    } else if (Kind(hwnd) == SS_BITMAP) {
        if (const Surface* surface = BitmapSurface(s.bitmap))
            BlitSurface(hdc, 0, 0, *surface, 0, 0, surface->width, surface->height);
    } else if (Kind(hwnd) == SS_ICON) {
        if (s.icon) DrawIcon(hdc, 0, 0, s.icon);
    } else {
        HGDIOBJ old = SelectObject(hdc, ControlFont(hwnd));
        if (w.style & WS_DISABLED) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
        RECT text = client;
        DrawTextW(hdc, w.text.c_str(), int(w.text.size()), &text, TextFormat(w.style));
        SelectObject(hdc, old);
    }
    if (w.style & WS_BORDER) FrameSolid(hdc, client, RGB(0, 0, 0));
}

LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    bool handled;
    LRESULT fontResult = HandleFontMessages(hwnd, msg, wParam, lParam, handled);
    if (handled) return fontResult;
    auto& s = StateOf<StaticState>(hwnd);
    switch (msg) {
    case WM_CREATE:
        LoadPicture(hwnd, reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance);
        // An etched line is a groove two pixels high, whatever height it was given.
        if (Kind(hwnd) == SS_ETCHEDHORZ) SizeToPicture(hwnd, Get(hwnd).rect.right - Get(hwnd).rect.left, 2);
        return 0;
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        if (Get(hwnd).style & SS_NOTIFY) NotifyParent(hwnd, STN_CLICKED);
        return 0;
    case STM_SETIMAGE: {
        LRESULT old;
        if (wParam == IMAGE_BITMAP) {
            old = reinterpret_cast<LRESULT>(s.bitmap);
            s.bitmap = reinterpret_cast<HBITMAP>(lParam);
            // As at creation, a bitmap picture takes the size of its new bitmap.
            if (const Surface* surface = Kind(hwnd) == SS_BITMAP ? BitmapSurface(s.bitmap) : nullptr)
                SizeToPicture(hwnd, surface->width, surface->height);
        } else if (wParam == IMAGE_ICON) {
            old = reinterpret_cast<LRESULT>(s.icon);
            s.icon = reinterpret_cast<HICON>(lParam);
        } else {
            return 0;
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        return old;
    }
    case STM_GETIMAGE:
        return wParam == IMAGE_BITMAP ? reinterpret_cast<LRESULT>(s.bitmap)
                                      : wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(s.icon) : 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterStaticClass() { RegisterSystemClass(u"Static", StaticProc, nullptr); }

}  // namespace platform
