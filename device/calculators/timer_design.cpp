// The 555 timer designer: the monostable and astable circuits, one per tab. Neither page
// limits what may be typed, so small capacitances fit in farads.
#include <windows.h>
#include <aygshell.h>

#include "calculators/calculators.h"
#include "entry/entry.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

// 1 / 1.1 as the nearest double: the monostable multiplies by it rather than divide.
constexpr double kPulseFactor = 1.1;
constexpr double kPulseReciprocal = 0.9090909090909091;
constexpr double kAstableFactor = 0.693;

enum Monostable { Ra, C, T };
const int kMonostableFields[] = {IDC_RA, IDC_CAPACITANCE, IDC_PULSE_TIME};
// Only Ra is checked: C and T are read by the plain conversion, so 1e-4 is 0.0001 there.
const FieldCheck kRaCheck{IDC_RA, TEXT("Ra value"), true};

void CalculateMonostable(HWND page) {
    FieldText texts[3];
    for (int f = Ra; f <= T; ++f) ReadField(page, kMonostableFields[f], texts[f]);
    if (!CheckFields(page, &kRaCheck, 1, texts)) return;
    int missing = SolveTwoOfThree(page, texts);
    if (missing < 0) return;
    double ra = ConvertNumber(texts[Ra]), c = ConvertNumber(texts[C]), t = ConvertNumber(texts[T]);
    double result = missing == T ? (c * ra) * kPulseFactor
                  : missing == C ? (t / ra) * kPulseReciprocal
                                 : (t / c) * kPulseReciprocal;
    WriteResult(page, kMonostableFields[missing], result);
}

const int kAstableInputs[] = {IDC_R1, IDC_R2, IDC_CAPACITANCE};
const int kAstableResults[] = {IDC_HIGH_TIME, IDC_LOW_TIME, IDC_FREQUENCY};
// The results are not checked: they are the page's own output, which the user cannot
// correct, and an infinite F would otherwise block every later calculation until Clear
// threw away the user's resistors and capacitor too.
const FieldCheck kAstableChecks[] = {
    {IDC_R1, TEXT("R1 value"), true},
    {IDC_R2, TEXT("R2 value"), true},
    {IDC_CAPACITANCE, TEXT("C value"), true},
};

// No input needs to be filled in: an empty one counts as 0.
void CalculateAstable(HWND page) {
    FieldText texts[3];
    for (int i = 0; i < 3; ++i) ReadField(page, kAstableInputs[i], texts[i]);
    if (!CheckFields(page, kAstableChecks, 3, texts)) return;
    double r1 = ConvertNumber(texts[0]), r2 = ConvertNumber(texts[1]), c = ConvertNumber(texts[2]);
    double high = ((r2 + r1) * c) * kAstableFactor;
    double low = (c * r2) * kAstableFactor;
    WriteResult(page, IDC_HIGH_TIME, high);
    WriteResult(page, IDC_LOW_TIME, low);
    WriteResult(page, IDC_FREQUENCY, 1 / (low + high));
    SHSipPreference(MainWindow, SIP_DOWN);
}

const LPCWSTR kTabs[] = {TEXT("Monostable"), TEXT("Astable")};
const TabbedScreenTraits kTraits{&TimerDesign, kTabs, 2, kFlagsDone, false};

}  // namespace

INT_PTR CALLBACK TimerDesignProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return TabbedScreenMessage(dlg, msg, wParam, lParam, kTraits);
}

INT_PTR CALLBACK MonostablePageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
        RaiseInputPanelOnFieldFocus(wParam);
        switch (LOWORD(wParam)) {
        case IDC_CALCULATE: CalculateMonostable(dlg); return TRUE;
        case IDC_CLEAR: ClearFields(dlg, kMonostableFields, 3); return TRUE;
        }
    }
    return PageMessage(dlg, msg, wParam, lParam);
}

INT_PTR CALLBACK AstablePageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        PageMessage(dlg, msg, wParam, lParam);
        for (int id : kAstableResults) SendDlgItemMessageW(dlg, id, EM_SETREADONLY, TRUE, 0);
        return TRUE;
    case WM_COMMAND:
        RaiseInputPanelOnFieldFocus(wParam);
        switch (LOWORD(wParam)) {
        case IDC_CALCULATE: CalculateAstable(dlg); return TRUE;
        case IDC_CLEAR:
            ClearFields(dlg, kAstableInputs, 3);
            ClearFields(dlg, kAstableResults, 3);
            return TRUE;
        }
        break;
    }
    return PageMessage(dlg, msg, wParam, lParam);
}
