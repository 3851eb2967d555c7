// Device-independent bitmaps and icons as the resource compiler stores them, and the
// PNG writer behind screenshots.
#include <png.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>

#include "gdi/gdi.h"
#include "gdi/objects.h"

namespace platform {
namespace {

uint32_t Read32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t Read16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

struct DibHeader {
    int width = 0, height = 0, depth = 0;
    bool topDown = false;
    size_t paletteOffset = 0, paletteCount = 0, bitsOffset = 0;
};

bool ParseDibHeader(const uint8_t* dib, size_t size, DibHeader& h, int heightDivisor) {
    if (size < 40) return false;
    uint32_t headerSize = Read32(dib);
    if (headerSize < 40 || headerSize > size) return false;
    h.width = int32_t(Read32(dib + 4));
    int32_t rawHeight = int32_t(Read32(dib + 8));
    h.depth = Read16(dib + 14);
    uint32_t compression = Read32(dib + 16);
    uint32_t used = Read32(dib + 32);
    if (compression != 0 || h.width <= 0 || rawHeight == 0) return false;
    if (h.depth != 1 && h.depth != 4 && h.depth != 8 && h.depth != 24 && h.depth != 32) return false;
    h.topDown = rawHeight < 0;
    h.height = std::abs(rawHeight) / heightDivisor;
    h.paletteOffset = headerSize;
    h.paletteCount = h.depth <= 8 ? (used ? used : (1u << h.depth)) : 0;
    h.bitsOffset = headerSize + h.paletteCount * 4;
    size_t stride = ((size_t(h.width) * size_t(h.depth) + 31) / 32) * 4;
    return h.bitsOffset + stride * size_t(h.height) <= size && h.width <= 4096 && h.height <= 4096;
}

Surface DecodeRows(const uint8_t* dib, const DibHeader& h) {
    Surface s(h.width, h.height);
    size_t stride = ((size_t(h.width) * size_t(h.depth) + 31) / 32) * 4;
    const uint8_t* palette = dib + h.paletteOffset;
    for (int y = 0; y < h.height; ++y) {
        const uint8_t* row = dib + h.bitsOffset + stride * size_t(h.topDown ? y : h.height - 1 - y);
        for (int x = 0; x < h.width; ++x) {
            uint32_t px;
            if (h.depth >= 24) {
                const uint8_t* p = row + x * (h.depth / 8);
                px = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
            } else {
                int perByte = 8 / h.depth, shift = 8 - h.depth * (x % perByte + 1);
                size_t index = (row[x / perByte] >> shift) & ((1 << h.depth) - 1);
                const uint8_t* q = palette + 4 * std::min(index, h.paletteCount ? h.paletteCount - 1 : 0);
                px = h.paletteCount ? (uint32_t(q[2]) << 16 | uint32_t(q[1]) << 8 | q[0]) : 0;
            }
            s.pixels[size_t(y) * size_t(h.width) + size_t(x)] = px;
        }
    }
    return s;
}

}  // namespace

HBITMAP CreateBitmapFromDib(const uint8_t* dib, size_t size) {
    DibHeader h;
    if (!ParseDibHeader(dib, size, h, 1)) return nullptr;
    auto obj = std::make_unique<GdiObject>();
    obj->kind = GdiObject::Bitmap;
    obj->surface = DecodeRows(dib, h);
    obj->depth = h.depth;
    return static_cast<HBITMAP>(NewObject(std::move(obj)));
}

// A program may load many icons at start (a list of symbols) and show few of them, so an
// image is decoded only when it is first drawn.
struct IconRecord {
    struct Image {
        IconResourceImage source;
        DibHeader header;
        std::optional<IconImage> decoded;
    };
    std::vector<Image> images;
    int resourceId = 0;
};

namespace {

std::map<uintptr_t, std::shared_ptr<IconRecord>>& Icons() {
    static std::map<uintptr_t, std::shared_ptr<IconRecord>> icons;
    return icons;
}

// An icon image is a DIB of twice the height: the colour rows, then a 1-bit mask.
IconImage DecodeIconImage(const uint8_t* data, size_t size, const DibHeader& h) {
    IconImage out;
    out.color = DecodeRows(data, h);
    size_t colorStride = ((size_t(h.width) * size_t(h.depth) + 31) / 32) * 4;
    size_t maskStride = ((size_t(h.width) + 31) / 32) * 4;
    size_t maskOffset = h.bitsOffset + colorStride * size_t(h.height);
    out.mask.assign(size_t(h.width) * size_t(h.height), 0);
    if (maskOffset + maskStride * size_t(h.height) > size) return out;
    for (int y = 0; y < h.height; ++y) {
        const uint8_t* row = data + maskOffset + maskStride * size_t(h.height - 1 - y);
        for (int x = 0; x < h.width; ++x) out.mask[size_t(y) * size_t(h.width) + size_t(x)] = (row[x / 8] >> (7 - x % 8)) & 1;
    }
    return out;
}

}  // namespace

HICON CreateIconFromResourceImages(const std::vector<IconResourceImage>& images) {
    static uintptr_t next = 0x30000;
    auto record = std::make_shared<IconRecord>();
    for (const IconResourceImage& image : images) {
        DibHeader h;
        if (ParseDibHeader(image.data, image.size, h, 2)) record->images.push_back({image, h, std::nullopt});
    }
    if (record->images.empty()) return nullptr;
    uintptr_t h = next;
    next += 4;
    Icons()[h] = std::move(record);
    return reinterpret_cast<HICON>(h);
}

std::shared_ptr<IconRecord> SharedIcon(HICON icon) {
    auto it = Icons().find(reinterpret_cast<uintptr_t>(icon));
    return it == Icons().end() ? nullptr : it->second;
}

const IconImage* IconImageOf(IconRecord& icon, int preferredSize) {
    IconRecord::Image* best = nullptr;
    for (auto& image : icon.images)
        if (!best || std::abs(image.header.width - preferredSize) < std::abs(best->header.width - preferredSize))
            best = &image;
    if (!best) return nullptr;
    if (!best->decoded) best->decoded = DecodeIconImage(best->source.data, best->source.size, best->header);
    return &*best->decoded;
}

const IconImage* IconImageFor(HICON icon, int preferredSize) {
    auto it = Icons().find(reinterpret_cast<uintptr_t>(icon));
    return it == Icons().end() ? nullptr : IconImageOf(*it->second, preferredSize);
}

bool WritePng(const Surface& surface, const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    // Made before libpng can jump back to the setjmp below: a jump must not pass over the
    // making of an object that needs destroying.
    std::vector<png_byte> row(size_t(surface.width) * 3);
    // The caller says what could not be written; libpng's own words would come first.
    auto quietError = [](png_structp p, png_const_charp) { png_longjmp(p, 1); };
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, png_uint_32(surface.width), png_uint_32(surface.height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            uint32_t p = surface.pixels[size_t(y) * size_t(surface.width) + size_t(x)];
            row[size_t(x) * 3] = png_byte(p >> 16);
            row[size_t(x) * 3 + 1] = png_byte(p >> 8);
            row[size_t(x) * 3 + 2] = png_byte(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

}  // namespace platform

using namespace platform;

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) { return DrawIconOfSize(hdc, x, y, icon, 32); }

namespace platform {

BOOL DrawIconOfSize(HDC hdc, int x, int y, HICON icon, int size) {
    const IconImage* img = IconImageFor(icon, size);
    DeviceContext* dc = FindDc(hdc);
    if (!img || !dc) return FALSE;
    for (int iy = 0; iy < img->color.height; ++iy)
        for (int ix = 0; ix < img->color.width; ++ix) {
            size_t i = size_t(iy) * size_t(img->color.width) + size_t(ix);
            if (!img->mask[i]) PutPixelBlend(*dc, dc->origin.x + x + ix, dc->origin.y + y + iy, img->color.pixels[i], 255);
        }
    return TRUE;
}

void NoteResourceId(HANDLE picture, int id) {
    auto icon = Icons().find(reinterpret_cast<uintptr_t>(picture));
    if (icon != Icons().end()) icon->second->resourceId = id;
    else if (GdiObject* bitmap = FindObject(picture)) bitmap->resourceId = id;
}

int ResourceIdOf(HANDLE picture) {
    auto icon = Icons().find(reinterpret_cast<uintptr_t>(picture));
    if (icon != Icons().end()) return icon->second->resourceId;
    GdiObject* bitmap = FindObject(picture);
    return bitmap ? bitmap->resourceId : 0;
}

}  // namespace platform

BOOL DestroyIcon(HICON icon) { return Icons().erase(reinterpret_cast<uintptr_t>(icon)) ? TRUE : FALSE; }
