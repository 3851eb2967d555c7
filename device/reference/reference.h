// The handlers of the reference screens.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ChipReferenceProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PartSelectionProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SymbolsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ConnectorsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK OpAmpCircuitsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
// Fills the symbols screen's list, stepping the start-up progress bar seven times.
void FillSymbolList(HWND screen);
INT_PTR CALLBACK DielectricProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK MetalsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CitizensBandProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TvChannelsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CopperWireProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK KFactorsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK RadioSpectrumProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
