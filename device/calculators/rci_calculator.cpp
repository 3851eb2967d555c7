// The R/C/I calculator: any number of resistors, capacitors or inductors combined in
// series or in parallel, one kind per tab. Each page keeps its own list of values,
// its mode and its result line for the whole run.
#include <string>

#include "calculators/calculators.h"
#include "entry/entry.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

enum class Combination { Sum, ReciprocalOfSumOfReciprocals };

struct ComponentKind {
    LPCWSTR unit;  // begins with a blank
    Combination serial, parallel;
};

const ComponentKind kResistance{TEXT(" Ohms"), Combination::Sum, Combination::ReciprocalOfSumOfReciprocals};
const ComponentKind kCapacitance{TEXT(" Farads"), Combination::ReciprocalOfSumOfReciprocals, Combination::Sum};
const ComponentKind kInductance{TEXT(" Henrys"), Combination::Sum, Combination::ReciprocalOfSumOfReciprocals};

const FieldCheck kNewValue{IDC_NEW_VALUE, TEXT("value"), false};

void ReadEntry(HWND list, int index, FieldText& text) {
    std::basic_string<WCHAR> entry(size_t(SendMessageW(list, LB_GETTEXTLEN, WPARAM(index), 0)) + 1, TEXT('\0'));
    SendMessageW(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(entry.data()));
    // An entry is read as a field is: its first 15 characters.
    int n = 0;
    for (; n < kFieldTextSize - 1 && entry[size_t(n)]; ++n) text[n] = entry[size_t(n)];
    text[n] = 0;
}

// Every entry counts, however many the list holds, visited in list order.
double Combine(HWND list, Combination how) {
    int count = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
    double total = 0;
    for (int i = 0; i < count; ++i) {
        FieldText text;
        ReadEntry(list, i, text);
        double value = ConvertNumber(text);
        total += how == Combination::Sum ? value : 1 / value;
    }
    return how == Combination::Sum ? total : 1 / total;
}

// Only a value greater than zero is added; an empty text or one that converts to zero
// stays in the field without a word.
void AddValue(HWND page) {
    FieldText text;
    ReadField(page, IDC_NEW_VALUE, text);
    if (CheckFields(page, &kNewValue, 1, &text) && IsKnown(text) && ConvertNumber(text) > 0) {
        SendDlgItemMessageW(page, IDC_COMPONENTS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SetDlgItemTextW(page, IDC_NEW_VALUE, TEXT(""));
    }
    SetFocus(GetDlgItem(page, IDC_NEW_VALUE));
}

void RemoveValue(HWND page) {
    LRESULT selected = SendDlgItemMessageW(page, IDC_COMPONENTS, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) SendDlgItemMessageW(page, IDC_COMPONENTS, LB_DELETESTRING, WPARAM(selected), 0);
}

void ClearPage(HWND page) {
    SetDlgItemTextW(page, IDC_NEW_VALUE, TEXT(""));
    SetDlgItemTextW(page, IDC_COMBINED, TEXT(""));
    SendDlgItemMessageW(page, IDC_COMPONENTS, LB_RESETCONTENT, 0, 0);
}

void Calculate(HWND page, const ComponentKind& kind) {
    HWND list = GetDlgItem(page, IDC_COMPONENTS);
    if (SendMessageW(list, LB_GETCOUNT, 0, 0) < 2) {
        MessageBoxW(page, TEXT("At least two values must be entered to calculate a result."), TEXT("Error"), MB_OK);
        return;
    }
    bool serial = IsDlgButtonChecked(page, IDC_SERIAL) == BST_CHECKED;
    WCHAR number[kResultTextSize];
    FormatResult(Combine(list, serial ? kind.serial : kind.parallel), number);
    SetDlgItemTextW(page, IDC_COMBINED, (std::basic_string<WCHAR>(number) + kind.unit).c_str());
}

INT_PTR ComponentPageMessage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, const ComponentKind& kind) {
    switch (msg) {
    case WM_INITDIALOG: {
        PageMessage(page, msg, wParam, lParam);
        CheckRadioButton(page, IDC_SERIAL, IDC_PARALLEL, IDC_SERIAL);
        const int field = IDC_NEW_VALUE;
        LimitFields(page, &field, 1, 8);
        return TRUE;
    }
    case WM_COMMAND:
        RaiseInputPanelOnFieldFocus(wParam);
        switch (LOWORD(wParam)) {
        case IDC_ADD_VALUE: AddValue(page); return TRUE;
        case IDC_REMOVE_VALUE: RemoveValue(page); return TRUE;
        case IDC_CLEAR: ClearPage(page); return TRUE;
        case IDC_CALCULATE: Calculate(page, kind); return TRUE;
        }
        break;
    }
    return PageMessage(page, msg, wParam, lParam);
}

const LPCWSTR kTabs[] = {TEXT("Resistance"), TEXT("Capacitance"), TEXT("Inductance")};
const TabbedScreenTraits kTraits{&RciCalculator, kTabs, 3, kFlagsDone, false};

}  // namespace

INT_PTR CALLBACK RciCalculatorProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return TabbedScreenMessage(dlg, msg, wParam, lParam, kTraits);
}

INT_PTR CALLBACK ResistancePageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ComponentPageMessage(dlg, msg, wParam, lParam, kResistance);
}

INT_PTR CALLBACK CapacitancePageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ComponentPageMessage(dlg, msg, wParam, lParam, kCapacitance);
}

INT_PTR CALLBACK InductancePageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ComponentPageMessage(dlg, msg, wParam, lParam, kInductance);
}
