// The button control: what counts as a click, check boxes, radio groups, the space bar.
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
LRESULT Check(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0); }

std::vector<uint32_t> PixelsOf(HWND hwnd) {
    test::Pump();
    RECT r;
    GetWindowRect(hwnd, &r);
    std::vector<uint32_t> px;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) px.push_back(test::PixelAt(x, y));
    return px;
}

// A click needs the stylus put down and lifted on the button; while it is away the
// button shows popped up.
TEST_F(ButtonTest, OnlyAStylusPutDownAndLiftedOnTheButtonClicks) {
    HWND b = Button(u"Calculate", BS_PUSHBUTTON, 10, 20, 20);
    POINT in = test::CentreOf(b), out{in.x, in.y + 60};
    struct Case { const char* name; std::vector<POINT> path; bool clicks; };  // down, moves, up
    for (const Case& c : {Case{"tap", {in, in}, true}, Case{"lifted outside", {in, out}, false},
                          Case{"back inside", {in, out, in}, true}, Case{"put down outside", {out, in}, false}}) {
        SCOPED_TRACE(c.name);
        commands.clear();
        platform::InjectStylusDown(c.path.front());
        for (size_t i = 1; i < c.path.size(); ++i) platform::InjectStylusMove(c.path[i]);
        test::Pump();
        EXPECT_EQ(Pushed(b), c.clicks);
        platform::InjectStylusUp(c.path.back());
        test::Pump();
        EXPECT_EQ(commands, (c.clicks ? Commands{{10, BN_CLICKED}} : Commands{}));
        EXPECT_FALSE(Pushed(b));
    }
}

// The check set by message is drawn at once; a manual box or radio leaves it to the
// program when tapped; a push button has none.
TEST_F(ButtonTest, CheckSetByMessageIsDrawnAndManualButtonsKeepIt) {
    HWND box = Button(u"Metric", BS_CHECKBOX, 11, 20, 20);
    HWND radio = Button(u"Serial", BS_RADIOBUTTON, 12, 20, 50);
    HWND push = Button(u"Go", BS_PUSHBUTTON, 13, 20, 80);
    for (HWND b : {box, radio}) {
        auto unchecked = PixelsOf(b);
        SendMessageW(b, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ(Check(b), BST_CHECKED);
        EXPECT_NE(PixelsOf(b), unchecked) << "the check mark was not drawn";
        SendMessageW(b, BM_SETCHECK, BST_UNCHECKED, 0);
        EXPECT_EQ(PixelsOf(b), unchecked);
        test::Tap(b);
        EXPECT_EQ(Check(b), BST_UNCHECKED);
    }
    SendMessageW(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Check(push), BST_UNCHECKED);
    EXPECT_EQ(commands, (Commands{{11, BN_CLICKED}, {12, BN_CLICKED}}));
}

// Auto radio buttons clear the rest of their group, which ends where the next starts.
TEST_F(ButtonTest, RadioGroupsByTapAndByDialogFunctions) {
    HWND r[] = {Button(u"A1", BS_AUTORADIOBUTTON | WS_GROUP, 21, 10, 10), Button(u"A2", BS_AUTORADIOBUTTON, 22, 10, 40),
                Button(u"B1", BS_AUTORADIOBUTTON | WS_GROUP, 23, 120, 10), Button(u"B2", BS_AUTORADIOBUTTON, 24, 120, 40)};
    auto checks = [&] { return std::vector<LRESULT>{Check(r[0]), Check(r[1]), Check(r[2]), Check(r[3])}; };
    test::Tap(r[0]);
    test::Tap(r[3]);
    EXPECT_EQ(checks(), (std::vector<LRESULT>{1, 0, 0, 1}));
    test::Tap(r[1]);
    test::Tap(r[2]);
    test::Tap(r[2]);  // still checked
    EXPECT_EQ(checks(), (std::vector<LRESULT>{0, 1, 1, 0}));
    EXPECT_EQ(commands.size(), 5u);
    EXPECT_TRUE(CheckRadioButton(parent, 21, 22, 21));
    EXPECT_TRUE(CheckDlgButton(parent, 24, BST_CHECKED));
    EXPECT_EQ(checks(), (std::vector<LRESULT>{1, 0, 1, 1}));
    EXPECT_EQ(IsDlgButtonChecked(parent, 24), UINT(BST_CHECKED));
    EXPECT_FALSE(CheckDlgButton(parent, 4242, BST_CHECKED)) << "no such control";
}

// The space bar pushes the focused button and clicks it when released; other keys do
// nothing.
TEST_F(ButtonTest, SpaceBarClicksTheFocusedButtonOnRelease) {
    HWND b = Button(u"Go", BS_PUSHBUTTON, 10, 20, 20);
    SetFocus(b);
    test::PressKey('A');
    test::PressKey(VK_RETURN);
    platform::InjectKey(VK_SPACE, true);
    test::Pump();
    EXPECT_TRUE(Pushed(b));
    EXPECT_TRUE(commands.empty());
    platform::InjectKey(VK_SPACE, false);
    test::Pump();
    EXPECT_FALSE(Pushed(b));
    EXPECT_EQ(commands, (Commands{{10, BN_CLICKED}}));
}

}  // namespace
