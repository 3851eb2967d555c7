// GDI object and device-context records, shared by the files of the drawing layer.
#pragma once

#include <memory>
#include <vector>

#include "gdi/gdi.h"

namespace platform {

struct GdiObject {
    enum Kind { Bitmap, Brush, Font, Pen } kind = Brush;
    bool stock = false;
    Surface surface;  // bitmap pixels
    int depth = 0;    // bitmap colour depth as loaded
    int resourceId = 0;  // the bitmap resource it was loaded from, if any
    HDC selectedInto = nullptr;
    COLORREF color = 0;  // brush and pen
    bool nullBrush = false;
    LOGFONTW font{};
};

struct DeviceContext {
    Surface* surface = nullptr;
    POINT origin{0, 0};  // where client (0, 0) falls on the surface
    Region clip;         // surface coordinates
    HWND window = nullptr;
    bool memory = false;
    HGDIOBJ bitmap = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ pen = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
};

GdiObject* FindObject(HGDIOBJ h);
DeviceContext* FindDc(HDC h);
HGDIOBJ NewObject(std::unique_ptr<GdiObject> obj);
void PutPixelBlend(DeviceContext& dc, int surfaceX, int surfaceY, uint32_t pixel, int alpha);
void ResetFonts();

}  // namespace platform
