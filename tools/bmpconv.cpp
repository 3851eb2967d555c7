// Build-time converter from rendered artwork (PNG) to the picture formats the resource
// compiler embeds: a Windows bitmap of a given colour depth, or an icon file.
//
//   bmpconv bitmap IN.png OUT.bmp DEPTH    (DEPTH 1, 4, 8 or 24)
//   bmpconv icon OUT.ico [--depth 8] IN.png [IN.png ...]
//       (24-bit images with a transparency mask; with --depth 8, paletted images that are
//       opaque throughout, for image lists that draw icons without their mask)
//
// Palettes are chosen deterministically so that the same artwork always gives the same
// bytes: 1 bit is black and white, 4 bits the sixteen standard colours, 8 bits the
// colours the picture uses most (ties broken by value), others mapped to the nearest.
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Image {
    int width = 0, height = 0;
    std::vector<uint32_t> argb;
};

bool ReadPng(const char* path, Image& img) {
    png_image p;
    std::memset(&p, 0, sizeof p);
    p.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&p, path)) return false;
    p.format = PNG_FORMAT_BGRA;
    img.width = int(p.width);
    img.height = int(p.height);
    img.argb.resize(size_t(img.width) * size_t(img.height));
    return png_image_finish_read(&p, nullptr, img.argb.data(), 0, nullptr) != 0;
}

// Artwork is drawn on a white page: partly transparent pixels are blended onto white.
uint32_t Flatten(uint32_t argb) {
    uint32_t a = argb >> 24;
    auto ch = [&](int shift) { return ((((argb >> shift) & 0xFF) * a + 255 * (255 - a) + 127) / 255) << shift; };
    return ch(16) | ch(8) | ch(0);
}

struct Writer {
    std::vector<uint8_t> bytes;
    void U8(uint32_t v) { bytes.push_back(uint8_t(v)); }
    void U16(uint32_t v) { U8(v), U8(v >> 8); }
    void U32(uint32_t v) { U16(v), U16(v >> 16); }
};

std::vector<uint32_t> PaletteFor(const std::vector<uint32_t>& rgb, int depth) {
    if (depth == 1) return {0x000000, 0xFFFFFF};
    if (depth == 4)
        return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    std::map<uint32_t, size_t> counts;
    for (uint32_t c : rgb) ++counts[c];
    std::vector<std::pair<size_t, uint32_t>> byUse;
    for (auto& [c, n] : counts) byUse.push_back({n, c});
    std::sort(byUse.begin(), byUse.end(), [](auto& a, auto& b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
    std::vector<uint32_t> palette;
    for (size_t i = 0; i < byUse.size() && i < 256; ++i) palette.push_back(byUse[i].second);
    std::sort(palette.begin(), palette.end());
    return palette;
}

size_t Nearest(const std::vector<uint32_t>& palette, uint32_t c) {
    size_t best = 0;
    long bestD = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        long d = 0;
        for (int shift : {16, 8, 0}) {
            long x = long((palette[i] >> shift) & 0xFF) - long((c >> shift) & 0xFF);
            d += x * x;
        }
        if (bestD < 0 || d < bestD) bestD = d, best = i;
    }
    return best;
}

// The pixel rows of a DIB, bottom-up, each padded to four bytes.
void WriteRows(Writer& w, const std::vector<uint32_t>& rgb, int width, int height, int depth, const std::vector<uint32_t>& palette) {
    std::map<uint32_t, size_t> cache;
    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(size_t((width * depth + 31) / 32 * 4), 0);
        for (int x = 0; x < width; ++x) {
            uint32_t c = rgb[size_t(y) * size_t(width) + size_t(x)];
            if (depth == 24) {
                row[size_t(x) * 3] = uint8_t(c), row[size_t(x) * 3 + 1] = uint8_t(c >> 8), row[size_t(x) * 3 + 2] = uint8_t(c >> 16);
                continue;
            }
            auto it = cache.find(c);
            size_t index = it != cache.end() ? it->second : (cache[c] = Nearest(palette, c));
            int perByte = 8 / depth;
            row[size_t(x / perByte)] |= uint8_t(index << (8 - depth * (x % perByte + 1)));
        }
        w.bytes.insert(w.bytes.end(), row.begin(), row.end());
    }
}

void WriteInfoHeader(Writer& w, int width, int height, int depth, size_t paletteSize) {
    w.U32(40), w.U32(uint32_t(width)), w.U32(uint32_t(height)), w.U16(1), w.U16(uint32_t(depth));
    w.U32(0), w.U32(0), w.U32(2835), w.U32(2835), w.U32(uint32_t(paletteSize)), w.U32(0);
}

std::vector<uint32_t> Opaque(const Image& img) {
    std::vector<uint32_t> rgb;
    for (uint32_t p : img.argb) rgb.push_back(Flatten(p));
    return rgb;
}

bool WriteFile(const char* path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

int Bitmap(const char* in, const char* out, int depth) {
    Image img;
    if (!ReadPng(in, img)) return std::fprintf(stderr, "bmpconv: cannot read %s\n", in), 1;
    auto rgb = Opaque(img);
    auto palette = depth == 24 ? std::vector<uint32_t>{} : PaletteFor(rgb, depth);
    Writer body;
    WriteInfoHeader(body, img.width, img.height, depth, palette.size());
    for (uint32_t c : palette) body.U32(c);
    WriteRows(body, rgb, img.width, img.height, depth, palette);
    Writer file;
    file.U16(0x4D42), file.U32(uint32_t(14 + body.bytes.size())), file.U32(0);
    file.U32(uint32_t(14 + 40 + palette.size() * 4));
    file.bytes.insert(file.bytes.end(), body.bytes.begin(), body.bytes.end());
    return WriteFile(out, file.bytes) ? 0 : (std::fprintf(stderr, "bmpconv: cannot write %s\n", out), 1);
}

int Icon(const char* out, int depth, int count, char** inputs) {
    std::vector<std::vector<uint8_t>> images;
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        Image img;
        if (!ReadPng(inputs[i], img) || img.width != img.height || img.width > 255)
            return std::fprintf(stderr, "bmpconv: %s is not a square picture of at most 255 pixels\n", inputs[i]), 1;
        Writer w;
        auto rgb = Opaque(img);
        std::vector<uint32_t> mask;
        if (depth == 8) {
            // Icon readers take an 8-bit image's palette to be all 256 entries long; the unused
            // ones stay black.
            auto palette = PaletteFor(rgb, 8);
            WriteInfoHeader(w, img.width, img.height * 2, 8, 256);
            for (size_t c = 0; c < 256; ++c) w.U32(c < palette.size() ? palette[c] : 0);
            WriteRows(w, rgb, img.width, img.height, 8, palette);
            mask.assign(img.argb.size(), 0x000000);
        } else {
            WriteInfoHeader(w, img.width, img.height * 2, 24, 0);
            WriteRows(w, rgb, img.width, img.height, 24, {});
            for (uint32_t p : img.argb) mask.push_back((p >> 24) < 128 ? 0xFFFFFF : 0x000000);
        }
        WriteRows(w, mask, img.width, img.height, 1, {0x000000, 0xFFFFFF});
        images.push_back(w.bytes);
        sizes.push_back(img.width);
    }
    Writer file;
    file.U16(0), file.U16(1), file.U16(uint32_t(images.size()));
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        file.U8(uint32_t(sizes[i])), file.U8(uint32_t(sizes[i])), file.U8(0), file.U8(0), file.U16(1), file.U16(uint32_t(depth));
        file.U32(uint32_t(images[i].size())), file.U32(offset);
        offset += uint32_t(images[i].size());
    }
    for (auto& img : images) file.bytes.insert(file.bytes.end(), img.begin(), img.end());
    return WriteFile(out, file.bytes) ? 0 : (std::fprintf(stderr, "bmpconv: cannot write %s\n", out), 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "bitmap") {
        int depth = std::atoi(argv[4]);
        if (depth == 1 || depth == 4 || depth == 8 || depth == 24) return Bitmap(argv[2], argv[3], depth);
    }
    if (argc >= 4 && std::string(argv[1]) == "icon") {
        if (std::string(argv[3]) != "--depth") return Icon(argv[2], 24, argc - 3, argv + 3);
        int depth = argc >= 6 ? std::atoi(argv[4]) : 0;
        if (depth == 8 || depth == 24) return Icon(argv[2], depth, argc - 5, argv + 5);
    }
    std::fprintf(stderr, "usage: bmpconv bitmap IN.png OUT.bmp DEPTH | bmpconv icon OUT.ico [--depth 8] IN.png...\n");
    return 2;
}
