// Delta-wye transforms: three impedances in delta turned into the equivalent wye, or a wye
// back into a delta. The direction says which side is typed and which is computed; the
// computed side's fields are read-only.
#include <windows.h>
#include <aygshell.h>

#include "calculators/calculators.h"
#include "entry/entry.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

constexpr int kDeltaToWye = 1, kWyeToDelta = 2;
// Kept for the whole run, like the fields' contents; the template starts delta to wye.
int Direction = kDeltaToWye;

// No zero test on either side.
const FieldCheck kDelta[] = {{IDC_ZA, TEXT("Za value"), false}, {IDC_ZB, TEXT("Zb value"), false}, {IDC_ZC, TEXT("Zc value"), false}};
const FieldCheck kWye[] = {{IDC_Z1, TEXT("Z1 value"), false}, {IDC_Z2, TEXT("Z2 value"), false}, {IDC_Z3, TEXT("Z3 value"), false}};

struct DirectionSetting {
    WCHAR buttonText[4];
    const FieldCheck* entered;   // three, checked in this order
    const FieldCheck* computed;  // three, written in this order
    void (*transform)(const double (&in)[3], double (&out)[3]);
};

// Each wye impedance sits at the corner where the two delta impedances of its product meet.
// The sums are grouped as written: another grouping can change the last digit shown.
const DirectionSetting kDirections[] = {
    {TEXT("-->"), kDelta, kWye,
     [](const double (&z)[3], double (&out)[3]) {
         const double za = z[0], zb = z[1], zc = z[2];
         const double s = (zc + zb) + za;
         out[0] = (zc * za) / s;
         out[1] = (zb * za) / s;
         out[2] = (zc * zb) / s;
     }},
    {TEXT("<--"), kWye, kDelta,
     [](const double (&z)[3], double (&out)[3]) {
         const double z1 = z[0], z2 = z[1], z3 = z[2];
         const double p = ((z3 * z2) + (z3 * z1)) + (z2 * z1);
         out[0] = p / z3;
         out[1] = p / z1;
         out[2] = p / z2;
     }},
};

const DirectionSetting& Setting() { return kDirections[Direction == kDeltaToWye ? 0 : 1]; }

void ClearAll(HWND dlg) {
    const int fields[] = {IDC_ZA, IDC_ZB, IDC_ZC, IDC_Z1, IDC_Z2, IDC_Z3};
    ClearFields(dlg, fields, 6);
}

void SetReadOnly(HWND dlg, const FieldCheck* side, bool readOnly) {
    for (int i = 0; i < 3; ++i) SendDlgItemMessageW(dlg, side[i].id, EM_SETREADONLY, readOnly, 0);
}

// Values typed for one side mean nothing on the other, so a change of direction empties both.
void ChangeDirection(HWND dlg) {
    Direction = Direction == kDeltaToWye ? kWyeToDelta : kDeltaToWye;
    const DirectionSetting& d = Setting();
    SetDlgItemTextW(dlg, IDC_DIRECTION, d.buttonText);
    SetReadOnly(dlg, d.computed, true);
    SetReadOnly(dlg, d.entered, false);
    ClearAll(dlg);
}

void Calculate(HWND dlg) {
    const DirectionSetting& d = Setting();
    FieldText texts[3];
    for (int i = 0; i < 3; ++i) ReadField(dlg, d.entered[i].id, texts[i]);
    // Every character is checked before any field is missed: a bad text is the first thing
    // to mend.
    if (!CheckFields(dlg, d.entered, 3, texts)) return;
    for (int i = 0; i < 3; ++i) {
        if (IsKnown(texts[i])) continue;
        ReportInputError(dlg, d.entered[i].id,
                         TEXT("You must enter all three values in order to calculate the transformation."));
        return;
    }
    double in[3], out[3];
    for (int i = 0; i < 3; ++i) in[i] = ConvertNumber(texts[i]);
    d.transform(in, out);
    for (int i = 0; i < 3; ++i) WriteResult(dlg, d.computed[i].id, out[i]);
    SHSipPreference(MainWindow, SIP_DOWN);
}

}  // namespace

INT_PTR CALLBACK DeltaWyeProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
        RaiseInputPanelOnFieldFocus(wParam);
        switch (LOWORD(wParam)) {
        case IDC_DIRECTION: ChangeDirection(dlg); return TRUE;
        case IDC_CLEAR: ClearAll(dlg); return TRUE;
        case IDC_CALCULATE: Calculate(dlg); return TRUE;
        }
    }
    return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsDone);
}
