// Compares two PNG pictures pixel for pixel; any difference fails.
//   pngsame EXPECTED.png ACTUAL.png
#include <png.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

bool Read(const char* path, png_image& img, std::vector<png_byte>& pixels) {
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, path)) return false;
    img.format = PNG_FORMAT_RGB;
    pixels.resize(PNG_IMAGE_SIZE(img));
    return png_image_finish_read(&img, nullptr, pixels.data(), 0, nullptr) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return std::fprintf(stderr, "usage: pngsame EXPECTED.png ACTUAL.png\n"), 2;
    png_image a, b;
    std::vector<png_byte> pa, pb;
    if (!Read(argv[1], a, pa)) return std::fprintf(stderr, "pngsame: cannot read %s\n", argv[1]), 1;
    if (!Read(argv[2], b, pb)) return std::fprintf(stderr, "pngsame: cannot read %s\n", argv[2]), 1;
    if (a.width != b.width || a.height != b.height)
        return std::fprintf(stderr, "pngsame: %ux%u against %ux%u\n", a.width, a.height, b.width, b.height), 1;
    long differ = 0, first = -1;
    for (size_t i = 0; i < pa.size(); i += 3)
        if (std::memcmp(&pa[i], &pb[i], 3)) {
            if (first < 0) first = long(i / 3);
            ++differ;
        }
    if (!differ) return 0;
    std::fprintf(stderr, "pngsame: %ld pixels differ, the first at (%ld, %ld)\n", differ, first % long(a.width), first / long(a.width));
    return 1;
}
