// Impedance: resistance, reactance and impedance of a series or parallel connection;
// any two give the third.
#include <cmath>

#include "calculators/calculators.h"
#include "calculators/three_fields.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

enum { R, X, Z };

const FieldCheck kFields[] = {
    {IDC_RESISTANCE, TEXT("Resistance"), false}, {IDC_REACTANCE, TEXT("Reactance"), false}, {IDC_IMPEDANCE, TEXT("Impedance"), false}};

// Z squared is R squared plus X squared.
const ThreeFieldCalculator kSeries = {
    kFields,
    {[](const double (&v)[3]) { return std::sqrt(v[Z] * v[Z] - v[X] * v[X]); },
     [](const double (&v)[3]) { return std::sqrt(v[Z] * v[Z] - v[R] * v[R]); },
     [](const double (&v)[3]) { return std::sqrt(v[X] * v[X] + v[R] * v[R]); }},
};

// One over Z squared is one over R squared plus one over X squared.
const ThreeFieldCalculator kParallel = {
    kFields,
    {[](const double (&v)[3]) { return (v[Z] / std::sqrt(v[X] * v[X] - v[Z] * v[Z])) * v[X]; },
     [](const double (&v)[3]) { return (v[Z] / std::sqrt(v[R] * v[R] - v[Z] * v[Z])) * v[R]; },
     [](const double (&v)[3]) { return (v[X] * v[R]) / std::sqrt(v[X] * v[X] + v[R] * v[R]); }},
};

// The screen starts in series mode: Serial is checked before the fields are limited.
INT_PTR ImpedanceCommon(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    INT_PTR answer = DoneScreenProc(dlg, msg, wParam, lParam);
    if (msg == WM_INITDIALOG) CheckDlgButton(dlg, IDC_SERIAL, BST_CHECKED);
    return answer;
}

// ConnectionMode: series when Serial reports checked, parallel in every other case.
const ThreeFieldCalculator& ForConnectionMode(HWND dlg) {
    return IsDlgButtonChecked(dlg, IDC_SERIAL) == BST_CHECKED ? kSeries : kParallel;
}

}  // namespace

INT_PTR CALLBACK ImpedanceProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && LOWORD(wParam) == IDC_CALCULATE) {
        CalculateThreeFields(dlg, ForConnectionMode(dlg));
        return TRUE;
    }
    return ThreeFieldMessage(dlg, msg, wParam, lParam, kSeries, ImpedanceCommon);
}
