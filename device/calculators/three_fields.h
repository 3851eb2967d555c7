// The calculators with three fields of which any two give the third: the fields in the
// order they are checked, and for each field the formula that computes it from the
// other two, exactly as it is evaluated.
#pragma once

#include <windows.h>

#include "entry/entry.h"

struct ThreeFieldCalculator {
    const FieldCheck* fields;  // three
    double (*compute[3])(const double (&v)[3]);
};

// Reads and checks the fields, finds the one empty field (two and only two known) and
// writes its value. False when a message stopped it and nothing was written.
bool CalculateThreeFields(HWND screen, const ThreeFieldCalculator& calculator);

// The handling a three-field screen or page adds to the common rules: its fields limited
// to 8 characters, the input panel raised when one gains the focus, Calculate and Clear.
// `common` is the screen's or page's own common handling.
INT_PTR ThreeFieldMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, const ThreeFieldCalculator& calculator,
                          INT_PTR (*common)(HWND, UINT, WPARAM, LPARAM));
void LimitThreeFields(HWND dlg, const ThreeFieldCalculator& calculator);
