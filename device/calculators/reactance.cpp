// Reactance: inductive and capacitive reactance on two tab pages; any two of frequency,
// inductance (or capacitance) and reactance give the third.
#include "calculators/calculators.h"
#include "calculators/three_fields.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

// 2 pi with pi taken as 3.1415926536.
constexpr double TwoPi = 6.2831853072;

enum { F, M, X };

const FieldCheck kInductiveFields[] = {
    {IDC_FREQUENCY, TEXT("Frequency"), false}, {IDC_INDUCTANCE, TEXT("Inductance"), false}, {IDC_REACTANCE, TEXT("Reactance"), false}};
const FieldCheck kCapacitiveFields[] = {
    {IDC_FREQUENCY, TEXT("Frequency"), false}, {IDC_CAPACITANCE, TEXT("Capacitance"), false}, {IDC_REACTANCE, TEXT("Reactance"), false}};

const ThreeFieldCalculator kInductive = {
    kInductiveFields,
    {[](const double (&v)[3]) { return v[X] / (TwoPi * v[M]); },
     [](const double (&v)[3]) { return v[X] / (TwoPi * v[F]); },
     [](const double (&v)[3]) { return (v[M] * v[F]) * TwoPi; }},
};

const ThreeFieldCalculator kCapacitive = {
    kCapacitiveFields,
    {[](const double (&v)[3]) { return 1 / ((v[X] * v[M]) * TwoPi); },
     [](const double (&v)[3]) { return 1 / ((v[X] * v[F]) * TwoPi); },
     [](const double (&v)[3]) { return 1 / ((v[M] * v[F]) * TwoPi); }},
};

const LPCWSTR kTabs[] = {TEXT("Inductive"), TEXT("Capacitive")};
const TabbedScreenTraits kTraits{&Reactance, kTabs, 2, kFlagsDone, false};

}  // namespace

INT_PTR CALLBACK ReactanceProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return TabbedScreenMessage(dlg, msg, wParam, lParam, kTraits);
}

INT_PTR CALLBACK InductivePageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ThreeFieldMessage(dlg, msg, wParam, lParam, kInductive, PageMessage);
}

INT_PTR CALLBACK CapacitivePageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ThreeFieldMessage(dlg, msg, wParam, lParam, kCapacitive, PageMessage);
}
