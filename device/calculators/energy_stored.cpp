// Energy stored in a capacitor (W = C E squared / 2) or an inductor (W = L I squared / 2),
// on two tab pages; any two of the three values give the third.
#include <cmath>

#include "calculators/calculators.h"
#include "calculators/three_fields.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

// A: capacitance or inductance; B: voltage or current; W: energy.
enum { A, B, W };

double Energy(const double (&v)[3]) { return ((v[B] * v[B]) * v[A]) * 0.5; }
double Storage(const double (&v)[3]) { return (v[W] * 2) / (v[B] * v[B]); }
double Drive(const double (&v)[3]) { return std::sqrt((v[W] * 2) / v[A]); }

const FieldCheck kCapacitorFields[] = {
    {IDC_CAPACITANCE, TEXT("Capacitance"), false}, {IDC_VOLTAGE, TEXT("Voltage"), false}, {IDC_ENERGY, TEXT("Energy"), false}};
const FieldCheck kInductorFields[] = {
    {IDC_INDUCTANCE, TEXT("Inductance"), false}, {IDC_CURRENT, TEXT("Current"), false}, {IDC_ENERGY, TEXT("Energy"), false}};

const ThreeFieldCalculator kCapacitor = {kCapacitorFields, {Storage, Drive, Energy}};
const ThreeFieldCalculator kInductor = {kInductorFields, {Storage, Drive, Energy}};

const LPCWSTR kTabs[] = {TEXT("Capacitor"), TEXT("Inductor")};
const TabbedScreenTraits kTraits{&EnergyStored, kTabs, 2, kFlagsDone, false};

}  // namespace

INT_PTR CALLBACK EnergyStoredProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return TabbedScreenMessage(dlg, msg, wParam, lParam, kTraits);
}

INT_PTR CALLBACK CapacitorPageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ThreeFieldMessage(dlg, msg, wParam, lParam, kCapacitor, PageMessage);
}

INT_PTR CALLBACK InductorPageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ThreeFieldMessage(dlg, msg, wParam, lParam, kInductor, PageMessage);
}
