// Dialogs from templates built by windres: parsing, pixel geometry, creation order,
// WM_INITDIALOG and its focus rule, and the dialog manager's answers.
#include "demo_resource.h"
#include "kernel/internal.h"
#include "resources/resources.h"
#include "support.h"

namespace {

using test::CreateDialogFromResource;
using test::PassiveDialogProc;

const platform::DialogTemplate& OhmsTemplate() {
    static platform::DialogTemplate t;
    static bool parsed = false;
    if (!parsed) {
        const platform::ResourceEntry* e = platform::FindEntry(RT_DIALOG, MAKEINTRESOURCE(IDD_OHMS));
        parsed = e && platform::ParseDialogTemplate(e->data, e->size, t);
    }
    return t;
}

TEST(DialogTemplate, WindresTemplateParsesWithEveryControlInOrder) {
    const auto& t = OhmsTemplate();
    ASSERT_EQ(t.items.size(), 12u);
    EXPECT_EQ(t.cx, 140);
    EXPECT_EQ(t.cy, 156);
    EXPECT_TRUE(t.style & DS_SETFONT);
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.faceName, u"System");
    EXPECT_EQ(t.items[0].id, IDC_TITLE);
    EXPECT_EQ(t.items[0].className, u"Static");
    EXPECT_EQ(t.items[0].title, u"DC Ohm's Law Calculator     ");
    // A bitmap picture names its bitmap by ordinal.
    EXPECT_EQ(t.items[1].title, (std::u16string{char16_t(0xFFFF), char16_t(IDB_RULE)}));
    EXPECT_EQ(t.items[1].id, 0xFFFF);
    EXPECT_EQ(t.items[3].className, u"Edit");
    EXPECT_EQ(t.items[3].id, IDC_CURRENT);
    EXPECT_EQ(t.items[3].x, 96);
    EXPECT_EQ(t.items[3].y, 16);
    EXPECT_EQ(t.items[3].cx, 40);
    EXPECT_EQ(t.items[3].cy, 13);
    EXPECT_EQ(t.items[11].className, u"Button");
    EXPECT_EQ(t.items[11].style & BS_TYPEMASK, DWORD(BS_DEFPUSHBUTTON));
}

TEST(DialogTemplate, TruncatedTemplateIsRefusedNotReadPastItsEnd) {
    const platform::ResourceEntry* e = platform::FindEntry(RT_DIALOG, MAKEINTRESOURCE(IDD_OHMS));
    ASSERT_NE(e, nullptr);
    for (size_t cut : {size_t(10), e->size / 2, e->size - 3}) {
        std::vector<uint8_t> copy(e->data, e->data + cut);
        platform::DialogTemplate t;
        EXPECT_FALSE(platform::ParseDialogTemplate(copy.data(), copy.size(), t)) << "cut at " << cut;
    }
}

class DialogTest : public test::PlatformTest {};

TEST_F(DialogTest, ControlsArePlacedInPixelsWithBaseUnitsSixByThirteen) {
    HWND dlg = CreateDialogFromResource(IDD_OHMS, nullptr, PassiveDialogProc);
    ASSERT_NE(dlg, nullptr);
    RECT r;
    GetClientRect(dlg, &r);
    EXPECT_EQ(r.right, 210);   // 140 * 6 / 4
    EXPECT_EQ(r.bottom, 253);  // 156 * 13 / 8
    HWND current = GetDlgItem(dlg, IDC_CURRENT);
    GetWindowRect(current, &r);
    POINT origin{0, 0};
    ClientToScreen(dlg, &origin);
    EXPECT_EQ(r.left - origin.x, 144);
    EXPECT_EQ(r.top - origin.y, 26);
    EXPECT_EQ(r.right - r.left, 60);
    EXPECT_EQ(r.bottom - r.top, 21);
    // The title spans the 240-pixel screen; the rule takes its bitmap's size.
    GetClientRect(GetDlgItem(dlg, IDC_TITLE), &r);
    EXPECT_EQ(r.right, 240);
    HWND rule = GetDlgItem(dlg, -1);  // the first control without an id
    ASSERT_NE(rule, nullptr);
    GetClientRect(rule, &r);
    EXPECT_EQ(r.right, 250);
    EXPECT_EQ(r.bottom, 1);
}

TEST_F(DialogTest, ControlsExistBeforeInitDialogWhichSeesTheCreationParameter) {
    static std::vector<std::string> seen;
    seen.clear();
    auto proc = [](HWND dlg, UINT msg, WPARAM, LPARAM lParam) -> INT_PTR {
        if (msg == WM_INITDIALOG) {
            seen.push_back(GetDlgItem(dlg, IDC_CALCULATE) ? "controls" : "no controls");
            seen.push_back("param " + std::to_string(lParam));
        }
        return FALSE;
    };
    ASSERT_NE(CreateDialogFromResource(IDD_OHMS, nullptr, proc, 77), nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"controls", "param 77"}));
}

TEST_F(DialogTest, HiddenDialogDoesNotTakeTheFocusOnCreation) {
    HWND dlg = CreateDialogFromResource(IDD_OHMS, nullptr, PassiveDialogProc);
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(IsWindowVisible(dlg));
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(DialogTest, DialogProcedureAnswersColourRequestsDirectlyAndOthersThroughMsgResult) {
    static HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    auto proc = [](HWND dlg, UINT msg, WPARAM, LPARAM) -> INT_PTR {
        if (msg == WM_CTLCOLORSTATIC) return reinterpret_cast<INT_PTR>(brush);
        if (msg == WM_USER) {
            SetWindowLongW(dlg, DWL_MSGRESULT, 42);
            return TRUE;
        }
        return msg == WM_INITDIALOG;
    };
    HWND dlg = CreateDialogFromResource(IDD_OHMS, nullptr, proc);
    EXPECT_EQ(SendMessageW(dlg, WM_CTLCOLORSTATIC, 0, 0), reinterpret_cast<LRESULT>(brush));
    EXPECT_EQ(SendMessageW(dlg, WM_USER, 0, 0), 42);
    // Unhandled messages get the default processing: the dialog keeps its font.
    EXPECT_NE(SendMessageW(dlg, WM_GETFONT, 0, 0), 0);
}

TEST_F(DialogTest, OwnedDialogGoesWithItsOwnerAndChildPageWithItsParent) {
    HWND owner = CreateDialogFromResource(IDD_OHMS, nullptr, PassiveDialogProc);
    HWND owned = CreateDialogFromResource(IDD_CONTROLS, owner, PassiveDialogProc);
    ASSERT_TRUE(owner && owned);
    EXPECT_EQ(GetParent(owned), owner);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(owned));
}

TEST_F(DialogTest, MapDialogRectUsesTheSameUnits) {
    HWND dlg = CreateDialogFromResource(IDD_OHMS, nullptr, PassiveDialogProc);
    RECT r{2, 94, 42, 106};
    ASSERT_TRUE(MapDialogRect(dlg, &r));
    EXPECT_EQ(r.left, 3);
    EXPECT_EQ(r.top, 152);
    EXPECT_EQ(r.right, 63);
    EXPECT_EQ(r.bottom, 172);
}

}  // namespace

// DialogBoxParamA runs the dialog in a loop of its own; each queued action runs when that
// loop waits for input.
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
