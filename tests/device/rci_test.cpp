// The R/C/I calculator combines every value in its list, however many: beyond the 256
// values the first design allowed for, none is silently left out of the result.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "backend/backend.h"
#include "calculators/calculators.h"
#include "kernel/kernel.h"
#include "resources/resource.h"
#include "steps_backend.h"

namespace {

TEST(RciCalculator, EveryEntryOfALongListCounts) {
    platform::ResetWindowSystem();
    platform::SetBackend(std::make_unique<test::StepsBackend>());
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(instance, MAKEINTRESOURCE(IDD_RCI_RESISTANCE), RT_DIALOG);
    auto* tmpl = static_cast<LPCDLGTEMPLATE>(LockResource(LoadResource(instance, res)));
    HWND screen = CreateWindowExW(0, u"Static", u"", WS_POPUP, 0, 0, 240, 320, nullptr, nullptr, instance, nullptr);
    HWND page = CreateDialogIndirectParamW(instance, tmpl, screen, ResistancePageProc, 0);
    ASSERT_NE(page, nullptr);
    for (int i = 0; i < 300; ++i) {
        SetDlgItemTextW(page, IDC_NEW_VALUE, i % 2 ? u"1" : u"2");
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_ADD_VALUE, BN_CLICKED), 0);
    }
    ASSERT_EQ(SendDlgItemMessageW(page, IDC_COMPONENTS, LB_GETCOUNT, 0, 0), 300);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_CALCULATE, BN_CLICKED), 0);
    WCHAR result[64];
    GetDlgItemTextW(page, IDC_COMBINED, result, 64);
    EXPECT_EQ(std::u16string(result), u"450.000000 Ohms");
    platform::SetBackend(nullptr);
}

}  // namespace
