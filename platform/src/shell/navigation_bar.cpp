// The navigation bar across the top of the screen: the program's title and, for a
// screen that asked for it, the ok button that sends IDOK to that screen.
#include "shell/chrome.h"

namespace platform {
namespace {

constexpr const char16_t* kClass = u"ShellNavigationBar";
constexpr RECT kOkButton{204, 4, 234, 22};

struct NavState : ControlData {
    bool pressed = false;
    HFONT titleFont = nullptr;
};

bool OkShown() {
    HWND screen = ForegroundScreen();
    return screen && (Get(screen).shellDialogFlags & 1);
}

void Paint(HWND hwnd) {
    PaintScope paint(hwnd);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    auto& s = StateOf<NavState>(hwnd);
    if (!s.titleFont) s.titleFont = FontForPointSize(u"Tahoma", 10, FW_BOLD);
    FillSolid(hdc, client, kBarBlue);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(255, 255, 255));
    SelectObject(hdc, s.titleFont);
    HWND screen = ForegroundScreen();
    if (screen) {
        std::u16string title = WindowTextOf(RootOwnerOf(screen));
        RECT r{8, 0, kOkButton.left - 4, client.bottom};
        DrawTextW(hdc, title.c_str(), -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (OkShown()) {
        if (s.pressed) FillSolid(hdc, kOkButton, RGB(255, 255, 255));
        FrameSolid(hdc, kOkButton, RGB(255, 255, 255));
        SetTextColor(hdc, s.pressed ? kBarBlue : RGB(255, 255, 255));
        RECT r = kOkButton;
        DrawTextW(hdc, u"ok", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

bool OnOk(LPARAM lParam) {
    POINT p{short(LOWORD(lParam)), short(HIWORD(lParam))};
    return PtInRect(&kOkButton, p) && OkShown();
}

LRESULT CALLBACK NavProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& s = StateOf<NavState>(hwnd);
    switch (msg) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
        s.pressed = OnOk(lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONUP:
        if (s.pressed && OnOk(lParam)) PostMessageW(ForegroundScreen(), WM_COMMAND, IDOK, 0);
        s.pressed = false;
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterNavigationBarClass() { RegisterSystemClass(kClass, NavProc, nullptr); }

std::optional<POINT> DoneButtonTapPoint() {
    if (!OkShown()) return std::nullopt;
    return POINT{(kOkButton.left + kOkButton.right) / 2, (kOkButton.top + kOkButton.bottom) / 2};
}

// A combo box's dropped list floats above the screen it belongs to: the bar keeps that
// screen's title and ok button while the list is down.
HWND ForegroundScreen() {
    for (HWND h : TopLevelZOrder()) {
        const Window& w = Get(h);
        if (!w.shellChrome && !(w.exStyle & WS_EX_TOPMOST) && (w.style & WS_VISIBLE)) return h;
    }
    return nullptr;
}

void EnsureShell() {
    auto& shell = Shell();
    if (shell.navigationBar) return;
    shell.navigationBar = CreateChrome(kClass, kNavigationBar, nullptr, true);
    shell.inputPanel = CreateChrome(u"ShellInputPanel", kInputPanelArea, nullptr, false);
}

}  // namespace platform
