// The resistor colour code: four bands, each chosen from its list or stepped on by a tap
// on its picture, decoded into the nominal value and the range the tolerance allows.
// Nothing is typed, so there is nothing to refuse.
#include <cstdio>

#include "calculators/calculators.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

enum Band { Band1, Band2, Multiplier, Tolerance, BandCount };

// What a colour code means on each band, numbered from 1. The names are what a band
// update writes into its box; the lists spell the eighth colour "Gray" instead.
struct BandColour {
    WCHAR name[10];
    WORD bitmap;
    double multiplier;        // band 3; codes 1 to 12
    double tolerance;         // band 4; codes 11 to 13, 0 elsewhere
    WCHAR toleranceText[5];   // ends the value line
};

const BandColour kBandColours[] = {
    {TEXT("Black"), IDB_BAND_BLACK, 1, 0, TEXT("")},
    {TEXT("Brown"), IDB_BAND_BROWN, 10, 0, TEXT("")},
    {TEXT("Red"), IDB_BAND_RED, 100, 0, TEXT("")},
    {TEXT("Orange"), IDB_BAND_ORANGE, 1000, 0, TEXT("")},
    {TEXT("Yellow"), IDB_BAND_YELLOW, 10000, 0, TEXT("")},
    {TEXT("Green"), IDB_BAND_GREEN, 100000, 0, TEXT("")},
    {TEXT("Blue"), IDB_BAND_BLUE, 1000000, 0, TEXT("")},
    {TEXT("Violet"), IDB_BAND_VIOLET, 10000000, 0, TEXT("")},
    {TEXT("Grey"), IDB_BAND_GREY, 100000000, 0, TEXT("")},
    {TEXT("White"), IDB_BAND_WHITE, 1000000000, 0, TEXT("")},
    {TEXT("Gold"), IDB_BAND_GOLD, 0.1, 0.05, TEXT("5%)")},
    {TEXT("Silver"), IDB_BAND_SILVER, 0.01, 0.1, TEXT("10%)")},
    {TEXT("None"), IDB_BAND_NONE, 0, 0.2, TEXT("20%)")},
};
const LPCWSTR kDigitItems[] = {TEXT("Black"), TEXT("Brown"), TEXT("Red"),    TEXT("Orange"), TEXT("Yellow"),
                               TEXT("Green"), TEXT("Blue"),  TEXT("Violet"), TEXT("Gray"),   TEXT("White")};
const LPCWSTR kMultiplierItems[] = {TEXT("Black"), TEXT("Brown"),  TEXT("Red"),  TEXT("Orange"), TEXT("Yellow"), TEXT("Green"),
                                    TEXT("Blue"),  TEXT("Violet"), TEXT("Gray"), TEXT("White"),  TEXT("Gold"),   TEXT("Silver")};
const LPCWSTR kToleranceItems[] = {TEXT("Gold"), TEXT("Silver"), TEXT("None")};

// Per band: its picture, its list (always the picture's id + 21), the list's items, and
// the codes it may hold. An item's code is its index + first.
struct BandControls {
    int picture;
    int list;
    const LPCWSTR* items;
    int first, last;
};

const BandControls kBands[BandCount] = {
    {IDC_BAND1_PICTURE, IDC_BAND1_LIST, kDigitItems, 1, 10},
    {IDC_BAND2_PICTURE, IDC_BAND2_LIST, kDigitItems, 1, 10},
    {IDC_MULTIPLIER_PICTURE, IDC_MULTIPLIER_LIST, kMultiplierItems, 1, 12},
    {IDC_TOLERANCE_PICTURE, IDC_TOLERANCE_LIST, kToleranceItems, 11, 13},
};

// The colour code of each band, kept for the whole run, hidden or shown.
int BandState[BandCount] = {1, 1, 1, 11};

int BandOfControl(int id) {
    for (int b = Band1; b < BandCount; ++b)
        if (kBands[b].picture == id || kBands[b].list == id) return b;
    return -1;
}

// Appends ASCII or UTF-16 text to a line of at most 63 characters.
template <typename Char>
void Append(WCHAR (&line)[64], int& n, const Char* text) {
    for (int i = 0; text[i] && n < 63; ++i) line[n++] = WCHAR(text[i]);
    line[n] = 0;
}

void SetBandColour(HWND screen, int pictureId, int listId, int code) {
    const BandColour& colour = kBandColours[code - 1];
    SetPictureBitmap(screen, pictureId, colour.bitmap);
    WCHAR name[10];
    int n = 0;
    for (; colour.name[n] && n < 9; ++n) name[n] = colour.name[n];
    name[n] = 0;
    SetDlgItemTextW(screen, listId, name);
}

void UpdateResistanceText(HWND screen, const int (&codes)[4]) {
    double ohms = double(10 * codes[Band1] + codes[Band2] - 11);
    ohms *= kBandColours[codes[Multiplier] - 1].multiplier;
    const BandColour& tolerance = kBandColours[codes[Tolerance] - 1];
    double spread = ohms * tolerance.tolerance;
    double low = ohms - spread, high = spread + ohms;

    double shown = ohms;
    const char* prefix = " ";
    if (ohms >= 1000000) shown = ohms * 0.000001, prefix = " M";
    else if (ohms >= 1000) shown = ohms * 0.001, prefix = " K";

    char number[16];
    WCHAR line[64];
    int n = 0;
    std::snprintf(number, sizeof number, "%.2f", shown);
    Append(line, n, number);
    Append(line, n, prefix);
    Append(line, n, TEXT("Ohms (\u00B1 "));
    Append(line, n, tolerance.toleranceText);
    SetDlgItemTextW(screen, IDC_VALUE_LINE, line);

    n = 0;
    std::snprintf(number, sizeof number, "%.2f", low);
    Append(line, n, number);
    Append(line, n, " - ");
    std::snprintf(number, sizeof number, "%.2f", high);
    Append(line, n, number);
    SetDlgItemTextW(screen, IDC_RANGE_LINE, line);
}

}  // namespace

INT_PTR CALLBACK ColorCodeProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        InitialiseScreen(dlg, kFlagsDoneSipDown);
        // The pictures keep the template's bitmaps, which match the starting bands.
        for (const BandControls& band : kBands) {
            for (int code = band.first; code <= band.last; ++code)
                SendDlgItemMessageW(dlg, band.list, CB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(band.items[code - band.first]));
            SendDlgItemMessageW(dlg, band.list, CB_SETCURSEL, 0, 0);
        }
        UpdateResistanceText(dlg, BandState);
        return TRUE;
    case WM_COMMAND: {
        int band = BandOfControl(LOWORD(wParam));
        if (band < 0) break;
        const BandControls& controls = kBands[band];
        if (LOWORD(wParam) == controls.list) {
            // Typing into a box and its other notifications change nothing.
            if (HIWORD(wParam) != CBN_SELCHANGE) return TRUE;
            LRESULT item = SendDlgItemMessageW(dlg, controls.list, CB_GETCURSEL, 0, 0);
            if (item < 0) return TRUE;
            BandState[band] = controls.first + int(item);
        } else {
            // A tap steps the band on and wraps; the list's selection stays as it was.
            BandState[band] = BandState[band] == controls.last ? controls.first : BandState[band] + 1;
        }
        SetBandColour(dlg, controls.picture, controls.list, BandState[band]);
        UpdateResistanceText(dlg, BandState);
        return TRUE;
    }
    }
    return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsDoneSipDown);
}
