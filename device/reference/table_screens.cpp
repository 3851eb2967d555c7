// The seven table screens: one mechanism, seven tables.
#include "reference/reference.h"
#include "reference/reference_table.h"

INT_PTR CALLBACK DielectricProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SortableTableMessage(dlg, msg, wParam, lParam, DielectricTable);
}

INT_PTR CALLBACK MetalsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SortableTableMessage(dlg, msg, wParam, lParam, MetalsTable);
}

INT_PTR CALLBACK CitizensBandProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SortableTableMessage(dlg, msg, wParam, lParam, CitizensBandTable);
}

INT_PTR CALLBACK TvChannelsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SortableTableMessage(dlg, msg, wParam, lParam, TvChannelsTable);
}

INT_PTR CALLBACK CopperWireProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SortableTableMessage(dlg, msg, wParam, lParam, CopperWireTable);
}

INT_PTR CALLBACK KFactorsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SortableTableMessage(dlg, msg, wParam, lParam, KFactorsTable);
}

INT_PTR CALLBACK RadioSpectrumProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SortableTableMessage(dlg, msg, wParam, lParam, RadioSpectrumTable);
}
