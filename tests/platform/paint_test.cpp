// Painting: update regions and WM_PAINT, erasing with the class brush, clipping to
// what of a window is visible, repainting what a window uncovers, text layout, and
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
    BOOL fErase;
    HDC hdc;
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
        Paints().push_back(PaintRecord{h, ps.rcPaint, ps.fErase, ps.hdc});
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
    RECT a{-10, -10, 20, 20}, b{30, 40, 50, 60}, square{0, 0, 100, 100}, leftHalf{0, 0, 50, 100}, r;
    InvalidateRect(h, &a, FALSE);
    InvalidateRect(h, &b, FALSE);
    UpdateWindow(h);
    ASSERT_EQ(Paints().size(), 1u);
    EXPECT_EQ(Paints()[0].rcPaint, (RECT{0, 0, 50, 60}));
    EXPECT_FALSE(GetUpdateRect(h, &r, FALSE));
    UpdateWindow(h);
    EXPECT_EQ(Paints().size(), 1u) << "a valid window is not painted again";
    InvalidateRect(h, &square, FALSE);
    ValidateRect(h, &leftHalf);
    ASSERT_TRUE(GetUpdateRect(h, &r, FALSE));
    EXPECT_EQ(r, (RECT{50, 0, 100, 100})) << "what ValidateRect covered is gone";
    ValidateRect(h, nullptr);
    EXPECT_FALSE(GetUpdateRect(h, &r, FALSE));
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
    const struct {
        const char16_t* cls;
        bool brush;
        BOOL erase;
        bool erased;       // WM_ERASEBKGND sent
        BOOL paintErases;  // fErase seen by WM_PAINT
    } cases[] = {
        {u"BrushErase", true, TRUE, true, FALSE},
        {u"BrushNoErase", true, FALSE, false, FALSE},
        {u"NoBrushErase", false, TRUE, true, TRUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.brush ? "brush" : "no brush") + (c.erase ? " erase" : ""));
        wtest::RegisterProbe(c.cls, c.brush ? CreateSolidBrush(kGreen) : nullptr);
        RecordPaints();
        HWND h = CreateWindowExW(0, c.cls, u"", WS_POPUP | WS_VISIBLE, 20, 40, 200, 200, nullptr, nullptr, nullptr,
                                 nullptr);
        test::Pump();
        HDC hdc = GetDC(h);
        RECT all{0, 0, 200, 200};
        FillRect(hdc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(h, hdc);
        Paints().clear();
        wtest::Recorder rec({WM_ERASEBKGND});
        RECT part{10, 10, 30, 30};
        InvalidateRect(h, &part, c.erase);
        UpdateWindow(h);
        ASSERT_EQ(Paints().size(), 1u);
        EXPECT_EQ(Paints()[0].fErase, c.paintErases);
        auto erases = rec.To(h, WM_ERASEBKGND);
        ASSERT_EQ(erases.size(), c.erased ? 1u : 0u);
        if (c.erased) { EXPECT_EQ(erases[0].wParam, reinterpret_cast<WPARAM>(Paints()[0].hdc)); }
        EXPECT_TRUE(AllPixels(RECT{30, 50, 50, 70}, Pixel(c.brush && c.erase ? kGreen : kBlack)));
        EXPECT_EQ(CountPixels(RECT{20, 40, 220, 240}, Pixel(kBlack)), 200 * 200 - (c.brush && c.erase ? 400 : 0))
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
// its controls; sending one to the bottom repaints what it uncovers.
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
    SetWindowPos(red, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    test::Pump();
    ASSERT_TRUE(AllPixels(overlap, Pixel(kRed)));
    SetWindowPos(red, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    test::Pump();
    EXPECT_TRUE(AllPixels(control, Pixel(kBlue)));
    EXPECT_EQ(CountPixels(overlap, Pixel(kRed)), 0);

    // The same among top-level windows.
    HWND below = SolidWindow(kBlue, RECT{0, 100, 120, 200});
    HWND above = SolidWindow(kYellow, RECT{60, 150, 200, 240});
    test::Pump();
    SetWindowPos(above, below, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    test::Pump();
    EXPECT_TRUE(AllPixels(RECT{60, 150, 120, 200}, Pixel(kBlue)));
}

// How laid-out text is drawn the static tests and the screenshots show; here, what
// DT_CALCRECT measures: lines, breaks and prefixes.
TEST_F(Paint, CalcRectMeasuresLinesBreaksAndPrefixes) {
    HWND window = SolidWindow(kWhite, RECT{0, 40, 240, 240});
    HDC hdc = GetDC(window);
    TEXTMETRICW tm{};
    ASSERT_TRUE(GetTextMetricsW(hdc, &tm)) << "the font files are missing";
    const int line = tm.tmHeight;
    auto width = [&](const std::u16string& s) {
        SIZE size{};
        GetTextExtentPoint32W(hdc, s.c_str(), int(s.size()), &size);
        return int(size.cx);
    };
    auto calc = [&](const std::u16string& s, UINT format, int w = 1000) {
        RECT r{0, 0, w, 0};
        EXPECT_EQ(DrawTextW(hdc, s.c_str(), -1, &r, format | DT_CALCRECT), r.bottom);
        return r;
    };
    EXPECT_EQ(calc(u"Hello world", DT_SINGLELINE), (RECT{0, 0, width(u"Hello world"), line}));
    EXPECT_EQ(calc(u"one\r\ntwo", DT_LEFT).bottom, 2 * line);
    EXPECT_EQ(calc(u"one\ntwo", DT_SINGLELINE).bottom, line);
    // An ampersand marks the next character; two make one; DT_NOPREFIX keeps them all.
    EXPECT_EQ(calc(u"Fish && &Chips", DT_SINGLELINE).right, width(u"Fish & Chips"));
    EXPECT_EQ(calc(u"&Save", DT_SINGLELINE | DT_NOPREFIX).right, width(u"&Save"));
    const std::u16string text = u"alpha beta gamma";
    const int widestWord = std::max({width(u"alpha"), width(u"beta"), width(u"gamma")});
    const std::pair<int, int> widthsAndLines[] = {{width(text) + 2, 1}, {width(u"alpha beta") + 2, 2}, {widestWord + 2, 3}};
    for (auto [w, lines] : widthsAndLines) {
        SCOPED_TRACE(w);
        RECT r = calc(text, DT_WORDBREAK, w);
        EXPECT_EQ(r.bottom, lines * line);
        EXPECT_LE(r.right, w);
    }
    ReleaseDC(window, hdc);
    test::Pump();
    EXPECT_TRUE(AllPixels(RECT{0, 40, 240, 240}, Pixel(kWhite))) << "DT_CALCRECT draws nothing";
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
