// The static control: how its text and pictures are drawn, how it sizes itself to a
// bitmap, and what happens when it is tapped.
#include "demo_resource.h"
#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "support.h"

namespace {

// What the parent window hears, and the colours it answers WM_CTLCOLORSTATIC with.
struct ParentLog {
    std::vector<std::pair<int, int>> commands;  // control id, notification code
    std::vector<POINT> taps;                    // WM_LBUTTONDOWN in the parent's client area
    HBRUSH brush = nullptr;                     // when set, the parent colours its statics
    COLORREF text = 0;
};
ParentLog parentLog;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND: parentLog.commands.push_back({LOWORD(wParam), HIWORD(wParam)}); return 0;
    case WM_LBUTTONDOWN: parentLog.taps.push_back(POINT{short(LOWORD(lParam)), short(HIWORD(lParam))}); return 0;
    case WM_CTLCOLORSTATIC:
        if (!parentLog.brush) break;
        SetTextColor(reinterpret_cast<HDC>(wParam), parentLog.text);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(parentLog.brush);
    default: break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

const uint32_t kWhite = 0xFFFFFF;

// The bounding box, in screen pixels, of what inside `area` differs from `background`
// (empty when nothing does).
RECT InkIn(const RECT& area, uint32_t background = kWhite) {
    RECT ink{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (test::PixelAt(x, y) != background) {
                ink.left = std::min(ink.left, LONG(x));
                ink.top = std::min(ink.top, LONG(y));
                ink.right = std::max(ink.right, LONG(x + 1));
                ink.bottom = std::max(ink.bottom, LONG(y + 1));
            }
    if (ink.left >= ink.right) return RECT{0, 0, 0, 0};
    return ink;
}

std::vector<uint32_t> PixelsOf(const RECT& area) {
    std::vector<uint32_t> pixels;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) pixels.push_back(test::PixelAt(x, y));
    return pixels;
}

RECT ScreenRectOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return r;
}

class StaticTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        parentLog = ParentLog{};
        WNDCLASSW wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = u"StaticTestParent";
        ASSERT_NE(RegisterClassW(&wc), 0);
        parent = CreateWindowExW(0, u"StaticTestParent", u"", WS_POPUP | WS_VISIBLE, 0, 26, 240, 268, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
    }

    HWND Static(const char16_t* text, DWORD style, RECT r, int id = 100, HINSTANCE instance = nullptr) {
        return CreateWindowExW(0, u"Static", text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent, reinterpret_cast<HMENU>(uintptr_t(id)), instance, nullptr);
    }

    HWND parent = nullptr;
};

// ---- text ----

struct AlignmentCase {
    const char* name;
    DWORD style;
    int expected;  // -1 left, 0 centre, 1 right
};

void PrintTo(const AlignmentCase& c, std::ostream* os) { *os << c.name; }

class StaticAlignmentTest : public StaticTest, public ::testing::WithParamInterface<AlignmentCase> {};

TEST_P(StaticAlignmentTest, TextSitsWhereTheStyleSays) {
    HWND s = Static(u"Hi", GetParam().style, RECT{20, 20, 220, 40});
    test::Pump();
    RECT box = ScreenRectOf(s), ink = InkIn(box);
    ASSERT_FALSE(IsRectEmpty(&ink)) << "nothing drawn";
    int leftGap = ink.left - box.left, rightGap = box.right - ink.right;
    switch (GetParam().expected) {
    case -1: EXPECT_LE(leftGap, 2); break;
    case 0: EXPECT_NEAR(leftGap, rightGap, 2); break;
    default: EXPECT_LE(rightGap, 2); break;
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, StaticAlignmentTest,
                         ::testing::Values(AlignmentCase{"Left", SS_LEFT, -1}, AlignmentCase{"Centre", SS_CENTER, 0},
                                           AlignmentCase{"Right", SS_RIGHT, 1},
                                           AlignmentCase{"LeftNoWordWrap", SS_LEFTNOWORDWRAP, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

int LineHeightOf(HWND control) {
    HDC hdc = GetDC(control);
    TEXTMETRICW tm{};
    GetTextMetricsW(hdc, &tm);
    ReleaseDC(control, hdc);
    return tm.tmHeight;
}

TEST_F(StaticTest, LeftTextWrapsAtWordsButLeftNoWordWrapStaysOnOneClippedLine) {
    const char16_t* text = u"Resistance in ohms";
    HWND wrapped = Static(text, SS_LEFT, RECT{10, 10, 70, 60});
    HWND single = Static(text, SS_LEFTNOWORDWRAP, RECT{110, 10, 170, 60});
    test::Pump();
    int line = LineHeightOf(single);
    ASSERT_GT(line, 0);
    RECT wrappedBox = ScreenRectOf(wrapped), wrappedInk = InkIn(wrappedBox);
    RECT singleBox = ScreenRectOf(single), singleInk = InkIn(singleBox);
    EXPECT_GT(wrappedInk.bottom - wrappedBox.top, line) << "a second line was expected";
    EXPECT_LE(singleInk.bottom - singleBox.top, line) << "the text must not wrap";
    // The words that do not fit are cut off at the control's edge, not squeezed in.
    EXPECT_GE(singleInk.right, singleBox.right - 1);
    EXPECT_LE(singleInk.right, singleBox.right);
}

TEST_F(StaticTest, AWrappedLineThatWouldShowOnlyInPartIsLeftOut) {
    HWND title = Static(u"Dialectric Constants Of Materials Table", SS_LEFT, RECT{10, 10, 70, 10});
    int line = LineHeightOf(title);
    SetWindowPos(title, nullptr, 0, 0, 60, line + line / 2, SWP_NOMOVE | SWP_NOZORDER);
    test::Pump();
    RECT box = ScreenRectOf(title);
    EXPECT_LE(InkIn(box).bottom - box.top, line) << "no sliver of the second line below the first";
    SetWindowPos(title, nullptr, 0, 0, 60, 2 * line, SWP_NOMOVE | SWP_NOZORDER);
    test::Pump();
    EXPECT_GT(InkIn(ScreenRectOf(title)).bottom - box.top, line) << "a second line that fits is shown";
}

TEST_F(StaticTest, AmpersandIsAPrefixUnlessNoPrefixIsSet) {
    // "&&" stands for one ampersand; SS_NOPREFIX shows every ampersand as it is.
    HWND doubled = Static(u"A&&B", SS_LEFT, RECT{10, 10, 110, 30});
    HWND literal = Static(u"A&B", SS_LEFT | SS_NOPREFIX, RECT{10, 40, 110, 60});
    HWND prefixed = Static(u"A&B", SS_LEFT, RECT{10, 70, 110, 90});
    test::Pump();
    RECT d = ScreenRectOf(doubled), l = ScreenRectOf(literal), p = ScreenRectOf(prefixed);
    EXPECT_EQ(PixelsOf(d), PixelsOf(l));
    RECT literalInk = InkIn(l), prefixedInk = InkIn(p);
    ASSERT_FALSE(IsRectEmpty(&prefixedInk));
    // The prefix character itself is not drawn, so the text is narrower.
    EXPECT_LT(prefixedInk.right - p.left, literalInk.right - l.left);
}

TEST_F(StaticTest, ParentsColourAnswerSetsTextAndBackground) {
    parentLog.brush = CreateSolidBrush(RGB(255, 255, 0));
    parentLog.text = RGB(255, 0, 0);
    HWND s = Static(u"Volts", SS_LEFT, RECT{10, 10, 110, 40});
    test::Pump();
    RECT box = ScreenRectOf(s);
    EXPECT_EQ(test::PixelAt(box.right - 2, box.bottom - 2), 0xFFFF00u) << "background from the brush";
    auto pixels = PixelsOf(box);
    EXPECT_NE(std::count(pixels.begin(), pixels.end(), 0xFF0000u), 0) << "no red text";
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0x000000u), 0) << "text in the default colour";
}

TEST_F(StaticTest, BorderStyleFramesTheControl) {
    HWND plain = Static(u"", SS_LEFT, RECT{10, 10, 60, 30});
    HWND framed = Static(u"", SS_LEFT | WS_BORDER, RECT{80, 10, 130, 30});
    test::Pump();
    for (HWND s : {plain, framed}) {
        RECT r = ScreenRectOf(s);
        uint32_t expected = s == framed ? 0x000000u : kWhite;
        int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
        SCOPED_TRACE(s == framed ? "framed" : "plain");
        EXPECT_EQ(test::PixelAt(r.left, midY), expected);
        EXPECT_EQ(test::PixelAt(r.right - 1, midY), expected);
        EXPECT_EQ(test::PixelAt(midX, r.top), expected);
        EXPECT_EQ(test::PixelAt(midX, r.bottom - 1), expected);
        EXPECT_EQ(test::PixelAt(midX, midY), kWhite);
    }
}

// ---- pictures ----

const char16_t kHelpStrip[] = {0xFFFF, IDB_HELPSTRIP, 0};

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    return SIZE{bm.bmWidth, bm.bmHeight};
}

// Whether the screen at `r`'s top-left shows the bitmap pixel for pixel.
bool ShowsBitmap(const RECT& r, HBITMAP bitmap) {
    const platform::Surface* surface = platform::BitmapSurface(bitmap);
    if (!surface) return false;
    for (int y = 0; y < surface->height; ++y)
        for (int x = 0; x < surface->width; ++x)
            if (test::PixelAt(r.left + x, r.top + y) != surface->pixels[size_t(y) * size_t(surface->width) + size_t(x)])
                return false;
    return true;
}

TEST_F(StaticTest, BitmapStaticLoadsItsBitmapByOrdinalAndTakesItsSize) {
    HWND s = Static(kHelpStrip, SS_BITMAP, RECT{10, 10, 110, 110}, 100, GetModuleHandleW(nullptr));
    ASSERT_NE(s, nullptr);
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(s, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(bitmap, nullptr);
    SIZE size = BitmapSize(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(IDB_HELPSTRIP)));
    ASSERT_GT(size.cx, 0);
    RECT client;
    GetClientRect(s, &client);
    EXPECT_EQ(client.right, size.cx);
    EXPECT_EQ(client.bottom, size.cy);
    test::Pump();
    EXPECT_TRUE(ShowsBitmap(ScreenRectOf(s), bitmap));
}

TEST_F(StaticTest, SetImageAnswersThePreviousBitmapAndShowsTheNewOne) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND s = Static(kHelpStrip, SS_BITMAP, RECT{10, 10, 110, 110}, 100, instance);
    auto original = reinterpret_cast<HBITMAP>(SendMessageW(s, STM_GETIMAGE, IMAGE_BITMAP, 0));
    HBITMAP stripes = LoadBitmapW(instance, MAKEINTRESOURCE(IDB_STRIPES24));
    HBITMAP other = LoadBitmapW(instance, MAKEINTRESOURCE(IDB_STRIPES8));
    ASSERT_TRUE(original && stripes && other);
    test::Pump();

    EXPECT_EQ(SendMessageW(s, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(stripes)),
              reinterpret_cast<LRESULT>(original));
    EXPECT_EQ(SendMessageW(s, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(stripes));
    test::Pump();
    EXPECT_TRUE(ShowsBitmap(ScreenRectOf(s), stripes));
    EXPECT_EQ(SendMessageW(s, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(other)),
              reinterpret_cast<LRESULT>(stripes));
}

// ---- taps ----

TEST_F(StaticTest, NotifyStaticReportsATapToItsParent) {
    HWND s = Static(u"Tap me", SS_CENTER | SS_NOTIFY, RECT{10, 10, 110, 30}, 42);
    test::Tap(s);
    EXPECT_EQ(parentLog.commands, (std::vector<std::pair<int, int>>{{42, STN_CLICKED}}));
    EXPECT_TRUE(parentLog.taps.empty());
}

TEST_F(StaticTest, PlainStaticLetsTheTapThroughToTheWindowBeneath) {
    HWND s = Static(u"Label", SS_LEFT, RECT{10, 10, 110, 30}, 42);
    test::Tap(s);
    EXPECT_TRUE(parentLog.commands.empty());
    ASSERT_EQ(parentLog.taps.size(), 1u);
    // The parent hears the tap in its own client coordinates.
    EXPECT_EQ(parentLog.taps[0].x, 60);
    EXPECT_EQ(parentLog.taps[0].y, 20);
}

TEST_F(StaticTest, PlainStaticOverAButtonLeavesTheTapToTheButton) {
    // Children created first lie on top.
    HWND label = Static(u"", SS_LEFT, RECT{10, 10, 110, 30}, 42);
    CreateWindowExW(0, u"Button", u"Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 100, 20, parent,
                    reinterpret_cast<HMENU>(uintptr_t(7)), nullptr, nullptr);
    test::Tap(label);
    EXPECT_EQ(parentLog.commands, (std::vector<std::pair<int, int>>{{7, BN_CLICKED}}));
}

TEST_F(StaticTest, NotifyStaticInTheDemoDialogTellsTheDialog) {
    static std::vector<int> codes;
    codes.clear();
    auto proc = [](HWND, UINT msg, WPARAM wParam, LPARAM) -> INT_PTR {
        if (msg == WM_COMMAND && LOWORD(wParam) == IDC_NOTIFY) codes.push_back(HIWORD(wParam));
        return msg == WM_INITDIALOG;
    };
    HWND dlg = test::CreateDialogFromResource(IDD_CONTROLS, nullptr, proc);
    ASSERT_NE(dlg, nullptr);
    MoveWindow(dlg, 0, 26, 210, 253, FALSE);
    ShowWindow(dlg, SW_SHOW);
    test::Tap(GetDlgItem(dlg, IDC_NOTIFY));
    EXPECT_EQ(codes, std::vector<int>{STN_CLICKED});
}

}  // namespace
