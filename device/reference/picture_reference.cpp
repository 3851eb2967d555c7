// What the two picture references share: a combo box of names filled once, and a
// picture that changes when a name is chosen. Typing into the combo box's text field
// changes nothing, and the input panel is never asked for.
#include "reference/picture_tables.h"
#include "resources/resource.h"
#include "shell/shell.h"

INT_PTR PictureScreenMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, const PictureScreen& screen) {
    if (msg == WM_INITDIALOG) {
        InitialiseScreen(dlg, kFlagsDone);
        for (int i = 0; i < screen.count; ++i)
            SendDlgItemMessageW(dlg, screen.comboId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(screen.name(i)));
        return TRUE;
    }
    if (msg == WM_COMMAND && LOWORD(wParam) == screen.comboId && HIWORD(wParam) == CBN_SELCHANGE) {
        LRESULT position = SendDlgItemMessageW(dlg, screen.comboId, CB_GETCURSEL, 0, 0);
        if (position >= 0 && position < screen.count) screen.show(dlg, int(position));
        return TRUE;
    }
    return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsDone);
}
