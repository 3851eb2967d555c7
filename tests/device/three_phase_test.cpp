// Every worked case of the three-phase screen through its handler; a result lowers the input panel.
#include <gtest/gtest.h>
#include <windows.h>
#include <aygshell.h>

#include <string>

#include "calculators/calculators.h"
#include "kernel/kernel.h"
#include "platform_shell.h"
#include "resources/resource.h"
#include "shell/shell.h"
#include "steps_backend.h"

namespace {

enum { Delta, Wye };

TEST(ThreePhase, EachConnectionComputesTheEmptyField) {
    const struct { int from, to; LPCWSTR ep, es, n; int computed; LPCWSTR result; } cases[] = {
        {Delta, Delta, u"480", u"", u"0.5", IDC_SECONDARY_VOLTAGE, u"240.000000"},
        {Delta, Wye, u"480", u"", u"0.5", IDC_SECONDARY_VOLTAGE, u"415.692194"},
        {Wye, Delta, u"480", u"", u"0.5", IDC_SECONDARY_VOLTAGE, u"138.564065"},
        {Wye, Delta, u"480", u"240", u"", IDC_TURNS_RATIO, u"0.866025"},
        {Delta, Wye, u"480", u"240", u"", IDC_TURNS_RATIO, u"0.288675"},
        {Wye, Delta, u"", u"240", u"0.5", IDC_PRIMARY_VOLTAGE, u"831.384388"},
        {Delta, Wye, u"", u"240", u"0.5", IDC_PRIMARY_VOLTAGE, u"277.128129"},
        {Wye, Wye, u"", u"240", u"0.5", IDC_PRIMARY_VOLTAGE, u"480.000000"},
    };
    platform::ResetWindowSystem();
    platform::SetBackend(std::make_unique<test::StepsBackend>());
    HINSTANCE instance = GetModuleHandleW(nullptr);
    MainWindow = CreateWindowExW(0, u"Static", u"", WS_POPUP, 0, 0, 240, 320, nullptr, nullptr, instance, nullptr);
    HRSRC res = FindResourceW(instance, MAKEINTRESOURCE(IDD_THREE_PHASE), RT_DIALOG);
    auto* tmpl = static_cast<LPCDLGTEMPLATE>(LockResource(LoadResource(instance, res)));
    HWND screen = CreateDialogIndirectParamW(instance, tmpl, MainWindow, ThreePhaseProc, 0);
    for (const auto& c : cases) {
        SendDlgItemMessageW(screen, IDC_FROM, CB_SETCURSEL, WPARAM(c.from), 0);
        SendDlgItemMessageW(screen, IDC_TO, CB_SETCURSEL, WPARAM(c.to), 0);
        SetDlgItemTextW(screen, IDC_PRIMARY_VOLTAGE, c.ep);
        SetDlgItemTextW(screen, IDC_SECONDARY_VOLTAGE, c.es);
        SetDlgItemTextW(screen, IDC_TURNS_RATIO, c.n);
        SHSipPreference(MainWindow, SIP_UP);
        SendMessageW(screen, WM_COMMAND, MAKEWPARAM(IDC_CALCULATE, BN_CLICKED), 0);
        WCHAR result[64];
        GetDlgItemTextW(screen, c.computed, result, 64);
        EXPECT_EQ(std::u16string(result), c.result) << "case " << &c - cases;
        EXPECT_FALSE(platform::IsSipUp()) << "case " << &c - cases;
    }
    platform::SetBackend(nullptr);
}

}  // namespace
