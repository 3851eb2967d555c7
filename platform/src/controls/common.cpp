// Helpers every control class uses, and the registration of the built-in classes.
#include "controls/controls.h"

#include <algorithm>

namespace platform {

void NotifyParent(HWND control, WORD code) {
    Window* w = Find(control);
    if (!w || !w->parent) return;
    SendMessageW(w->parent, WM_COMMAND, MAKEWPARAM(w->id, code), reinterpret_cast<LPARAM>(control));
}

void PrepareColours(HWND control, HDC hdc, UINT ctlColorMessage, const RECT& fill) {
    Window* w = Find(control);
    HBRUSH brush = nullptr;
    if (w && w->parent)
        brush = reinterpret_cast<HBRUSH>(
            SendMessageW(w->parent, ctlColorMessage, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(control)));
    if (!brush) brush = reinterpret_cast<HBRUSH>(DefWindowProcW(control, ctlColorMessage, reinterpret_cast<WPARAM>(hdc),
                                                                reinterpret_cast<LPARAM>(control)));
    FillRect(hdc, &fill, brush);
}

int FieldEdgeWidth(HWND control) { return IsDesktop() && (Get(control).style & WS_BORDER) ? 2 : 1; }

void DrawFieldEdge(HWND control, HDC hdc, const RECT& client) {
    if (!(Get(control).style & WS_BORDER)) return;
    if (IsDesktop()) DrawBevel(hdc, client, Bevel::Sunken);
    else FrameSolid(hdc, client, RGB(0, 0, 0));
}

HFONT ControlFont(HWND control) {
    Window* w = Find(control);
    return w && w->font ? w->font : DefaultGuiFont();
}

int ControlLineHeight(HWND control) {
    HDC hdc = GetDC(control);
    SelectObject(hdc, ControlFont(control));
    int height = LineHeight(hdc);
    ReleaseDC(control, hdc);
    return std::max(1, height);
}

LRESULT HandleFontMessages(HWND control, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    if (msg == WM_SETFONT) {
        Get(control).font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(control, nullptr, TRUE);
        return 0;
    }
    if (msg == WM_GETFONT) return reinterpret_cast<LRESULT>(Get(control).font);
    handled = false;
    return 0;
}

std::u16string WindowTextOf(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::u16string text(size_t(n) + 1, u'\0');
    int got = GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(size_t(std::max(0, got)));
    return text;
}

LRESULT AnswerTapPoint(HWND control, POINT client, TapRequest* request) {
    ClientToScreen(control, &client);
    request->screen = client;
    return TRUE;
}

std::u16string& ClipboardText() {
    static std::u16string text;
    return text;
}

void RegisterBuiltinClasses() {
    RegisterDialogClass();
    RegisterStaticClass();
    RegisterButtonClass();
    RegisterEditClass();
    RegisterListBoxClass();
    RegisterComboBoxClass();
    RegisterProgressClass();
    RegisterTabClass();
    RegisterListViewClass();
    RegisterMessageBoxClass();
    RegisterShellClasses();
}

}  // namespace platform
