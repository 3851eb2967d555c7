// How fast the platform does what every screen of the program leans on: building a
// dialog, repainting the whole screen, and taking typed characters.
#include <benchmark/benchmark.h>
#include <windows.h>
#include <aygshell.h>

#include "backend/backend.h"
#include "demo_resource.h"
#include "kernel/kernel.h"

namespace {

INT_PTR CALLBACK ScreenProc(HWND dlg, UINT msg, WPARAM, LPARAM) {
    if (msg != WM_INITDIALOG) return FALSE;
    SHINITDLGINFO info{SHIDIM_FLAGS, dlg, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN};
    SHInitDialog(&info);
    return TRUE;
}

HWND CreateOhmsDialog() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(instance, MAKEINTRESOURCE(IDD_OHMS), RT_DIALOG);
    auto* tmpl = static_cast<LPCDLGTEMPLATE>(LockResource(LoadResource(instance, res)));
    return CreateDialogIndirectParamW(instance, tmpl, nullptr, ScreenProc, 0);
}

HWND ShownOhmsDialog() {
    platform::ResetWindowSystem();
    HWND dlg = CreateOhmsDialog();
    ShowWindow(dlg, SW_SHOW);
    platform::PumpPendingMessages();
    return dlg;
}

void CreateDialogWithTwelveControls(benchmark::State& state) {
    platform::ResetWindowSystem();
    for (auto _ : state) {
        HWND dlg = CreateOhmsDialog();
        benchmark::DoNotOptimize(dlg);
        state.PauseTiming();
        DestroyWindow(dlg);
        state.ResumeTiming();
    }
}
BENCHMARK(CreateDialogWithTwelveControls)->Unit(benchmark::kMicrosecond);

void FullRepaintOfTheScreen(benchmark::State& state) {
    ShownOhmsDialog();
    for (auto _ : state) {
        InvalidateRect(nullptr, nullptr, TRUE);
        platform::PaintAll();
    }
}
BENCHMARK(FullRepaintOfTheScreen)->Unit(benchmark::kMicrosecond);

void TypeEightCharacters(benchmark::State& state) {
    HWND dlg = ShownOhmsDialog();
    HWND field = GetDlgItem(dlg, IDC_CURRENT);
    SetFocus(field);
    for (auto _ : state) {
        state.PauseTiming();
        SetWindowTextW(field, u"");
        platform::PumpPendingMessages();
        state.ResumeTiming();
        for (char16_t c : std::u16string(u"12345.67")) platform::InjectCharacter(c);
        platform::PumpPendingMessages();
    }
}
BENCHMARK(TypeEightCharacters)->Unit(benchmark::kMicrosecond);

}  // namespace
