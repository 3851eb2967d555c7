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

Region VisibleRegion(const Window& w) {
    if (!IsVisibleOnScreen(w)) return {};
    RECT screen{0, 0, kScreenWidth, kScreenHeight}, r = ScreenRect(w), clipped;
    if (!IntersectRect(&clipped, &r, &screen)) return {};
    Region region{clipped};
    const Window* child = &w;
    for (const Window* a = w.parent ? Find(w.parent) : nullptr; a; a = a->parent ? Find(a->parent) : nullptr) {
        region = IntersectRegion(region, ScreenRect(*a));
        SubtractVisibleSiblingsAbove(region, a->children, child->handle);
        child = a;
    }
    SubtractVisibleSiblingsAbove(region, TopLevelZOrder(), child->handle);
    for (HWND c : w.children) {
        Window& cw = Get(c);
        if (cw.style & WS_VISIBLE) region = SubtractRect(region, ScreenRect(cw));
    }
    return region;
}

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
    if (!hwnd) return CreateWindowDC(nullptr, Region{RECT{0, 0, kScreenWidth, kScreenHeight}}, POINT{0, 0});
    if (!Find(hwnd)) return nullptr;
    return DcForWindow(hwnd, nullptr);
}

int ReleaseDC(HWND, HDC hdc) {
    ReleaseWindowDC(hdc);
    return 1;
}
