// The R/C/I calculator: resistors, capacitors or inductors combined, one kind per tab.
#include "calculators/calculators.h"
#include "shell/shell.h"

namespace {

const LPCWSTR kTabs[] = {u"Resistance", u"Capacitance", u"Inductance"};
const TabbedScreenTraits kTraits{&RciCalculator, kTabs, 3, kFlagsDone, false};

}  // namespace

INT_PTR CALLBACK RciCalculatorProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return TabbedScreenMessage(dlg, msg, wParam, lParam, kTraits);
}
