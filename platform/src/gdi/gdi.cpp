// GDI objects, device contexts, rectangles, regions and the blits and fills that
// everything visible is made of.
#include "gdi/gdi.h"

#include <algorithm>
#include <map>
#include <memory>

#include "gdi/objects.h"

namespace platform {
namespace {

struct GdiState {
    Surface framebuffer{kScreenWidth, kScreenHeight, 0xFFFFFF};
    bool desktop = false;
    std::map<uintptr_t, std::unique_ptr<GdiObject>> objects;
    std::map<uintptr_t, std::unique_ptr<DeviceContext>> dcs;
    uintptr_t next = 0x20000;
    std::map<int, HGDIOBJ> stock;
    std::map<int, HBRUSH> sysBrushes;
    HBITMAP defaultBitmap = nullptr;
};

GdiState& G() {
    static GdiState state;
    return state;
}

uintptr_t NextHandle() {
    uintptr_t h = G().next;
    G().next += 4;
    return h;
}

HGDIOBJ AddObject(std::unique_ptr<GdiObject> obj) {
    uintptr_t h = NextHandle();
    G().objects[h] = std::move(obj);
    return reinterpret_cast<HGDIOBJ>(h);
}

HGDIOBJ MakeStockBrush(COLORREF color, bool null = false) {
    auto obj = std::make_unique<GdiObject>();
    obj->kind = GdiObject::Brush;
    obj->color = color;
    obj->nullBrush = null;
    obj->stock = true;
    return AddObject(std::move(obj));
}

void FillClipped(DeviceContext& dc, RECT target, uint32_t pixel) {
    for (const RECT& c : dc.clip) {
        RECT r;
        if (!IntersectRect(&r, &target, &c)) continue;
        for (int y = r.top; y < r.bottom; ++y) {
            uint32_t* row = dc.surface->pixels.data() + size_t(y) * size_t(dc.surface->width);
            std::fill(row + r.left, row + r.right, pixel);
        }
    }
}

}  // namespace

Surface& Framebuffer() { return G().framebuffer; }

GdiObject* FindObject(HGDIOBJ h) {
    auto it = G().objects.find(reinterpret_cast<uintptr_t>(h));
    return it == G().objects.end() ? nullptr : it->second.get();
}

DeviceContext* FindDc(HDC h) {
    auto it = G().dcs.find(reinterpret_cast<uintptr_t>(h));
    return it == G().dcs.end() ? nullptr : it->second.get();
}

HGDIOBJ NewObject(std::unique_ptr<GdiObject> obj) { return AddObject(std::move(obj)); }

Region SubtractRect(const Region& region, const RECT& cut) {
    Region out;
    for (const RECT& r : region) {
        RECT i;
        if (!IntersectRect(&i, &r, &cut)) {
            out.push_back(r);
            continue;
        }
        if (r.top < i.top) out.push_back(RECT{r.left, r.top, r.right, i.top});
        if (i.bottom < r.bottom) out.push_back(RECT{r.left, i.bottom, r.right, r.bottom});
        if (r.left < i.left) out.push_back(RECT{r.left, i.top, i.left, i.bottom});
        if (i.right < r.right) out.push_back(RECT{i.right, i.top, r.right, i.bottom});
    }
    return out;
}

Region IntersectRegion(const Region& region, const RECT& with) {
    Region out;
    for (const RECT& r : region) {
        RECT i;
        if (IntersectRect(&i, &r, &with)) out.push_back(i);
    }
    return out;
}

HDC CreateWindowDC(HWND hwnd, const Region& clip, POINT origin) {
    auto dc = std::make_unique<DeviceContext>();
    dc->surface = &G().framebuffer;
    dc->origin = origin;
    dc->clip = clip;
    dc->window = hwnd;
    dc->font = GetStockObject(SYSTEM_FONT);
    dc->brush = GetStockObject(WHITE_BRUSH);
    uintptr_t h = NextHandle();
    G().dcs[h] = std::move(dc);
    return reinterpret_cast<HDC>(h);
}

void ReleaseWindowDC(HDC hdc) { G().dcs.erase(reinterpret_cast<uintptr_t>(hdc)); }

void FillSolid(HDC hdc, const RECT& rect, COLORREF color) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) return;
    RECT r = rect;
    OffsetRect(&r, dc->origin.x, dc->origin.y);
    FillClipped(*dc, r, PixelFromColor(color));
}

void FrameSolid(HDC hdc, const RECT& r, COLORREF color) {
    FillSolid(hdc, RECT{r.left, r.top, r.right, r.top + 1}, color);
    FillSolid(hdc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, color);
    FillSolid(hdc, RECT{r.left, r.top, r.left + 1, r.bottom}, color);
    FillSolid(hdc, RECT{r.right - 1, r.top, r.right, r.bottom}, color);
}

void DrawBevel(HDC hdc, const RECT& r, Bevel kind) {
    constexpr COLORREF white = RGB(255, 255, 255), light = RGB(192, 192, 192), shadow = RGB(128, 128, 128),
                       dark = RGB(0, 0, 0);
    // Outer top-left, outer bottom-right, inner top-left, inner bottom-right.
    struct Colours {
        COLORREF outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
    };
    Colours c = kind == Bevel::Button   ? Colours{white, dark, light, shadow}
                : kind == Bevel::Raised ? Colours{light, dark, white, shadow}
                : kind == Bevel::Sunken ? Colours{shadow, white, dark, light}
                                        : Colours{shadow, white, white, shadow};
    auto edge = [&](RECT e, COLORREF topLeft, COLORREF bottomRight) {
        FillSolid(hdc, RECT{e.left, e.top, e.right - 1, e.top + 1}, topLeft);
        FillSolid(hdc, RECT{e.left, e.top, e.left + 1, e.bottom - 1}, topLeft);
        FillSolid(hdc, RECT{e.left, e.bottom - 1, e.right, e.bottom}, bottomRight);
        FillSolid(hdc, RECT{e.right - 1, e.top, e.right, e.bottom}, bottomRight);
    };
    edge(r, c.outerTopLeft, c.outerBottomRight);
    edge(RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, c.innerTopLeft, c.innerBottomRight);
}

void DrawLine(HDC hdc, int x0, int y0, int x1, int y1, COLORREF color) {
    // Horizontal and vertical lines are all the chrome needs; others step pixel by pixel.
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1, err = dx + dy;
    for (;;) {
        FillSolid(hdc, RECT{x0, y0, x0 + 1, y0 + 1}, color);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void PutPixelBlend(DeviceContext& dc, int sx, int sy, uint32_t pixel, int alpha) {
    if (alpha <= 0) return;
    for (const RECT& c : dc.clip) {
        if (sx < c.left || sx >= c.right || sy < c.top || sy >= c.bottom) continue;
        uint32_t& d = dc.surface->pixels[size_t(sy) * size_t(dc.surface->width) + size_t(sx)];
        if (alpha >= 255) {
            d = pixel;
        } else {
            auto mix = [&](int shift) {
                int a = int((pixel >> shift) & 0xFF), b = int((d >> shift) & 0xFF);
                return uint32_t((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
            };
            d = mix(16) | mix(8) | mix(0);
        }
        return;
    }
}

namespace {
void Blit(HDC hdc, int x, int y, const Surface& src, int srcX, int srcY, int width, int height, const uint32_t* key) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) return;
    RECT target{x + dc->origin.x, y + dc->origin.y, x + dc->origin.x + width, y + dc->origin.y + height};
    for (const RECT& c : dc->clip) {
        RECT r;
        if (!IntersectRect(&r, &target, &c)) continue;
        for (int ty = r.top; ty < r.bottom; ++ty) {
            int sy = srcY + (ty - target.top);
            if (sy < 0 || sy >= src.height) continue;
            for (int tx = r.left; tx < r.right; ++tx) {
                int sx = srcX + (tx - target.left);
                if (sx < 0 || sx >= src.width) continue;
                uint32_t p = src.pixels[size_t(sy) * size_t(src.width) + size_t(sx)];
                if (!key || p != *key) dc->surface->pixels[size_t(ty) * size_t(dc->surface->width) + size_t(tx)] = p;
            }
        }
    }
}
}  // namespace

void BlitSurface(HDC hdc, int x, int y, const Surface& src, int srcX, int srcY, int width, int height) {
    Blit(hdc, x, y, src, srcX, srcY, width, height, nullptr);
}

void BlitSurfaceKeyed(HDC hdc, int x, int y, const Surface& src, int srcX, int srcY, int width, int height, uint32_t key) {
    Blit(hdc, x, y, src, srcX, srcY, width, height, &key);
}

const Surface* BitmapSurface(HBITMAP bitmap) {
    GdiObject* obj = FindObject(bitmap);
    return obj && obj->kind == GdiObject::Bitmap ? &obj->surface : nullptr;
}

int BitmapDepth(HBITMAP bitmap) {
    GdiObject* obj = FindObject(bitmap);
    return obj && obj->kind == GdiObject::Bitmap ? obj->depth : 0;
}

size_t LiveGdiObjects() {
    const auto& objects = G().objects;
    return size_t(std::count_if(objects.begin(), objects.end(), [](const auto& o) { return !o.second->stock; }));
}

void ResetGdi() {
    auto& g = G();
    g.dcs.clear();
    for (auto it = g.objects.begin(); it != g.objects.end();)
        it = it->second->stock ? std::next(it) : g.objects.erase(it);
    std::fill(g.framebuffer.pixels.begin(), g.framebuffer.pixels.end(), g.desktop ? kDesktopPixel : 0xFFFFFF);
    ResetFonts();
}

void UseDesktopScreen(int width, int height) {
    auto& g = G();
    g.desktop = true;
    g.framebuffer = Surface(width, height, kDesktopPixel);
    // The system colours change with the look: brushes made for the handheld's are stale.
    g.sysBrushes.clear();
}

bool IsDesktop() { return G().desktop; }

SIZE ScreenSize() { return SIZE{G().framebuffer.width, G().framebuffer.height}; }

}  // namespace platform

using namespace platform;

HGDIOBJ GetStockObject(int object) {
    auto& stock = G().stock;
    auto it = stock.find(object);
    if (it != stock.end()) return it->second;
    HGDIOBJ h = nullptr;
    switch (object) {
    case WHITE_BRUSH: h = MakeStockBrush(RGB(255, 255, 255)); break;
    case LTGRAY_BRUSH: h = MakeStockBrush(RGB(192, 192, 192)); break;
    case GRAY_BRUSH: h = MakeStockBrush(RGB(128, 128, 128)); break;
    case DKGRAY_BRUSH: h = MakeStockBrush(RGB(64, 64, 64)); break;
    case BLACK_BRUSH: h = MakeStockBrush(RGB(0, 0, 0)); break;
    case NULL_BRUSH: h = MakeStockBrush(0, true); break;
    case WHITE_PEN:
    case BLACK_PEN: {
        auto obj = std::make_unique<GdiObject>();
        obj->kind = GdiObject::Pen;
        obj->color = object == WHITE_PEN ? RGB(255, 255, 255) : RGB(0, 0, 0);
        obj->stock = true;
        h = AddObject(std::move(obj));
        break;
    }
    case SYSTEM_FONT: {
        auto obj = std::make_unique<GdiObject>();
        obj->kind = GdiObject::Font;
        obj->font = LOGFONTW{-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Tahoma"};
        if (IsDesktop()) std::copy_n(u"MS Sans Serif", 14, obj->font.lfFaceName);
        obj->stock = true;
        h = AddObject(std::move(obj));
        break;
    }
    default: return nullptr;
    }
    stock[object] = h;
    return h;
}

namespace {
// The classic desktop look: grey faces and 3-D edges.
DWORD DesktopSysColor(int index) {
    switch (index) {
    case COLOR_WINDOWTEXT:
    case COLOR_BTNTEXT:
    case COLOR_STATICTEXT: return RGB(0, 0, 0);
    case COLOR_BTNFACE:
    case COLOR_STATIC: return RGB(192, 192, 192);
    case COLOR_HIGHLIGHT: return RGB(0, 0, 128);
    case COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
    case COLOR_GRAYTEXT: return RGB(128, 128, 128);
    case COLOR_WINDOW:
    default: return RGB(255, 255, 255);
    }
}
}  // namespace

DWORD GetSysColor(int index) {
    if (IsDesktop()) return DesktopSysColor(index);
    switch (index) {
    case COLOR_WINDOWTEXT:
    case COLOR_BTNTEXT:
    case COLOR_STATICTEXT: return RGB(0, 0, 0);
    case COLOR_BTNFACE: return RGB(255, 255, 255);
    case COLOR_HIGHLIGHT: return RGB(0, 0, 128);
    case COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
    case COLOR_GRAYTEXT: return RGB(128, 128, 128);
    case COLOR_WINDOW:
    case COLOR_STATIC:
    default: return RGB(255, 255, 255);
    }
}

HBRUSH GetSysColorBrush(int index) {
    auto& brushes = G().sysBrushes;
    auto it = brushes.find(index);
    if (it != brushes.end()) return it->second;
    HBRUSH b = static_cast<HBRUSH>(MakeStockBrush(GetSysColor(index)));
    brushes[index] = b;
    return b;
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto obj = std::make_unique<GdiObject>();
    obj->kind = GdiObject::Brush;
    obj->color = color;
    return static_cast<HBRUSH>(AddObject(std::move(obj)));
}

HDC CreateCompatibleDC(HDC) {
    auto& g = G();
    if (!g.defaultBitmap) {
        auto obj = std::make_unique<GdiObject>();
        obj->kind = GdiObject::Bitmap;
        obj->surface = Surface(1, 1, 0);
        obj->depth = 1;
        obj->stock = true;
        g.defaultBitmap = static_cast<HBITMAP>(AddObject(std::move(obj)));
    }
    auto dc = std::make_unique<DeviceContext>();
    dc->memory = true;
    dc->bitmap = g.defaultBitmap;
    dc->surface = &FindObject(g.defaultBitmap)->surface;
    dc->clip = Region{RECT{0, 0, 1, 1}};
    dc->font = GetStockObject(SYSTEM_FONT);
    dc->brush = GetStockObject(WHITE_BRUSH);
    uintptr_t h = NextHandle();
    g.dcs[h] = std::move(dc);
    return reinterpret_cast<HDC>(h);
}

BOOL DeleteDC(HDC hdc) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc || !dc->memory) return FALSE;
    if (GdiObject* bmp = FindObject(dc->bitmap)) bmp->selectedInto = nullptr;
    G().dcs.erase(reinterpret_cast<uintptr_t>(hdc));
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj) {
    DeviceContext* dc = FindDc(hdc);
    GdiObject* o = FindObject(obj);
    if (!dc || !o) return nullptr;
    HGDIOBJ old = nullptr;
    switch (o->kind) {
    case GdiObject::Bitmap: {
        if (!dc->memory) return nullptr;
        // A bitmap can be selected into one memory context at a time.
        if (o->selectedInto && o->selectedInto != hdc) return nullptr;
        old = dc->bitmap;
        if (GdiObject* prev = FindObject(old)) prev->selectedInto = nullptr;
        dc->bitmap = obj;
        o->selectedInto = hdc;
        dc->surface = &o->surface;
        dc->clip = Region{RECT{0, 0, o->surface.width, o->surface.height}};
        break;
    }
    case GdiObject::Brush: old = dc->brush; dc->brush = obj; break;
    case GdiObject::Font: old = dc->font; dc->font = obj; break;
    case GdiObject::Pen: old = dc->pen; dc->pen = obj; break;
    }
    return old;
}

BOOL DeleteObject(HGDIOBJ obj) {
    GdiObject* o = FindObject(obj);
    if (!o) return FALSE;
    if (o->stock) return TRUE;
    if (o->selectedInto) return FALSE;
    G().objects.erase(reinterpret_cast<uintptr_t>(obj));
    return TRUE;
}

int GetObjectW(HGDIOBJ obj, int size, LPVOID out) {
    GdiObject* o = FindObject(obj);
    if (!o) return 0;
    if (o->kind == GdiObject::Bitmap && size >= int(sizeof(BITMAP)) && out) {
        auto* bm = static_cast<BITMAP*>(out);
        *bm = BITMAP{0, o->surface.width, o->surface.height, ((o->surface.width * o->depth + 15) / 16) * 2, 1,
                     WORD(o->depth), nullptr};
        return sizeof(BITMAP);
    }
    if (o->kind == GdiObject::Font && size >= int(sizeof(LOGFONTW)) && out) {
        *static_cast<LOGFONTW*>(out) = o->font;
        return sizeof(LOGFONTW);
    }
    return 0;
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    auto obj = std::make_unique<GdiObject>();
    obj->kind = GdiObject::Bitmap;
    obj->surface = Surface(width, height, 0);
    obj->depth = 32;
    return static_cast<HBITMAP>(AddObject(std::move(obj)));
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    DeviceContext* s = FindDc(src);
    if (!FindDc(dest) || !s || rop != SRCCOPY) return FALSE;
    BlitSurface(dest, x, y, *s->surface, srcX + s->origin.x, srcY + s->origin.y, width, height);
    return TRUE;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    // A brush may also be given as a system colour index plus one (as a class background).
    uintptr_t value = reinterpret_cast<uintptr_t>(brush);
    if (value >= 1 && value <= COLOR_STATICTEXT + 1) brush = GetSysColorBrush(int(value) - 1);
    GdiObject* b = FindObject(brush);
    if (!rect || !b || b->kind != GdiObject::Brush) return 0;
    if (!b->nullBrush) FillSolid(hdc, *rect, b->color);
    return 1;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF old = dc->textColor;
    dc->textColor = color;
    return old;
}

COLORREF GetTextColor(HDC hdc) {
    DeviceContext* dc = FindDc(hdc);
    return dc ? dc->textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF old = dc->bkColor;
    dc->bkColor = color;
    return old;
}

int SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int old = dc->bkMode;
    dc->bkMode = mode;
    return old;
}

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL IsRectEmpty(const RECT* r) { return !r || r->right <= r->left || r->bottom <= r->top; }

BOOL PtInRect(const RECT* r, POINT pt) {
    return r && pt.x >= r->left && pt.x < r->right && pt.y >= r->top && pt.y < r->bottom;
}

BOOL IntersectRect(LPRECT dest, const RECT* a, const RECT* b) {
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        SetRectEmpty(dest);
        return FALSE;
    }
    *dest = r;
    return TRUE;
}

BOOL UnionRect(LPRECT dest, const RECT* a, const RECT* b) {
    if (IsRectEmpty(a)) *dest = *b;
    else if (IsRectEmpty(b)) *dest = *a;
    else
        *dest = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                     std::max(a->bottom, b->bottom)};
    return !IsRectEmpty(dest);
}

BOOL OffsetRect(LPRECT r, int dx, int dy) {
    if (!r) return FALSE;
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
    return TRUE;
}

BOOL InflateRect(LPRECT r, int dx, int dy) {
    if (!r) return FALSE;
    r->left -= dx;
    r->right += dx;
    r->top -= dy;
    r->bottom += dy;
    return TRUE;
}
