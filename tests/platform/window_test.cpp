// The window system: classes and creation, ownership and destruction, visibility,
// z-order, geometry, finding windows, the foreground, focus, window text, window
// longs and the message queue with its keyboard translation.
#include "demo_resource.h"
#include "window_support.h"

namespace {

using test::CreateDialogFromResource;
using test::PassiveDialogProc;
using wtest::kProbe;
using wtest::Probe;
using wtest::ProbeHook;
using wtest::Recorder;
using wtest::SolidWindow;

class Window : public wtest::WindowTest {};

HWND At(int x, int y) { return platform::WindowAtPoint(POINT{x, y}); }

// The windows a recorder saw get the message, in order.
std::vector<HWND> Receivers(const Recorder& rec) {
    std::vector<HWND> out;
    for (const auto& s : rec.All()) out.push_back(s.hwnd);
    return out;
}

TEST_F(Window, ClassNamesIgnoreCaseAndUnknownClassesOrOrphanChildrenFail) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = wtest::ProbeProc;
    wc.lpszClassName = u"PROBE";
    EXPECT_EQ(RegisterClassW(&wc), 0) << "Probe is registered already";
    EXPECT_NE(CreateWindowExW(0, u"pRoBe", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_CANNOT_FIND_WND_CLASS));
    EXPECT_EQ(CreateWindowExW(0, kProbe, u"", WS_CHILD, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(Window, CreateMessageCarriesTheParametersAndMinusOneRefusesTheWindow) {
    HWND parent = Probe(u"parent", RECT{0, 30, 240, 250}, WS_POPUP);
    static CREATESTRUCTW seen;
    static std::u16string textDuringCreate;
    static RECT clientDuringCreate;
    static HWND refused;
    ProbeHook() = [](HWND h, UINT msg, WPARAM, LPARAM lParam, LRESULT& r) {
        if (msg != WM_CREATE) return false;
        seen = *reinterpret_cast<CREATESTRUCTW*>(lParam);
        textDuringCreate = test::TextOf(h);
        GetClientRect(h, &clientDuringCreate);
        refused = h;
        r = seen.lpszName == std::u16string(u"refuse") ? -1 : 0;
        return true;
    };
    int marker = 0;
    HWND child = CreateWindowExW(0, kProbe, u"Field", WS_CHILD | WS_TABSTOP, 7, 9, 60, 20, parent,
                                 reinterpret_cast<HMENU>(uintptr_t(321)), GetModuleHandleW(nullptr), &marker);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(seen.lpCreateParams, &marker);
    EXPECT_EQ(seen.hwndParent, parent);
    EXPECT_EQ(seen.hMenu, reinterpret_cast<HMENU>(uintptr_t(321)));
    EXPECT_EQ((RECT{seen.x, seen.y, seen.cx, seen.cy}), (RECT{7, 9, 60, 20}));
    EXPECT_EQ(DWORD(seen.style), DWORD(WS_CHILD | WS_TABSTOP));
    EXPECT_EQ(std::u16string(seen.lpszClass), kProbe);
    EXPECT_EQ(textDuringCreate, u"Field") << "text and size are set before WM_CREATE";
    EXPECT_EQ(clientDuringCreate, (RECT{0, 0, 60, 20}));
    EXPECT_EQ(GetDlgItem(parent, 321), child);

    Recorder rec({WM_DESTROY});
    EXPECT_EQ(Probe(u"refuse", RECT{0, 0, 10, 10}, WS_CHILD, parent, 5), nullptr);
    EXPECT_FALSE(IsWindow(refused));
    EXPECT_EQ(GetDlgItem(parent, 5), nullptr);
    EXPECT_EQ(Receivers(rec), std::vector<HWND>{refused});
}

// Owned windows go first, deepest owned first, then the window, then its children.
TEST_F(Window, DestroyWindowDestroysOwnedWindowsThenTheWindowThenItsChildren) {
    HWND owner = Probe(u"O", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    HWND child = Probe(u"C", RECT{0, 0, 100, 100}, WS_CHILD | WS_VISIBLE, owner);
    HWND grandchild = Probe(u"G", RECT{0, 0, 50, 50}, WS_CHILD | WS_VISIBLE, child);
    // Created from a grandchild, a popup is owned by its top-level window and placed on the screen.
    HWND owned = Probe(u"P", RECT{20, 60, 120, 160}, WS_POPUP | WS_VISIBLE, grandchild);
    HWND ownedChild = Probe(u"PC", RECT{0, 0, 30, 30}, WS_CHILD | WS_VISIBLE, owned);
    HWND ownedByOwned = Probe(u"Q", RECT{30, 70, 90, 130}, WS_POPUP | WS_VISIBLE, owned);
    HWND stranger = Probe(u"S", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(GetParent(owned), owner);
    RECT r;
    GetWindowRect(owned, &r);
    EXPECT_EQ(r, (RECT{20, 60, 120, 160}));
    Recorder rec({WM_DESTROY});
    EXPECT_TRUE(DestroyWindow(owner));
    EXPECT_EQ(Receivers(rec), (std::vector<HWND>{ownedByOwned, owned, ownedChild, owner, child, grandchild}));
    EXPECT_TRUE(IsWindow(stranger));
    // Whatever a destroyed window is asked fails.
    EXPECT_FALSE(DestroyWindow(owner));
    EXPECT_FALSE(GetWindowRect(child, &r));
    EXPECT_EQ(SendMessageW(owned, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageW(owned, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(SetWindowTextW(grandchild, u"x"));
}

TEST_F(Window, ShowWindowAnswersThePreviousVisibilityAndSendsShowWindowOnChange) {
    HWND h = Probe(u"w", RECT{0, 30, 240, 250}, WS_POPUP);
    HWND child = Probe(u"child", RECT{0, 0, 50, 50}, WS_CHILD | WS_VISIBLE, h);
    EXPECT_FALSE(IsWindowVisible(child)) << "a child is visible only while its parent is";
    Recorder rec({WM_SHOWWINDOW});
    const struct {
        int cmd;
        bool answer;    // was it visible before
        int showParam;  // -1: no WM_SHOWWINDOW
    } steps[] = {{SW_HIDE, false, -1}, {SW_SHOW, false, TRUE},  {SW_SHOW, true, -1},
                 {SW_SHOWNA, true, -1}, {SW_HIDE, true, FALSE}, {SW_SHOWNORMAL, false, TRUE}};
    for (const auto& s : steps) {
        rec.Clear();
        SCOPED_TRACE(s.cmd);
        EXPECT_EQ(ShowWindow(h, s.cmd) != FALSE, s.answer);
        auto sent = rec.To(h, WM_SHOWWINDOW);
        ASSERT_EQ(sent.size(), s.showParam < 0 ? 0u : 1u);
        if (s.showParam >= 0) { EXPECT_EQ(sent[0].wParam, WPARAM(s.showParam)); }
        EXPECT_EQ(IsWindowVisible(child) != FALSE, s.cmd != SW_HIDE);
    }
    EXPECT_FALSE(EnableWindow(h, FALSE)) << "answers whether it was disabled";
    EXPECT_TRUE(EnableWindow(h, TRUE));
    EXPECT_TRUE(IsWindowEnabled(h));
}

TEST_F(Window, HwndTopRaisesASiblingAndAnOwnerWithItsOwnedWindows) {
    HWND top = SolidWindow(RGB(255, 255, 255), RECT{0, 30, 240, 250});
    // How raising a sibling repaints the paint tests show; here, which window takes the taps.
    HWND a = SolidWindow(RGB(255, 0, 0), RECT{10, 10, 110, 110}, top);
    HWND b = SolidWindow(RGB(0, 255, 0), RECT{60, 60, 160, 160}, top);
    ASSERT_TRUE(BringWindowToTop(a));
    EXPECT_EQ(At(90, 120), a);
    SetWindowPos(b, HWND_TOP, 62, 60, 100, 100, SWP_NOZORDER);
    EXPECT_EQ(At(90, 120), a) << "SWP_NOZORDER leaves the order alone";

    HWND owned = CreateWindowExW(0, wtest::SolidClass(RGB(0, 0, 255)).c_str(), u"", WS_POPUP | WS_VISIBLE, 60, 80,
                                 80, 80, top, nullptr, nullptr, nullptr);
    HWND other = SolidWindow(RGB(0, 0, 0), RECT{0, 30, 240, 260});
    ASSERT_TRUE(SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(At(70, 90), owned);
    EXPECT_EQ(At(10, 255), other) << "only the owner's family was raised";
}

TEST_F(Window, TopmostWindowsStayAboveOthersUntilTakenOutOfTheBand) {
    HWND topmost = CreateWindowExW(WS_EX_TOPMOST, wtest::SolidClass(RGB(0, 255, 0)).c_str(), u"", WS_POPUP | WS_VISIBLE,
                                   50, 50, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HWND normal = SolidWindow(RGB(255, 0, 0), RECT{0, 30, 240, 250});
    EXPECT_EQ(At(100, 100), topmost) << "a window shown later stays below a topmost one";
    SetForegroundWindow(normal);
    EXPECT_EQ(At(100, 100), topmost);
    SetWindowPos(normal, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(At(100, 100), normal);
    SetWindowPos(normal, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_FALSE(GetWindowLongW(normal, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(At(100, 100), topmost);
    SetWindowPos(topmost, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_FALSE(GetWindowLongW(topmost, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(At(100, 100), normal);
}

TEST_F(Window, GeometryOfNestedChildrenFollowsTheirParents) {
    HWND top = Probe(u"top", RECT{20, 40, 220, 240}, WS_POPUP | WS_VISIBLE);
    HWND child = Probe(u"child", RECT{10, 15, 110, 65}, WS_CHILD | WS_VISIBLE, top);
    HWND grandchild = Probe(u"grandchild", RECT{5, 6, 25, 16}, WS_CHILD | WS_VISIBLE, child);
    RECT r;
    ASSERT_TRUE(GetWindowRect(grandchild, &r));
    EXPECT_EQ(r, (RECT{35, 61, 55, 71}));
    ASSERT_TRUE(GetClientRect(grandchild, &r));
    EXPECT_EQ(r, (RECT{0, 0, 20, 10}));
    POINT p{1, 2};
    ASSERT_TRUE(ClientToScreen(grandchild, &p));
    EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(36, 63));
    ASSERT_TRUE(ScreenToClient(child, &p));
    EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(6, 8));

    Recorder rec({WM_SIZE});
    ASSERT_TRUE(MoveWindow(child, 30, 35, 120, 60, TRUE));
    GetWindowRect(grandchild, &r);
    EXPECT_EQ(r, (RECT{55, 81, 75, 91}));
    auto sizes = rec.To(child, WM_SIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].lParam, MAKELPARAM(120, 60));
    rec.Clear();
    MoveWindow(child, 0, 0, 120, 60, TRUE);
    EXPECT_TRUE(rec.All().empty()) << "moving without a change of size is no resize";
}

TEST_F(Window, SetForegroundWindowWithTheLowBitBringsTheWindowAndItsOwnedWindowsForward) {
    HWND main = SolidWindow(RGB(255, 0, 0), RECT{0, 30, 240, 250});
    HWND owned = CreateWindowExW(0, wtest::SolidClass(RGB(0, 255, 0)).c_str(), u"", WS_POPUP | WS_VISIBLE, 50, 50, 100,
                                 100, main, nullptr, nullptr, nullptr);
    HWND other = SolidWindow(RGB(0, 0, 255), RECT{0, 30, 240, 260});
    EXPECT_EQ(GetForegroundWindow(), other);
    ASSERT_TRUE(SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(main) | 1)));
    EXPECT_EQ(GetForegroundWindow(), main);
    EXPECT_EQ(At(100, 100), owned);
    EXPECT_EQ(At(10, 200), main);
    HWND child = Probe(u"child", RECT{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE, other);
    ASSERT_TRUE(SetForegroundWindow(child));
    EXPECT_EQ(GetForegroundWindow(), other) << "a child stands for its top-level window";
}

TEST_F(Window, SetFocusTellsBothWindowsAndDisabledWindowsRefuseIt) {
    HWND top = Probe(u"top", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    HWND a = Probe(u"a", RECT{0, 0, 50, 20}, WS_CHILD | WS_VISIBLE, top);
    HWND b = Probe(u"b", RECT{0, 30, 50, 50}, WS_CHILD | WS_VISIBLE, top);
    HWND group = Probe(u"group", RECT{60, 0, 200, 100}, WS_CHILD | WS_VISIBLE | WS_DISABLED, top);
    HWND inGroup = Probe(u"in group", RECT{0, 0, 50, 20}, WS_CHILD | WS_VISIBLE, group);
    SetFocus(a);
    Recorder rec({WM_SETFOCUS, WM_KILLFOCUS});
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    ASSERT_EQ(rec.All().size(), 2u);
    EXPECT_EQ(rec.To(a, WM_KILLFOCUS).at(0).wParam, reinterpret_cast<WPARAM>(b));
    EXPECT_EQ(rec.To(b, WM_SETFOCUS).at(0).wParam, reinterpret_cast<WPARAM>(a));
    rec.Clear();
    EXPECT_EQ(SetFocus(b), b);
    EXPECT_EQ(SetFocus(group), nullptr);
    EXPECT_EQ(SetFocus(inGroup), nullptr) << "a child of a disabled window";
    EXPECT_EQ(GetFocus(), b);
    EXPECT_TRUE(rec.All().empty());
}

TEST_F(Window, HidingOrDestroyingWhatHoldsTheFocusTakesItAwayFirst) {
    HWND screen = Probe(u"screen", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    HWND field = Probe(u"field", RECT{0, 0, 50, 20}, WS_CHILD | WS_VISIBLE, screen);
    SetFocus(field);
    Recorder rec({WM_KILLFOCUS, WM_DESTROY});
    ShowWindow(screen, SW_HIDE);
    EXPECT_EQ(GetFocus(), nullptr);
    ASSERT_EQ(rec.To(field, WM_KILLFOCUS).size(), 1u);
    EXPECT_EQ(rec.All()[0].wParam, WPARAM(0));
    ShowWindow(screen, SW_SHOW);
    SetFocus(field);
    rec.Clear();
    DestroyWindow(field);
    EXPECT_EQ(GetFocus(), nullptr);
    ASSERT_EQ(rec.All().size(), 2u);
    EXPECT_EQ(rec.All()[0].msg, UINT(WM_KILLFOCUS));
    EXPECT_EQ(rec.All()[1].msg, UINT(WM_DESTROY));
}

TEST_F(Window, WindowAndDialogItemTextCopyWhatFitsWithItsTerminator) {
    HWND dlg = CreateDialogFromResource(IDD_OHMS, nullptr, PassiveDialogProc);
    ASSERT_NE(dlg, nullptr);
    HWND h = Probe(u"Hello, world", RECT{0, 30, 100, 100}, WS_POPUP);
    EXPECT_EQ(GetWindowTextLengthW(h), 12);
    for (int size : {1, 2, 12, 13, 40}) {
        SCOPED_TRACE(size);
        const int expected = std::min(12, size - 1);
        std::u16string buffer(size_t(size) + 1, u'#');  // one guard character past the end
        EXPECT_EQ(GetWindowTextW(h, buffer.data(), size), expected);
        EXPECT_EQ(std::u16string(buffer.c_str()), std::u16string(u"Hello, world").substr(0, size_t(expected)));
        EXPECT_EQ(buffer[size_t(size)], u'#') << "wrote past the buffer";
        buffer.assign(size_t(size) + 1, u'#');
        EXPECT_EQ(GetDlgItemTextW(dlg, IDC_TITLE, buffer.data(), size), UINT(std::min(28, size - 1)));
        EXPECT_EQ(std::u16string(buffer.c_str()), std::u16string(u"DC Ohm's Law Calculator     ").substr(0, size_t(std::min(28, size - 1))));
        EXPECT_EQ(buffer[size_t(size)], u'#') << "wrote past the buffer";
    }
    WCHAR buf[8] = u"stale";
    EXPECT_EQ(GetDlgItemTextW(dlg, 4242, buf, 8), 0u);
    EXPECT_EQ(buf[0], u'\0');
}

TEST_F(Window, WindowLongsAnswerThePreviousValueAndDialogsKeepTheirOwn) {
    HWND top = Probe(u"top", RECT{0, 30, 240, 250}, WS_POPUP);
    HWND child = Probe(u"child", RECT{0, 0, 10, 10}, WS_CHILD, top, 77);
    EXPECT_EQ(SetWindowLongW(child, GWL_USERDATA, 5), 0);
    EXPECT_EQ(SetWindowLongW(child, GWL_USERDATA, 9), 5);
    EXPECT_EQ(SetWindowLongW(child, GWL_ID, 78), 77);
    EXPECT_EQ(GetDlgItem(top, 78), child);
    SetWindowLongW(top, DWL_USER, 1234);
    EXPECT_EQ(GetWindowLongW(top, DWL_USER), 0) << "a window without extra bytes keeps nothing there";

    HWND dlg = CreateDialogFromResource(IDD_OHMS, nullptr, PassiveDialogProc);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(dlg, DWL_DLGPROC), reinterpret_cast<LONG_PTR>(PassiveDialogProc));
    EXPECT_EQ(SetWindowLongW(dlg, DWL_USER, 31), 0);
    SetWindowLongW(dlg, DWL_MSGRESULT, 5);
    EXPECT_EQ(GetWindowLongW(dlg, DWL_USER), 31) << "the dialog values are kept apart";
    EXPECT_EQ(GetWindowLongW(dlg, DWL_MSGRESULT), 5);
    EXPECT_EQ(GetWindowLongW(dlg, GWL_USERDATA), 0);
}

// Quit comes after what was posted before it; what was posted to a window since destroyed is dropped.
TEST_F(Window, GetMessageAnswersFalseForQuitOnceThePostedMessagesAreTaken) {
    HWND doomed = Probe(u"doomed", RECT{0, 30, 100, 100}, WS_POPUP);
    HWND doomedChild = Probe(u"child", RECT{0, 0, 10, 10}, WS_CHILD, doomed);
    HWND h = Probe(u"w", RECT{0, 30, 100, 100}, WS_POPUP);
    PostMessageW(h, WM_USER + 1, 11, 0);
    PostMessageW(doomed, WM_USER + 2, 0, 0);
    PostMessageW(doomedChild, WM_USER + 3, 0, 0);
    PostQuitMessage(7);
    PostMessageW(h, WM_USER + 4, 0, 0);
    DestroyWindow(doomed);
    std::vector<std::pair<HWND, UINT>> got;
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0)) got.push_back({msg.hwnd, msg.message});
    EXPECT_EQ(got, (std::vector<std::pair<HWND, UINT>>{{h, WM_USER + 1}, {h, WM_USER + 4}}));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, WPARAM(7));
}

// Keyboard input as the focused window sees it after the message loop's translation.
class Keyboard : public Window {
protected:
    void SetUp() override {
        Window::SetUp();
        field = Probe(u"field", RECT{0, 30, 100, 50}, WS_POPUP | WS_VISIBLE);
        SetFocus(field);
        test::Pump();
        ProbeHook() = [this](HWND, UINT msg, WPARAM wParam, LPARAM, LRESULT&) {
            if (msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR) keys.push_back({msg, wParam});
            return false;
        };
    }
    void TearDown() override {
        platform::SetKeyState(VK_SHIFT, false);
        platform::SetKeyState(VK_CONTROL, false);
        Window::TearDown();
    }
    std::vector<std::pair<UINT, WPARAM>> keys;
    HWND field = nullptr;
};

TEST_F(Keyboard, KeysBecomeCharactersBetweenTheirDownAndUpFollowingShiftAndControl) {
    const struct {
        UINT vk;
        bool shift, control;
        int ch;  // -1: no character
    } cases[] = {
        {'A', false, false, 'a'},     {'A', true, false, 'A'},      {'C', false, true, 3},
        {'Z', false, true, 26},       {'7', false, false, '7'},     {VK_RETURN, false, false, 13},
        {VK_BACK, false, false, 8},   {VK_LEFT, false, false, -1},  {VK_DELETE, false, false, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.vk);
        keys.clear();
        platform::SetKeyState(VK_SHIFT, c.shift);
        platform::SetKeyState(VK_CONTROL, c.control);
        test::PressKey(c.vk);
        std::vector<std::pair<UINT, WPARAM>> expected{{WM_KEYDOWN, c.vk}, {WM_KEYUP, c.vk}};
        if (c.ch >= 0) expected.insert(expected.begin() + 1, {WM_CHAR, WPARAM(c.ch)});
        EXPECT_EQ(keys, expected);
    }
}

}  // namespace
