// The 7400-series chip reference: part selection, pinout and function table, one per
// tab. The chip chosen on the first page fills all three at once. A change of tab lowers
// the input panel, in this screen's own name.
#include <initializer_list>

#include "reference/chip_table.h"
#include "reference/reference.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

const LPCWSTR kTabs[] = {TEXT("Part Selection"), TEXT("Pinout"), TEXT("Function Table")};
const TabbedScreenTraits kTraits{&ChipReference, kTabs, 3, kFlagsDoneSipDown, true};

enum Page { PartSelection, Pinout, FunctionTable };

void ShowChip(int index) {
    const ChipRecord& chip = ChipTable[index];
    SetDlgItemTextW(ChipReference.Pages[PartSelection], IDC_DESCRIPTION, chip.description);
    WCHAR title[kChipTitleSize];
    ChipTitleText(chip, title);
    SetDlgItemTextW(ChipReference.Pages[Pinout], IDC_CHIP_TITLE, title);
    SetDlgItemTextW(ChipReference.Pages[FunctionTable], IDC_CHIP_TITLE, title);
    for (int k = 0; k < 14; ++k) SetDlgItemTextW(ChipReference.Pages[Pinout], IDC_FIRST_PIN + k, chip.pins[k]);
    for (int c = 0; c < 7; ++c) SetDlgItemTextW(ChipReference.Pages[FunctionTable], IDC_FIRST_HEADING + c, chip.header[c]);
    for (int j = 0; j < 56; ++j) SetDlgItemTextW(ChipReference.Pages[FunctionTable], IDC_FIRST_CELL + j, chip.cells[j]);
}

void FillChipList(HWND page) {
    HWND list = GetDlgItem(page, IDC_CHIPS);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, 500, 0);
    WCHAR title[kChipTitleSize];
    for (int i = 0; i < ChipCount; ++i) {
        ChipTitleText(ChipTable[i], title);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title));
    }
}

void ShowSelectedChip(HWND page) {
    LRESULT selected = SendDlgItemMessageW(page, IDC_CHIPS, LB_GETCURSEL, 0, 0);
    if (selected >= 0 && selected < ChipCount) ShowChip(int(selected));
}

}  // namespace

void ChipTitleText(const ChipRecord& chip, WCHAR (&out)[kChipTitleSize]) {
    int n = 0;
    for (LPCWSTR part : {static_cast<LPCWSTR>(chip.number), TEXT(" - "), static_cast<LPCWSTR>(chip.title)})
        for (int i = 0; part[i] && n < kChipTitleSize - 1; ++i) out[n++] = part[i];
    out[n] = 0;
}

INT_PTR CALLBACK ChipReferenceProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return TabbedScreenMessage(dlg, msg, wParam, lParam, kTraits);
}

INT_PTR CALLBACK PartSelectionProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        PageMessage(dlg, msg, wParam, lParam);
        FillChipList(dlg);
        return TRUE;
    case WM_COMMAND:
        // The description is read and scrolled, never typed into: the list keeps the
        // focus and the input panel stays down.
        if (HIWORD(wParam) == EN_SETFOCUS) {
            SetFocus(GetDlgItem(dlg, IDC_CHIPS));
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_CHIPS && HIWORD(wParam) == LBN_SELCHANGE) {
            ShowSelectedChip(dlg);
            return TRUE;
        }
        break;
    }
    return PageMessage(dlg, msg, wParam, lParam);
}
