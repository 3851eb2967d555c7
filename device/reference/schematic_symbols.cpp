// Schematic symbols: 144 circuit-diagram symbols as pictures over their names. Start-up
// fills the list once, right after creating the screen, stepping its progress bar as it
// goes; the screen itself only shows it, and a tap merely selects.
#include <windows.h>
#include <commctrl.h>

#include "reference/reference.h"
#include "reference/symbol_table.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

constexpr int kIconSize = 37;

void StepStartupProgress() { SendMessageW(StartupProgressBar, PBM_STEPIT, 0, 0); }

void AddSymbol(HWND list, HIMAGELIST images, int k) {
    ImageList_AddIcon(images, LoadIconW(Instance, MAKEINTRESOURCE(SymbolTable[k].icon)));
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = k;
    item.pszText = const_cast<LPWSTR>(SymbolTable[k].name);
    item.cchTextMax = 64;
    item.iImage = k;
    item.lParam = reinterpret_cast<LPARAM>(&SymbolTable[k]);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void FillSymbolList(HWND screen) {
    HWND list = GetDlgItem(screen, IDC_TABLE);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(list, LVM_SETICONSPACING, 0, MAKELONG(68, 96));
    // The image list lives as long as the program.
    HIMAGELIST images = ImageList_Create(kIconSize, kIconSize, ILC_COLOR, 3, 0);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    StepStartupProgress();
    for (int batch = 0; batch < kSymbolBatches; ++batch) {
        for (int k = batch * kSymbolsPerBatch; k < (batch + 1) * kSymbolsPerBatch; ++k) AddSymbol(list, images, k);
        StepStartupProgress();
    }
}

INT_PTR CALLBACK SymbolsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        InitialiseScreen(dlg, kFlagsDoneSipDown);
        SendDlgItemMessageW(dlg, IDC_TABLE, WM_SETFONT, reinterpret_cast<WPARAM>(CreateScreenFont(12, 400)), TRUE);
        return TRUE;
    }
    return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsDoneSipDown);
}
