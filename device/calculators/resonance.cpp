// Resonance: any two of inductance, capacitance and resonant frequency give the third.
#include <cmath>

#include "calculators/calculators.h"
#include "calculators/three_fields.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

// 2 pi with pi taken as 3.1415926536, and the double-precision square of that.
constexpr double TwoPi = 6.2831853072;
constexpr double FourPiSquared = 39.47841760461396;

enum { L, C, F };

// ResonanceCase: the one empty field decides which formula runs.
const FieldCheck kFields[] = {
    {IDC_INDUCTANCE, TEXT("Inductance"), false}, {IDC_CAPACITANCE, TEXT("Capacitance"), false}, {IDC_FREQUENCY, TEXT("Frequency"), false}};

const ThreeFieldCalculator kResonance = {
    kFields,
    {[](const double (&v)[3]) { return 1 / (((v[F] * v[F]) * FourPiSquared) * v[C]); },
     [](const double (&v)[3]) { return 1 / (((v[F] * v[F]) * FourPiSquared) * v[L]); },
     [](const double (&v)[3]) { return 1 / (std::sqrt(v[C] * v[L]) * TwoPi); }},
};

}  // namespace

INT_PTR CALLBACK ResonanceProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ThreeFieldMessage(dlg, msg, wParam, lParam, kResonance, DoneScreenProc);
}
