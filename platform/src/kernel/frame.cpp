// Captions and frames of top-level windows on the desktop, in the classic look: a raised
// frame, a caption bar shaded from dark to light blue (grey when another window is
// active), the small icon, the title, and the minimise, maximise and close boxes.
#include <algorithm>

#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "kernel/kernel.h"

namespace platform {
namespace {

constexpr int kBarHeight = 18;
constexpr int kBoxWidth = 16, kBoxHeight = 14;
constexpr COLORREF kFace = RGB(192, 192, 192);

struct CaptionColours {
    COLORREF left, right, text;
};

CaptionColours ColoursOf(bool active) {
    return active ? CaptionColours{RGB(0, 0, 128), RGB(16, 132, 208), RGB(255, 255, 255)}
                  : CaptionColours{RGB(128, 128, 128), RGB(192, 192, 192), RGB(212, 208, 200)};
}

void ShadeBar(HDC hdc, const RECT& bar, const CaptionColours& c) {
    int width = std::max(1, int(bar.right - bar.left));
    for (int x = bar.left; x < bar.right; ++x) {
        int t = x - bar.left;
        auto mix = [&](int a, int b) { return a + (b - a) * t / width; };
        COLORREF colour = RGB(mix(GetRValue(c.left), GetRValue(c.right)), mix(GetGValue(c.left), GetGValue(c.right)),
                              mix(GetBValue(c.left), GetBValue(c.right)));
        FillSolid(hdc, RECT{x, bar.top, x + 1, bar.bottom}, colour);
    }
}

enum class Box { Minimize, Maximize, Restore, Close };

// The glyphs are drawn in a box's centre, in black, or embossed grey when unavailable.
void DrawGlyph(HDC hdc, const RECT& box, Box kind, COLORREF ink) {
    int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    switch (kind) {
    case Box::Close:
        for (int i = 0; i < 7; ++i) {
            FillSolid(hdc, RECT{cx - 4 + i, cy - 3 + i, cx - 2 + i, cy - 2 + i}, ink);
            FillSolid(hdc, RECT{cx + 2 - i, cy - 3 + i, cx + 4 - i, cy - 2 + i}, ink);
        }
        break;
    case Box::Minimize: FillSolid(hdc, RECT{cx - 4, cy + 2, cx + 2, cy + 4}, ink); break;
    case Box::Maximize:
        FrameSolid(hdc, RECT{cx - 5, cy - 4, cx + 4, cy + 4}, ink);
        FillSolid(hdc, RECT{cx - 5, cy - 3, cx + 4, cy - 2}, ink);
        break;
    case Box::Restore:
        FrameSolid(hdc, RECT{cx - 2, cy - 5, cx + 4, cy}, ink);
        FillSolid(hdc, RECT{cx - 2, cy - 4, cx + 4, cy - 3}, ink);
        FillSolid(hdc, RECT{cx - 5, cy - 2, cx + 1, cy + 4}, kFace);
        FrameSolid(hdc, RECT{cx - 5, cy - 2, cx + 1, cy + 4}, ink);
        FillSolid(hdc, RECT{cx - 5, cy - 1, cx + 1, cy}, ink);
        break;
    }
}

void DrawBox(HDC hdc, const RECT& box, Box kind, bool enabled) {
    FillSolid(hdc, box, kFace);
    DrawBevel(hdc, box, Bevel::Button);
    if (enabled) {
        DrawGlyph(hdc, box, kind, RGB(0, 0, 0));
        return;
    }
    RECT emboss = box;
    OffsetRect(&emboss, 1, 1);
    DrawGlyph(hdc, emboss, kind, RGB(255, 255, 255));
    DrawGlyph(hdc, box, kind, RGB(128, 128, 128));
}

// Answers where the title may end: left of the boxes.
int DrawBoxes(HDC hdc, const Window& w, const RECT& bar) {
    if (!(w.style & WS_SYSMENU)) return bar.right;
    int top = bar.top + (kBarHeight - kBoxHeight) / 2;
    RECT close{bar.right - 2 - kBoxWidth, top, bar.right - 2, top + kBoxHeight};
    DrawBox(hdc, close, Box::Close, !(w.cls->style & CS_NOCLOSE));
    if (!(w.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) return close.left;
    RECT maximize{close.left - 2 - kBoxWidth, top, close.left - 2, top + kBoxHeight};
    RECT minimize{maximize.left - kBoxWidth, top, maximize.left, top + kBoxHeight};
    DrawBox(hdc, maximize, w.maximized ? Box::Restore : Box::Maximize, (w.style & WS_MAXIMIZEBOX) != 0);
    DrawBox(hdc, minimize, Box::Minimize, (w.style & WS_MINIMIZEBOX) != 0);
    return minimize.left;
}

void DrawCaption(HDC hdc, const Window& w, const RECT& bar, bool active) {
    CaptionColours colours = ColoursOf(active);
    ShadeBar(hdc, bar, colours);
    int left = bar.left + 2;
    if ((w.style & WS_SYSMENU) && w.cls->icon) {
        DrawIconOfSize(hdc, left, bar.top + 1, w.cls->icon, 16);
        left += 18;
    }
    int right = DrawBoxes(hdc, w, bar);
    SelectObject(hdc, FontForPointSize(u"MS Sans Serif", 8, FW_BOLD));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, colours.text);
    RECT title{left, bar.top, right - 2, bar.bottom};
    DrawTextW(hdc, w.text.c_str(), int(w.text.size()), &title, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

HWND ActiveFrameWindow() {
    auto& modal = ModalStack();
    return modal.empty() ? GetForegroundWindow() : modal.back();
}

void DrawWindowFrame(HDC hdc, const Window& w, bool active) {
    RECT whole{0, 0, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top};
    RECT insets = FrameInsets(w);
    FillSolid(hdc, whole, kFace);
    if (insets.left >= 2) DrawBevel(hdc, whole, Bevel::Raised);
    else if (insets.left == 1) FrameSolid(hdc, whole, RGB(0, 0, 0));
    if (insets.top > insets.left)
        DrawCaption(hdc, w, RECT{insets.left, insets.left, whole.right - insets.right, insets.left + kBarHeight}, active);
}

}  // namespace platform
