#include "png_compare.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace test {

void ExpectMatchesReference(const platform::Surface& picture, const std::string& name) {
    std::string path = std::string(ZEPHTOR_SCREENSHOTS) + "/" + name;
    const char* update = std::getenv("ZEPHTOR_UPDATE_SCREENSHOTS");
    if (update && std::string(update) == "1") {
        ASSERT_TRUE(platform::WritePng(picture, path)) << "cannot write " << path;
        return;
    }
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&img, path.c_str()))
        << path << ": no reference (make update-screenshots writes it; look at it before committing)";
    img.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(img));
    ASSERT_TRUE(png_image_finish_read(&img, nullptr, rgb.data(), 0, nullptr));
    ASSERT_EQ(int(img.width), picture.width);
    ASSERT_EQ(int(img.height), picture.height);
    long differ = 0, first = -1;
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        uint32_t p = picture.pixels[i];
        if (rgb[3 * i] != png_byte(p >> 16) || rgb[3 * i + 1] != png_byte(p >> 8) || rgb[3 * i + 2] != png_byte(p)) {
            if (first < 0) first = long(i);
            ++differ;
        }
    }
    EXPECT_EQ(differ, 0) << name << ": the first differing pixel is at (" << first % picture.width << ", "
                         << first / picture.width << ")";
}

}  // namespace test
