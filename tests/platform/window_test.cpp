// The window system: creation, ownership and destruction, visibility, z-order,
// geometry, the foreground, focus, dialog item text and the message queue with its
// keyboard translation.
#include "demo_resource.h"
#include "window_support.h"

namespace {

using test::CreateDialogFromResource;
using test::PassiveDialogProc;
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

// A screen's WM_CREATE lays out its controls from its own text and client size.
TEST_F(Window, TextAndSizeAreSetBeforeTheCreateMessage) {
    HWND parent = Probe(u"parent", RECT{0, 30, 240, 250}, WS_POPUP);
    static std::u16string textDuringCreate;
    static RECT clientDuringCreate;
    ProbeHook() = [](HWND h, UINT msg, WPARAM, LPARAM, LRESULT&) {
        if (msg == WM_CREATE) textDuringCreate = test::TextOf(h), GetClientRect(h, &clientDuringCreate);
        return false;
    };
    HWND child = Probe(u"Field", RECT{7, 9, 67, 29}, WS_CHILD, parent, 321);
    EXPECT_EQ(textDuringCreate, u"Field");
    EXPECT_EQ(clientDuringCreate, (RECT{0, 0, 60, 20}));
    EXPECT_EQ(GetDlgItem(parent, 321), child);
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
    EXPECT_FALSE(PostMessageW(owned, WM_USER, 0, 0)) << "a destroyed window takes nothing";
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

    Recorder rec({WM_SIZE});
    ASSERT_TRUE(MoveWindow(child, 30, 35, 120, 60, TRUE));
    GetWindowRect(grandchild, &r);
    EXPECT_EQ(r, (RECT{55, 81, 75, 91}));
    auto sizes = rec.To(child, WM_SIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].lParam, MAKELPARAM(120, 60));
}

// Raised by HWND_TOP or made the foreground window (with the low bit set), an owner comes
// forward with its owned windows and no others. How raising repaints the paint tests show.
TEST_F(Window, RaisingAnOwnerBringsItsOwnedWindowsForward) {
    HWND main = SolidWindow(RGB(255, 0, 0), RECT{0, 30, 240, 250});
    HWND owned = CreateWindowExW(0, wtest::SolidClass(RGB(0, 255, 0)).c_str(), u"", WS_POPUP | WS_VISIBLE, 50, 50, 100,
                                 100, main, nullptr, nullptr, nullptr);
    HWND other = SolidWindow(RGB(0, 0, 255), RECT{0, 30, 240, 260});
    EXPECT_EQ(GetForegroundWindow(), other);
    ASSERT_TRUE(SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(At(100, 100), owned);
    EXPECT_EQ(At(10, 255), other) << "only the owner's family was raised";
    ASSERT_TRUE(SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    ASSERT_TRUE(SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(main) | 1)));
    EXPECT_EQ(GetForegroundWindow(), main);
    EXPECT_EQ(At(100, 100), owned);
    EXPECT_EQ(At(10, 200), main);
    HWND child = Probe(u"child", RECT{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE, other);
    ASSERT_TRUE(SetForegroundWindow(child));
    EXPECT_EQ(GetForegroundWindow(), other) << "a child stands for its top-level window";
}

TEST_F(Window, SetFocusTellsBothWindowsAndDisabledOrDestroyedWindowsLoseIt) {
    HWND top = Probe(u"top", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    HWND a = Probe(u"a", RECT{0, 0, 50, 20}, WS_CHILD | WS_VISIBLE, top);
    HWND b = Probe(u"b", RECT{0, 30, 50, 50}, WS_CHILD | WS_VISIBLE, top);
    HWND group = Probe(u"group", RECT{60, 0, 200, 100}, WS_CHILD | WS_VISIBLE | WS_DISABLED, top);
    HWND inGroup = Probe(u"in group", RECT{0, 0, 50, 20}, WS_CHILD | WS_VISIBLE, group);
    SetFocus(a);
    Recorder rec({WM_SETFOCUS, WM_KILLFOCUS, WM_DESTROY});
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
    // Destroying what holds the focus takes it away first.
    DestroyWindow(b);
    EXPECT_EQ(GetFocus(), nullptr);
    ASSERT_EQ(rec.All().size(), 2u);
    EXPECT_EQ(rec.All()[0].msg, UINT(WM_KILLFOCUS));
    EXPECT_EQ(rec.All()[1].msg, UINT(WM_DESTROY));
}

TEST_F(Window, DialogItemTextCopiesWhatFitsWithItsTerminator) {
    HWND dlg = CreateDialogFromResource(IDD_OHMS, nullptr, PassiveDialogProc);
    ASSERT_NE(dlg, nullptr);
    const std::u16string title = u"DC Ohm's Law Calculator     ";
    for (int size : {1, 2, 28, 29, 40}) {
        SCOPED_TRACE(size);
        const int expected = std::min(28, size - 1);
        std::u16string buffer(size_t(size) + 1, u'#');  // one guard character past the end
        EXPECT_EQ(GetDlgItemTextW(dlg, IDC_TITLE, buffer.data(), size), UINT(expected));
        EXPECT_EQ(std::u16string(buffer.c_str()), title.substr(0, size_t(expected)));
        EXPECT_EQ(buffer[size_t(size)], u'#') << "wrote past the buffer";
    }
    WCHAR buf[8] = u"stale";
    EXPECT_EQ(GetDlgItemTextW(dlg, 4242, buf, 8), 0u);
    EXPECT_EQ(buf[0], u'\0');
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
TEST_F(Window, KeysBecomeCharactersBetweenTheirDownAndUpFollowingShiftAndControl) {
    static std::vector<std::pair<UINT, WPARAM>> keys;
    SetFocus(Probe(u"field", RECT{0, 30, 100, 50}, WS_POPUP | WS_VISIBLE));
    ProbeHook() = [](HWND, UINT msg, WPARAM wParam, LPARAM, LRESULT&) {
        if (msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR) keys.push_back({msg, wParam});
        return false;
    };
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
    platform::SetKeyState(VK_SHIFT, false);
    platform::SetKeyState(VK_CONTROL, false);
}

}  // namespace
