#include "calculators/three_fields.h"

#include "resources/resource.h"
#include "shell/shell.h"

namespace {

const int* FieldIds(const ThreeFieldCalculator& c, int (&ids)[3]) {
    for (int i = 0; i < 3; ++i) ids[i] = c.fields[i].id;
    return ids;
}

}  // namespace

bool CalculateThreeFields(HWND screen, const ThreeFieldCalculator& calculator) {
    FieldText texts[3];
    for (int i = 0; i < 3; ++i) ReadField(screen, calculator.fields[i].id, texts[i]);
    if (!CheckFields(screen, calculator.fields, 3, texts)) return false;
    int missing = SolveTwoOfThree(screen, texts);
    if (missing < 0) return false;
    double values[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i)
        if (i != missing) values[i] = ConvertNumber(texts[i]);
    WriteResult(screen, calculator.fields[missing].id, calculator.compute[missing](values));
    return true;
}

void LimitThreeFields(HWND dlg, const ThreeFieldCalculator& calculator) {
    int ids[3];
    LimitFields(dlg, FieldIds(calculator, ids), 3, 8);
}

INT_PTR ThreeFieldMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, const ThreeFieldCalculator& calculator,
                          INT_PTR (*common)(HWND, UINT, WPARAM, LPARAM)) {
    if (msg == WM_INITDIALOG) {
        common(dlg, msg, wParam, lParam);
        LimitThreeFields(dlg, calculator);
        return TRUE;
    }
    if (msg == WM_COMMAND) {
        RaiseInputPanelOnFieldFocus(wParam);
        int ids[3];
        switch (LOWORD(wParam)) {
        case IDC_CALCULATE: CalculateThreeFields(dlg, calculator); return TRUE;
        case IDC_CLEAR: ClearFields(dlg, FieldIds(calculator, ids), 3); return TRUE;
        }
    }
    return common(dlg, msg, wParam, lParam);
}
