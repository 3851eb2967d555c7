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

// ---------------------------------------------------------------- classes and creation

TEST_F(Window, ClassNamesAreUniqueWithoutRegardToCase) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = wtest::ProbeProc;
    wc.lpszClassName = u"PROBE";
    EXPECT_EQ(RegisterClassW(&wc), 0) << "Probe is registered already";
    wc.lpszClassName = u"Another";
    EXPECT_NE(RegisterClassW(&wc), 0);
    // Windows of a class can be created by any spelling of its name.
    EXPECT_NE(CreateWindowExW(0, u"aNoThEr", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(Window, CreationWithAnUnknownClassOrChildWithoutParentFails) {
    SetLastError(0);
    EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_CANNOT_FIND_WND_CLASS));
    EXPECT_EQ(CreateWindowExW(0, kProbe, u"", WS_CHILD, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(Window, CreateMessageCarriesTheCreationParameters) {
    HWND parent = Probe(u"parent", RECT{0, 30, 240, 250}, WS_POPUP);
    struct Seen {
        CREATESTRUCTW cs{};
        std::u16string name, cls, textDuringCreate;
        RECT client{};
        int creates = 0;
    };
    static Seen seen;
    seen = Seen{};
    ProbeHook() = [](HWND h, UINT msg, WPARAM, LPARAM lParam, LRESULT& r) {
        if (msg != WM_CREATE) return false;
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        seen.cs = *cs;
        seen.name = cs->lpszName;
        seen.cls = cs->lpszClass;
        seen.textDuringCreate = test::TextOf(h);
        GetClientRect(h, &seen.client);
        ++seen.creates;
        r = 0;
        return true;
    };
    int marker = 0;
    HWND child = CreateWindowExW(0, kProbe, u"Field", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 7, 9, 60, 20, parent,
                                 reinterpret_cast<HMENU>(uintptr_t(321)), GetModuleHandleW(nullptr), &marker);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(seen.creates, 1);
    EXPECT_EQ(seen.cs.lpCreateParams, &marker);
    EXPECT_EQ(seen.cs.hwndParent, parent);
    EXPECT_EQ(seen.cs.hMenu, reinterpret_cast<HMENU>(uintptr_t(321)));
    EXPECT_EQ(seen.cs.x, 7);
    EXPECT_EQ(seen.cs.y, 9);
    EXPECT_EQ(seen.cs.cx, 60);
    EXPECT_EQ(seen.cs.cy, 20);
    EXPECT_EQ(DWORD(seen.cs.style), DWORD(WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    EXPECT_EQ(seen.name, u"Field");
    EXPECT_EQ(seen.cls, kProbe);
    // The window already has its text and size while it handles WM_CREATE.
    EXPECT_EQ(seen.textDuringCreate, u"Field");
    EXPECT_EQ(seen.client.right, 60);
    EXPECT_EQ(seen.client.bottom, 20);
    EXPECT_EQ(GetDlgCtrlID(child), 321);
    EXPECT_EQ(GetDlgItem(parent, 321), child);
}

TEST_F(Window, CreateAnsweringMinusOneFailsAndLeavesNoWindowBehind) {
    HWND parent = Probe(u"parent", RECT{0, 30, 240, 250}, WS_POPUP);
    static HWND doomed;
    doomed = nullptr;
    ProbeHook() = [](HWND h, UINT msg, WPARAM, LPARAM lParam, LRESULT& r) {
        if (msg != WM_CREATE) return false;
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (cs->lpszName == std::u16string(u"refuse")) {
            doomed = h;
            r = -1;
            return true;
        }
        return false;
    };
    Recorder rec({WM_DESTROY});
    EXPECT_EQ(Probe(u"refuse", RECT{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE, parent, 5), nullptr);
    ASSERT_NE(doomed, nullptr);
    EXPECT_FALSE(IsWindow(doomed));
    EXPECT_EQ(GetDlgItem(parent, 5), nullptr);
    EXPECT_EQ(rec.To(doomed, WM_DESTROY).size(), 1u);
    // A window that accepts its creation is made as usual.
    EXPECT_NE(Probe(u"accept", RECT{0, 0, 10, 10}, WS_CHILD, parent, 6), nullptr);
    EXPECT_NE(GetDlgItem(parent, 6), nullptr);
}

// ---------------------------------------------------------------- ownership and destruction

TEST_F(Window, TopLevelCreatedWithAChildAsParentIsOwnedByThatChildsTopLevel) {
    HWND top = Probe(u"top", RECT{0, 30, 240, 250}, WS_POPUP);
    HWND child = Probe(u"child", RECT{0, 0, 100, 100}, WS_CHILD, top);
    HWND grandchild = Probe(u"grandchild", RECT{0, 0, 50, 50}, WS_CHILD, child);
    HWND popup = Probe(u"popup", RECT{10, 40, 100, 100}, WS_POPUP, grandchild);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetParent(popup), top);
    EXPECT_EQ(GetParent(grandchild), child);
    // Its position is on the screen, not inside the window it was created from.
    RECT r;
    GetWindowRect(popup, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 40);
    DestroyWindow(top);
    EXPECT_FALSE(IsWindow(popup));
}

TEST_F(Window, DestroyWindowDestroysOwnedWindowsThenTheWindowThenItsChildren) {
    HWND owner = Probe(u"O", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    HWND child = Probe(u"C", RECT{0, 0, 100, 100}, WS_CHILD | WS_VISIBLE, owner);
    HWND grandchild = Probe(u"G", RECT{0, 0, 50, 50}, WS_CHILD | WS_VISIBLE, child);
    HWND owned = Probe(u"P", RECT{20, 60, 120, 160}, WS_POPUP | WS_VISIBLE, owner);
    HWND ownedChild = Probe(u"PC", RECT{0, 0, 30, 30}, WS_CHILD | WS_VISIBLE, owned);
    HWND ownedByOwned = Probe(u"Q", RECT{30, 70, 90, 130}, WS_POPUP | WS_VISIBLE, owned);
    HWND stranger = Probe(u"S", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    test::MessageLog log({WM_DESTROY});
    for (auto [h, name] : std::vector<std::pair<HWND, std::string>>{{owner, "O"}, {child, "C"}, {grandchild, "G"},
                                                                     {owned, "P"}, {ownedChild, "PC"},
                                                                     {ownedByOwned, "Q"}, {stranger, "S"}})
        log.Name(h, name);
    EXPECT_TRUE(DestroyWindow(owner));
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"Q WM_DESTROY", "P WM_DESTROY", "PC WM_DESTROY", "O WM_DESTROY",
                                                     "C WM_DESTROY", "G WM_DESTROY"}));
    for (HWND h : {owner, child, grandchild, owned, ownedChild, ownedByOwned}) EXPECT_FALSE(IsWindow(h));
    EXPECT_TRUE(IsWindow(stranger));
    EXPECT_FALSE(DestroyWindow(owner)) << "a destroyed window cannot be destroyed again";
}

TEST_F(Window, DestroyingAChildLeavesItsParentAndSiblings) {
    HWND top = Probe(u"top", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    HWND a = Probe(u"a", RECT{0, 0, 50, 50}, WS_CHILD | WS_VISIBLE, top, 1);
    HWND b = Probe(u"b", RECT{0, 60, 50, 110}, WS_CHILD | WS_VISIBLE, top, 2);
    EXPECT_TRUE(DestroyWindow(a));
    EXPECT_TRUE(IsWindow(top));
    EXPECT_EQ(GetDlgItem(top, 1), nullptr);
    EXPECT_EQ(GetDlgItem(top, 2), b);
}

TEST_F(Window, CallsOnADestroyedWindowFail) {
    HWND h = Probe(u"gone", RECT{0, 30, 100, 100}, WS_POPUP);
    DestroyWindow(h);
    RECT r{1, 2, 3, 4};
    EXPECT_FALSE(GetWindowRect(h, &r));
    EXPECT_EQ(SendMessageW(h, WM_USER, 0, 0), 0);
    SetLastError(0);
    EXPECT_FALSE(PostMessageW(h, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(ShowWindow(h, SW_SHOW));
    EXPECT_FALSE(SetWindowTextW(h, u"x"));
}

// ---------------------------------------------------------------- visibility

TEST_F(Window, ShowWindowAnswersThePreviousVisibilityAndSendsShowWindowOnChange) {
    HWND h = Probe(u"w", RECT{0, 30, 240, 250}, WS_POPUP);
    Recorder rec({WM_SHOWWINDOW});
    struct Step {
        int cmd;
        bool answer;           // was it visible before
        int showWindowWParam;  // -1: no WM_SHOWWINDOW
    };
    const Step steps[] = {{SW_HIDE, false, -1}, {SW_SHOW, false, TRUE}, {SW_SHOW, true, -1},
                          {SW_SHOWNA, true, -1}, {SW_HIDE, true, FALSE}, {SW_SHOWNORMAL, false, TRUE}};
    for (const Step& s : steps) {
        rec.Clear();
        SCOPED_TRACE(s.cmd);
        EXPECT_EQ(ShowWindow(h, s.cmd) != FALSE, s.answer);
        auto sent = rec.To(h, WM_SHOWWINDOW);
        if (s.showWindowWParam < 0) {
            EXPECT_TRUE(sent.empty());
        } else {
            ASSERT_EQ(sent.size(), 1u);
            EXPECT_EQ(sent[0].wParam, WPARAM(s.showWindowWParam));
        }
        EXPECT_EQ(IsWindowVisible(h) != FALSE, s.cmd != SW_HIDE);
    }
}

TEST_F(Window, AChildIsVisibleOnlyWhileItsParentIs) {
    HWND top = Probe(u"top", RECT{0, 30, 240, 250}, WS_POPUP);
    HWND child = Probe(u"child", RECT{0, 0, 50, 50}, WS_CHILD | WS_VISIBLE, top);
    EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(IsWindowVisible(child));
    ShowWindow(top, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(child));
}

TEST_F(Window, EnableWindowAnswersWhetherTheWindowWasDisabled) {
    HWND h = Probe(u"w", RECT{0, 30, 240, 250}, WS_POPUP);
    EXPECT_FALSE(EnableWindow(h, FALSE));
    EXPECT_FALSE(IsWindowEnabled(h));
    EXPECT_TRUE(EnableWindow(h, FALSE));
    EXPECT_TRUE(EnableWindow(h, TRUE));
    EXPECT_TRUE(IsWindowEnabled(h));
    EXPECT_FALSE(EnableWindow(h, TRUE));
}

// ---------------------------------------------------------------- z-order

TEST_F(Window, HwndTopRaisesAChildAboveItsSiblings) {
    HWND top = SolidWindow(RGB(255, 255, 255), RECT{0, 30, 240, 250});
    HWND a = SolidWindow(RGB(255, 0, 0), RECT{10, 10, 110, 110}, top);
    HWND b = SolidWindow(RGB(0, 255, 0), RECT{60, 60, 160, 160}, top);
    const int x = 90, y = 30 + 90;  // where both children lie
    ASSERT_TRUE(SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(At(x, y), b);
    ASSERT_TRUE(SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(At(x, y), a);
    ASSERT_TRUE(BringWindowToTop(b));
    EXPECT_EQ(At(x, y), b);
    // Neither moved nor changed size.
    RECT r;
    GetWindowRect(a, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.right, 110);
    // SWP_NOZORDER leaves the order alone.
    SetWindowPos(a, HWND_TOP, 12, 10, 100, 100, SWP_NOZORDER);
    EXPECT_EQ(At(x, y), b);
}

TEST_F(Window, RaisingAnOwnerKeepsItsOwnedWindowsAboveIt) {
    HWND owner = SolidWindow(RGB(255, 0, 0), RECT{0, 40, 240, 240});
    HWND owned = CreateWindowExW(0, wtest::SolidClass(RGB(0, 255, 0)).c_str(), u"", WS_POPUP | WS_VISIBLE, 60, 80, 80,
                                 80, owner, nullptr, nullptr, nullptr);
    HWND ownedTwice = CreateWindowExW(0, wtest::SolidClass(RGB(0, 128, 0)).c_str(), u"", WS_POPUP | WS_VISIBLE, 100,
                                      120, 20, 20, owned, nullptr, nullptr, nullptr);
    HWND other = SolidWindow(RGB(0, 0, 255), RECT{0, 30, 240, 260});
    EXPECT_EQ(At(110, 130), other);
    ASSERT_TRUE(SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(At(10, 50), owner);
    EXPECT_EQ(At(70, 90), owned);
    EXPECT_EQ(At(110, 130), ownedTwice);
    EXPECT_EQ(At(10, 255), other) << "only the owner's family was raised";
}

TEST_F(Window, TopmostWindowsStayAboveOthers) {
    HWND topmost = CreateWindowExW(WS_EX_TOPMOST, wtest::SolidClass(RGB(0, 255, 0)).c_str(), u"", WS_POPUP | WS_VISIBLE,
                                   50, 50, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HWND normal = SolidWindow(RGB(255, 0, 0), RECT{0, 30, 240, 250});
    EXPECT_EQ(At(100, 100), topmost) << "a window shown later stays below a topmost one";
    SetWindowPos(normal, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(At(100, 100), topmost);
    SetForegroundWindow(normal);
    EXPECT_EQ(At(100, 100), topmost);

    // HWND_TOPMOST makes a window topmost; HWND_NOTOPMOST puts it back below them.
    SetWindowPos(normal, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(GetWindowLongW(normal, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(At(100, 100), normal);
    SetWindowPos(normal, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_FALSE(GetWindowLongW(normal, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(At(100, 100), topmost);
}

TEST_F(Window, HwndBottomTakesATopmostWindowOutOfTheTopmostBand) {
    HWND topmost = CreateWindowExW(WS_EX_TOPMOST, wtest::SolidClass(RGB(0, 255, 0)).c_str(), u"", WS_POPUP | WS_VISIBLE,
                                   50, 50, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HWND normal = SolidWindow(RGB(255, 0, 0), RECT{0, 30, 240, 250});
    ASSERT_EQ(At(100, 100), topmost);
    SetWindowPos(topmost, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_FALSE(GetWindowLongW(topmost, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(At(100, 100), normal);
}

// ---------------------------------------------------------------- geometry

TEST_F(Window, GeometryOfNestedChildrenFollowsTheirParents) {
    HWND top = Probe(u"top", RECT{20, 40, 220, 240}, WS_POPUP | WS_VISIBLE);
    HWND child = Probe(u"child", RECT{10, 15, 110, 65}, WS_CHILD | WS_VISIBLE, top);
    HWND grandchild = Probe(u"grandchild", RECT{5, 6, 25, 16}, WS_CHILD | WS_VISIBLE, child);
    RECT r;
    ASSERT_TRUE(GetWindowRect(grandchild, &r));
    EXPECT_EQ(r.left, 35);
    EXPECT_EQ(r.top, 61);
    EXPECT_EQ(r.right, 55);
    EXPECT_EQ(r.bottom, 71);
    ASSERT_TRUE(GetClientRect(grandchild, &r));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 20);
    EXPECT_EQ(r.bottom, 10);
    POINT p{1, 2};
    ASSERT_TRUE(ClientToScreen(grandchild, &p));
    EXPECT_EQ(p.x, 36);
    EXPECT_EQ(p.y, 63);
    p = POINT{35, 61};
    ASSERT_TRUE(ScreenToClient(child, &p));
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, 6);

    Recorder rec({WM_SIZE});
    ASSERT_TRUE(MoveWindow(child, 30, 35, 120, 60, TRUE));
    GetWindowRect(grandchild, &r);
    EXPECT_EQ(r.left, 55);
    EXPECT_EQ(r.top, 81);
    GetWindowRect(child, &r);
    EXPECT_EQ(r.right - r.left, 120);
    EXPECT_EQ(r.bottom - r.top, 60);
    auto sizes = rec.To(child, WM_SIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(LOWORD(sizes[0].lParam), 120);
    EXPECT_EQ(HIWORD(sizes[0].lParam), 60);
    // Moving without a change of size is no resize.
    rec.Clear();
    MoveWindow(child, 0, 0, 120, 60, TRUE);
    EXPECT_TRUE(rec.To(child, WM_SIZE).empty());
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 40);
}

// ---------------------------------------------------------------- finding windows and the foreground

TEST_F(Window, FindWindowMatchesTopLevelWindowsByClassAndTitle) {
    ASSERT_TRUE(wtest::RegisterProbe(u"MainClass"));
    HWND alpha = Probe(u"Alpha", RECT{0, 30, 100, 100}, WS_POPUP);  // hidden windows are found too
    HWND beta = CreateWindowExW(0, u"MainClass", u"Beta", WS_POPUP | WS_VISIBLE, 0, 30, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
    Probe(u"Child", RECT{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE, beta);
    struct Case {
        const char16_t* cls;
        const char16_t* title;
        HWND expected;
    };
    const Case cases[] = {
        {u"mainclass", nullptr, beta}, {nullptr, u"Alpha", alpha},   {u"MainClass", u"Beta", beta},
        {kProbe, u"Beta", nullptr},    {nullptr, u"Child", nullptr}, {u"NoSuchClass", nullptr, nullptr},
        {kProbe, u"Alpha", alpha},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.cls ? "class" : "") + (c.title ? " title" : ""));
        EXPECT_EQ(FindWindowW(c.cls, c.title), c.expected);
    }
}

TEST_F(Window, SetForegroundWindowWithTheLowBitBringsTheWindowAndItsOwnedWindowsForward) {
    HWND main = SolidWindow(RGB(255, 0, 0), RECT{0, 30, 240, 250});
    HWND owned = CreateWindowExW(0, wtest::SolidClass(RGB(0, 255, 0)).c_str(), u"", WS_POPUP | WS_VISIBLE, 50, 50, 100,
                                 100, main, nullptr, nullptr, nullptr);
    HWND other = SolidWindow(RGB(0, 0, 255), RECT{0, 30, 240, 260});
    EXPECT_EQ(GetForegroundWindow(), other);
    int broughtBefore = backend->broughtToFront;
    ASSERT_TRUE(SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(main) | 1)));
    EXPECT_EQ(GetForegroundWindow(), main);
    EXPECT_EQ(At(100, 100), owned);
    EXPECT_EQ(At(10, 200), main);
    EXPECT_EQ(backend->broughtToFront, broughtBefore + 1) << "the host window is brought forward too";
    // A child stands for its top-level window.
    HWND child = Probe(u"child", RECT{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE, other);
    ASSERT_TRUE(SetForegroundWindow(child));
    EXPECT_EQ(GetForegroundWindow(), other);
    EXPECT_EQ(At(100, 100), other);
}

// ---------------------------------------------------------------- focus

TEST_F(Window, SetFocusTellsBothWindowsAboutEachOther) {
    HWND top = Probe(u"top", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    HWND a = Probe(u"a", RECT{0, 0, 50, 20}, WS_CHILD | WS_VISIBLE, top);
    HWND b = Probe(u"b", RECT{0, 30, 50, 50}, WS_CHILD | WS_VISIBLE, top);
    Recorder rec({WM_SETFOCUS, WM_KILLFOCUS});
    HWND before = GetFocus();
    EXPECT_EQ(SetFocus(a), before);
    EXPECT_EQ(GetFocus(), a);
    rec.Clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    const auto& sent = rec.All();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].hwnd, a);
    EXPECT_EQ(sent[0].msg, UINT(WM_KILLFOCUS));
    EXPECT_EQ(sent[0].wParam, reinterpret_cast<WPARAM>(b));
    EXPECT_EQ(sent[1].hwnd, b);
    EXPECT_EQ(sent[1].msg, UINT(WM_SETFOCUS));
    EXPECT_EQ(sent[1].wParam, reinterpret_cast<WPARAM>(a));
    // Focusing the focused window again changes nothing.
    rec.Clear();
    EXPECT_EQ(SetFocus(b), b);
    EXPECT_TRUE(rec.All().empty());
}

TEST_F(Window, HidingTheScreenThatHoldsTheFocusClearsIt) {
    HWND screen = Probe(u"screen", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    HWND field = Probe(u"field", RECT{0, 0, 50, 20}, WS_CHILD | WS_VISIBLE, screen);
    SetFocus(field);
    Recorder rec({WM_KILLFOCUS});
    ShowWindow(screen, SW_HIDE);
    EXPECT_EQ(GetFocus(), nullptr);
    auto killed = rec.To(field, WM_KILLFOCUS);
    ASSERT_EQ(killed.size(), 1u);
    EXPECT_EQ(killed[0].wParam, WPARAM(0));
}

TEST_F(Window, DisabledWindowsAndChildrenOfDisabledWindowsRefuseTheFocus) {
    HWND top = Probe(u"top", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    HWND a = Probe(u"a", RECT{0, 0, 50, 20}, WS_CHILD | WS_VISIBLE, top);
    HWND b = Probe(u"b", RECT{0, 30, 50, 50}, WS_CHILD | WS_VISIBLE | WS_DISABLED, top);
    HWND group = Probe(u"group", RECT{60, 0, 200, 100}, WS_CHILD | WS_VISIBLE, top);
    HWND inGroup = Probe(u"in group", RECT{0, 0, 50, 20}, WS_CHILD | WS_VISIBLE, group);
    SetFocus(a);
    EnableWindow(group, FALSE);
    Recorder rec({WM_SETFOCUS, WM_KILLFOCUS});
    EXPECT_EQ(SetFocus(b), nullptr);
    EXPECT_EQ(SetFocus(inGroup), nullptr);
    EXPECT_EQ(GetFocus(), a);
    EXPECT_TRUE(rec.All().empty());
    EnableWindow(b, TRUE);
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
}

TEST_F(Window, DestroyingTheFocusedWindowTakesTheFocusAwayFirst) {
    HWND top = Probe(u"top", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
    HWND field = Probe(u"field", RECT{0, 0, 50, 20}, WS_CHILD | WS_VISIBLE, top);
    SetFocus(field);
    test::MessageLog log({WM_KILLFOCUS, WM_DESTROY});
    log.Name(field, "field");
    DestroyWindow(field);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"field WM_KILLFOCUS", "field WM_DESTROY"}));
}

// ---------------------------------------------------------------- window text

TEST_F(Window, GetWindowTextCopiesWhatFitsWithItsTerminator) {
    HWND h = Probe(u"Hello, world", RECT{0, 30, 100, 100}, WS_POPUP);
    const std::u16string full = u"Hello, world";
    EXPECT_EQ(GetWindowTextLengthW(h), 12);
    for (int size : {1, 2, 6, 12, 13, 40}) {
        SCOPED_TRACE(size);
        std::u16string buffer(size_t(size) + 1, u'#');  // one guard character past the end
        int n = GetWindowTextW(h, buffer.data(), size);
        int expected = std::min(12, size - 1);
        EXPECT_EQ(n, expected);
        EXPECT_EQ(buffer.substr(0, size_t(expected)), full.substr(0, size_t(expected)));
        EXPECT_EQ(buffer[size_t(expected)], u'\0');
        EXPECT_EQ(buffer[size_t(size)], u'#') << "wrote past the buffer";
    }
    ASSERT_TRUE(SetWindowTextW(h, u"Hi"));
    WCHAR buf[8];
    EXPECT_EQ(GetWindowTextW(h, buf, 8), 2);
    EXPECT_EQ(std::u16string(buf), u"Hi");
    EXPECT_EQ(GetWindowTextLengthW(h), 2);
}

TEST_F(Window, GetDlgItemTextTruncatesLikeGetWindowText) {
    HWND dlg = CreateDialogFromResource(IDD_OHMS, nullptr, PassiveDialogProc);
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(SetDlgItemTextW(dlg, IDC_CURRENT, u"123456"));
    struct Case {
        int id;
        int size;
        UINT count;
        std::u16string text;
    };
    const Case cases[] = {
        {IDC_CURRENT, 4, 3, u"123"},  {IDC_CURRENT, 7, 6, u"123456"}, {IDC_CURRENT, 1, 0, u""},
        {IDC_TITLE, 6, 5, u"DC Oh"},  {IDC_CURRENT, 32, 6, u"123456"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        std::u16string buffer(size_t(c.size) + 1, u'#');
        EXPECT_EQ(GetDlgItemTextW(dlg, c.id, buffer.data(), c.size), c.count);
        EXPECT_EQ(std::u16string(buffer.c_str()), c.text);
        EXPECT_EQ(buffer[size_t(c.size)], u'#') << "wrote past the buffer";
    }
    // An item that does not exist gives nothing, and an empty buffer.
    WCHAR buf[8] = u"stale";
    EXPECT_EQ(GetDlgItemTextW(dlg, 4242, buf, 8), 0u);
    EXPECT_EQ(buf[0], u'\0');
}

// ---------------------------------------------------------------- window longs

TEST_F(Window, SetWindowLongAnswersThePreviousValue) {
    HWND top = Probe(u"top", RECT{0, 30, 240, 250}, WS_POPUP);
    HWND child = Probe(u"child", RECT{0, 0, 10, 10}, WS_CHILD, top, 77);
    EXPECT_EQ(SetWindowLongW(child, GWL_USERDATA, 5), 0);
    EXPECT_EQ(SetWindowLongW(child, GWL_USERDATA, 9), 5);
    EXPECT_EQ(GetWindowLongW(child, GWL_USERDATA), 9);
    EXPECT_EQ(GetWindowLongW(child, GWL_ID), 77);
    EXPECT_EQ(SetWindowLongW(child, GWL_ID, 78), 77);
    EXPECT_EQ(GetDlgItem(top, 78), child);
    EXPECT_EQ(GetDlgItem(top, 77), nullptr);
    LONG style = GetWindowLongW(child, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_EQ(SetWindowLongW(child, GWL_STYLE, style | WS_TABSTOP), style);
    EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP);
    // A window without extra bytes keeps nothing at the dialog offsets.
    SetWindowLongW(top, DWL_USER, 1234);
    EXPECT_EQ(GetWindowLongW(top, DWL_USER), 0);
}

LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
WNDPROC g_original = nullptr;
int g_subclassed = 0;

LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER + 1) ++g_subclassed;
    if (msg == WM_USER + 2) return 99;
    return CallWindowProcW(g_original, hwnd, msg, wParam, lParam);
}

TEST_F(Window, SubclassingThroughTheWindowProcedureLong) {
    HWND h = Probe(u"w", RECT{0, 30, 100, 100}, WS_POPUP);
    static int reachedOriginal;
    reachedOriginal = 0;
    ProbeHook() = [](HWND, UINT msg, WPARAM, LPARAM, LRESULT& r) {
        if (msg != WM_USER + 1) return false;
        ++reachedOriginal;
        r = 7;
        return true;
    };
    g_subclassed = 0;
    g_original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(h, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
    EXPECT_EQ(g_original, wtest::ProbeProc);
    EXPECT_EQ(GetWindowLongPtrW(h, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(Subclass));
    EXPECT_EQ(SendMessageW(h, WM_USER + 1, 0, 0), 7);
    EXPECT_EQ(g_subclassed, 1);
    EXPECT_EQ(reachedOriginal, 1);
    EXPECT_EQ(SendMessageW(h, WM_USER + 2, 0, 0), 99);
    EXPECT_EQ(reachedOriginal, 1);
}

TEST_F(Window, DialogsKeepTheirProcedureResultAndUserValue) {
    HWND dlg = CreateDialogFromResource(IDD_OHMS, nullptr, PassiveDialogProc);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(dlg, DWL_DLGPROC), reinterpret_cast<LONG_PTR>(PassiveDialogProc));
    EXPECT_EQ(SetWindowLongW(dlg, DWL_USER, 31), 0);
    EXPECT_EQ(SetWindowLongW(dlg, DWL_USER, 32), 31);
    EXPECT_EQ(GetWindowLongW(dlg, DWL_USER), 32);
    SetWindowLongW(dlg, DWL_MSGRESULT, 5);
    EXPECT_EQ(GetWindowLongW(dlg, DWL_MSGRESULT), 5);
    EXPECT_EQ(GetWindowLongW(dlg, DWL_USER), 32) << "the dialog values are kept apart";
    // The user data of the window is not the dialog's user value.
    EXPECT_EQ(GetWindowLongW(dlg, GWL_USERDATA), 0);
}

// ---------------------------------------------------------------- the message queue

TEST_F(Window, SentMessagesAreHandledAtOncePostedOnesLater) {
    HWND h = Probe(u"w", RECT{0, 30, 100, 100}, WS_POPUP);
    static std::vector<UINT> handled;
    handled.clear();
    ProbeHook() = [](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT& r) {
        if (msg < WM_USER || msg > WM_USER + 10) return false;
        handled.push_back(msg);
        if (msg == WM_USER) {
            PostMessageW(hwnd, WM_USER + 1, 0, 0);
            SendMessageW(hwnd, WM_USER + 2, 0, 0);
            PostMessageW(hwnd, WM_USER + 3, 0, 0);
        }
        r = LRESULT(msg - WM_USER);
        return true;
    };
    EXPECT_EQ(SendMessageW(h, WM_USER, 0, 0), 0);
    EXPECT_EQ(handled, (std::vector<UINT>{WM_USER, WM_USER + 2}));
    test::Pump();
    EXPECT_EQ(handled, (std::vector<UINT>{WM_USER, WM_USER + 2, WM_USER + 1, WM_USER + 3}));
}

TEST_F(Window, GetMessageAnswersFalseForQuitOnlyOnceThePostedMessagesAreTaken) {
    HWND h = Probe(u"w", RECT{0, 30, 100, 100}, WS_POPUP);
    PostMessageW(h, WM_USER + 1, 11, 0);
    PostQuitMessage(7);
    PostMessageW(h, WM_USER + 2, 22, 0);
    MSG msg{};
    ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, UINT(WM_USER + 1));
    EXPECT_EQ(msg.hwnd, h);
    EXPECT_EQ(msg.wParam, WPARAM(11));
    ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, UINT(WM_USER + 2));
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, WPARAM(7));
}

TEST_F(Window, MessagesPostedToAWindowThatIsThenDestroyedAreDropped) {
    HWND doomed = Probe(u"doomed", RECT{0, 30, 100, 100}, WS_POPUP);
    HWND doomedChild = Probe(u"child", RECT{0, 0, 10, 10}, WS_CHILD, doomed);
    HWND survivor = Probe(u"survivor", RECT{0, 30, 100, 100}, WS_POPUP);
    PostMessageW(doomed, WM_USER + 1, 0, 0);
    PostMessageW(doomedChild, WM_USER + 2, 0, 0);
    PostMessageW(survivor, WM_USER + 3, 0, 0);
    DestroyWindow(doomed);
    PostQuitMessage(0);
    std::vector<std::pair<HWND, UINT>> got;
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0)) got.push_back({msg.hwnd, msg.message});
    EXPECT_EQ(got, (std::vector<std::pair<HWND, UINT>>{{survivor, WM_USER + 3}}));
}

// Keyboard input as the focused window sees it after the message loop's translation.
class Keyboard : public Window {
protected:
    void SetUp() override {
        Window::SetUp();
        HWND top = Probe(u"top", RECT{0, 30, 240, 250}, WS_POPUP | WS_VISIBLE);
        field = Probe(u"field", RECT{0, 0, 100, 20}, WS_CHILD | WS_VISIBLE, top);
        SetFocus(field);
        test::Pump();
        keys().clear();
        ProbeHook() = [](HWND, UINT msg, WPARAM wParam, LPARAM, LRESULT&) {
            if (msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR) keys().push_back({msg, wParam});
            return false;
        };
    }
    void TearDown() override {
        platform::SetKeyState(VK_SHIFT, false);
        platform::SetKeyState(VK_CONTROL, false);
        Window::TearDown();
    }
    static std::vector<std::pair<UINT, WPARAM>>& keys() {
        static std::vector<std::pair<UINT, WPARAM>> k;
        return k;
    }
    std::vector<WPARAM> Chars() const {
        std::vector<WPARAM> out;
        for (auto [msg, w] : keys())
            if (msg == WM_CHAR) out.push_back(w);
        return out;
    }
    HWND field = nullptr;
};

TEST_F(Keyboard, KeysBecomeCharactersBetweenTheirDownAndUp) {
    test::PressKey('A');
    EXPECT_EQ(keys(), (std::vector<std::pair<UINT, WPARAM>>{{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'}}));
}

TEST_F(Keyboard, TranslationFollowsShiftAndControl) {
    struct Case {
        UINT vk;
        bool shift, control;
        int ch;  // -1: no character
    };
    const Case cases[] = {
        {'A', false, false, 'a'}, {'A', true, false, 'A'},  {'C', false, true, 3},      {'Z', false, true, 26},
        {'H', false, true, 8},    {'7', false, false, '7'}, {VK_RETURN, false, false, 13}, {VK_SPACE, false, false, ' '},
        {VK_BACK, false, false, 8}, {VK_LEFT, false, false, -1}, {VK_DELETE, false, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vk);
        keys().clear();
        platform::SetKeyState(VK_SHIFT, c.shift);
        platform::SetKeyState(VK_CONTROL, c.control);
        test::PressKey(c.vk);
        if (c.ch < 0) {
            EXPECT_TRUE(Chars().empty());
        } else {
            EXPECT_EQ(Chars(), std::vector<WPARAM>{WPARAM(c.ch)});
        }
    }
}

TEST_F(Keyboard, PacketKeysCarryTheirCharacterInTheHighWordOfLParam) {
    for (char16_t ch : {u'\u00E9', u'\u4E2D', u'x', u'\u20AC'}) {
        SCOPED_TRACE(int(ch));
        keys().clear();
        test::Type(std::u16string(1, ch));
        EXPECT_EQ(keys(), (std::vector<std::pair<UINT, WPARAM>>{{WM_KEYDOWN, VK_PACKET}, {WM_CHAR, ch}, {WM_KEYUP, VK_PACKET}}));
    }
    // Several characters arrive in order, each between its own key-down and key-up.
    keys().clear();
    test::Type(u"h\u00E9llo");
    EXPECT_EQ(Chars(), (std::vector<WPARAM>{u'h', u'\u00E9', u'l', u'l', u'o'}));
    ASSERT_EQ(keys().size(), 15u);
    for (size_t i = 0; i < keys().size(); i += 3) {
        EXPECT_EQ(keys()[i].first, UINT(WM_KEYDOWN));
        EXPECT_EQ(keys()[i + 1].first, UINT(WM_CHAR));
        EXPECT_EQ(keys()[i + 2].first, UINT(WM_KEYUP));
    }
    // Made by hand, the packet says the same.
    keys().clear();
    MSG packet{field, WM_KEYDOWN, VK_PACKET, LPARAM(DWORD(0x263A) << 16 | 1), 0, {0, 0}};
    EXPECT_TRUE(TranslateMessage(&packet));
    test::Pump();
    EXPECT_EQ(Chars(), std::vector<WPARAM>{0x263A});
}

TEST_F(Keyboard, TranslateMessageAnswersTrueForEveryKeyDown) {
    MSG left{field, WM_KEYDOWN, VK_LEFT, 1, 0, {0, 0}};
    EXPECT_TRUE(TranslateMessage(&left)) << "a key-down counts as translated even without a character";
    MSG tap{field, WM_LBUTTONDOWN, MK_LBUTTON, 0, 0, {0, 0}};
    EXPECT_FALSE(TranslateMessage(&tap));
    test::Pump();
    EXPECT_TRUE(Chars().empty());
}

}  // namespace
