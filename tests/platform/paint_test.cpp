// Painting: update regions and WM_PAINT, erasing with the class brush, clipping to
// what of a window is visible, repainting what a window uncovers, and
// blits from memory device contexts. How text looks the screenshots show.
#include "demo_resource.h"
#include "window_support.h"

namespace {

using wtest::AllPixels;
using wtest::CountPixels;
using wtest::Pixel;
using wtest::Probe;
using wtest::ProbeHook;
using wtest::SolidWindow;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class Paint : public wtest::WindowTest {};

struct PaintRecord {
    HWND hwnd;
    RECT rcPaint;
};

std::vector<PaintRecord>& Paints() {
    static std::vector<PaintRecord> paints;
    return paints;
}

// Probe windows record each WM_PAINT (through BeginPaint) and otherwise leave it be.
void RecordPaints() {
    Paints().clear();
    ProbeHook() = [](HWND h, UINT msg, WPARAM, LPARAM, LRESULT& r) {
        if (msg != WM_PAINT) return false;
        PAINTSTRUCT ps;
        BeginPaint(h, &ps);
        Paints().push_back(PaintRecord{h, ps.rcPaint});
        EndPaint(h, &ps);
        r = 0;
        return true;
    };
}

TEST_F(Paint, InvalidAreasGatherClippedToTheClientIntoOnePaintThatValidates) {
    RecordPaints();
    HWND h = Probe(u"w", RECT{20, 40, 220, 240}, WS_POPUP | WS_VISIBLE);
    test::Pump();
    Paints().clear();
    RECT a{-10, -10, 20, 20}, b{30, 40, 50, 60}, r;
    InvalidateRect(h, &a, FALSE);
    InvalidateRect(h, &b, FALSE);
    UpdateWindow(h);
    ASSERT_EQ(Paints().size(), 1u);
    EXPECT_EQ(Paints()[0].rcPaint, (RECT{0, 0, 50, 60}));
    EXPECT_FALSE(GetUpdateRect(h, &r, FALSE));
    UpdateWindow(h);
    EXPECT_EQ(Paints().size(), 1u) << "a valid window is not painted again";
    RECT outside{300, 300, 310, 310};
    InvalidateRect(h, &outside, FALSE);
    EXPECT_FALSE(GetUpdateRect(h, &r, FALSE));
    // Hidden windows are not painted until shown.
    ShowWindow(h, SW_HIDE);
    Paints().clear();
    InvalidateRect(h, nullptr, TRUE);
    UpdateWindow(h);
    test::Pump();
    EXPECT_TRUE(Paints().empty());
    ShowWindow(h, SW_SHOW);
    test::Pump();
    ASSERT_FALSE(Paints().empty());
    EXPECT_EQ(Paints().back().rcPaint, (RECT{0, 0, 200, 200}));
}

TEST_F(Paint, EraseBackgroundUsesTheClassBrushOnlyInsideTheInvalidArea) {
    wtest::RegisterProbe(u"Green", CreateSolidBrush(kGreen));
    for (BOOL erase : {TRUE, FALSE}) {
        SCOPED_TRACE(erase);
        RecordPaints();
        HWND h = CreateWindowExW(0, u"Green", u"", WS_POPUP | WS_VISIBLE, 20, 40, 200, 200, nullptr, nullptr, nullptr,
                                 nullptr);
        test::Pump();
        HDC hdc = GetDC(h);
        RECT all{0, 0, 200, 200}, part{10, 10, 30, 30};
        FillRect(hdc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(h, hdc);
        Paints().clear();
        InvalidateRect(h, &part, erase);
        UpdateWindow(h);
        ASSERT_EQ(Paints().size(), 1u);
        EXPECT_TRUE(AllPixels(RECT{30, 50, 50, 70}, Pixel(erase ? kGreen : kBlack)));
        EXPECT_EQ(CountPixels(RECT{20, 40, 220, 240}, Pixel(kBlack)), 200 * 200 - (erase ? 400 : 0))
            << "nothing outside the invalid area was erased";
        DestroyWindow(h);
    }
}

// Windows whose WM_PAINT fills far beyond their own client area in one colour.
std::map<HWND, COLORREF>& Greedy() {
    static std::map<HWND, COLORREF> g;
    return g;
}

HWND Greedy(COLORREF colour, RECT r, HWND parent = nullptr) {
    ProbeHook() = [](HWND h, UINT msg, WPARAM, LPARAM, LRESULT& r) {
        auto it = Greedy().find(h);
        if (msg != WM_PAINT || it == Greedy().end()) return false;
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(h, &ps);
        HBRUSH brush = CreateSolidBrush(it->second);
        RECT huge{-500, -500, 500, 500};
        FillRect(hdc, &huge, brush);
        DeleteObject(brush);
        EndPaint(h, &ps);
        r = 0;
        return true;
    };
    HWND h = Probe(u"", r, (parent ? WS_CHILD : WS_POPUP), parent);
    Greedy()[h] = colour;
    ShowWindow(h, SW_SHOWNA);
    return h;
}

// A window never paints outside itself, over its children, over a sibling above it or
// over a top-level window above it, in WM_PAINT or not.
TEST_F(Paint, PaintingIsClippedToWhatOfTheWindowIsVisible) {
    Greedy().clear();
    HWND parent = Greedy(kRed, RECT{20, 40, 220, 200});
    SolidWindow(kGreen, RECT{20, 20, 80, 80}, parent);
    HWND lower = Greedy(kBlue, RECT{100, 20, 160, 80}, parent);
    HWND upper = Greedy(kYellow, RECT{130, 50, 190, 110}, parent);
    SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Greedy(kBlack, RECT{0, 180, 100, 260});
    test::Pump();
    HDC hdc = GetDC(parent);
    RECT huge{-500, -500, 500, 500};
    FillRect(hdc, &huge, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    ReleaseDC(parent, hdc);
    for (HWND h : {parent, lower}) {
        InvalidateRect(h, nullptr, TRUE);
        UpdateWindow(h);
    }
    EXPECT_TRUE(AllPixels(RECT{40, 60, 100, 120}, Pixel(kGreen))) << "the child";
    EXPECT_TRUE(AllPixels(RECT{150, 90, 180, 120}, Pixel(kYellow))) << "the sibling above";
    EXPECT_TRUE(AllPixels(RECT{120, 60, 150, 90}, Pixel(kBlue)));
    EXPECT_TRUE(AllPixels(RECT{0, 180, 100, 260}, Pixel(kBlack))) << "the window above";
    EXPECT_TRUE(AllPixels(RECT{0, 40, 20, 180}, Pixel(kWhite))) << "left of the parent";
    EXPECT_TRUE(AllPixels(RECT{100, 200, 240, 260}, Pixel(kWhite))) << "below the parent";
}

TEST_F(Paint, HidingMovingOrDestroyingAWindowRepaintsWhatWasBeneath) {
    HWND parent = SolidWindow(kYellow, RECT{0, 30, 240, 250});
    HWND child = SolidWindow(kRed, RECT{20, 20, 50, 50}, parent);
    HWND upper = SolidWindow(kGreen, RECT{60, 100, 200, 200});
    test::Pump();
    ShowWindow(child, SW_HIDE);
    test::Pump();
    EXPECT_TRUE(AllPixels(RECT{20, 50, 50, 80}, Pixel(kYellow)));
    MoveWindow(upper, 150, 160, 60, 60, TRUE);
    test::Pump();
    EXPECT_TRUE(AllPixels(RECT{60, 100, 140, 160}, Pixel(kYellow)));
    EXPECT_TRUE(AllPixels(RECT{150, 160, 210, 220}, Pixel(kGreen)));
    DestroyWindow(upper);
    test::Pump();
    EXPECT_TRUE(AllPixels(RECT{150, 160, 210, 220}, Pixel(kYellow)));
}

// Raising a window, as a tab control raises its page, repaints the part it covers with
// its controls.
TEST_F(Paint, ChangingTheZOrderRepaintsWhatComesToTheTop) {
    HWND parent = SolidWindow(kWhite, RECT{0, 30, 240, 250});
    HWND red = SolidWindow(kRed, RECT{10, 10, 110, 110}, parent);
    HWND green = SolidWindow(kGreen, RECT{60, 60, 160, 160}, parent);
    SolidWindow(kBlue, RECT{5, 5, 25, 25}, green);  // a control on the green page, under the red one
    SetWindowPos(red, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    test::Pump();
    const RECT overlap{60, 90, 110, 140}, control{65, 95, 85, 115};
    ASSERT_TRUE(AllPixels(overlap, Pixel(kRed)));
    SetWindowPos(green, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    test::Pump();
    EXPECT_TRUE(AllPixels(control, Pixel(kBlue)));
    EXPECT_EQ(CountPixels(overlap, Pixel(kGreen)), wtest::Area(overlap) - wtest::Area(control));
}

// Whole blits from memory contexts the demo's home screenshot shows; here, a part of a
// bitmap, clipped to a window smaller than it.
TEST_F(Paint, BitBltCopiesALoadedBitmapFromAMemoryContext) {
    HWND wide = SolidWindow(kWhite, RECT{0, 40, 240, 240});
    HWND small = SolidWindow(kWhite, RECT{100, 100, 104, 104});
    test::Pump();
    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP bmp = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(IDB_STRIPES24));
    ASSERT_NE(bmp, nullptr);
    HGDIOBJ old = SelectObject(mem, bmp);
    for (HWND h : {wide, small}) {
        HDC hdc = GetDC(h);
        EXPECT_TRUE(BitBlt(hdc, h == wide ? 30 : -2, h == wide ? 10 : 0, 4, 3, mem, 2, 0, SRCCOPY));  // green, blue
        ReleaseDC(h, hdc);
    }
    EXPECT_FALSE(DeleteObject(bmp)) << "a bitmap selected into a context cannot be deleted";
    SelectObject(mem, old);
    EXPECT_TRUE(DeleteObject(bmp));
    DeleteDC(mem);
    EXPECT_EQ(test::PixelAt(33, 52), 0x0000FFu) << "from the source's third column on";
    EXPECT_EQ(test::PixelAt(34, 52), 0xFFFFFFu);
    EXPECT_EQ(test::PixelAt(33, 53), 0xFFFFFFu);
    EXPECT_EQ(test::PixelAt(100, 100), 0x0000FFu) << "the part left of the small window is cut off";
    EXPECT_EQ(test::PixelAt(99, 100), 0xFFFFFFu);
    EXPECT_EQ(test::PixelAt(102, 100), 0xFFFFFFu);
}

}  // namespace
