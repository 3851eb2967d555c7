// Tabbed screens: a screen whose body is a tab control, and the pages laid under its
// tabs. Exactly one page shows at a time; CurrentPage remembers which, so the screen
// comes back on the tab where the user left it.
#include <windows.h>
#include <aygshell.h>
#include <commctrl.h>

#include "resources/resource.h"
#include "shell/shell.h"

namespace {

void AddTabs(HWND screen, const LPCWSTR* tabTexts, int count) {
    for (int i = 0; i < count; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPWSTR>(tabTexts[i]);
        SendDlgItemMessageW(screen, IDC_TABS, TCM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
}

void SelectTabPage(TabbedScreen& record, HWND tabControl, bool lowerInputPanel) {
    ShowWindow(record.CurrentPage, SW_HIDE);
    LRESULT selected = SendMessageW(tabControl, TCM_GETCURSEL, 0, 0);
    if (selected >= 0 && selected < record.PageCount) record.CurrentPage = record.Pages[selected];
    ShowWindow(record.CurrentPage, SW_SHOW);
    SetWindowPos(record.CurrentPage, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (lowerInputPanel) SHSipPreference(record.Screen, SIP_DOWN);
}

}  // namespace

INT_PTR TabbedScreenMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, const TabbedScreenTraits& traits) {
    switch (msg) {
    case WM_INITDIALOG:
        InitialiseScreen(dlg, traits.flags);
        AddTabs(dlg, traits.tabTexts, traits.tabCount);
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TCN_SELCHANGE) SelectTabPage(*traits.record, header->hwndFrom, traits.lowersInputPanelOnTabChange);
        return 0;
    }
    default:
        return CommonScreenMessage(dlg, msg, wParam, lParam, traits.flags);
    }
}

INT_PTR PageMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Pages have no title and leave every colour to the platform.
    if (msg == WM_CTLCOLORSTATIC) return DefaultScreenAnswer(msg, wParam, lParam);
    return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsPage);
}
