// Internal view of the drawing layer: surfaces, device contexts and GDI objects.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// The handheld's screen. A desktop program draws on a desktop of the size it asks for.
constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
constexpr uint32_t kDesktopPixel = 0x008080;
void UseDesktopScreen(int width, int height);  // before the first window
bool IsDesktop();
SIZE ScreenSize();

// Pixels are 0x00RRGGBB.
struct Surface {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    Surface() = default;
    Surface(int w, int h, uint32_t fill = 0) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}
};

inline uint32_t PixelFromColor(COLORREF c) {
    return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}
inline COLORREF ColorFromPixel(uint32_t p) { return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

Surface& Framebuffer();

// A list of disjoint rectangles.
using Region = std::vector<RECT>;
Region SubtractRect(const Region& region, const RECT& cut);
Region IntersectRegion(const Region& region, const RECT& with);

// Device context backed by the framebuffer, clipped to a window's visible region.
HDC CreateWindowDC(HWND hwnd, const Region& clip, POINT origin);
void ReleaseWindowDC(HDC hdc);

// Drawing used by the platform's own controls and chrome (client coordinates of the DC).
void FillSolid(HDC hdc, const RECT& rect, COLORREF color);
void FrameSolid(HDC hdc, const RECT& rect, COLORREF color);
// The desktop's two-pixel 3-D edges: a push button, a raised window frame, a sunken field,
// an etched groove.
enum class Bevel { Button, Raised, Sunken, Etched };
void DrawBevel(HDC hdc, const RECT& rect, Bevel kind);
void DrawLine(HDC hdc, int x0, int y0, int x1, int y1, COLORREF color);
void DrawTextAt(HDC hdc, int x, int y, const std::u16string& text);  // top-left of the line box
int TextWidth(HDC hdc, const std::u16string& text);
int LineHeight(HDC hdc);
// Where each caret position of the text falls, from 0 (before the first character) to size().
std::vector<int> CaretPositions(HDC hdc, const std::u16string& text);
// A text's lines as ranges of it: broken at line feeds and, when wrapping, before a word
// that would run past `width`.
struct TextLine {
    size_t start, end;
};
std::vector<TextLine> LineRanges(HDC hdc, const std::u16string& text, bool wrap, int width);
HFONT DefaultGuiFont();
// One font per face, size and weight, shared by all who ask and never deleted.
HFONT FontForPointSize(const std::u16string& face, int points, int weight);

// Bitmaps and icons built by the resource loader.
HBITMAP CreateBitmapFromDib(const uint8_t* dib, size_t size);
struct IconImage {
    Surface color;
    std::vector<uint8_t> mask;  // 1 where transparent
};
// An icon's images as the resource holds them (data that lives as long as the program),
// each decoded when it is first drawn. Images whose header is unreadable are left out;
// with none left there is no icon.
struct IconResourceImage {
    const uint8_t* data;
    size_t size;
};
HICON CreateIconFromResourceImages(const std::vector<IconResourceImage>& images);
// The icon's image nearest `preferredSize`, decoded.
const IconImage* IconImageFor(HICON icon, int preferredSize);
// What an image list keeps of an icon: it outlives DestroyIcon, as a copy would.
struct IconRecord;
std::shared_ptr<IconRecord> SharedIcon(HICON icon);
const IconImage* IconImageOf(IconRecord& icon, int preferredSize);
// DrawIcon with the icon's image nearest to `size` (the caption shows the small one).
BOOL DrawIconOfSize(HDC hdc, int x, int y, HICON icon, int size);
const Surface* BitmapSurface(HBITMAP bitmap);
// Which resource a loaded bitmap or icon came from (0: none), for scripts to ask.
void NoteResourceId(HANDLE picture, int id);
int ResourceIdOf(HANDLE picture);
int BitmapDepth(HBITMAP bitmap);
void BlitSurface(HDC hdc, int x, int y, const Surface& src, int srcX, int srcY, int width, int height);
// As BlitSurface, leaving out the pixels of the key colour (0x00RRGGBB).
void BlitSurfaceKeyed(HDC hdc, int x, int y, const Surface& src, int srcX, int srcY, int width, int height, uint32_t key);

bool WritePng(const Surface& surface, const std::string& path);
void ResetGdi();
// The GDI objects a program made and has not deleted (stock and shared ones left out): a
// count that grows with each use of something leaks.
size_t LiveGdiObjects();

}  // namespace platform
