// The button control: push and default push buttons, check boxes and radio buttons,
// with automatic radio groups.
#include <algorithm>

#include "controls/controls.h"

namespace platform {
namespace {

struct ButtonState : ControlData {
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool tracking = false;
};

DWORD Kind(HWND hwnd) { return Get(hwnd).style & BS_TYPEMASK; }
bool IsRadio(DWORD kind) { return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON; }
bool IsCheckBox(DWORD kind) { return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX; }

// The radio group runs from the nearest control at or before this one that starts a
// group (WS_GROUP) up to the next control that starts one.
std::vector<HWND> GroupOf(HWND hwnd) {
    Window& w = Get(hwnd);
    if (!w.parent) return {hwnd};
    const auto& siblings = Get(w.parent).children;
    auto self = std::find(siblings.begin(), siblings.end(), hwnd);
    auto start = self;
    while (start != siblings.begin() && !(Get(*start).style & WS_GROUP)) --start;
    std::vector<HWND> group{*start};
    for (auto it = start + 1; it != siblings.end() && !(Get(*it).style & WS_GROUP); ++it) group.push_back(*it);
    return group;
}

void SetCheck(HWND hwnd, UINT check) {
    auto& s = StateOf<ButtonState>(hwnd);
    if (s.check == check) return;
    s.check = check;
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Click(HWND hwnd) {
    DWORD kind = Kind(hwnd);
    if (kind == BS_AUTORADIOBUTTON) {
        for (HWND other : GroupOf(hwnd))
            if (other != hwnd && Kind(other) == BS_AUTORADIOBUTTON) SetCheck(other, BST_UNCHECKED);
        SetCheck(hwnd, BST_CHECKED);
    } else if (kind == BS_AUTOCHECKBOX) {
        SetCheck(hwnd, StateOf<ButtonState>(hwnd).check ? BST_UNCHECKED : BST_CHECKED);
    }
    NotifyParent(hwnd, BN_CLICKED);
}

void DrawRadioMark(HDC hdc, int x, int y, bool checked) {
    // A 12-pixel ring, white inside, with a dot when checked.
    for (int row = 0; row < 12; ++row)
        for (int col = 0; col < 12; ++col) {
            double dx = col - 5.5, dy = row - 5.5, d2 = dx * dx + dy * dy;
            if (d2 > 36.0) continue;
            bool ink = d2 >= 20.25 || (checked && d2 <= 7.5);
            FillSolid(hdc, RECT{x + col, y + row, x + col + 1, y + row + 1}, ink ? RGB(0, 0, 0) : RGB(255, 255, 255));
        }
}

void DrawCheckMark(HDC hdc, int x, int y, bool checked) {
    RECT box{x, y, x + 12, y + 12};
    FillSolid(hdc, box, RGB(255, 255, 255));
    FrameSolid(hdc, box, RGB(0, 0, 0));
    if (!checked) return;
    for (int i = 0; i < 3; ++i) DrawLine(hdc, x + 3, y + 5 + i, x + 5, y + 7 + i, RGB(0, 0, 0));
    for (int i = 0; i < 3; ++i) DrawLine(hdc, x + 5, y + 7 + i, x + 9, y + 3 + i, RGB(0, 0, 0));
}

void DrawFocusDots(HDC hdc, const RECT& r) {
    for (int x = r.left; x < r.right; x += 2) {
        FillSolid(hdc, RECT{x, r.top, x + 1, r.top + 1}, RGB(0, 0, 0));
        FillSolid(hdc, RECT{x, r.bottom - 1, x + 1, r.bottom}, RGB(0, 0, 0));
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        FillSolid(hdc, RECT{r.left, y, r.left + 1, y + 1}, RGB(0, 0, 0));
        FillSolid(hdc, RECT{r.right - 1, y, r.right, y + 1}, RGB(0, 0, 0));
    }
}

// The desktop's push button: grey and raised, pressed in while held, with a black rim when
// it is the default and dots around its text when it has the focus.
void PaintDesktopPushButton(HWND hwnd, HDC hdc, const RECT& client) {
    const Window& w = Get(hwnd);
    bool pushed = StateOf<ButtonState>(hwnd).pushed, enabled = !(w.style & WS_DISABLED);
    FillSolid(hdc, client, GetSysColor(COLOR_BTNFACE));
    RECT edge = client;
    if (Kind(hwnd) == BS_DEFPUSHBUTTON) {
        FrameSolid(hdc, edge, RGB(0, 0, 0));
        InflateRect(&edge, -1, -1);
    }
    if (pushed) FrameSolid(hdc, edge, RGB(128, 128, 128));
    else DrawBevel(hdc, edge, Bevel::Button);
    RECT text = client;
    if (pushed) OffsetRect(&text, 1, 1);
    SetBkMode(hdc, TRANSPARENT);
    if (!enabled) {
        RECT emboss = text;
        OffsetRect(&emboss, 1, 1);
        SetTextColor(hdc, RGB(255, 255, 255));
        DrawTextW(hdc, w.text.c_str(), -1, &emboss, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SetTextColor(hdc, enabled ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(hdc, w.text.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (GetFocus() == hwnd) {
        RECT dots = client;
        InflateRect(&dots, -4, -4);
        DrawFocusDots(hdc, dots);
    }
}

void Paint(HWND hwnd) {
    PaintScope paint(hwnd);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    Window& w = Get(hwnd);
    auto& s = StateOf<ButtonState>(hwnd);
    DWORD kind = Kind(hwnd);
    bool enabled = !(w.style & WS_DISABLED);
    HGDIOBJ oldFont = SelectObject(hdc, ControlFont(hwnd));
    if (IsRadio(kind) || IsCheckBox(kind)) {
        PrepareColours(hwnd, hdc, WM_CTLCOLORSTATIC, client);
        int markY = (client.bottom - 12) / 2;
        if (IsRadio(kind)) DrawRadioMark(hdc, 0, markY, s.check == BST_CHECKED);
        else DrawCheckMark(hdc, 0, markY, s.check == BST_CHECKED);
        RECT text{16, 0, client.right, client.bottom};
        if (!enabled) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(hdc, w.text.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    } else if (IsDesktop()) {
        PaintDesktopPushButton(hwnd, hdc, client);
    } else {
        PrepareColours(hwnd, hdc, WM_CTLCOLORBTN, client);
        COLORREF face = s.pushed ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNFACE);
        COLORREF ink = s.pushed ? RGB(255, 255, 255) : enabled ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_GRAYTEXT);
        FillSolid(hdc, client, face);
        FrameSolid(hdc, client, RGB(0, 0, 0));
        if (kind == BS_DEFPUSHBUTTON) {
            RECT inner = client;
            InflateRect(&inner, -1, -1);
            FrameSolid(hdc, inner, RGB(0, 0, 0));
        }
        SetTextColor(hdc, ink);
        SetBkColor(hdc, face);
        RECT text = client;
        DrawTextW(hdc, w.text.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(hdc, oldFont);
}

bool Inside(HWND hwnd, LPARAM lParam) {
    RECT client;
    GetClientRect(hwnd, &client);
    return PtInRect(&client, POINT{short(LOWORD(lParam)), short(HIWORD(lParam))});
}

void SetPushed(HWND hwnd, bool pushed) {
    auto& s = StateOf<ButtonState>(hwnd);
    if (s.pushed == pushed) return;
    s.pushed = pushed;
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    bool handled;
    LRESULT fontResult = HandleFontMessages(hwnd, msg, wParam, lParam, handled);
    if (handled) return fontResult;
    auto& s = StateOf<ButtonState>(hwnd);
    switch (msg) {
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        s.tracking = true;
        SetPushed(hwnd, true);
        return 0;
    case WM_MOUSEMOVE:
        if (s.tracking) SetPushed(hwnd, Inside(hwnd, lParam));
        return 0;
    case WM_LBUTTONUP: {
        bool click = s.tracking && Inside(hwnd, lParam);
        s.tracking = false;
        SetPushed(hwnd, false);
        if (click) Click(hwnd);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) SetPushed(hwnd, true);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && s.pushed) {
            SetPushed(hwnd, false);
            Click(hwnd);
        }
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // Only the desktop's buttons show where the focus is.
        if (IsDesktop()) InvalidateRect(hwnd, nullptr, FALSE);
        if (Get(hwnd).style & BS_NOTIFY) NotifyParent(hwnd, msg == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
        return 0;
    case BM_GETCHECK:
        return s.check;
    case BM_SETCHECK:
        if (IsRadio(Kind(hwnd)) || IsCheckBox(Kind(hwnd))) SetCheck(hwnd, UINT(wParam));
        return 0;
    case BM_GETSTATE:
        return s.check | (s.pushed ? BST_PUSHED : 0) | (GetFocus() == hwnd ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(hwnd, wParam != 0);
        return 0;
    case BM_CLICK:
        Click(hwnd);
        return 0;
    case BM_SETSTYLE:
        Get(hwnd).style = (Get(hwnd).style & ~DWORD(BS_TYPEMASK)) | (DWORD(wParam) & BS_TYPEMASK);
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterButtonClass() { RegisterSystemClass(u"Button", ButtonProc, nullptr); }

}  // namespace platform
