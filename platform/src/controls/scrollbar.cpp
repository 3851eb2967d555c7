#include "controls/scrollbar.h"

#include <algorithm>

#include "gdi/gdi.h"

namespace platform {
namespace {

int Length(const RECT& bar, bool vertical) { return vertical ? bar.bottom - bar.top : bar.right - bar.left; }
int TrackLength(const RECT& bar, bool vertical) { return std::max(0, Length(bar, vertical) - 2 * kScrollBarSize); }

void DrawArrow(HDC hdc, const RECT& box, int direction) {
    // direction: 0 up, 1 down, 2 left, 3 right; a small solid triangle in the middle.
    int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        switch (direction) {
        case 0: FillSolid(hdc, RECT{cx - i, cy - 2 + i, cx + i + 1, cy - 1 + i}, RGB(0, 0, 0)); break;
        case 1: FillSolid(hdc, RECT{cx - i, cy + 1 - i, cx + i + 1, cy + 2 - i}, RGB(0, 0, 0)); break;
        case 2: FillSolid(hdc, RECT{cx - 2 + i, cy - i, cx - 1 + i, cy + i + 1}, RGB(0, 0, 0)); break;
        default: FillSolid(hdc, RECT{cx + 1 - i, cy - i, cx + 2 - i, cy + i + 1}, RGB(0, 0, 0)); break;
        }
    }
}

}  // namespace

void ScrollAxis::Clamp() { pos = std::clamp(pos, 0, Max()); }

bool ScrollAxis::ScrollTo(int to) {
    int before = pos;
    pos = to;
    Clamp();
    return pos != before;
}

RECT ScrollThumb(const RECT& bar, bool vertical, const ScrollAxis& axis) {
    int track = TrackLength(bar, vertical);
    int size = axis.total > 0 ? std::max(8, track * axis.page / axis.total) : track;
    size = std::min(size, track);
    int offset = axis.Max() > 0 ? (track - size) * axis.pos / axis.Max() : 0;
    int start = (vertical ? bar.top : bar.left) + kScrollBarSize + offset;
    return vertical ? RECT{bar.left, start, bar.right, start + size} : RECT{start, bar.top, start + size, bar.bottom};
}

ScrollPart HitScrollBar(const RECT& bar, bool vertical, const ScrollAxis& axis, POINT p) {
    if (!PtInRect(&bar, p)) return ScrollPart::None;
    int at = vertical ? p.y - bar.top : p.x - bar.left;
    if (at < kScrollBarSize) return ScrollPart::LessArrow;
    if (at >= Length(bar, vertical) - kScrollBarSize) return ScrollPart::MoreArrow;
    RECT thumb = ScrollThumb(bar, vertical, axis);
    if (PtInRect(&thumb, p)) return ScrollPart::Thumb;
    int thumbStart = vertical ? thumb.top : thumb.left;
    return (vertical ? p.y : p.x) < thumbStart ? ScrollPart::LessTrack : ScrollPart::MoreTrack;
}

int DraggedPosition(const RECT& bar, bool vertical, const ScrollAxis& axis, int startPos, int delta) {
    RECT thumb = ScrollThumb(bar, vertical, axis);
    int free = TrackLength(bar, vertical) - Length(thumb, vertical);
    if (free <= 0) return startPos;
    return startPos + delta * axis.Max() / free;
}

int SteppedPosition(ScrollPart part, const ScrollAxis& axis) {
    switch (part) {
    case ScrollPart::LessArrow: return axis.pos - axis.line;
    case ScrollPart::MoreArrow: return axis.pos + axis.line;
    case ScrollPart::LessTrack: return axis.pos - std::max(axis.line, axis.page - axis.line);
    case ScrollPart::MoreTrack: return axis.pos + std::max(axis.line, axis.page - axis.line);
    default: return axis.pos;
    }
}

void DrawScrollBar(HDC hdc, const RECT& bar, bool vertical, const ScrollAxis& axis) {
    FillSolid(hdc, bar, RGB(224, 224, 224));
    RECT less = vertical ? RECT{bar.left, bar.top, bar.right, bar.top + kScrollBarSize}
                         : RECT{bar.left, bar.top, bar.left + kScrollBarSize, bar.bottom};
    RECT more = vertical ? RECT{bar.left, bar.bottom - kScrollBarSize, bar.right, bar.bottom}
                         : RECT{bar.right - kScrollBarSize, bar.top, bar.right, bar.bottom};
    RECT thumb = ScrollThumb(bar, vertical, axis);
    // The handheld's boxes are white and outlined; the desktop's are grey and raised.
    auto drawBox = [&](const RECT& box, COLORREF handheldOutline) {
        FillSolid(hdc, box, GetSysColor(COLOR_BTNFACE));
        if (IsDesktop()) DrawBevel(hdc, box, Bevel::Button);
        else FrameSolid(hdc, box, handheldOutline);
    };
    drawBox(less, RGB(128, 128, 128));
    drawBox(more, RGB(128, 128, 128));
    drawBox(thumb, RGB(0, 0, 0));
    DrawArrow(hdc, less, vertical ? 0 : 2);
    DrawArrow(hdc, more, vertical ? 1 : 3);
}

ScrollLayout LayOutScrollBars(RECT area, SIZE content, bool allowVertical, bool allowHorizontal) {
    ScrollLayout l;
    int width = area.right - area.left, height = area.bottom - area.top;
    for (int pass = 0; pass < 2; ++pass) {
        l.vertical = allowVertical && content.cy > height - (l.horizontal ? kScrollBarSize : 0);
        l.horizontal = allowHorizontal && content.cx > width - (l.vertical ? kScrollBarSize : 0);
    }
    int right = area.right - (l.vertical ? kScrollBarSize : 0);
    int bottom = area.bottom - (l.horizontal ? kScrollBarSize : 0);
    l.view = RECT{area.left, area.top, right, bottom};
    l.vbar = RECT{right, area.top, area.right, bottom};
    l.hbar = RECT{area.left, bottom, right, area.bottom};
    return l;
}

void ScrollState::Fit(const ScrollLayout& layout) {
    vertical.page = std::max(0, int(layout.view.bottom - layout.view.top));
    horizontal.page = std::max(0, int(layout.view.right - layout.view.left));
    vertical.Clamp();
    horizontal.Clamp();
}

bool ScrollState::Press(const ScrollLayout& layout, POINT p, bool& moved) {
    moved = false;
    for (bool isVertical : {true, false}) {
        if (!(isVertical ? layout.vertical : layout.horizontal)) continue;
        const RECT& bar = isVertical ? layout.vbar : layout.hbar;
        ScrollAxis& axis = isVertical ? vertical : horizontal;
        ScrollPart part = HitScrollBar(bar, isVertical, axis, p);
        if (part == ScrollPart::None) continue;
        if (part == ScrollPart::Thumb) {
            dragging = isVertical ? 1 : 2;
            dragStart = p;
            dragStartPos = axis.pos;
        } else {
            moved = axis.ScrollTo(SteppedPosition(part, axis));
        }
        return true;
    }
    return false;
}

bool ScrollState::Drag(const ScrollLayout& layout, POINT p) {
    if (dragging == 1) return vertical.ScrollTo(DraggedPosition(layout.vbar, true, vertical, dragStartPos, p.y - dragStart.y));
    if (dragging == 2)
        return horizontal.ScrollTo(DraggedPosition(layout.hbar, false, horizontal, dragStartPos, p.x - dragStart.x));
    return false;
}

void DrawScrollBars(HDC hdc, const ScrollLayout& layout, const ScrollState& state) {
    if (layout.vertical) DrawScrollBar(hdc, layout.vbar, true, state.vertical);
    if (layout.horizontal) DrawScrollBar(hdc, layout.hbar, false, state.horizontal);
    if (layout.vertical && layout.horizontal)
        FillSolid(hdc, RECT{layout.vbar.left, layout.hbar.top, layout.vbar.right, layout.hbar.bottom}, RGB(224, 224, 224));
}

}  // namespace platform
