// Painting: update regions and WM_PAINT, erasing with the class brush, clipping to
// what of a window is visible, repainting what a window uncovers, text layout and
// colour, and blits from memory device contexts.
#include "demo_resource.h"
#include "window_support.h"

namespace {

using wtest::AllPixels;
using wtest::CountPixels;
using wtest::InkBox;
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


// ---------------------------------------------------------------- update regions

TEST_F(Paint, InvalidRectanglesGatherIntoOnePaintThatValidates) {
    RecordPaints();
    HWND h = Probe(u"w", RECT{20, 40, 220, 240}, WS_POPUP | WS_VISIBLE);
    test::Pump();
    RECT r;
    EXPECT_FALSE(GetUpdateRect(h, &r, FALSE));
    Paints().clear();

    RECT a{10, 10, 20, 20}, b{30, 40, 50, 60};
    InvalidateRect(h, &a, FALSE);
    InvalidateRect(h, &b, FALSE);
    ASSERT_TRUE(GetUpdateRect(h, &r, FALSE));
    EXPECT_EQ(r, (RECT{10, 10, 50, 60}));
    UpdateWindow(h);
    ASSERT_EQ(Paints().size(), 1u);
    EXPECT_EQ(Paints()[0].rcPaint, (RECT{10, 10, 50, 60}));
    EXPECT_FALSE(Paints()[0].fErase);
    EXPECT_FALSE(GetUpdateRect(h, &r, FALSE));
    UpdateWindow(h);
    EXPECT_EQ(Paints().size(), 1u) << "a valid window is not painted again";
}

TEST_F(Paint, InvalidationIsClippedToTheClientArea) {
    RecordPaints();
    HWND h = Probe(u"w", RECT{20, 40, 220, 240}, WS_POPUP | WS_VISIBLE);
    test::Pump();
    Paints().clear();
    RECT partly{-10, -10, 5, 5};
    InvalidateRect(h, &partly, FALSE);
    UpdateWindow(h);
    ASSERT_EQ(Paints().size(), 1u);
    EXPECT_EQ(Paints()[0].rcPaint, (RECT{0, 0, 5, 5}));
    InvalidateRect(h, nullptr, FALSE);
    UpdateWindow(h);
    ASSERT_EQ(Paints().size(), 2u);
    EXPECT_EQ(Paints()[1].rcPaint, (RECT{0, 0, 200, 200}));
    RECT outside{300, 300, 310, 310};
    InvalidateRect(h, &outside, FALSE);
    RECT r;
    EXPECT_FALSE(GetUpdateRect(h, &r, FALSE));
}

TEST_F(Paint, ValidateRectRemovesOnlyWhatItCovers) {
    RecordPaints();
    HWND h = Probe(u"w", RECT{20, 40, 220, 240}, WS_POPUP | WS_VISIBLE);
    test::Pump();
    Paints().clear();
    RECT square{0, 0, 100, 100}, leftHalf{0, 0, 50, 100}, r;
    InvalidateRect(h, &square, FALSE);
    ValidateRect(h, &leftHalf);
    ASSERT_TRUE(GetUpdateRect(h, &r, FALSE)) << "the right half is still invalid";
    EXPECT_EQ(r, (RECT{50, 0, 100, 100}));
    UpdateWindow(h);
    ASSERT_EQ(Paints().size(), 1u);
    EXPECT_EQ(Paints()[0].rcPaint, (RECT{50, 0, 100, 100}));

    InvalidateRect(h, &square, FALSE);
    RECT all{0, 0, 200, 200};
    ValidateRect(h, &all);
    EXPECT_FALSE(GetUpdateRect(h, &r, FALSE));
    InvalidateRect(h, &square, FALSE);
    ValidateRect(h, nullptr);
    EXPECT_FALSE(GetUpdateRect(h, &r, FALSE));
    UpdateWindow(h);
    EXPECT_EQ(Paints().size(), 1u);
}

TEST_F(Paint, HiddenWindowsAreNotPaintedUntilShown) {
    RecordPaints();
    HWND h = Probe(u"w", RECT{20, 40, 220, 240}, WS_POPUP);
    InvalidateRect(h, nullptr, TRUE);
    UpdateWindow(h);
    test::Pump();
    EXPECT_TRUE(Paints().empty());
    ShowWindow(h, SW_SHOW);
    test::Pump();
    ASSERT_FALSE(Paints().empty());
    EXPECT_EQ(Paints().back().hwnd, h);
}

// ---------------------------------------------------------------- erasing

TEST_F(Paint, EraseBackgroundUsesTheClassBrushOnlyInsideTheInvalidArea) {
    struct Case {
        const char16_t* cls;
        bool brush;
        BOOL erase;
        bool erased;       // WM_ERASEBKGND sent
        BOOL paintErases;  // fErase seen by WM_PAINT
    };
    const Case cases[] = {
        {u"BrushErase", true, TRUE, true, FALSE},
        {u"BrushNoErase", true, FALSE, false, FALSE},
        {u"NoBrushErase", false, TRUE, true, TRUE},
    };
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.brush ? "brush" : "no brush") + (c.erase ? " erase" : ""));
        wtest::RegisterProbe(c.cls, c.brush ? CreateSolidBrush(kGreen) : nullptr);
        RecordPaints();
        HWND h = CreateWindowExW(0, c.cls, u"", WS_POPUP | WS_VISIBLE, 20, 40, 200, 200, nullptr, nullptr, nullptr,
                                 nullptr);
        test::Pump();
        HDC hdc = GetDC(h);
        RECT all{0, 0, 200, 200};
        FillRect(hdc, &all, black);
        ReleaseDC(h, hdc);
        Paints().clear();
        wtest::Recorder rec({WM_ERASEBKGND});
        RECT part{10, 10, 30, 30};
        InvalidateRect(h, &part, c.erase);
        UpdateWindow(h);
        ASSERT_EQ(Paints().size(), 1u);
        EXPECT_EQ(Paints()[0].fErase, c.paintErases);
        auto erases = rec.To(h, WM_ERASEBKGND);
        EXPECT_EQ(erases.size(), c.erased ? 1u : 0u);
        if (!erases.empty()) {
            EXPECT_EQ(erases[0].wParam, reinterpret_cast<WPARAM>(Paints()[0].hdc));
        }
        bool green = c.brush && c.erase;
        EXPECT_TRUE(AllPixels(RECT{30, 50, 50, 70}, Pixel(green ? kGreen : kBlack)));
        EXPECT_TRUE(AllPixels(RECT{20, 40, 30, 50}, Pixel(kBlack))) << "outside the invalid area";
        EXPECT_TRUE(AllPixels(RECT{50, 70, 220, 240}, Pixel(kBlack))) << "outside the invalid area";
        DestroyWindow(h);
    }
}

TEST_F(Paint, ClassBrushMayBeASystemColourPlusOne) {
    wtest::RegisterProbe(u"Highlighted", reinterpret_cast<HBRUSH>(uintptr_t(COLOR_HIGHLIGHT + 1)));
    HWND h = CreateWindowExW(0, u"Highlighted", u"", WS_POPUP | WS_VISIBLE, 20, 40, 100, 100, nullptr, nullptr, nullptr,
                             nullptr);
    ASSERT_NE(h, nullptr);
    test::Pump();
    EXPECT_TRUE(AllPixels(RECT{20, 40, 120, 140}, Pixel(GetSysColor(COLOR_HIGHLIGHT))));
    // FillRect takes the same form.
    HDC hdc = GetDC(h);
    RECT r{0, 0, 10, 10};
    EXPECT_TRUE(FillRect(hdc, &r, reinterpret_cast<HBRUSH>(uintptr_t(COLOR_WINDOWTEXT + 1))));
    ReleaseDC(h, hdc);
    EXPECT_TRUE(AllPixels(RECT{20, 40, 30, 50}, Pixel(GetSysColor(COLOR_WINDOWTEXT))));
}

// ---------------------------------------------------------------- clipping

// Windows whose WM_PAINT fills far beyond their own client area in one colour.
std::map<HWND, COLORREF>& Greedy() {
    static std::map<HWND, COLORREF> g;
    return g;
}

void PaintGreedily() {
    Greedy().clear();
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
}

HWND Greedy(COLORREF colour, RECT r, HWND parent = nullptr) {
    HWND h = Probe(u"", r, (parent ? WS_CHILD : WS_POPUP), parent);
    Greedy()[h] = colour;
    ShowWindow(h, SW_SHOWNA);
    return h;
}

TEST_F(Paint, AParentNeverPaintsOverItsChildrenNorOutsideItself) {
    PaintGreedily();
    HWND parent = Greedy(kRed, RECT{20, 40, 220, 200});
    SolidWindow(kGreen, RECT{20, 20, 80, 80}, parent);
    test::Pump();
    const RECT childOnScreen{40, 60, 100, 120};
    EXPECT_TRUE(AllPixels(childOnScreen, Pixel(kGreen)));
    EXPECT_TRUE(AllPixels(RECT{20, 40, 40, 200}, Pixel(kRed)));
    // Painting the parent again, and drawing on it outside of WM_PAINT, leave the child.
    InvalidateRect(parent, nullptr, TRUE);
    UpdateWindow(parent);
    HDC hdc = GetDC(parent);
    RECT huge{-500, -500, 500, 500};
    FillRect(hdc, &huge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(parent, hdc);
    EXPECT_TRUE(AllPixels(childOnScreen, Pixel(kGreen)));
    EXPECT_TRUE(AllPixels(RECT{0, 200, 240, 214}, Pixel(kWhite))) << "nothing below the parent was touched";
    EXPECT_TRUE(AllPixels(RECT{0, 40, 20, 200}, Pixel(kWhite))) << "nothing left of the parent was touched";
}

TEST_F(Paint, AWindowNeverPaintsOverASiblingAboveIt) {
    PaintGreedily();
    HWND parent = SolidWindow(kWhite, RECT{0, 30, 240, 250});
    HWND lower = Greedy(kRed, RECT{10, 10, 110, 110}, parent);
    HWND upper = Greedy(kGreen, RECT{60, 60, 160, 160}, parent);
    SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    test::Pump();
    const RECT overlap{60, 90, 110, 140};  // on the screen
    EXPECT_TRUE(AllPixels(overlap, Pixel(kGreen)));
    InvalidateRect(lower, nullptr, TRUE);
    UpdateWindow(lower);
    EXPECT_TRUE(AllPixels(overlap, Pixel(kGreen)));
    EXPECT_TRUE(AllPixels(RECT{10, 40, 60, 140}, Pixel(kRed)));
    EXPECT_TRUE(AllPixels(RECT{160, 30, 240, 250}, Pixel(kWhite))) << "the lower child stayed inside its own area";
}

TEST_F(Paint, ATopLevelWindowNeverPaintsOverOneAboveIt) {
    PaintGreedily();
    HWND lower = Greedy(kRed, RECT{20, 60, 140, 160});
    Greedy(kGreen, RECT{60, 100, 200, 200});  // shown later, so above
    test::Pump();
    InvalidateRect(lower, nullptr, TRUE);
    UpdateWindow(lower);
    EXPECT_TRUE(AllPixels(RECT{60, 100, 140, 160}, Pixel(kGreen)));
}

// ---------------------------------------------------------------- what a window uncovers

TEST_F(Paint, HidingOrDestroyingATopLevelWindowRepaintsWhatWasBeneath) {
    SolidWindow(kBlue, RECT{20, 60, 140, 160});
    HWND upper = SolidWindow(kRed, RECT{60, 100, 200, 200});
    test::Pump();
    const RECT overlap{60, 100, 140, 160};
    ASSERT_TRUE(AllPixels(overlap, Pixel(kRed)));
    ShowWindow(upper, SW_HIDE);
    test::Pump();
    EXPECT_TRUE(AllPixels(overlap, Pixel(kBlue)));
    ShowWindow(upper, SW_SHOW);
    test::Pump();
    EXPECT_TRUE(AllPixels(overlap, Pixel(kRed)));
    DestroyWindow(upper);
    test::Pump();
    EXPECT_TRUE(AllPixels(overlap, Pixel(kBlue)));
}

TEST_F(Paint, HidingAChildRepaintsItsParentBeneath) {
    HWND parent = SolidWindow(kYellow, RECT{0, 30, 240, 250});
    HWND child = SolidWindow(kRed, RECT{20, 20, 80, 80}, parent);
    test::Pump();
    const RECT childOnScreen{20, 50, 80, 110};
    ASSERT_TRUE(AllPixels(childOnScreen, Pixel(kRed)));
    ShowWindow(child, SW_HIDE);
    test::Pump();
    EXPECT_TRUE(AllPixels(childOnScreen, Pixel(kYellow)));
}

TEST_F(Paint, MovingAWindowRepaintsWhatItLeft) {
    SolidWindow(kBlue, RECT{0, 30, 240, 250});
    HWND mover = SolidWindow(kRed, RECT{20, 60, 80, 120});
    test::Pump();
    MoveWindow(mover, 150, 160, 60, 60, TRUE);
    test::Pump();
    EXPECT_TRUE(AllPixels(RECT{20, 60, 80, 120}, Pixel(kBlue)));
    EXPECT_TRUE(AllPixels(RECT{150, 160, 210, 220}, Pixel(kRed)));
}

TEST_F(Paint, SendingAWindowToTheBottomRepaintsTheSiblingsItUncovers) {
    HWND parent = SolidWindow(kWhite, RECT{0, 30, 240, 250});
    HWND red = SolidWindow(kRed, RECT{10, 10, 110, 110}, parent);
    SolidWindow(kGreen, RECT{60, 60, 160, 160}, parent);
    SetWindowPos(red, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    test::Pump();
    const RECT overlap{60, 90, 110, 140};
    ASSERT_TRUE(AllPixels(overlap, Pixel(kRed)));
    SetWindowPos(red, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    test::Pump();
    EXPECT_TRUE(AllPixels(overlap, Pixel(kGreen)));

    // The same among top-level windows.
    HWND below = SolidWindow(kBlue, RECT{0, 100, 120, 200});
    HWND above = SolidWindow(kYellow, RECT{60, 150, 200, 240});
    test::Pump();
    ASSERT_TRUE(AllPixels(RECT{60, 150, 120, 200}, Pixel(kYellow)));
    SetWindowPos(above, below, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    test::Pump();
    EXPECT_TRUE(AllPixels(RECT{60, 150, 120, 200}, Pixel(kBlue)));
}

// Child dialogs standing for the pages of a tab control, built from a template in memory.
#pragma pack(push, 2)
struct PageTemplate {
    DLGTEMPLATE dlg;
    WORD menu, cls, title;
};
#pragma pack(pop)

INT_PTR CALLBACK PageProc(HWND dlg, UINT msg, WPARAM, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongW(dlg, DWL_USER, LONG(lParam));
        return FALSE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(dlg, &ps);
        HBRUSH brush = CreateSolidBrush(COLORREF(GetWindowLongW(dlg, DWL_USER)));
        RECT client;
        GetClientRect(dlg, &client);
        FillRect(hdc, &client, brush);
        DeleteObject(brush);
        EndPaint(dlg, &ps);
        return TRUE;
    }
    default: return FALSE;
    }
}

TEST_F(Paint, APageBroughtToTheTopCoversTheSiblingItOverlaps) {
    HWND sheet = SolidWindow(kWhite, RECT{0, 26, 240, 294});
    // 80 x 80 dialog units are 120 x 130 pixels; the second page starts 60 pixels right.
    PageTemplate first{{WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, 80, 80}, 0, 0, 0};
    PageTemplate second{{WS_CHILD | WS_VISIBLE, 0, 0, 40, 0, 80, 80}, 0, 0, 0};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND red = CreateDialogIndirectParamW(instance, &first.dlg, sheet, PageProc, LPARAM(kRed));
    HWND green = CreateDialogIndirectParamW(instance, &second.dlg, sheet, PageProc, LPARAM(kGreen));
    ASSERT_TRUE(red && green);
    SetWindowPos(red, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SolidWindow(kBlue, RECT{10, 10, 40, 40}, green);  // a control on the green page, under the red one
    test::Pump();
    const RECT overlap{60, 26, 120, 156};
    const RECT control{70, 36, 100, 66};
    ASSERT_TRUE(AllPixels(overlap, Pixel(kRed)));

    SetWindowPos(green, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    test::Pump();
    EXPECT_EQ(CountPixels(overlap, Pixel(kRed)), 0);
    EXPECT_TRUE(AllPixels(control, Pixel(kBlue)));
    EXPECT_TRUE(AllPixels(RECT{120, 26, 180, 156}, Pixel(kGreen)));
    EXPECT_TRUE(AllPixels(RECT{0, 26, 60, 156}, Pixel(kRed))) << "the rest of the red page stays";

    // Hiding the green page shows the red one whole again.
    ShowWindow(green, SW_HIDE);
    test::Pump();
    EXPECT_TRUE(AllPixels(RECT{0, 26, 120, 156}, Pixel(kRed)));
    EXPECT_TRUE(AllPixels(RECT{120, 26, 180, 156}, Pixel(kWhite)));
}

// ---------------------------------------------------------------- text

class Text : public Paint {
protected:
    void SetUp() override {
        Paint::SetUp();
        window = SolidWindow(kWhite, RECT{0, 40, 240, 240});
        test::Pump();
        hdc = GetDC(window);
        SetBkMode(hdc, TRANSPARENT);
        TEXTMETRICW tm{};
        ASSERT_TRUE(GetTextMetricsW(hdc, &tm)) << "the font files are missing";
        lineHeight = tm.tmHeight;
        ASSERT_GT(lineHeight, 0);
    }
    void TearDown() override {
        ReleaseDC(window, hdc);
        Paint::TearDown();
    }
    int Width(const std::u16string& s) {
        SIZE size{};
        GetTextExtentPoint32W(hdc, s.c_str(), int(s.size()), &size);
        return size.cx;
    }
    // The rectangle DT_CALCRECT gives for text laid out from (0, 0) within `width`.
    RECT Calc(const std::u16string& s, UINT format, int width = 1000, int* height = nullptr) {
        RECT r{0, 0, width, 0};
        int h = DrawTextW(hdc, s.c_str(), -1, &r, format | DT_CALCRECT);
        if (height) *height = h;
        return r;
    }
    // Where anything was drawn in the window, on the screen.
    RECT Ink() { return InkBox(RECT{0, 40, 240, 240}, Pixel(kWhite)); }
    HWND window = nullptr;
    HDC hdc = nullptr;
    int lineHeight = 0;
};

TEST_F(Text, HorizontalPlacementCentresAndAligns) {
    const RECT box{20, 10, 220, 40};  // client; on the screen y 50..80
    for (UINT format : {UINT(DT_LEFT), UINT(DT_CENTER), UINT(DT_RIGHT)}) {
        SCOPED_TRACE(format);
        RECT clear{0, 0, 240, 200};
        FillRect(hdc, &clear, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        RECT r = box;
        DrawTextW(hdc, u"Centre", -1, &r, format | DT_SINGLELINE | DT_VCENTER);
        RECT ink = Ink();
        ASSERT_GT(ink.right, ink.left) << "nothing was drawn";
        if (format == DT_LEFT) {
            EXPECT_LE(std::abs(ink.left - 20), 2);
        }
        if (format == DT_RIGHT) {
            EXPECT_LE(std::abs(ink.right - 220), 2);
        }
        if (format == DT_CENTER) {
            EXPECT_LE(std::abs((ink.left + ink.right) - 240), 4) << ink;
        }
        EXPECT_LE(std::abs((ink.top + ink.bottom) - 130), 6) << "vertically centred " << ink;
    }
}

TEST_F(Text, TextIsClippedToItsRectangleUnlessAskedNotTo) {
    const std::u16string text = u"A line far too long for its box";
    RECT r{20, 10, 60, 40};
    DrawTextW(hdc, text.c_str(), -1, &r, DT_LEFT | DT_SINGLELINE);
    RECT ink = Ink();
    ASSERT_GT(ink.right, ink.left);
    EXPECT_LE(ink.right, 60);
    RECT below{20, 50, 60, 80};
    DrawTextW(hdc, text.c_str(), -1, &below, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(InkBox(RECT{0, 90, 240, 120}, Pixel(kWhite)).right, 60);
}

TEST_F(Text, CalcRectMeasuresWithoutDrawing) {
    int height = 0;
    RECT r = Calc(u"Hello world", DT_SINGLELINE, 1000, &height);
    EXPECT_EQ(height, lineHeight);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, Width(u"Hello world"));
    EXPECT_EQ(r.bottom, lineHeight);
    EXPECT_TRUE(AllPixels(RECT{0, 40, 240, 240}, Pixel(kWhite))) << "DT_CALCRECT draws nothing";
}

TEST_F(Text, WordBreakingWrapsBetweenWords) {
    const std::u16string text = u"alpha beta gamma";
    struct Case {
        int width;
        int lines;
    };
    const int widestWord = std::max({Width(u"alpha"), Width(u"beta"), Width(u"gamma")});
    const Case cases[] = {
        {Width(text) + 2, 1},
        {Width(u"alpha beta") + 2, 2},
        {widestWord + 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        int height = 0;
        RECT r = Calc(text, DT_WORDBREAK, c.width, &height);
        EXPECT_EQ(height, c.lines * lineHeight);
        EXPECT_EQ(r.bottom, c.lines * lineHeight);
        EXPECT_LE(r.right, c.width);
        EXPECT_GE(r.right, Width(u"gamma"));
    }
    // Drawn, the two lines fall in two bands and both start at the left edge.
    RECT box{20, 10, 20 + Width(u"alpha beta") + 2, 150};
    DrawTextW(hdc, text.c_str(), -1, &box, DT_WORDBREAK | DT_LEFT);
    int top = 40 + 10;
    RECT first = InkBox(RECT{0, top, 240, top + lineHeight}, Pixel(kWhite));
    RECT second = InkBox(RECT{0, top + lineHeight, 240, top + 2 * lineHeight}, Pixel(kWhite));
    RECT third = InkBox(RECT{0, top + 2 * lineHeight, 240, 240}, Pixel(kWhite));
    EXPECT_GT(first.right, first.left);
    EXPECT_GT(second.right, second.left);
    EXPECT_EQ(third.right, third.left) << "no third line";
    EXPECT_LE(std::abs(second.left - 20), 2);
    EXPECT_LT(second.right, first.right) << "\"gamma\" is shorter than \"alpha beta\"";
}

TEST_F(Text, LineBreaksAndPrefixes) {
    int height = 0;
    Calc(u"one\ntwo", DT_LEFT, 1000, &height);
    EXPECT_EQ(height, 2 * lineHeight);
    Calc(u"one\r\ntwo", DT_LEFT, 1000, &height);
    EXPECT_EQ(height, 2 * lineHeight);
    Calc(u"one\ntwo", DT_SINGLELINE, 1000, &height);
    EXPECT_EQ(height, lineHeight);
    // An ampersand marks the next character; two make one; DT_NOPREFIX keeps them all.
    EXPECT_EQ(Calc(u"&Save", DT_SINGLELINE).right, Width(u"Save"));
    EXPECT_EQ(Calc(u"Fish && Chips", DT_SINGLELINE).right, Width(u"Fish & Chips"));
    EXPECT_EQ(Calc(u"&Save", DT_SINGLELINE | DT_NOPREFIX).right, Width(u"&Save"));
}

TEST_F(Text, SetTextColorColoursTheTextAndOpaqueModeItsBackground) {
    EXPECT_EQ(GetTextColor(hdc), kBlack);
    EXPECT_EQ(SetTextColor(hdc, kRed), kBlack);
    EXPECT_EQ(GetTextColor(hdc), kRed);
    RECT r{10, 10, 230, 40};
    DrawTextW(hdc, u"MMMM WWWW", -1, &r, DT_LEFT | DT_SINGLELINE);
    const RECT area{0, 40, 240, 100};
    EXPECT_GT(CountPixels(area, Pixel(kRed)), 10);
    int foreign = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            uint32_t p = test::PixelAt(x, y);
            // Red blended with white keeps green and blue equal.
            if (((p >> 8) & 0xFF) != (p & 0xFF)) ++foreign;
        }
    EXPECT_EQ(foreign, 0);

    SetBkMode(hdc, OPAQUE);
    EXPECT_EQ(SetBkColor(hdc, kYellow), kWhite);
    RECT second{10, 100, 230, 130};
    DrawTextW(hdc, u"MMMM", -1, &second, DT_LEFT | DT_TOP | DT_SINGLELINE);
    EXPECT_GT(CountPixels(RECT{10, 140, 230, 140 + lineHeight}, Pixel(kYellow)), 0);
    EXPECT_EQ(CountPixels(RECT{0, 140 + lineHeight, 240, 240}, Pixel(kYellow)), 0);
}

// ---------------------------------------------------------------- blits

TEST_F(Paint, BitBltCopiesALoadedBitmapFromAMemoryContext) {
    HWND h = SolidWindow(kWhite, RECT{0, 40, 240, 240});
    test::Pump();
    HDC hdc = GetDC(h);
    HDC mem = CreateCompatibleDC(hdc);
    HBITMAP bmp = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(IDB_STRIPES24));
    ASSERT_NE(bmp, nullptr);
    HGDIOBJ old = SelectObject(mem, bmp);
    ASSERT_NE(old, nullptr);
    EXPECT_TRUE(BitBlt(hdc, 10, 10, 8, 4, mem, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(hdc, 30, 10, 4, 3, mem, 2, 0, SRCCOPY));  // the green and blue stripes only
    EXPECT_FALSE(DeleteObject(bmp)) << "a bitmap selected into a context cannot be deleted";
    SelectObject(mem, old);
    EXPECT_TRUE(DeleteObject(bmp));
    DeleteDC(mem);
    ReleaseDC(h, hdc);

    const uint32_t stripe[] = {0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00, 0x0000FF, 0x0000FF, 0xFFFFFF, 0xFFFFFF};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(test::PixelAt(10 + x, 50 + y), y == 3 ? 0x808080u : stripe[x]) << x << "," << y;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(test::PixelAt(30 + x, 50 + y), stripe[x + 2]) << x << "," << y;
    EXPECT_EQ(test::PixelAt(30, 53), 0xFFFFFFu) << "only three rows were copied";
    EXPECT_EQ(test::PixelAt(34, 50), 0xFFFFFFu) << "only four columns were copied";
}

TEST_F(Paint, BlitsAreClippedToTheDestinationWindow) {
    HWND h = SolidWindow(kWhite, RECT{100, 100, 104, 104});
    test::Pump();
    HDC hdc = GetDC(h);
    HDC mem = CreateCompatibleDC(hdc);
    HBITMAP bmp = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(IDB_STRIPES24));
    HGDIOBJ old = SelectObject(mem, bmp);
    EXPECT_TRUE(BitBlt(hdc, -2, 0, 8, 4, mem, 0, 0, SRCCOPY));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(h, hdc);
    EXPECT_EQ(test::PixelAt(100, 100), 0x00FF00u);
    EXPECT_EQ(test::PixelAt(103, 100), 0x0000FFu);
    EXPECT_EQ(test::PixelAt(99, 100), 0xFFFFFFu);
    EXPECT_EQ(test::PixelAt(104, 100), 0xFFFFFFu);
}

}  // namespace
