// Update regions and the device contexts handed to painting code. Every window is
// clipped to what of it is visible: its ancestors, the siblings above it and its own
// children cut it down, so windows may paint in any order.
#include <algorithm>

#include "backend/backend.h"
#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "kernel/kernel.h"

namespace platform {
namespace {

void SubtractVisibleSiblingsAbove(Region& region, const std::vector<HWND>& siblings, HWND self) {
    for (HWND s : siblings) {
        if (s == self) return;
        Window& sw = Get(s);
        if (sw.style & WS_VISIBLE) region = SubtractRect(region, ScreenRect(sw));
    }
}

// What of `area` (a part of the window) shows: its ancestors' client areas and the
// siblings above cut it down, and so do its own children when it is the client area.
Region VisibleRegion(const Window& w, const RECT& area, bool withoutChildren) {
    if (!IsVisibleOnScreen(w)) return {};
    RECT screen = ScreenBounds(), clipped;
    if (!IntersectRect(&clipped, &area, &screen)) return {};
    Region region{clipped};
    const Window* child = &w;
    for (const Window* a = w.parent ? Find(w.parent) : nullptr; a; a = a->parent ? Find(a->parent) : nullptr) {
        region = IntersectRegion(region, ClientScreenRect(*a));
        SubtractVisibleSiblingsAbove(region, a->children, child->handle);
        child = a;
    }
    SubtractVisibleSiblingsAbove(region, TopLevelZOrder(), child->handle);
    if (withoutChildren)
        for (HWND c : w.children) {
            Window& cw = Get(c);
            if (cw.style & WS_VISIBLE) region = SubtractRect(region, ScreenRect(cw));
        }
    return region;
}

Region VisibleRegion(const Window& w) { return VisibleRegion(w, ClientScreenRect(w), true); }

HDC DcForWindow(HWND hwnd, const RECT* clientLimit) {
    Window& w = Get(hwnd);
    Region region = VisibleRegion(w);
    POINT origin = ScreenOrigin(w);
    if (clientLimit) {
        RECT limit = *clientLimit;
        OffsetRect(&limit, origin.x, origin.y);
        region = IntersectRegion(region, limit);
    }
    return CreateWindowDC(hwnd, region, origin);
}

}  // namespace

void UncoverDesktop(const RECT& area) {
    RECT screen = ScreenBounds(), clipped;
    if (!IntersectRect(&clipped, &area, &screen)) return;
    Region bare{clipped};
    for (HWND h : TopLevelZOrder())
        if (Get(h).style & WS_VISIBLE) bare = SubtractRect(bare, ScreenRect(Get(h)));
    if (bare.empty()) return;
    HDC hdc = CreateWindowDC(nullptr, bare, POINT{0, 0});
    FillSolid(hdc, clipped, ColorFromPixel(kDesktopPixel));
    ReleaseWindowDC(hdc);
}

bool AnyFrameDirty() {
    for (HWND h : TopLevelZOrder())
        if (Get(h).frameDirty && IsVisibleOnScreen(Get(h))) return true;
    return false;
}

void PaintDirtyFrames() {
    for (HWND h : TopLevelZOrder()) {
        Window& w = Get(h);
        if (!w.frameDirty || !IsVisibleOnScreen(w)) continue;
        w.frameDirty = false;
        if (!HasFrame(w)) continue;
        Region frame = SubtractRect(VisibleRegion(w, ScreenRect(w), false), ClientScreenRect(w));
        if (frame.empty()) continue;
        RECT whole = ScreenRect(w);
        HDC hdc = CreateWindowDC(h, frame, POINT{whole.left, whole.top});
        DrawWindowFrame(hdc, w, h == ActiveFrameWindow());
        ReleaseWindowDC(hdc);
    }
}

}  // namespace platform

using namespace platform;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (!hwnd) {
        ForEachWindow([&](Window& w) { AddUpdate(w, RECT{0, 0, 1 << 16, 1 << 16}, erase); });
        return TRUE;
    }
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    AddUpdate(*w, rect ? *rect : RECT{0, 0, 1 << 16, 1 << 16}, erase);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    // A rectangle validates only what it covers; the rest stays to be painted.
    Region left = rect && w->hasUpdate ? SubtractRect(Region{w->update}, *rect) : Region{};
    if (!left.empty()) {
        RECT box = left.front();
        for (const RECT& r : left) UnionRect(&box, &box, &r);
        w->update = box;
        return TRUE;
    }
    w->hasUpdate = false;
    w->eraseUpdate = false;
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
    Window* w = Find(hwnd);
    if (!w || !w->hasUpdate) {
        if (rect) SetRectEmpty(rect);
        return FALSE;
    }
    if (rect) *rect = w->update;
    return TRUE;
}

// What a window paints outside the message loop is on the screen at once, as on the
// handheld, where the shell's bars draw themselves whatever the program is doing.
BOOL UpdateWindow(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    PaintDirtyFrames();
    if (w->hasUpdate && IsVisibleOnScreen(*w)) {
        SendMessageW(hwnd, WM_PAINT, 0, 0);
        if ((w = Find(hwnd))) w->hasUpdate = false;
    }
    ForEachWindow([](Window& chrome) {
        if (chrome.shellChrome && chrome.hasUpdate && IsVisibleOnScreen(chrome)) UpdateWindow(chrome.handle);
    });
    CurrentBackend().Present(Framebuffer());
    return TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    Window* w = Find(hwnd);
    if (!w || !ps) return nullptr;
    *ps = PAINTSTRUCT{};
    RECT update = w->hasUpdate ? w->update : RECT{0, 0, 0, 0};
    bool erase = w->eraseUpdate;
    w->hasUpdate = false;
    w->eraseUpdate = false;
    ps->rcPaint = update;
    ps->hdc = DcForWindow(hwnd, &update);
    ps->fErase = erase ? TRUE : FALSE;
    if (erase && SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0)) ps->fErase = FALSE;
    return ps->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* ps) {
    if (ps && ps->hdc) ReleaseWindowDC(ps->hdc);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (!hwnd) return CreateWindowDC(nullptr, Region{ScreenBounds()}, POINT{0, 0});
    if (!Find(hwnd)) return nullptr;
    return DcForWindow(hwnd, nullptr);
}

int ReleaseDC(HWND, HDC hdc) {
    ReleaseWindowDC(hdc);
    return 1;
}
