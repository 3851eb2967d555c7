// The static control: how its text and pictures are drawn, how it sizes itself to a
// bitmap, and what happens when it is tapped.
#include "demo_resource.h"
#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "support.h"

namespace {

using test::Commands;
Commands& commands = test::HeardCommands();
std::vector<POINT> taps;  // WM_LBUTTONDOWN in the parent's client area

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) commands.push_back({LOWORD(wParam), HIWORD(wParam)});
    if (msg == WM_LBUTTONDOWN) taps.push_back(POINT{short(LOWORD(lParam)), short(HIWORD(lParam))});
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

RECT ScreenRectOf(HWND hwnd) {
    test::Pump();
    RECT r;
    GetWindowRect(hwnd, &r);
    return r;
}

// The bounding box, in screen pixels, of what inside the control is not white.
RECT InkIn(HWND hwnd) {
    RECT area = ScreenRectOf(hwnd), ink{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (test::PixelAt(x, y) != 0xFFFFFF)
                ink = {std::min(ink.left, LONG(x)), std::min(ink.top, LONG(y)), std::max(ink.right, LONG(x + 1)),
                       std::max(ink.bottom, LONG(y + 1))};
    OffsetRect(&ink, -area.left, -area.top);  // relative to the control
    return ink;
}

class StaticTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        taps.clear();
        parent = test::CreateParentWindow(u"StaticTestParent", ParentProc);
        HDC hdc = GetDC(parent);
        TEXTMETRICW tm{};
        GetTextMetricsW(hdc, &tm);
        ReleaseDC(parent, hdc);
        line = tm.tmHeight;
    }
    HWND Static(const char16_t* text, DWORD style, RECT r, int id = 100) {
        return CreateWindowExW(0, u"Static", text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent, reinterpret_cast<HMENU>(uintptr_t(id)),
                               GetModuleHandleW(nullptr), nullptr);
    }
    HWND parent = nullptr;
    int line = 0;
};

// SS_LEFT wraps at words and leaves out a line that would show only in part;
// SS_LEFTNOWORDWRAP stays on one line, cut off at the edge.
TEST_F(StaticTest, LeftTextWrapsAtWholeLinesButLeftNoWordWrapIsClipped) {
    const char16_t* text = u"Dialectric Constants Of Materials Table";
    HWND wrapped = Static(text, SS_LEFT, RECT{10, 10, 70, 10 + 2 * line});
    HWND partial = Static(text, SS_LEFT, RECT{80, 10, 140, 10 + line + line / 2});
    HWND single = Static(text, SS_LEFTNOWORDWRAP, RECT{150, 10, 210, 60});
    EXPECT_GT(InkIn(wrapped).bottom, line) << "a second line was expected";
    EXPECT_LE(InkIn(partial).bottom, line) << "no sliver of the second line below the first";
    RECT singleInk = InkIn(single);
    EXPECT_LE(singleInk.bottom, line);
    EXPECT_GE(singleInk.right, 60 - 1);
}

// Whether the control shows the bitmap pixel for pixel at its top-left and is its size.
void ExpectShows(HWND s, HBITMAP bitmap) {
    const platform::Surface* surface = platform::BitmapSurface(bitmap);
    ASSERT_NE(surface, nullptr);
    RECT r = ScreenRectOf(s);
    EXPECT_EQ(r.right - r.left, surface->width);
    EXPECT_EQ(r.bottom - r.top, surface->height);
    for (int y = 0; y < surface->height; ++y)
        for (int x = 0; x < surface->width; ++x)
            ASSERT_EQ(test::PixelAt(r.left + x, r.top + y), surface->pixels[size_t(y) * size_t(surface->width) + size_t(x)]);
}

TEST_F(StaticTest, BitmapStaticLoadsItsBitmapByOrdinalAndSetImageReplacesIt) {
    const char16_t helpStrip[] = {0xFFFF, IDB_HELPSTRIP, 0};
    HWND s = Static(helpStrip, SS_BITMAP, RECT{10, 10, 110, 110});
    auto original = reinterpret_cast<HBITMAP>(SendMessageW(s, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(original, nullptr);
    ExpectShows(s, original);
    HBITMAP stripes = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(IDB_STRIPES24));
    EXPECT_EQ(SendMessageW(s, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(stripes)),
              reinterpret_cast<LRESULT>(original));
    EXPECT_EQ(SendMessageW(s, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(stripes));
    ExpectShows(s, stripes);
}

// SS_NOTIFY makes a tap a click; a plain static lets it through to what lies beneath.
TEST_F(StaticTest, TapsOnStatics) {
    test::Tap(Static(u"Tap me", SS_CENTER | SS_NOTIFY, RECT{10, 10, 110, 30}, 42));
    EXPECT_EQ(commands, (Commands{{42, STN_CLICKED}}));
    test::Tap(Static(u"Label", SS_LEFT, RECT{10, 40, 110, 60}, 43));
    ASSERT_EQ(taps.size(), 1u);
    EXPECT_EQ(taps[0].x, 60);  // in the parent's client coordinates
    EXPECT_EQ(taps[0].y, 50);
}

}  // namespace
