// The one way a calculator reads, checks, converts and reports on the numbers typed into
// its fields, and the one way it writes a result back.
#pragma once

#include <windows.h>

// A field's text: at most 15 characters are read, the rest of a longer text is ignored.
constexpr int kFieldTextSize = 16;
using FieldText = WCHAR[kFieldTextSize];

// Only digits and at most one point; the empty text (a value to compute) is valid.
bool IsValidNumberText(LPCWSTR text);
// The zero test compares the text: only "0" itself counts, not 00, 0.0 or a lone point.
bool IsZeroText(LPCWSTR text);
bool IsKnown(LPCWSTR text);
double ConvertNumber(LPCWSTR text);

// "%.6f": six decimals, no exponent, no separators. Infinite and undefined results are
// spelled inf, -inf and nan, none of which is a valid number text.
constexpr int kResultTextSize = 330;
void FormatResult(double value, WCHAR (&out)[kResultTextSize]);
void WriteResult(HWND screen, int fieldId, double value);

void ReadField(HWND screen, int fieldId, FieldText& text);
void ClearFields(HWND screen, const int* fieldIds, int count);
void LimitFields(HWND screen, const int* fieldIds, int count, int limit);

// A field as the checks see it: its id, the quantity's name in messages, and whether
// the text 0 is refused.
struct FieldCheck {
    int id;
    LPCWSTR quantity;
    bool refusesZero;
};

// Message box owned by the screen, caption "Input Error"; then the focus goes to the
// field at fault.
void ReportInputError(HWND screen, int fieldId, LPCWSTR message);
// Checks the fields in order, first the characters and then (where asked) the zero
// test; the first failure is reported and the answer is false.
bool CheckFields(HWND screen, const FieldCheck* fields, int count, const FieldText* texts);

// Exactly one of three fields empty: answers its index. Otherwise shows "You must enter
// two and only two known values" (caption "Error") and answers -1.
int SolveTwoOfThree(HWND screen, const FieldText (&texts)[3]);
void ReportWrongKnownValues(HWND screen);
