// The 555 timer designer: the monostable and astable circuits, one per tab.
#include "calculators/calculators.h"
#include "shell/shell.h"

namespace {

const LPCWSTR kTabs[] = {u"Monostable", u"Astable"};
const TabbedScreenTraits kTraits{&TimerDesign, kTabs, 2, kFlagsDone, false};

}  // namespace

INT_PTR CALLBACK TimerDesignProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return TabbedScreenMessage(dlg, msg, wParam, lParam, kTraits);
}
