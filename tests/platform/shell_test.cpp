// The handheld shell as a program meets it: SHInitDialog's sizing, input-panel and
// ok-button requests, the input panel and typing on it, the menu bar built from the
// demo's resources with its popups, SHFullScreen and
// SHHandleWMSettingChange.
#include <aygshell.h>
#include <commctrl.h>

#include "demo_resource.h"
#include "shell/shell.h"
#include "window_support.h"

namespace {

using test::TapAt;
using wtest::CountPixels;
using wtest::Probe;
using wtest::Recorder;

constexpr RECT kWorkArea{0, 26, 240, 294};
constexpr RECT kPanel{0, 214, 240, 294};
constexpr RECT kBar{0, 294, 240, 320};
constexpr POINT kOk{219, 13};
constexpr POINT kSip{226, 307};
constexpr POINT kTools{10, 307};

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

// The commands a window was sent, as their ids.
std::vector<int> Commands(const Recorder& rec, HWND to) {
    std::vector<int> ids;
    for (const auto& s : rec.To(to, WM_COMMAND)) ids.push_back(LOWORD(s.wParam));
    return ids;
}

class Shell : public wtest::WindowTest {
protected:
    // The program's main window over the work area, as the demo makes it.
    void SetUp() override {
        wtest::WindowTest::SetUp();
        wtest::RegisterProbe(u"DemoMain", static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        main = CreateWindowExW(0, u"DemoMain", u"Demo", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    HWND Screen(DWORD flags) {
        return test::CreateDialogFromResource(IDD_OHMS, main, InitProc, LPARAM(flags));
    }
    // Whatever takes taps at the input panel's place is the panel, at its size.
    static bool PanelShown() {
        HWND h = platform::WindowAtPoint(POINT{5, 224});
        return h && RectOf(h) == kPanel;
    }
    HWND main = nullptr;
};

TEST_F(Shell, InitDialogSizesTheScreenAndLowersThePanelOnlyWhenAsked) {
    ASSERT_TRUE(SHSipPreference(main, SIP_UP));
    for (DWORD flags : {DWORD(5), DWORD(4), DWORD(13)}) {
        SCOPED_TRACE(flags);
        HWND dlg = Screen(flags);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(RectOf(dlg), kWorkArea);
        EXPECT_EQ(PanelShown(), flags != 13) << "flag 8 lowers the panel";
    }
    RECT r = RectOf(Screen(0));
    EXPECT_EQ(r.right - r.left, 210) << "without the flag the template's size stays";
    EXPECT_EQ(r.bottom - r.top, 253);
}

TEST_F(Shell, OkButtonBelongsToTheForegroundScreenInitialisedWithDone) {
    HWND done = Screen(5);
    HWND plain = Screen(4);
    ASSERT_TRUE(done && plain);
    Recorder rec({WM_COMMAND});
    // Each step shows or hides a screen, then taps where the ok button would be.
    const struct {
        HWND hwnd;
        int show;
        bool okDrawn;
    } steps[] = {{nullptr, 0, false}, {done, SW_SHOWNORMAL, true}, {plain, SW_SHOWNORMAL, false},
                 {plain, SW_HIDE, true}, {done, -1, false}};
    for (const auto& s : steps) {
        SCOPED_TRACE(&s - steps);
        if (s.show < 0) DestroyWindow(s.hwnd);
        else if (s.hwnd) ShowWindow(s.hwnd, s.show);
        test::Pump();
        EXPECT_EQ(CountPixels(RECT{204, 4, 234, 22}, 0xFFFFFF) > 0, s.okDrawn);
        rec.Clear();
        TapAt(kOk);
        EXPECT_EQ(Commands(rec, done), s.okDrawn ? std::vector<int>{IDOK} : std::vector<int>{});
        EXPECT_TRUE(Commands(rec, main).empty() && Commands(rec, plain).empty());
    }
}

// The top-level windows are told; those that hand the news to SHHandleWMSettingChange
// make room for the panel and take it back, if the panel covers them.
TEST_F(Shell, SipPreferenceShowsAndHidesThePanelAndTellsTheTopLevelWindows) {
    static SHACTIVATEINFO sai;
    sai = SHACTIVATEINFO{};
    sai.cbSize = sizeof sai;
    wtest::ProbeHook() = [](HWND h, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& r) {
        if (msg != WM_SETTINGCHANGE) return false;
        SHHandleWMSettingChange(h, wParam, lParam, &sai);
        r = 0;
        return true;
    };
    HWND hiddenScreen = Screen(0);
    HWND strip = Probe(u"strip", RECT{0, 100, 240, 150}, WS_POPUP | WS_VISIBLE);
    Probe(u"child", RECT{0, 0, 50, 50}, WS_CHILD | WS_VISIBLE, main);
    test::Pump();
    ASSERT_EQ(RectOf(main), kWorkArea);
    for (SIPSTATE state : {SIP_UP, SIP_DOWN}) {
        Recorder rec({WM_SETTINGCHANGE});
        ASSERT_TRUE(SHSipPreference(main, state));
        test::Pump();
        EXPECT_EQ(PanelShown(), state == SIP_UP);
        EXPECT_EQ(CountPixels(kPanel, 0xC8C8C8) > 0, state == SIP_UP) << "the panel's face, or what was beneath";
        std::set<HWND> recipients;
        for (const auto& s : rec.All()) {
            EXPECT_EQ(s.wParam, WPARAM(SPI_SETSIPINFO));
            recipients.insert(s.hwnd);
        }
        EXPECT_EQ(recipients, (std::set<HWND>{main, hiddenScreen, strip})) << "hidden ones too, not children";
        EXPECT_EQ(RectOf(main), state == SIP_UP ? (RECT{0, 26, 240, 214}) : kWorkArea);
        EXPECT_EQ(UINT(sai.fSipUp), state == SIP_UP ? 1u : 0u);
        EXPECT_EQ(RectOf(strip), (RECT{0, 100, 240, 150})) << "a window clear of the panel stays";
    }
    EXPECT_TRUE(SHSipPreference(main, SIP_UNCHANGED));
    EXPECT_FALSE(SHSipPreference(nullptr, SIP_UP));
    EXPECT_FALSE(PanelShown());
}

class MenuBar : public Shell {
protected:
    void SetUp() override {
        Shell::SetUp();
        SHMENUBARINFO mb{sizeof(SHMENUBARINFO), main, 0, IDM_MAIN, GetModuleHandleW(nullptr), 0, 0, nullptr, 0};
        ASSERT_TRUE(SHCreateMenuBar(&mb));
        bar = mb.hwndMB;
        test::Pump();
    }
    // The window that takes taps just above the bar, where popups open.
    static HWND AboveTheBar(int x) { return platform::WindowAtPoint(POINT{x, 290}); }
    HWND bar = nullptr;
};

TEST_F(MenuBar, ButtonsComeFromTheMenuBarResource) {
    EXPECT_EQ(RectOf(bar), kBar);
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 2);
    SHMENUBARINFO missing{sizeof(SHMENUBARINFO), main, 0, 999, GetModuleHandleW(nullptr), 0, 0, nullptr, 0};
    EXPECT_FALSE(SHCreateMenuBar(&missing));
}

TEST_F(MenuBar, DropDownsOpenTheirPopupsAboveTheBarAndItemsSendTheirCommands) {
    Recorder rec({WM_COMMAND, WM_LBUTTONDOWN});
    const auto help = platform::MenuBarTapPoint(IDM_HELP_CONTENTS);
    ASSERT_TRUE(help.has_value());
    // The first item of Tools, its last, and the Help popup's one item.
    const struct {
        POINT button;
        bool last;
        int command;
    } cases[] = {{kTools, false, IDM_OHMS}, {kTools, true, IDM_EXIT}, {*help, false, IDM_HELP_CONTENTS}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        rec.Clear();
        TapAt(c.button);
        HWND popup = AboveTheBar(c.button.x);
        ASSERT_NE(popup, main) << "no popup opened";
        RECT r = RectOf(popup);
        EXPECT_EQ(r.bottom, kBar.top) << "the popup sits on the bar";
        EXPECT_TRUE(r.left <= c.button.x && c.button.x - r.left < 40) << "over its own button";
        EXPECT_TRUE(Commands(rec, main).empty()) << "opening is no command";
        TapAt(POINT{r.left + 10, c.last ? r.bottom - 5 : r.top + 5});
        EXPECT_EQ(Commands(rec, main), std::vector<int>{c.command});
        EXPECT_EQ(AboveTheBar(c.button.x), main) << "choosing an item closes the popup";
    }
    // Tapping the open drop-down again, or anywhere outside its popup, closes it and goes no further.
    for (POINT elsewhere : {kTools, POINT{120, 100}}) {
        TapAt(kTools);
        ASSERT_NE(AboveTheBar(10), main);
        rec.Clear();
        TapAt(elsewhere);
        EXPECT_EQ(AboveTheBar(10), main);
        EXPECT_TRUE(rec.To(main, WM_LBUTTONDOWN).empty() && Commands(rec, main).empty());
    }
    TapAt(POINT{120, 100});
    EXPECT_EQ(rec.To(main, WM_LBUTTONDOWN).size(), 1u) << "the next tap arrives";
}

TEST_F(MenuBar, FullScreenRequestHidesTheInputPanelButton) {
    for (DWORD request : {DWORD(0), DWORD(SHFS_HIDESIPBUTTON), DWORD(SHFS_SHOWSIPBUTTON)}) {
        SCOPED_TRACE(request);
        if (request) { ASSERT_TRUE(SHFullScreen(main, request)); }
        test::Pump();
        const bool shown = request != SHFS_HIDESIPBUTTON;
        EXPECT_EQ(CountPixels(RECT{212, 294, 240, 320}, 0x000000) > 0, shown);
        TapAt(kSip);
        EXPECT_EQ(PanelShown(), shown);
        if (shown) TapAt(kSip);
        EXPECT_FALSE(PanelShown());
    }
}

}  // namespace
