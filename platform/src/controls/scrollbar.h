// Scroll bars drawn inside a control's client area, shared by the controls that scroll:
// arrows at both ends, a track, and a thumb as long as the visible part.
#pragma once

#include <windows.h>

namespace platform {

constexpr int kScrollBarSize = 13;

struct ScrollAxis {
    int total = 0;  // content length, pixels
    int page = 0;   // visible length
    int pos = 0;    // first visible pixel
    int line = 1;   // what an arrow moves
    bool Needed() const { return total > page; }
    int Max() const { return total > page ? total - page : 0; }
    void Clamp();
    bool ScrollTo(int to);  // answers whether the position changed
};

// Where a tap on a bar lands.
enum class ScrollPart { None, LessArrow, MoreArrow, LessTrack, MoreTrack, Thumb };

ScrollPart HitScrollBar(const RECT& bar, bool vertical, const ScrollAxis& axis, POINT p);
RECT ScrollThumb(const RECT& bar, bool vertical, const ScrollAxis& axis);
// The position for a thumb dragged by `delta` pixels from where it was at `startPos`.
int DraggedPosition(const RECT& bar, bool vertical, const ScrollAxis& axis, int startPos, int delta);
// A tap on an arrow or the track: the new position.
int SteppedPosition(ScrollPart part, const ScrollAxis& axis);
void DrawScrollBar(HDC hdc, const RECT& bar, bool vertical, const ScrollAxis& axis);

// A scrolling view inside `area`: which bars its content needs (only where `allowed`)
// and the rectangle left for the content. A bar in one direction takes room that may
// make the other one needed too.
struct ScrollLayout {
    RECT view{};
    RECT vbar{}, hbar{};
    bool vertical = false, horizontal = false;
};
ScrollLayout LayOutScrollBars(RECT area, SIZE content, bool allowVertical, bool allowHorizontal);
// Both axes of a scrolling view and a thumb being dragged.
struct ScrollState {
    ScrollAxis vertical, horizontal;
    int dragging = 0;  // 0 none, 1 vertical thumb, 2 horizontal thumb
    POINT dragStart{0, 0};
    int dragStartPos = 0;
    // Sets the axes' page sizes from the layout and keeps the positions in range.
    void Fit(const ScrollLayout& layout);
    // A stylus press: steps or starts a drag when it lands on a bar, and answers whether it did.
    bool Press(const ScrollLayout& layout, POINT p, bool& moved);
    // A stylus move while dragging a thumb: answers whether the position changed.
    bool Drag(const ScrollLayout& layout, POINT p);
};
void DrawScrollBars(HDC hdc, const ScrollLayout& layout, const ScrollState& state);

}  // namespace platform
