// Dialogs from templates built by windres: parsing, pixel geometry, WM_INITDIALOG, the
// dialog procedure's answers, owners, and the modal loop.
#include "demo_resource.h"
#include "kernel/internal.h"
#include "resources/resources.h"
#include "support.h"

namespace {

using test::CreateDialogFromResource;
using test::PassiveDialogProc;

TEST(DialogTemplate, WindresTemplateParsesAndATruncatedOneIsRefused) {
    const platform::ResourceEntry* e = platform::FindEntry(RT_DIALOG, MAKEINTRESOURCE(IDD_OHMS));
    ASSERT_NE(e, nullptr);
    platform::DialogTemplate t;
    ASSERT_TRUE(platform::ParseDialogTemplate(e->data, e->size, t));
    for (size_t cut : {size_t(10), e->size / 2, e->size - 3}) {
        std::vector<uint8_t> copy(e->data, e->data + cut);
        EXPECT_FALSE(platform::ParseDialogTemplate(copy.data(), copy.size(), t)) << "cut at " << cut;
    }
}

class DialogTest : public test::PlatformTest {};

// The controls exist before WM_INITDIALOG, which sees the creation parameter; the
// procedure answers colour requests directly.
TEST_F(DialogTest, DialogProcedureSeesItsControlsAndAnswers) {
    static std::vector<std::string> seen;
    static HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    auto proc = [](HWND dlg, UINT msg, WPARAM, LPARAM lParam) -> INT_PTR {
        if (msg == WM_INITDIALOG) seen = {GetDlgItem(dlg, IDC_CALCULATE) ? "controls" : "none", std::to_string(lParam)};
        return msg == WM_CTLCOLORSTATIC ? reinterpret_cast<INT_PTR>(brush) : 0;
    };
    HWND dlg = CreateDialogFromResource(IDD_OHMS, nullptr, proc, 77);
    EXPECT_EQ(seen, (std::vector<std::string>{"controls", "77"}));
    EXPECT_EQ(SendMessageW(dlg, WM_CTLCOLORSTATIC, 0, 0), reinterpret_cast<LRESULT>(brush));
    EXPECT_NE(SendMessageW(dlg, WM_GETFONT, 0, 0), 0) << "unhandled messages get the default processing";
    HWND owned = CreateDialogFromResource(IDD_CONTROLS, dlg, PassiveDialogProc);
    EXPECT_EQ(GetParent(owned), dlg);
    DestroyWindow(dlg);
    EXPECT_FALSE(IsWindow(owned)) << "an owned dialog goes with its owner";
}

}  // namespace

// DialogBoxParamA runs the dialog in a loop of its own over its disabled owner; each
// queued action runs when that loop waits for input.
TEST_F(DialogTest, DialogBoxRunsOverItsDisabledOwnerUntilEndDialogAndAnswersMinusOneWhenItCannot) {
    static HWND owner;
    owner = test::CreateListeningWindow();
    auto proc = [](HWND dlg, UINT msg, WPARAM wParam, LPARAM) -> INT_PTR {
        if (msg != WM_COMMAND) return msg == WM_INITDIALOG;
        EndDialog(dlg, LOWORD(wParam) == IDCANCEL ? 3 : 7);
        return TRUE;
    };
    auto run = [&] { return DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_CONTROLS), owner, proc, 0); };
    backend->actions.push_back([] {
        EXPECT_FALSE(IsWindowEnabled(owner));
        POINT p = test::CentreOf(GetDlgItem(platform::ModalStack().back(), IDC_SERIAL));
        platform::InjectStylusDown(p);
        platform::InjectStylusUp(p);
    });
    EXPECT_EQ(run(), 7);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_TRUE(platform::ModalStack().empty());
    backend->actions.push_back([] { platform::InjectKey(VK_ESCAPE, true); });
    EXPECT_EQ(run(), 3);
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(999), owner, proc, 0), -1);
    // Asked to quit meanwhile, the dialog never ended; the quit is left for the loop outside.
    backend->actions.push_back([] { PostQuitMessage(5); });
    EXPECT_EQ(run(), -1);
    MSG msg;
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 5u);
}
