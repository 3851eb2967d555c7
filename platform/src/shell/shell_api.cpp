// The shell functions a program calls: dialog initialisation, the full-screen
// request, the input-panel preference and the settings-change handler.
#include <aygshell.h>

#include "shell/chrome.h"

namespace platform {

ShellState& Shell() {
    static ShellState shell;
    return shell;
}

HWND CreateChrome(const char16_t* cls, const RECT& rect, HWND owner, bool visible) {
    HWND h = CreateWindowExW(WS_EX_TOPMOST, cls, u"", WS_POPUP, rect.left, rect.top, rect.right - rect.left,
                             rect.bottom - rect.top, owner, nullptr, nullptr, nullptr);
    Get(h).shellChrome = true;
    if (visible) ShowWindow(h, SW_SHOWNA);
    return h;
}

bool IsSipUp() { return Shell().sipUp; }

void SetSip(bool up) {
    auto& shell = Shell();
    EnsureShell();
    if (shell.sipUp == up) return;
    shell.sipUp = up;
    if (up) {
        SetWindowPos(shell.inputPanel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ShowWindow(shell.inputPanel, SW_SHOWNA);
    } else {
        ShowWindow(shell.inputPanel, SW_HIDE);
    }
    // Every program window hears that the input panel moved.
    std::vector<HWND> tops;
    for (HWND h : TopLevelZOrder())
        if (!Get(h).shellChrome) tops.push_back(h);
    for (HWND h : tops) SendMessageW(h, WM_SETTINGCHANGE, SPI_SETSIPINFO, 0);
}

void ShellWindowsChanged() {
    // A desktop has no shell; what changes with its windows is which caption is active.
    if (IsDesktop()) {
        for (HWND h : TopLevelZOrder()) Get(h).frameDirty = true;
        return;
    }
    auto& shell = Shell();
    if (shell.changing) return;
    shell.changing = true;
    if (ForegroundScreen()) EnsureShell();
    if (shell.navigationBar) InvalidateRect(shell.navigationBar, nullptr, FALSE);
    shell.changing = false;
}

void ResetShell() { Shell() = ShellState{}; }

void RegisterShellClasses() {
    RegisterNavigationBarClass();
    RegisterMenuBarClass();
    RegisterInputPanelClass();
}

}  // namespace platform

using namespace platform;

BOOL SHInitDialog(SHINITDLGINFO* info) {
    if (!info || !(info->dwMask & SHIDIM_FLAGS) || !IsWindow(info->hDlg)) return FALSE;
    Window& w = Get(info->hDlg);
    w.shellDialogFlags = info->dwFlags;
    if (info->dwFlags & (SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIZEDLG)) {
        RECT area = kWorkArea;
        if (w.parent) GetClientRect(w.parent, &area);
        MoveWindow(info->hDlg, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
    }
    if (info->dwFlags & SHIDIF_SIPDOWN) SetSip(false);
    ShellWindowsChanged();
    return TRUE;
}

BOOL SHSipPreference(HWND hwnd, SIPSTATE state) {
    if (!IsWindow(hwnd)) return FALSE;
    switch (state) {
    case SIP_UP: SetSip(true); return TRUE;
    case SIP_DOWN:
    case SIP_FORCEDOWN: SetSip(false); return TRUE;
    case SIP_UNCHANGED: return TRUE;
    default: return FALSE;
    }
}

BOOL SHFullScreen(HWND hwnd, DWORD state) {
    Window* w = Find(hwnd);
    if (!w || (state & ~DWORD(SHFS_SHOWSIPBUTTON | SHFS_HIDESIPBUTTON))) return FALSE;
    if (state & SHFS_HIDESIPBUTTON) w->hideSipButton = true;
    if (state & SHFS_SHOWSIPBUTTON) w->hideSipButton = false;
    ForEachWindow([](Window& any) {
        if (any.shellChrome) InvalidateRect(any.handle, nullptr, FALSE);
    });
    return TRUE;
}

// A window that fills the work area gives way to the input panel while it is up and
// takes the space back when it goes down.
BOOL SHHandleWMSettingChange(HWND hwnd, WPARAM wParam, LPARAM, SHACTIVATEINFO* info) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    if (wParam != SPI_SETSIPINFO) return TRUE;
    bool up = IsSipUp();
    if (info) info->fSipUp = up ? 1 : 0;
    RECT r = ScreenRect(*w);
    if (r.top > kWorkArea.top || r.bottom < kInputPanelArea.top) return TRUE;
    int bottom = up ? kInputPanelArea.top : kWorkArea.bottom;
    MoveWindow(hwnd, r.left, r.top, r.right - r.left, bottom - r.top, TRUE);
    return TRUE;
}
