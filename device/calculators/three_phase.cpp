// Three-phase connections: the primary and secondary line voltages and the turns ratio of
// a transformer bank whose windings are each connected in delta or in wye; any two give
// the third. The connection chosen on each side decides the formulas and the pictures.
#include <windows.h>
#include <aygshell.h>

#include <cmath>
#include <string_view>

#include "calculators/calculators.h"
#include "calculators/three_fields.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

enum { Ep, Es, N };

// Checked in this order; zero is allowed everywhere.
const FieldCheck kFields[] = {{IDC_PRIMARY_VOLTAGE, TEXT("Primary Voltage"), false},
                             {IDC_SECONDARY_VOLTAGE, TEXT("Secondary Voltage"), false},
                             {IDC_TURNS_RATIO, TEXT("Turns Ratio"), false}};

// Line and phase voltages of a wye differ by the square root of three.
const double r3 = std::sqrt(3.0);

// N is secondary over primary turns. The grouping of each formula is part of it: another
// grouping can change the last digit shown.
const ThreeFieldCalculator kLikeConnections = {
    kFields,
    {[](const double (&v)[3]) { return v[Es] / v[N]; },
     [](const double (&v)[3]) { return v[N] * v[Ep]; },
     [](const double (&v)[3]) { return v[Es] / v[Ep]; }},
};
const ThreeFieldCalculator kDeltaToWye = {
    kFields,
    {[](const double (&v)[3]) { return (v[Es] / v[N]) / r3; },
     [](const double (&v)[3]) { return (r3 * v[N]) * v[Ep]; },
     [](const double (&v)[3]) { return (v[Es] / v[Ep]) / r3; }},
};
const ThreeFieldCalculator kWyeToDelta = {
    kFields,
    {[](const double (&v)[3]) { return r3 * (v[Es] / v[N]); },
     [](const double (&v)[3]) { return (v[N] * v[Ep]) / r3; },
     [](const double (&v)[3]) { return r3 * (v[Es] / v[Ep]); }},
};

// The texts of the two lists' items, in the order they are added.
const WCHAR kConnectionNames[2][6] = {TEXT("Delta"), TEXT("Wye")};

struct Connection {
    WCHAR from[6], to[6];
    WORD fromBitmap, toBitmap;
    const ThreeFieldCalculator* formulas;
};

const Connection kConnections[] = {
    {TEXT("Delta"), TEXT("Wye"), IDB_DELTA, IDB_WYE, &kDeltaToWye},
    {TEXT("Delta"), TEXT("Delta"), IDB_DELTA, IDB_DELTA, &kLikeConnections},
    {TEXT("Wye"), TEXT("Delta"), IDB_WYE, IDB_DELTA, &kWyeToDelta},
    {TEXT("Wye"), TEXT("Wye"), IDB_WYE, IDB_WYE, &kLikeConnections},
};
// A list without a selection: no pictures, and the voltages go with the turns ratio.
const Connection kNoConnection = {TEXT(""), TEXT(""), 0, 0, &kLikeConnections};

// The selected item's text, not the field's: the field may hold typed text, and while a
// choice is being announced it still shows the item chosen before.
void SelectedItemText(HWND dlg, int listId, WCHAR (&text)[16]) {
    text[0] = 0;
    LRESULT item = SendDlgItemMessageW(dlg, listId, CB_GETCURSEL, 0, 0);
    if (item == CB_ERR || SendDlgItemMessageW(dlg, listId, CB_GETLBTEXTLEN, WPARAM(item), 0) >= 16) return;
    SendDlgItemMessageW(dlg, listId, CB_GETLBTEXT, WPARAM(item), reinterpret_cast<LPARAM>(text));
}

const Connection& SelectedConnection(HWND dlg) {
    WCHAR from[16], to[16];
    SelectedItemText(dlg, IDC_FROM, from);
    SelectedItemText(dlg, IDC_TO, to);
    for (const Connection& c : kConnections)
        if (std::basic_string_view<WCHAR>(c.from) == from && std::basic_string_view<WCHAR>(c.to) == to) return c;
    return kNoConnection;
}

// The picture gives back the bitmap it showed; it is ours to delete.
void SetPicture(HWND dlg, int pictureId, WORD bitmapId) {
    HBITMAP bitmap = bitmapId ? LoadBitmapW(Instance, MAKEINTRESOURCE(bitmapId)) : nullptr;
    LRESULT old = SendDlgItemMessageW(dlg, pictureId, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    if (old) DeleteObject(reinterpret_cast<HGDIOBJ>(old));
}

void ShowConnection(HWND dlg) {
    const Connection& c = SelectedConnection(dlg);
    SetPicture(dlg, IDC_FROM_PICTURE, c.fromBitmap);
    SetPicture(dlg, IDC_TO_PICTURE, c.toBitmap);
}

void FillConnectionLists(HWND dlg) {
    for (int list : {IDC_FROM, IDC_TO}) {
        for (const auto& name : kConnectionNames)
            SendDlgItemMessageW(dlg, list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        SendDlgItemMessageW(dlg, list, CB_SETCURSEL, 0, 0);
    }
}

// Typed text never chooses a connection, so a field that is left with some goes back to
// naming the connection the screen computes with.
void ShowChosenItem(HWND dlg, int listId) {
    LRESULT item = SendDlgItemMessageW(dlg, listId, CB_GETCURSEL, 0, 0);
    SendDlgItemMessageW(dlg, listId, CB_SETCURSEL, WPARAM(item), 0);
}

void Calculate(HWND dlg) {
    if (CalculateThreeFields(dlg, *SelectedConnection(dlg).formulas)) SHSipPreference(MainWindow, SIP_DOWN);
}

}  // namespace

INT_PTR CALLBACK ThreePhaseProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        InitialiseScreen(dlg, kFlagsDone);
        LimitThreeFields(dlg, kLikeConnections);
        FillConnectionLists(dlg);
        return TRUE;
    case WM_COMMAND:
        RaiseInputPanelOnFieldFocus(wParam);
        if (HIWORD(wParam) == CBN_SELCHANGE) {
            ShowConnection(dlg);
            return TRUE;
        }
        switch (LOWORD(wParam)) {
        case IDC_FROM:
        case IDC_TO:
            if (HIWORD(wParam) == CBN_KILLFOCUS) ShowChosenItem(dlg, LOWORD(wParam));
            return TRUE;
        case IDC_CALCULATE: Calculate(dlg); return TRUE;
        case IDC_CLEAR: {
            const int fields[] = {IDC_PRIMARY_VOLTAGE, IDC_SECONDARY_VOLTAGE, IDC_TURNS_RATIO};
            ClearFields(dlg, fields, 3);
            return TRUE;
        }
        }
        break;
    }
    return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsDone);
}
