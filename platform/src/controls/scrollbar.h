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

}  // namespace platform
