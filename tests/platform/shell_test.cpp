// The handheld shell as a program meets it: SHInitDialog's sizing, input-panel and
// ok-button requests, the input panel and typing on it, the menu bar built from the
// demo's resources with its popups and tool-bar buttons, SHFullScreen and
// SHHandleWMSettingChange.
#include <aygshell.h>
#include <commctrl.h>

#include "demo_resource.h"
#include "shell/shell.h"
#include "window_support.h"

namespace {

using test::CreateDialogFromResource;
using test::TapAt;
using wtest::CountPixels;
using wtest::Probe;
using wtest::ProbeHook;

constexpr RECT kWorkArea{0, 26, 240, 294};
constexpr RECT kPanel{0, 214, 240, 294};
constexpr RECT kBar{0, 294, 240, 320};
constexpr RECT kOkArea{204, 4, 234, 22};
constexpr RECT kSipButton{212, 294, 240, 320};
constexpr POINT kOk{219, 13};
constexpr POINT kSip{226, 307};
constexpr uint32_t kPanelFace = 0xC8C8C8;  // RGB(200, 200, 200)



RECT RectOf(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

// A dialog screen whose WM_INITDIALOG passes its creation parameter to SHInitDialog.
INT_PTR CALLBACK InitProc(HWND dlg, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_INITDIALOG) return FALSE;
    SHINITDLGINFO info{SHIDIM_FLAGS, dlg, DWORD(lParam)};
    SHInitDialog(&info);
    return TRUE;
}

class Shell : public wtest::WindowTest {
protected:
    // The program's main window over the work area, as the demo makes it.
    HWND MakeMain() {
        wtest::RegisterProbe(u"DemoMain", static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        main = CreateWindowExW(0, u"DemoMain", u"Demo", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        return main;
    }
    HWND Screen(DWORD flags, HWND owner) { return CreateDialogFromResource(IDD_OHMS, owner, InitProc, LPARAM(flags)); }
    // Whatever takes taps at the input panel's place is the panel, at its size.
    static bool PanelShown() {
        HWND h = platform::WindowAtPoint(POINT{5, 224});
        return h && RectOf(h) == kPanel;
    }
    HWND main = nullptr;
};

// ---------------------------------------------------------------- SHInitDialog

TEST_F(Shell, InitDialogWithFullScreenFlagsSizesTheScreenToTheWorkArea) {
    MakeMain();
    for (DWORD flags : {DWORD(13), DWORD(5), DWORD(4)}) {
        SCOPED_TRACE(flags);
        HWND dlg = Screen(flags, main);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(RectOf(dlg), kWorkArea);
        RECT client;
        GetClientRect(dlg, &client);
        EXPECT_EQ(client.bottom, 268);
    }
    HWND plain = Screen(0, main);
    ASSERT_NE(plain, nullptr);
    RECT r = RectOf(plain);
    EXPECT_EQ(r.right - r.left, 210) << "without the flag the template's size stays";
    EXPECT_EQ(r.bottom - r.top, 253);
}

TEST_F(Shell, InitDialogLowersTheInputPanelOnlyWhenAsked) {
    MakeMain();
    ASSERT_TRUE(SHSipPreference(main, SIP_UP));
    ASSERT_TRUE(PanelShown());
    Screen(5, main);
    EXPECT_TRUE(PanelShown()) << "flags 5 leave the panel as it is";
    Screen(13, main);
    EXPECT_FALSE(PanelShown()) << "flag 8 lowers it";
}

TEST_F(Shell, OkButtonBelongsToTheForegroundScreenInitialisedWithDone) {
    MakeMain();
    HWND done = Screen(5, main);
    HWND plain = Screen(4, main);
    ASSERT_TRUE(done && plain);
    test::MessageLog log({WM_COMMAND});
    log.Name(main, "main");
    log.Name(done, "done");
    log.Name(plain, "plain");
    auto okDrawn = [] { return CountPixels(kOkArea, 0xFFFFFF) > 0; };

    test::Pump();
    EXPECT_FALSE(okDrawn()) << "the main window did not ask for it";
    TapAt(kOk);
    EXPECT_TRUE(log.Lines().empty());

    ShowWindow(done, SW_SHOWNORMAL);
    test::Pump();
    EXPECT_TRUE(okDrawn());
    TapAt(kOk);
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"done WM_COMMAND 1/0"});
    log.Clear();

    ShowWindow(plain, SW_SHOWNORMAL);
    test::Pump();
    EXPECT_FALSE(okDrawn()) << "the screen above has no ok button";
    TapAt(kOk);
    EXPECT_TRUE(log.Lines().empty());

    ShowWindow(plain, SW_HIDE);
    test::Pump();
    EXPECT_TRUE(okDrawn()) << "back to the screen with the ok button";
    TapAt(kOk);
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"done WM_COMMAND 1/0"});
    log.Clear();

    DestroyWindow(done);
    test::Pump();
    EXPECT_FALSE(okDrawn()) << "the main window is in front again";
    TapAt(kOk);
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(Shell, NavigationBarShowsTheProgramTitleAndFollowsItsChanges) {
    MakeMain();
    test::Pump();
    const RECT titleArea{0, 0, 200, 26};
    auto titleInk = [&] { return wtest::InkBox(titleArea, 0x003399); };
    RECT shortTitle = titleInk();
    ASSERT_GT(shortTitle.right, shortTitle.left) << "the title is written";
    SetWindowTextW(main, u"Demo with a longer title");
    test::Pump();
    RECT longTitle = titleInk();
    EXPECT_GT(longTitle.right, shortTitle.right + 40);
    // An owned screen in front still shows its program's title.
    HWND screen = Screen(4, main);
    ShowWindow(screen, SW_SHOWNORMAL);
    test::Pump();
    RECT underScreen = titleInk();
    EXPECT_EQ(underScreen.right, longTitle.right);
}

// ---------------------------------------------------------------- the input panel

TEST_F(Shell, SipPreferenceShowsAndHidesThePanelAndTellsTheProgramsWindows) {
    MakeMain();
    HWND hiddenScreen = Screen(0, main);
    HWND child = Probe(u"child", RECT{0, 0, 50, 50}, WS_CHILD | WS_VISIBLE, main);
    test::Pump();
    wtest::Recorder rec({WM_SETTINGCHANGE});
    ASSERT_TRUE(SHSipPreference(main, SIP_UP));
    test::Pump();
    EXPECT_TRUE(PanelShown());
    EXPECT_GT(CountPixels(kPanel, kPanelFace), 0);
    EXPECT_EQ(CountPixels(RECT{0, 26, 240, 214}, kPanelFace), 0) << "the panel keeps to its place";
    auto told = rec.Of(WM_SETTINGCHANGE);
    std::set<HWND> recipients;
    for (const auto& s : told) {
        EXPECT_EQ(s.wParam, WPARAM(SPI_SETSIPINFO));
        recipients.insert(s.hwnd);
    }
    EXPECT_EQ(recipients, (std::set<HWND>{main, hiddenScreen})) << "top-level windows, hidden ones too, not children";
    EXPECT_EQ(rec.To(child, WM_SETTINGCHANGE).size(), 0u);

    rec.Clear();
    ASSERT_TRUE(SHSipPreference(main, SIP_DOWN));
    test::Pump();
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(CountPixels(kPanel, kPanelFace), 0) << "what was under the panel is painted again";
    EXPECT_EQ(rec.To(main, WM_SETTINGCHANGE).size(), 1u);
    EXPECT_EQ(rec.To(hiddenScreen, WM_SETTINGCHANGE).size(), 1u);

    EXPECT_TRUE(SHSipPreference(main, SIP_UNCHANGED));
    EXPECT_FALSE(PanelShown());
    EXPECT_FALSE(SHSipPreference(nullptr, SIP_UP));
    EXPECT_FALSE(PanelShown());
}

TEST_F(Shell, TypingOnThePanelGoesToTheFocusedFieldWhichKeepsTheFocus) {
    MakeMain();
    HWND screen = Screen(5, main);
    ShowWindow(screen, SW_SHOWNORMAL);
    HWND field = GetDlgItem(screen, IDC_CURRENT);
    SetFocus(field);
    SHSipPreference(screen, SIP_UP);
    test::Pump();
    ASSERT_TRUE(PanelShown());
    // Keys are 20 pixels wide in rows 20 pixels high from y 214; Shift is 40 wide.
    const POINT taps[] = {
        {10, 224},   // 1
        {30, 224},   // 2
        {190, 224},  // 0
        {10, 244},   // q
        {210, 244},  // .
        {10, 264},   // a
        {20, 284},   // Shift
        {50, 284},   // z, shifted
        {30, 244},   // w, no longer shifted
        {210, 284},  // space
        {220, 224},  // backspace
    };
    for (POINT p : taps) {
        TapAt(p);
        EXPECT_EQ(GetFocus(), field) << "after the tap at " << p.x << "," << p.y;
    }
    EXPECT_EQ(test::TextOf(field), u"120q.aZw");
}

// ---------------------------------------------------------------- the menu bar

class MenuBar : public Shell {
protected:
    void SetUp() override {
        Shell::SetUp();
        MakeMain();
        SHMENUBARINFO mb{sizeof(SHMENUBARINFO), main, 0, IDM_MAIN, GetModuleHandleW(nullptr), 0, 0, nullptr, 0};
        ASSERT_TRUE(SHCreateMenuBar(&mb));
        bar = mb.hwndMB;
        ASSERT_NE(bar, nullptr);
        test::Pump();
    }
    // The window that takes taps just above the bar, where popups open.
    static HWND AboveTheBar(int x) { return platform::WindowAtPoint(POINT{x, 290}); }
    HWND bar = nullptr;
};

TEST_F(MenuBar, ButtonsComeFromTheMenuBarResource) {
    EXPECT_EQ(RectOf(bar), kBar);
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 2);
    EXPECT_TRUE(IsWindowVisible(bar));
    SHMENUBARINFO small{sizeof(SHMENUBARINFO) - 1, main, 0, IDM_MAIN, GetModuleHandleW(nullptr), 0, 0, nullptr, 0};
    EXPECT_FALSE(SHCreateMenuBar(&small));
    SHMENUBARINFO missing{sizeof(SHMENUBARINFO), main, 0, 999, GetModuleHandleW(nullptr), 0, 0, nullptr, 0};
    EXPECT_FALSE(SHCreateMenuBar(&missing));
}

TEST_F(MenuBar, DropDownOpensItsPopupAboveTheBarAndItemsPostTheirCommands) {
    test::MessageLog log({WM_COMMAND});
    log.Name(main, "main");
    ASSERT_EQ(AboveTheBar(10), main);
    TapAt(POINT{10, 307});  // "Tools", the first button
    HWND popup = AboveTheBar(10);
    ASSERT_NE(popup, main) << "no popup opened";
    ASSERT_NE(popup, nullptr);
    RECT r = RectOf(popup);
    EXPECT_EQ(r.bottom, kBar.top) << "the popup sits on the bar";
    EXPECT_EQ(r.left, 0);
    EXPECT_GT(r.bottom - r.top, 60) << "four items";
    EXPECT_TRUE(log.Lines().empty()) << "opening is no command";

    TapAt(POINT{r.left + 10, r.top + 5});  // the first item
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"main WM_COMMAND " + std::to_string(IDM_OHMS) + "/0"});
    EXPECT_EQ(AboveTheBar(10), main) << "choosing an item closes the popup";

    log.Clear();
    TapAt(POINT{10, 307});
    r = RectOf(AboveTheBar(10));
    TapAt(POINT{r.left + 10, r.bottom - 5});  // the last item
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"main WM_COMMAND " + std::to_string(IDM_EXIT) + "/0"});

    // Tapping the open drop-down again closes it.
    log.Clear();
    TapAt(POINT{10, 307});
    ASSERT_NE(AboveTheBar(10), main);
    TapAt(POINT{10, 307});
    EXPECT_EQ(AboveTheBar(10), main);
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(MenuBar, TheSecondDropDownOpensItsOwnPopup) {
    test::MessageLog log({WM_COMMAND});
    log.Name(main, "main");
    auto help = platform::MenuBarTapPoint(IDM_HELP_CONTENTS);
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(help->y, 307);
    TapAt(*help);
    HWND popup = AboveTheBar(help->x);
    ASSERT_NE(popup, main);
    RECT r = RectOf(popup);
    EXPECT_GT(r.left, 0) << "it opens over its own button, right of Tools";
    EXPECT_LE(r.left, help->x);
    EXPECT_EQ(r.bottom, kBar.top);
    TapAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"main WM_COMMAND " + std::to_string(IDM_HELP_CONTENTS) + "/0"});
}

TEST_F(MenuBar, TappingOutsideAnOpenPopupClosesItAndGoesNoFurther) {
    wtest::Recorder rec({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_COMMAND});
    TapAt(POINT{10, 307});
    ASSERT_NE(AboveTheBar(10), main);
    rec.Clear();
    TapAt(POINT{120, 100});
    EXPECT_EQ(AboveTheBar(10), main);
    EXPECT_TRUE(rec.To(main, WM_LBUTTONDOWN).empty()) << "the closing tap is swallowed";
    EXPECT_TRUE(rec.To(main, WM_LBUTTONUP).empty());
    EXPECT_TRUE(rec.Of(WM_COMMAND).empty());
    TapAt(POINT{120, 100});
    EXPECT_EQ(rec.To(main, WM_LBUTTONDOWN).size(), 1u) << "the next tap arrives";
}

TEST_F(MenuBar, ToolBarButtonAddedWithItsBitmapPostsItsCommand) {
    TBADDBITMAP bitmap{GetModuleHandleW(nullptr), IDB_HELPSTRIP};
    EXPECT_EQ(SendMessageW(bar, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&bitmap)), 0) << "index of the first image";
    EXPECT_EQ(SendMessageW(bar, TB_ADDBITMAP, 2, reinterpret_cast<LPARAM>(&bitmap)), 1) << "index of the next one";
    TBBUTTON separator{-1, -1, TBSTATE_ENABLED, TBSTYLE_SEP, {0, 0}, ULONG_PTR(-1), -1};
    TBBUTTON help{0, IDM_CONTEXT_HELP, TBSTATE_ENABLED, TBSTYLE_GROUP, {0, 0}, 0, -1};
    EXPECT_TRUE(SendMessageW(bar, TB_INSERTBUTTON, 2, reinterpret_cast<LPARAM>(&separator)));
    EXPECT_TRUE(SendMessageW(bar, TB_INSERTBUTTON, 3, reinterpret_cast<LPARAM>(&help)));
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 4);
    test::Pump();

    auto where = platform::MenuBarTapPoint(IDM_CONTEXT_HELP);
    auto helpMenu = platform::MenuBarTapPoint(IDM_HELP_CONTENTS);
    ASSERT_TRUE(where && helpMenu);
    EXPECT_GT(where->x, helpMenu->x + 8) << "after the Help drop-down and the separator";
    EXPECT_LT(where->x, kSipButton.left);
    // The picture is drawn, its magenta background left out.
    RECT button{where->x - 12, kBar.top, where->x + 12, kBar.bottom};
    EXPECT_GT(CountPixels(button, 0x000080), 20);
    EXPECT_EQ(CountPixels(kBar, 0xFF00FF), 0);

    test::MessageLog log({WM_COMMAND});
    log.Name(main, "main");
    TapAt(*where);
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"main WM_COMMAND " + std::to_string(IDM_CONTEXT_HELP) + "/0"});

    // A button that is not enabled takes no taps.
    log.Clear();
    TBBUTTON disabled{1, 777, 0, TBSTYLE_BUTTON, {0, 0}, 0, -1};
    EXPECT_TRUE(SendMessageW(bar, TB_INSERTBUTTON, 4, reinterpret_cast<LPARAM>(&disabled)));
    test::Pump();
    auto off = platform::MenuBarTapPoint(777);
    ASSERT_TRUE(off.has_value());
    EXPECT_GT(off->x, where->x) << "placed after the help button";
    TapAt(*off);
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(MenuBar, FullScreenRequestHidesTheInputPanelButton) {
    auto sipButtonDrawn = [] { return CountPixels(kSipButton, 0x000000) > 0; };
    EXPECT_TRUE(sipButtonDrawn());
    TapAt(kSip);
    EXPECT_TRUE(PanelShown());
    TapAt(kSip);
    EXPECT_FALSE(PanelShown());

    ASSERT_TRUE(SHFullScreen(main, SHFS_HIDESIPBUTTON));
    test::Pump();
    EXPECT_FALSE(sipButtonDrawn());
    TapAt(kSip);
    EXPECT_FALSE(PanelShown());

    ASSERT_TRUE(SHFullScreen(main, SHFS_SHOWSIPBUTTON));
    test::Pump();
    EXPECT_TRUE(sipButtonDrawn());
    TapAt(kSip);
    EXPECT_TRUE(PanelShown());
}

// ---------------------------------------------------------------- SHHandleWMSettingChange

TEST_F(Shell, SettingChangeHandlerMakesRoomForThePanelAndTakesItBack) {
    static SHACTIVATEINFO sai;
    sai = SHACTIVATEINFO{};
    sai.cbSize = sizeof sai;
    ProbeHook() = [](HWND h, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& r) {
        if (msg != WM_SETTINGCHANGE) return false;
        SHHandleWMSettingChange(h, wParam, lParam, &sai);
        r = 0;
        return true;
    };
    MakeMain();
    HWND strip = Probe(u"strip", RECT{0, 100, 240, 150}, WS_POPUP | WS_VISIBLE);
    ASSERT_EQ(RectOf(main), kWorkArea);
    SHSipPreference(main, SIP_UP);
    EXPECT_EQ(RectOf(main), (RECT{0, 26, 240, 214}));
    EXPECT_EQ(UINT(sai.fSipUp), 1u);
    EXPECT_EQ(RectOf(strip), (RECT{0, 100, 240, 150})) << "a window clear of the panel stays";
    SHSipPreference(main, SIP_DOWN);
    EXPECT_EQ(RectOf(main), kWorkArea);
    EXPECT_EQ(UINT(sai.fSipUp), 0u);
}

}  // namespace
