// The 7400-series chip reference: part selection, pinout and function table, one per
// tab. A change of tab lowers the input panel, in this screen's own name.
#include "reference/reference.h"
#include "shell/shell.h"

namespace {

const LPCWSTR kTabs[] = {u"Part Selection", u"Pinout", u"Function Table"};
const TabbedScreenTraits kTraits{&ChipReference, kTabs, 3, kFlagsDoneSipDown, true};

}  // namespace

INT_PTR CALLBACK ChipReferenceProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return TabbedScreenMessage(dlg, msg, wParam, lParam, kTraits);
}
