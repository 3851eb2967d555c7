#include "entry/entry.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace {

constexpr LPCWSTR kInputErrorCaption = TEXT("Input Error");
constexpr LPCWSTR kProblemWith = TEXT("There is a problem with the ");
constexpr LPCWSTR kInvalidCharacters =
    TEXT(" you entered.\n\nPlease check to be sure you only used the characters 0-9 and no more than one decimal point.");
constexpr LPCWSTR kZeroRefused = TEXT(" you entered.\n\nYou cannot enter zero in this field.");

// Builds "There is a problem with the <quantity><ending>".
void ComposeMessage(LPCWSTR quantity, LPCWSTR ending, WCHAR (&out)[256]) {
    int n = 0;
    for (LPCWSTR part : {kProblemWith, quantity, ending})
        for (int i = 0; part[i] && n < 255; ++i) out[n++] = part[i];
    out[n] = 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the decimal number the text begins with: blanks, a sign, digits with at
// most one point, and an exponent where digits follow its e. The standard conversion
// alone would also read hexadecimal, inf and nan.
int DecimalNumberLength(const char* text) {
    int i = 0, digits = 0;
    while (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')) ++i;
    if (text[i] == '+' || text[i] == '-') ++i;
    for (; IsDigit(text[i]); ++i) ++digits;
    if (text[i] == '.')
        for (++i; IsDigit(text[i]); ++i) ++digits;
    if (digits == 0) return 0;
    int end = i;
    if (text[end] == 'e' || text[end] == 'E') {
        ++end;
        if (text[end] == '+' || text[end] == '-') ++end;
        if (IsDigit(text[end])) {
            while (IsDigit(text[end])) ++end;
            i = end;
        }
    }
    return i;
}

}  // namespace

bool IsValidNumberText(LPCWSTR text) {
    int points = 0;
    for (int i = 0; text[i]; ++i) {
        if (text[i] == TEXT('.')) ++points;
        else if (text[i] < TEXT('0') || text[i] > TEXT('9')) return false;
    }
    return points <= 1;
}

bool IsZeroText(LPCWSTR text) { return text[0] == TEXT('0') && text[1] == 0; }

bool IsKnown(LPCWSTR text) { return text[0] != 0; }

double ConvertNumber(LPCWSTR text) {
    char ascii[kFieldTextSize] = {0};
    // A character beyond ASCII ends the number; cut to 8 bits it could pass for a digit.
    for (int i = 0; i < kFieldTextSize - 1 && text[i]; ++i) ascii[i] = text[i] < 0x80 ? char(text[i]) : '?';
    ascii[DecimalNumberLength(ascii)] = 0;
    return std::strtod(ascii, nullptr);
}

void FormatResult(double value, WCHAR (&out)[kResultTextSize]) {
    char ascii[kResultTextSize];
    if (std::isnan(value)) std::snprintf(ascii, sizeof ascii, "nan");
    else std::snprintf(ascii, sizeof ascii, "%.6f", value);
    int i = 0;
    for (; ascii[i]; ++i) out[i] = WCHAR(ascii[i]);
    out[i] = 0;
}

void WriteResult(HWND screen, int fieldId, double value) {
    WCHAR text[kResultTextSize];
    FormatResult(value, text);
    SetDlgItemTextW(screen, fieldId, text);
}

void ReadField(HWND screen, int fieldId, FieldText& text) { GetDlgItemTextW(screen, fieldId, text, kFieldTextSize); }

void ClearFields(HWND screen, const int* fieldIds, int count) {
    for (int i = 0; i < count; ++i) SetDlgItemTextW(screen, fieldIds[i], TEXT(""));
}

void LimitFields(HWND screen, const int* fieldIds, int count, int limit) {
    for (int i = 0; i < count; ++i) SendDlgItemMessageW(screen, fieldIds[i], EM_LIMITTEXT, WPARAM(limit), 0);
}

void ReportInputError(HWND screen, int fieldId, LPCWSTR message) {
    MessageBoxW(screen, message, kInputErrorCaption, MB_OK);
    SetFocus(GetDlgItem(screen, fieldId));
}

bool CheckFields(HWND screen, const FieldCheck* fields, int count, const FieldText* texts) {
    WCHAR message[256];
    for (int i = 0; i < count; ++i) {
        LPCWSTR ending = nullptr;
        if (!IsValidNumberText(texts[i])) ending = kInvalidCharacters;
        else if (fields[i].refusesZero && IsZeroText(texts[i])) ending = kZeroRefused;
        if (!ending) continue;
        ComposeMessage(fields[i].quantity, ending, message);
        ReportInputError(screen, fields[i].id, message);
        return false;
    }
    return true;
}

void ReportWrongKnownValues(HWND screen) {
    MessageBoxW(screen, TEXT("You must enter two and only two known values"), TEXT("Error"), MB_OK);
}

int SolveTwoOfThree(HWND screen, const FieldText (&texts)[3]) {
    int empty = -1, known = 0;
    for (int i = 0; i < 3; ++i) {
        if (IsKnown(texts[i])) ++known;
        else empty = i;
    }
    if (known == 2) return empty;
    ReportWrongKnownValues(screen);
    return -1;
}
