// The program's resources as the demo's .rc declares them: raw resources, strings,
// menus, icons, and the .res reader's refusal of images cut short.
#include <commctrl.h>

#include <cstring>

#include "demo_resource.h"
#include "controls/controls.h"
#include "gdi/gdi.h"
#include "resources/resources.h"
#include "support.h"

namespace {

class Resources : public test::PlatformTest {
protected:
    HINSTANCE instance = GetModuleHandleW(nullptr);
};

TEST_F(Resources, RawResourcesAreFoundByNumberOrHashAndByType) {
    HRSRC res = FindResourceW(instance, MAKEINTRESOURCE(IDM_MAIN), RT_RCDATA);
    ASSERT_NE(res, nullptr);
    EXPECT_EQ(SizeofResource(instance, res), 32u);  // what the menu bar is built from the shell tests show
    HRSRC menu = FindResourceW(instance, u"#102", u"#4");
    EXPECT_TRUE(menu && menu != res) << "same id, another type";
    EXPECT_EQ(FindResourceW(instance, MAKEINTRESOURCE(IDM_MAIN), MAKEINTRESOURCE(99)), nullptr);
    EXPECT_EQ(LoadBitmapW(instance, MAKEINTRESOURCE(999)), nullptr);
}

TEST_F(Resources, LoadStringCopiesAtMostOneLessThanTheBuffer) {
    const std::u16string longText = u"Twenty-six letters: abcdefghijklmnopqrstuvwxyz";
    struct Case {
        UINT id;
        int size, count;
        std::u16string text;
    };
    const Case cases[] = {
        {IDS_TOOLS, 6, 5, u"Tools"},  {IDS_TOOLS, 5, 4, u"Tool"}, {IDS_LONG, 47, 46, longText},
        {IDS_LONG, 1, 0, u""},        {IDS_EMPTY, 32, 0, u""},   // in a block that exists, but never defined
        {7, 32, 0, u""},                                          // in a block that does not exist
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " into " + std::to_string(c.size));
        std::u16string buffer(size_t(c.size) + 1, u'#');
        EXPECT_EQ(LoadStringW(instance, c.id, buffer.data(), c.size), c.count);
        EXPECT_EQ(std::u16string(buffer.c_str()), c.text);
        EXPECT_EQ(buffer[size_t(c.size)], u'#') << "wrote past the buffer";
    }
}

// How the icon looks the screenshots show; here, that both sizes are there with their masks.
TEST_F(Resources, IconHasThirtyTwoAndSixteenPixelImagesWithTransparentCorners) {
    HICON icon = LoadIconW(instance, MAKEINTRESOURCE(IDI_DEMO));
    ASSERT_NE(icon, nullptr);
    for (int size : {32, 16}) {
        const platform::IconImage* img = platform::IconImageFor(icon, size);
        ASSERT_NE(img, nullptr);
        ASSERT_EQ(img->color.width, size);
        ASSERT_EQ(img->mask.size(), size_t(size * size));
        EXPECT_TRUE(img->mask[size_t(size * size - 1)]) << size;
        EXPECT_FALSE(img->mask[size_t(size / 2 * size + size / 4)]) << size << ": inside the disc";
    }
    EXPECT_TRUE(DestroyIcon(icon));
}

// An image list holds its own picture: the icon may be destroyed once it is added.
TEST_F(Resources, AnImageListDrawsAnIconDestroyedAfterItWasAdded) {
    HIMAGELIST list = ImageList_Create(32, 32, ILC_COLOR, 1, 0);
    HICON icon = LoadIconW(instance, MAKEINTRESOURCE(IDI_DEMO));
    ASSERT_EQ(ImageList_AddIcon(list, icon), 0);
    platform::IconImage expected = *platform::IconImageFor(icon, 32);
    ASSERT_TRUE(DestroyIcon(icon));
    HDC screen = GetDC(nullptr);
    platform::DrawImageListImage(list, 0, screen, 0, 0);
    ReleaseDC(nullptr, screen);
    for (size_t i = 0; i < expected.mask.size(); ++i) {
        if (expected.mask[i]) continue;
        ASSERT_EQ(test::PixelAt(int(i % 32), int(i / 32)), expected.color.pixels[i]) << i;
    }
    ImageList_Destroy(list);
}

// ---------------------------------------------------------------- the .res reader

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

// Parses exactly these bytes from a block of their own size, so that reading past
// the end is caught.
bool Parse(const std::vector<uint8_t>& bytes, std::vector<platform::ResourceEntry>& out) {
    auto copy = std::make_unique<uint8_t[]>(bytes.size() + 1);
    std::memcpy(copy.get(), bytes.data(), bytes.size());
    return platform::ParseResourceImage(copy.get(), copy.get() + bytes.size(), out);
}

TEST(ResourceImage, ImagesCutShortAreRefusedWithoutReadingPastTheirEnd) {
    const std::vector<uint8_t> image(platform_resource_image_begin, platform_resource_image_end);
    // Where one entry ends and the next begins: a cut there leaves a shorter, whole image.
    std::map<size_t, size_t> boundaries{{0, 0}};  // offset -> entries before it (not counting the marker)
    std::set<size_t> unpadded;                     // between an entry's data and its padding
    size_t at = 0, count = 0;
    while (at + 8 <= image.size()) {
        size_t dataEnd = at + Read32(image, at + 4) + Read32(image, at);
        for (size_t p = dataEnd; p % 4; ++p) unpadded.insert(p);
        if (at > 0 || Read32(image, at) > 0) ++count;
        at = (dataEnd + 3) & ~size_t(3);
        boundaries[at] = count;
    }
    ASSERT_EQ(at, image.size());
    EXPECT_EQ(count, 17u) << "every resource of the script";
    for (size_t cut = 1; cut <= image.size(); ++cut) {
        if (unpadded.count(cut)) continue;
        std::vector<platform::ResourceEntry> entries;
        bool ok = Parse(std::vector<uint8_t>(image.begin(), image.begin() + std::ptrdiff_t(cut)), entries);
        auto b = boundaries.find(cut);
        EXPECT_EQ(ok, b != boundaries.end()) << "cut at " << cut;
        if (ok && b != boundaries.end()) { EXPECT_EQ(entries.size(), b->second) << "cut at " << cut; }
    }
}

}  // namespace
