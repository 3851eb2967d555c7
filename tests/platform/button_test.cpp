// The button control: when a tap is a click, check boxes and automatic radio groups,
// the check-state messages and dialog functions, focus and the space bar.
#include "demo_resource.h"
#include "kernel/internal.h"
#include "support.h"

namespace {

using test::Commands;
Commands& commands = test::HeardCommands();

class ButtonTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        parent = test::CreateListeningWindow();
        ASSERT_NE(parent, nullptr);
    }

    HWND Button(const char16_t* text, DWORD style, int id, int x, int y) {
        return CreateWindowExW(0, u"Button", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, 80, 20, parent,
                               reinterpret_cast<HMENU>(uintptr_t(id)), nullptr, nullptr);
    }

    HWND parent = nullptr;
};

bool Pushed(HWND button) { return SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED; }

// ---- what counts as a click ----

TEST_F(ButtonTest, TapClicksOnce) {
    HWND b = Button(u"Calculate", BS_PUSHBUTTON, 10, 20, 20);
    test::Tap(b);
    EXPECT_EQ(commands, (Commands{{10, BN_CLICKED}}));
}

TEST_F(ButtonTest, StylusLiftedOutsideIsNoClick) {
    HWND b = Button(u"Calculate", BS_PUSHBUTTON, 10, 20, 20);
    POINT inside = test::CentreOf(b), outside{inside.x, inside.y + 60};
    platform::InjectStylusDown(inside);
    test::Pump();
    EXPECT_TRUE(Pushed(b));
    platform::InjectStylusMove(outside);
    test::Pump();
    EXPECT_FALSE(Pushed(b)) << "the button pops up while the stylus is away";
    platform::InjectStylusUp(outside);
    test::Pump();
    EXPECT_TRUE(commands.empty());
    EXPECT_FALSE(Pushed(b));
}

TEST_F(ButtonTest, StylusThatComesBackInsideBeforeLiftingClicks) {
    HWND b = Button(u"Calculate", BS_PUSHBUTTON, 10, 20, 20);
    POINT inside = test::CentreOf(b), outside{inside.x + 100, inside.y};
    platform::InjectStylusDown(inside);
    platform::InjectStylusMove(outside);
    platform::InjectStylusMove(inside);
    test::Pump();
    EXPECT_TRUE(Pushed(b));
    platform::InjectStylusUp(inside);
    test::Pump();
    EXPECT_EQ(commands, (Commands{{10, BN_CLICKED}}));
}

TEST_F(ButtonTest, StylusPutDownElsewhereAndLiftedOnTheButtonIsNoClick) {
    HWND b = Button(u"Calculate", BS_PUSHBUTTON, 10, 20, 20);
    POINT inside = test::CentreOf(b), outside{inside.x, inside.y + 60};
    platform::InjectStylusDown(outside);
    platform::InjectStylusMove(inside);
    platform::InjectStylusUp(inside);
    test::Pump();
    EXPECT_TRUE(commands.empty());
}

// ---- check boxes and radio buttons ----

TEST_F(ButtonTest, AutoCheckBoxTogglesOnEachTapAndRepaints) {
    HWND box = Button(u"Metric", BS_AUTOCHECKBOX, 11, 20, 20);
    test::Pump();
    RECT r;
    GetWindowRect(box, &r);
    auto snapshot = [&] {
        std::vector<uint32_t> px;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) px.push_back(test::PixelAt(x, y));
        return px;
    };
    auto unchecked = snapshot();
    test::Tap(box);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_NE(snapshot(), unchecked) << "the check mark was not drawn";
    test::Tap(box);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(snapshot(), unchecked);
    EXPECT_EQ(commands, (Commands{{11, BN_CLICKED}, {11, BN_CLICKED}}));
}

TEST_F(ButtonTest, SetCheckIsReadBackButIgnoredByPushButtons) {
    HWND box = Button(u"Metric", BS_CHECKBOX, 11, 20, 20);
    HWND radio = Button(u"Serial", BS_RADIOBUTTON, 12, 20, 50);
    HWND push = Button(u"Go", BS_PUSHBUTTON, 13, 20, 80);
    for (HWND b : {box, radio}) {
        EXPECT_EQ(SendMessageW(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        SendMessageW(b, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ(SendMessageW(b, BM_GETCHECK, 0, 0), BST_CHECKED);
        SendMessageW(b, BM_SETCHECK, BST_UNCHECKED, 0);
        EXPECT_EQ(SendMessageW(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    }
    SendMessageW(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageW(push, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // Setting the state by message is not a click.
    EXPECT_TRUE(commands.empty());
}

TEST_F(ButtonTest, ManualCheckBoxAndRadioLeaveTheirStateToTheProgram) {
    HWND box = Button(u"Metric", BS_CHECKBOX, 11, 20, 20);
    HWND radio = Button(u"Serial", BS_RADIOBUTTON, 12, 20, 50);
    test::Tap(box);
    test::Tap(radio);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(radio, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(commands, (Commands{{11, BN_CLICKED}, {12, BN_CLICKED}}));
}

class RadioDialogTest : public ButtonTest {
protected:
    void SetUp() override {
        ButtonTest::SetUp();
        dlg = test::CreateDialogFromResource(IDD_CONTROLS, nullptr, test::ListeningDialogProc);
        ASSERT_NE(dlg, nullptr);
        // Below the navigation bar, where a person can reach it.
        MoveWindow(dlg, 0, 26, 210, 253, FALSE);
        ShowWindow(dlg, SW_SHOW);
        test::Pump();
        serial = GetDlgItem(dlg, IDC_SERIAL);
        parallel = GetDlgItem(dlg, IDC_PARALLEL);
    }
    std::pair<UINT, UINT> Checks() const {
        return {IsDlgButtonChecked(dlg, IDC_SERIAL), IsDlgButtonChecked(dlg, IDC_PARALLEL)};
    }
    HWND dlg = nullptr, serial = nullptr, parallel = nullptr;
};

using Checked = std::pair<UINT, UINT>;

TEST_F(RadioDialogTest, TappingARadioButtonChecksItAndClearsTheRestOfItsGroup) {
    EXPECT_EQ(Checks(), Checked(BST_UNCHECKED, BST_UNCHECKED));
    test::Tap(serial);
    EXPECT_EQ(Checks(), Checked(BST_CHECKED, BST_UNCHECKED));
    test::Tap(parallel);
    EXPECT_EQ(Checks(), Checked(BST_UNCHECKED, BST_CHECKED));
    // Tapping the checked one again keeps it checked, and is still a click.
    test::Tap(parallel);
    EXPECT_EQ(Checks(), Checked(BST_UNCHECKED, BST_CHECKED));
    EXPECT_EQ(commands, (Commands{{IDC_SERIAL, BN_CLICKED}, {IDC_PARALLEL, BN_CLICKED}, {IDC_PARALLEL, BN_CLICKED}}));
}

TEST_F(RadioDialogTest, CheckRadioButtonChecksOneOfTheRange) {
    EXPECT_TRUE(CheckRadioButton(dlg, IDC_SERIAL, IDC_PARALLEL, IDC_PARALLEL));
    EXPECT_EQ(Checks(), Checked(BST_UNCHECKED, BST_CHECKED));
    EXPECT_TRUE(CheckRadioButton(dlg, IDC_SERIAL, IDC_PARALLEL, IDC_SERIAL));
    EXPECT_EQ(Checks(), Checked(BST_CHECKED, BST_UNCHECKED));
    // A person's tap afterwards still leaves exactly one checked.
    test::Tap(parallel);
    EXPECT_EQ(Checks(), Checked(BST_UNCHECKED, BST_CHECKED));
}

TEST_F(RadioDialogTest, CheckDlgButtonAndIsDlgButtonCheckedAgreeWithTheMessages) {
    EXPECT_TRUE(CheckDlgButton(dlg, IDC_SERIAL, BST_CHECKED));
    EXPECT_EQ(SendMessageW(serial, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(serial, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_SERIAL), UINT(BST_UNCHECKED));
    EXPECT_FALSE(CheckDlgButton(dlg, 4242, BST_CHECKED)) << "no such control";
}

TEST_F(ButtonTest, RadioGroupsEndWhereTheNextGroupStarts) {
    HWND a1 = Button(u"A1", BS_AUTORADIOBUTTON | WS_GROUP, 21, 10, 10);
    HWND a2 = Button(u"A2", BS_AUTORADIOBUTTON, 22, 10, 40);
    HWND b1 = Button(u"B1", BS_AUTORADIOBUTTON | WS_GROUP, 23, 120, 10);
    HWND b2 = Button(u"B2", BS_AUTORADIOBUTTON, 24, 120, 40);
    auto checks = [&] {
        std::vector<LRESULT> v;
        for (HWND h : {a1, a2, b1, b2}) v.push_back(SendMessageW(h, BM_GETCHECK, 0, 0));
        return v;
    };
    test::Tap(a1);
    test::Tap(b2);
    EXPECT_EQ(checks(), (std::vector<LRESULT>{1, 0, 0, 1}));
    test::Tap(a2);
    EXPECT_EQ(checks(), (std::vector<LRESULT>{0, 1, 0, 1}));
    test::Tap(b1);
    EXPECT_EQ(checks(), (std::vector<LRESULT>{0, 1, 1, 0}));
}

// ---- focus and keyboard ----

TEST_F(ButtonTest, TapTakesTheFocusFromAnEdit) {
    HWND edit = CreateWindowExW(0, u"Edit", u"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 100, 100, 20, parent,
                                reinterpret_cast<HMENU>(uintptr_t(30)), nullptr, nullptr);
    HWND b = Button(u"Go", BS_PUSHBUTTON, 10, 20, 20);
    test::Tap(edit);
    ASSERT_EQ(GetFocus(), edit);
    commands.clear();
    test::Tap(b);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(commands, (Commands{{30, EN_KILLFOCUS}, {10, BN_CLICKED}}));
}

TEST_F(ButtonTest, SpaceBarClicksTheFocusedButton) {
    HWND b = Button(u"Go", BS_PUSHBUTTON, 10, 20, 20);
    HWND box = Button(u"Metric", BS_AUTOCHECKBOX, 11, 20, 50);
    SetFocus(b);
    test::PressKey(VK_SPACE);
    EXPECT_EQ(commands, (Commands{{10, BN_CLICKED}}));
    SetFocus(box);
    test::PressKey(VK_SPACE);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(commands, (Commands{{10, BN_CLICKED}, {11, BN_CLICKED}}));
}

TEST_F(ButtonTest, SpaceBarHeldDownPushesButDoesNotYetClick) {
    HWND b = Button(u"Go", BS_PUSHBUTTON, 10, 20, 20);
    SetFocus(b);
    platform::InjectKey(VK_SPACE, true);
    test::Pump();
    EXPECT_TRUE(Pushed(b));
    EXPECT_TRUE(commands.empty());
    platform::InjectKey(VK_SPACE, false);
    test::Pump();
    EXPECT_FALSE(Pushed(b));
    EXPECT_EQ(commands, (Commands{{10, BN_CLICKED}}));
}

TEST_F(ButtonTest, OtherKeysDoNotClick) {
    HWND b = Button(u"Go", BS_PUSHBUTTON, 10, 20, 20);
    SetFocus(b);
    test::PressKey('A');
    test::PressKey(VK_RETURN);
    EXPECT_TRUE(commands.empty());
}

}  // namespace
