#include "reference/reference_table.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "resources/resource.h"
#include "shell/shell.h"

bool SortDirection = true;

namespace {

// The table whose rows the list view is sorting now (the sort's compare function gets
// only the two rows and the column).
const SortableTable* SortingTable = nullptr;

WCHAR Folded(WCHAR c) { return c >= TEXT('A') && c <= TEXT('Z') ? WCHAR(c - TEXT('A') + TEXT('a')) : c; }

int CompareIgnoringCase(LPCWSTR a, LPCWSTR b) {
    for (;; ++a, ++b) {
        WCHAR x = Folded(*a), y = Folded(*b);
        if (x != y) return x < y ? -1 : 1;
        if (!x) return 0;
    }
}

int Sign(double d) { return d < 0 ? -1 : d > 0 ? 1 : 0; }

int CALLBACK CompareListRows(LPARAM a, LPARAM b, LPARAM column) {
    return SortingTable ? CompareRows(*SortingTable, reinterpret_cast<const void*>(a), reinterpret_cast<const void*>(b), int(column)) : 0;
}

void Fill(HWND list, const SortableTable& table) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < table.columnCount; ++i) {
        // Named members: the structure grew after the handheld's version of it.
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = table.Width(i);
        column.pszText = const_cast<LPWSTR>(table.Header(i));
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, WPARAM(i), reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < table.rowCount; ++row) {
        const void* record = table.Record(row);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = row;
        item.pszText = const_cast<LPWSTR>(table.Field(record, 0));
        item.lParam = reinterpret_cast<LPARAM>(record);
        // A refused row ends the fill; the rows inserted so far stay usable.
        if (SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)) < 0) return;
        for (int column = 1; column < table.columnCount; ++column) {
            LVITEMW sub{};
            sub.iSubItem = column;
            sub.pszText = const_cast<LPWSTR>(table.Field(record, column));
            SendMessageW(list, LVM_SETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(&sub));
        }
    }
}

// Tapping the column last sorted reverses it; any other column starts ascending.
void SortByColumn(HWND list, const SortableTable& table, int column) {
    SortState& sort = *table.sort;
    sort.ascending = column == sort.lastColumn ? !sort.ascending : true;
    sort.lastColumn = column;
    SortDirection = sort.ascending;
    SortingTable = &table;
    SendMessageW(list, LVM_SORTITEMS, WPARAM(column), reinterpret_cast<LPARAM>(CompareListRows));
    SortingTable = nullptr;
}

}  // namespace

// Leading blanks, a sign, digits with at most one point, an exponent: what the
// standard conversion reads; whatever cannot continue the number ends it.
double NumberKey(LPCWSTR text) {
    std::string number;
    size_t i = 0;
    while (text[i] == TEXT(' ') || text[i] == TEXT('\t')) ++i;
    if (text[i] == TEXT('+') || text[i] == TEXT('-')) number.push_back(char(text[i++]));
    bool digits = false, point = false;
    for (;; ++i) {
        if (text[i] >= TEXT('0') && text[i] <= TEXT('9')) digits = true;
        else if (text[i] == TEXT('.') && !point) point = true;
        else break;
        number.push_back(char(text[i]));
    }
    if (!digits) return 0;
    if ((text[i] == TEXT('e') || text[i] == TEXT('E'))) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (text[j] == TEXT('+') || text[j] == TEXT('-')) exponent.push_back(char(text[j++]));
        if (text[j] >= TEXT('0') && text[j] <= TEXT('9')) {
            while (text[j] >= TEXT('0') && text[j] <= TEXT('9')) exponent.push_back(char(text[j++]));
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

int CompareRows(const SortableTable& table, const void* a, const void* b, int column) {
    if (!a || !b || column < 0 || column >= table.columnCount) return 0;
    LPCWSTR fa = table.Field(a, column), fb = table.Field(b, column);
    int order = table.kinds[column] == ColumnKind::Text ? CompareIgnoringCase(fa, fb) : Sign(NumberKey(fa) - NumberKey(fb));
    return SortDirection ? order : -order;
}

INT_PTR SortableTableMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, const SortableTable& table) {
    switch (msg) {
    case WM_INITDIALOG:
        InitialiseScreen(dlg, kFlagsDoneSipDown);
        Fill(GetDlgItem(dlg, IDC_TABLE), table);
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == LVN_COLUMNCLICK)
            SortByColumn(header->hwndFrom, table, reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
        return 0;
    }
    default:
        return CommonScreenMessage(dlg, msg, wParam, lParam, kFlagsDoneSipDown);
    }
}
