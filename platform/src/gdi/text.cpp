// Fonts and text. Faces are read from font files at run time through FreeType; the
// handheld's Tahoma sizes come from the bitmaps built into the font, so text is crisp.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "gdi/gdi.h"
#include "gdi/objects.h"

namespace platform {
namespace {

struct Glyph {
    int left = 0, top = 0, width = 0, height = 0, advance = 0;
    std::vector<uint8_t> alpha;
};

struct SizedFace {
    FT_Face face = nullptr;
    int pixels = 0;
    int strike = -1;          // for a face of bitmaps only: the size drawn from
    bool overstrike = false;  // bold drawn by striking each glyph twice, a pixel apart
    int ascent = 0, descent = 0, height = 0;
    std::map<char16_t, Glyph> glyphs;
};

struct FontSystem {
    FT_Library library = nullptr;
    std::map<std::string, FT_Face> faces;
    std::map<std::tuple<std::string, int, bool>, std::unique_ptr<SizedFace>> sized;
    bool reportedMissing = false;
};

FontSystem& Fonts() {
    static FontSystem fonts;
    return fonts;
}

std::string FontDirectory() {
    const char* dir = std::getenv("ZEPHTOR_FONT_DIR");
    return dir && *dir ? dir : "/usr/share/wine/fonts";
}

std::string LowerAscii(const std::u16string& s) {
    std::string out;
    for (char16_t c : s) out.push_back(char(c < 128 ? std::tolower(int(c)) : '?'));
    return out;
}

// Which file serves a logical font, and whether bold must be made by striking twice (the
// faces drawn from built-in bitmaps have no bold cut of their own at these sizes).
struct FontFile {
    std::string path;
    bool overstrikeBold;
};

FontFile FileFor(const LOGFONTW& lf) {
    std::string face = LowerAscii(lf.lfFaceName);
    bool bold = lf.lfWeight >= 600;
    if (face == "ms serif" || face == "times new roman") {
        std::string style = bold && lf.lfItalic ? "-BoldItalic" : bold ? "-Bold" : lf.lfItalic ? "-Italic" : "";
        return {"/usr/share/fonts/truetype/dejavu/DejaVuSerif" + style + ".ttf", false};
    }
    if (face == "ms sans serif") return {FontDirectory() + "/ms_sans_serif.ttf", true};
    return {FontDirectory() + (bold ? "/tahomabd.ttf" : "/tahoma.ttf"), true};
}

// A face of bitmaps only comes in a few cell heights: the one nearest to the character
// height asked for, as GDI picks them (8 points, 11 pixels, draw from the 13-pixel cell).
int StrikeFor(FT_Face face, int pixels) {
    int best = -1, wanted = pixels * 13 / 11;
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        int height = face->available_sizes[i].height;
        if (best < 0 || std::abs(height - wanted) < std::abs(face->available_sizes[best].height - wanted)) best = i;
    }
    return best;
}

void SelectSize(const SizedFace& sf) {
    if (sf.strike >= 0) FT_Select_Size(sf.face, sf.strike);
    else FT_Set_Pixel_Sizes(sf.face, 0, FT_UInt(sf.pixels));
}

FT_Face FaceFile(const std::string& file) {
    auto& fs = Fonts();
    FT_Face& face = fs.faces[file];
    if (!face && FT_New_Face(fs.library, file.c_str(), 0, &face)) {
        face = nullptr;
        if (!fs.reportedMissing)
            std::fprintf(stderr, "zephtor: cannot read the font file %s (packages fonts-wine, fonts-dejavu)\n", file.c_str());
        fs.reportedMissing = true;
    }
    return face;
}

// As GDI maps a height: a negative one is the character height (the em), a positive one
// the cell height, which includes the face's internal leading.
int PixelsFor(FT_Face face, LONG height) {
    if (height == 0) return 11;
    if (height < 0) return int(-height);
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    int cell = os2 ? int(os2->usWinAscent) + int(os2->usWinDescent) : int(face->units_per_EM);
    return std::max(1, int((long(height) * face->units_per_EM + cell / 2) / std::max(1, cell)));
}

SizedFace* Sized(const LOGFONTW& lf) {
    auto& fs = Fonts();
    if (!fs.library && FT_Init_FreeType(&fs.library)) return nullptr;
    FontFile file = FileFor(lf);
    FT_Face face = FaceFile(file.path);
    if (!face) return nullptr;
    int pixels = PixelsFor(face, lf.lfHeight);
    bool overstrike = file.overstrikeBold && lf.lfWeight >= 600;
    auto key = std::make_tuple(file.path, pixels, overstrike);
    auto it = fs.sized.find(key);
    if (it != fs.sized.end()) return it->second.get();
    auto sized = std::make_unique<SizedFace>();
    sized->face = face;
    sized->pixels = pixels;
    if (!FT_IS_SCALABLE(face)) sized->strike = StrikeFor(face, pixels);
    // Bold without a bold cut is made the way GDI makes it: a second strike one pixel to
    // the right.
    sized->overstrike = overstrike;
    SelectSize(*sized);
    sized->ascent = int((face->size->metrics.ascender + 63) >> 6);
    sized->descent = int((-face->size->metrics.descender + 63) >> 6);
    sized->height = sized->ascent + sized->descent;
    return (fs.sized[key] = std::move(sized)).get();
}

const Glyph& GlyphFor(SizedFace& sf, char16_t ch) {
    auto it = sf.glyphs.find(ch);
    if (it != sf.glyphs.end()) return it->second;
    Glyph g;
    SelectSize(sf);
    if (FT_Load_Char(sf.face, FT_ULong(ch), FT_LOAD_RENDER) == 0) {
        FT_GlyphSlot slot = sf.face->glyph;
        const FT_Bitmap& bm = slot->bitmap;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = int(bm.width);
        g.height = int(bm.rows);
        g.advance = int((slot->advance.x + 32) >> 6);
        int extra = sf.overstrike ? 1 : 0;
        g.width += extra;
        g.advance += extra;
        g.alpha.assign(size_t(g.width) * size_t(g.height), 0);
        for (int y = 0; y < g.height; ++y) {
            const uint8_t* row = bm.buffer + y * bm.pitch;
            for (int x = 0; x < int(bm.width); ++x) {
                uint8_t a = bm.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255 : row[x];
                for (int dx = 0; dx <= extra; ++dx) {
                    uint8_t& out = g.alpha[size_t(y) * size_t(g.width) + size_t(x + dx)];
                    out = std::max(out, a);
                }
            }
        }
    }
    return sf.glyphs[ch] = std::move(g);
}

SizedFace* FaceOf(HDC hdc) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) return nullptr;
    GdiObject* f = FindObject(dc->font);
    if (!f || f->kind != GdiObject::Font) return nullptr;
    return Sized(f->font);
}

int Width(SizedFace& sf, const std::u16string& text) {
    int w = 0;
    for (char16_t c : text) w += GlyphFor(sf, c).advance;
    return w;
}

// Draws one line with its top-left at (x, y) in client coordinates, clipped to `limit`.
void DrawLineOfText(HDC hdc, int x, int y, const std::u16string& text, const RECT* limit) {
    DeviceContext* dc = FindDc(hdc);
    SizedFace* sf = FaceOf(hdc);
    if (!dc || !sf) return;
    Region saved = dc->clip;
    if (limit) {
        RECT l = *limit;
        OffsetRect(&l, dc->origin.x, dc->origin.y);
        dc->clip = IntersectRegion(dc->clip, l);
    }
    if (dc->bkMode == OPAQUE) FillSolid(hdc, RECT{x, y, x + Width(*sf, text), y + sf->height}, dc->bkColor);
    uint32_t pixel = PixelFromColor(dc->textColor);
    int penX = x + dc->origin.x, baseline = y + dc->origin.y + sf->ascent;
    for (char16_t c : text) {
        const Glyph& g = GlyphFor(*sf, c);
        for (int gy = 0; gy < g.height; ++gy)
            for (int gx = 0; gx < g.width; ++gx)
                PutPixelBlend(*dc, penX + g.left + gx, baseline - g.top + gy, pixel,
                              g.alpha[size_t(gy) * size_t(g.width) + size_t(gx)]);
        penX += g.advance;
    }
    dc->clip = saved;
}

std::u16string StripPrefixes(const std::u16string& text) {
    std::u16string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') out.push_back(u'&');
            if (i + 1 < text.size()) ++i;
            else continue;
            if (text[i] == u'&') continue;
        }
        out.push_back(text[i]);
    }
    return out;
}

}  // namespace

std::vector<TextLine> LineRanges(HDC hdc, const std::u16string& text, bool wrap, int width) {
    std::vector<TextLine> lines;
    SizedFace* sf = FaceOf(hdc);
    for (size_t p = 0;;) {
        size_t feed = std::min(text.find(u'\n', p), text.size());
        size_t end = feed > p && text[feed - 1] == u'\r' ? feed - 1 : feed;
        size_t start = p, cur = p;  // the line so far
        for (size_t word = p;;) {
            size_t wordEnd = word;
            while (wordEnd < end && text[wordEnd] != u' ') ++wordEnd;
            // Only a word that does not fit moves to the next line; the one blank it was
            // broken at goes, every other blank stays as typed.
            if (wrap && sf && cur > start && wordEnd > word && Width(*sf, text.substr(start, wordEnd - start)) > width) {
                lines.push_back(TextLine{start, cur});
                start = word;
            }
            cur = wordEnd;
            if (wordEnd >= end) break;
            word = wordEnd + 1;
        }
        lines.push_back(TextLine{start, cur});
        if (feed >= text.size()) return lines;
        p = feed + 1;
    }
}

namespace {

std::vector<std::u16string> BreakLines(HDC hdc, const std::u16string& text, UINT format, int width) {
    std::vector<std::u16string> lines;
    if (format & DT_SINGLELINE) {
        std::u16string one;
        for (char16_t c : text)
            if (c != u'\r' && c != u'\n') one.push_back(c);
        lines.push_back(one);
        return lines;
    }
    for (const TextLine& line : LineRanges(hdc, text, format & DT_WORDBREAK, width))
        lines.push_back(text.substr(line.start, line.end - line.start));
    return lines;
}

}  // namespace

void ResetFonts() {
    for (auto& [key, sf] : Fonts().sized) sf->glyphs.clear();
}

void DrawTextAt(HDC hdc, int x, int y, const std::u16string& text) { DrawLineOfText(hdc, x, y, text, nullptr); }

int TextWidth(HDC hdc, const std::u16string& text) {
    SizedFace* sf = FaceOf(hdc);
    return sf ? Width(*sf, text) : 0;
}

int LineHeight(HDC hdc) {
    SizedFace* sf = FaceOf(hdc);
    return sf ? sf->height : 0;
}

std::vector<int> CaretPositions(HDC hdc, const std::u16string& text) {
    std::vector<int> xs{0};
    SizedFace* sf = FaceOf(hdc);
    for (char16_t c : text) xs.push_back(xs.back() + (sf ? GlyphFor(*sf, c).advance : 0));
    return xs;
}

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(SYSTEM_FONT)); }

HFONT FontForPointSize(const std::u16string& face, int points, int weight) {
    static std::map<std::tuple<std::u16string, int, int>, HFONT> shared;
    HFONT& font = shared[std::make_tuple(face, points, weight)];
    // A handle from before the window system was last reset is gone.
    if (font && FindObject(font)) return font;
    auto obj = std::make_unique<GdiObject>();
    obj->kind = GdiObject::Font;
    // The screens are 96 dots per inch: 8 points are 11 pixels.
    obj->font.lfHeight = -((points * 96 + 36) / 72);
    obj->font.lfWeight = weight;
    std::u16string name = face.substr(0, 31);
    std::copy(name.begin(), name.end(), obj->font.lfFaceName);
    obj->stock = true;
    return font = static_cast<HFONT>(NewObject(std::move(obj)));
}

}  // namespace platform

using namespace platform;

HFONT CreateFontIndirectW(const LOGFONTW* logFont) {
    if (!logFont) return nullptr;
    auto obj = std::make_unique<GdiObject>();
    obj->kind = GdiObject::Font;
    obj->font = *logFont;
    return static_cast<HFONT>(NewObject(std::move(obj)));
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int count, SIZE* size) {
    SizedFace* sf = FaceOf(hdc);
    if (!sf || !text || !size || count < 0) return FALSE;
    *size = SIZE{Width(*sf, std::u16string(text, size_t(count))), sf->height};
    return TRUE;
}

BOOL GetTextMetricsW(HDC hdc, TEXTMETRICW* tm) {
    DeviceContext* dc = FindDc(hdc);
    SizedFace* sf = FaceOf(hdc);
    if (!dc || !sf || !tm) return FALSE;
    GdiObject* f = FindObject(dc->font);
    *tm = TEXTMETRICW{sf->height, sf->ascent, sf->descent, 0, 0, GlyphFor(*sf, u'x').advance,
                      GlyphFor(*sf, u'W').advance, f->font.lfWeight ? f->font.lfWeight : FW_NORMAL};
    return TRUE;
}

BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count, const int*) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) return FALSE;
    constexpr UINT kOpaque = 2, kClipped = 4;
    if ((options & kOpaque) && rect) FillSolid(hdc, *rect, dc->bkColor);
    if (text) DrawLineOfText(hdc, x, y, std::u16string(text, count), (options & kClipped) ? rect : nullptr);
    return TRUE;
}

int DrawTextW(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format) {
    SizedFace* sf = FaceOf(hdc);
    if (!sf || !text || !rect) return 0;
    std::u16string s = count < 0 ? std::u16string(text) : std::u16string(text, size_t(count));
    if (!(format & DT_NOPREFIX)) s = StripPrefixes(s);
    auto lines = BreakLines(hdc, s, format, rect->right - rect->left);
    int height = int(lines.size()) * sf->height;
    if (format & DT_CALCRECT) {
        int width = 0;
        for (auto& l : lines) width = std::max(width, Width(*sf, l));
        rect->right = rect->left + width;
        rect->bottom = rect->top + height;
        return height;
    }
    int y = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) y = rect->top + (rect->bottom - rect->top - sf->height) / 2;
        else if (format & DT_BOTTOM) y = rect->bottom - sf->height;
    }
    const RECT* limit = (format & DT_NOCLIP) ? nullptr : rect;
    for (auto& line : lines) {
        // Like a multi-line edit field, leave out a last line that would show only in part.
        if ((format & DT_EDITCONTROL) && y > rect->top && y + sf->height > rect->bottom) break;
        int w = Width(*sf, line), x = rect->left;
        if (format & DT_CENTER) x = rect->left + (rect->right - rect->left - w) / 2;
        else if (format & DT_RIGHT) x = rect->right - w;
        DrawLineOfText(hdc, x, y, line, limit);
        y += sf->height;
    }
    return height;
}
