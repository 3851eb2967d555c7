// DC Ohm's law: any two of current, voltage, resistance and power give the other two.
#include <cmath>

#include "calculators/calculators.h"
#include "entry/entry.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

enum Quantity { I, E, R, P };

const int kFields[] = {IDC_CURRENT, IDC_VOLTAGE, IDC_RESISTANCE, IDC_POWER};

// Checked in this order; none of the four may be the text 0.
const FieldCheck kChecks[] = {
    {IDC_CURRENT, TEXT("Current"), true},
    {IDC_VOLTAGE, TEXT("Voltage"), true},
    {IDC_RESISTANCE, TEXT("Resistance"), true},
    {IDC_POWER, TEXT("Power"), true},
};

// Which two values are known, the two computed in the order they are written, and the
// formulas exactly as they are evaluated.
struct OhmsLawCase {
    Quantity known[2];
    Quantity results[2];
    void (*solve)(double (&v)[4]);
};

const OhmsLawCase kCases[] = {
    {{I, E}, {P, R}, [](double (&v)[4]) { v[P] = v[I] * v[E]; v[R] = v[E] / v[I]; }},
    {{E, P}, {I, R}, [](double (&v)[4]) { v[I] = v[P] / v[E]; v[R] = (v[E] * v[E]) / v[P]; }},
    {{E, R}, {I, P}, [](double (&v)[4]) {
         double reciprocal = 1 / v[R];
         v[I] = reciprocal * v[E];
         v[P] = (v[E] * v[E]) * reciprocal;
     }},
    {{I, P}, {E, R}, [](double (&v)[4]) { v[E] = v[P] / v[I]; v[R] = v[P] / (v[I] * v[I]); }},
    {{I, R}, {E, P}, [](double (&v)[4]) { v[E] = v[R] * v[I]; v[P] = (v[I] * v[I]) * v[R]; }},
    {{R, P}, {E, I}, [](double (&v)[4]) { v[E] = std::sqrt(v[R] * v[P]); v[I] = std::sqrt(v[P] / v[R]); }},
};

const OhmsLawCase* CaseFor(const FieldText (&texts)[4]) {
    int known = 0;
    for (const FieldText& t : texts) known += IsKnown(t) ? 1 : 0;
    if (known != 2) return nullptr;
    for (const OhmsLawCase& c : kCases)
        if (IsKnown(texts[c.known[0]]) && IsKnown(texts[c.known[1]])) return &c;
    return nullptr;
}

void Calculate(HWND dlg) {
    FieldText texts[4];
    for (int q = I; q <= P; ++q) ReadField(dlg, kFields[q], texts[q]);
    if (!CheckFields(dlg, kChecks, 4, texts)) return;
    const OhmsLawCase* c = CaseFor(texts);
    if (!c) {
        ReportWrongKnownValues(dlg);
        return;
    }
    double values[4] = {0, 0, 0, 0};
    for (Quantity q : c->known) values[q] = ConvertNumber(texts[q]);
    c->solve(values);
    for (Quantity q : c->results) WriteResult(dlg, kFields[q], values[q]);
}

}  // namespace

INT_PTR CALLBACK OhmsLawProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        InitialiseScreen(dlg, kFlagsDone);
        LimitFields(dlg, kFields, 4, 8);
        return TRUE;
    case WM_COMMAND:
        RaiseInputPanelOnFieldFocus(wParam);
        if (LOWORD(wParam) == IDC_CALCULATE) {
            Calculate(dlg);
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_CLEAR) {
            ClearFields(dlg, kFields, 4);
            return TRUE;
        }
        break;
    }
    return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsDone);
}
