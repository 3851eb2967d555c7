// The program's resources as the demo's .rc declares them: raw resources, strings,
// menus, bitmaps at every depth, icons, the menu-bar data, and the .res reader's
// refusal of images that are cut short or corrupt.
#include <commctrl.h>

#include <cstring>

#include "demo_resource.h"
#include "resources/resources.h"
#include "window_support.h"

namespace {

using wtest::Pixel;

class Resources : public test::PlatformTest {
protected:
    HINSTANCE instance = GetModuleHandleW(nullptr);
};

// ---------------------------------------------------------------- raw resources

TEST_F(Resources, MenuBarDataIsFoundLoadedAndSizedAsDeclared) {
    HRSRC res = FindResourceW(instance, MAKEINTRESOURCE(IDM_MAIN), RT_RCDATA);
    ASSERT_NE(res, nullptr);
    EXPECT_EQ(SizeofResource(instance, res), 32u);
    HGLOBAL loaded = LoadResource(instance, res);
    ASSERT_NE(loaded, nullptr);
    const auto* bytes = static_cast<const uint8_t*>(LockResource(loaded));
    ASSERT_NE(bytes, nullptr);
    // Menu 102 with two drop-down buttons, captions "Tools" and "Help", popups 0 and 1.
    const WORD expected[] = {IDM_MAIN, 2,
                             0xFFFE,   IDM_TOOLS_BUTTON, TBSTATE_ENABLED, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, IDS_TOOLS, 0, 0,
                             0xFFFE,   IDM_HELP_BUTTON,  TBSTATE_ENABLED, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, IDS_HELP,  0, 1};
    for (size_t i = 0; i < 16; ++i) {
        WORD w = WORD(bytes[2 * i] | bytes[2 * i + 1] << 8);
        EXPECT_EQ(w, expected[i]) << "word " << i;
    }
    // The module may be named by a null handle too.
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCE(IDM_MAIN), RT_RCDATA), res);
}

TEST_F(Resources, NamesAndTypesMayBeWrittenAsHashAndDecimal) {
    HRSRC byNumber = FindResourceW(instance, MAKEINTRESOURCE(IDM_MAIN), RT_MENU);
    ASSERT_NE(byNumber, nullptr);
    EXPECT_EQ(FindResourceW(instance, u"#102", RT_MENU), byNumber);
    EXPECT_EQ(FindResourceW(instance, MAKEINTRESOURCE(IDM_MAIN), u"#4"), byNumber);
    EXPECT_NE(FindResourceW(instance, MAKEINTRESOURCE(IDM_MAIN), RT_RCDATA), byNumber) << "same id, another type";
}

TEST_F(Resources, MissingResourcesSayWhetherTheNameOrTheTypeIsMissing) {
    SetLastError(0);
    EXPECT_EQ(FindResourceW(instance, MAKEINTRESOURCE(999), RT_MENU), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
    SetLastError(0);
    EXPECT_EQ(FindResourceW(instance, MAKEINTRESOURCE(IDM_MAIN), MAKEINTRESOURCE(99)), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_TYPE_NOT_FOUND));
    EXPECT_EQ(LoadResource(instance, nullptr), nullptr);
    EXPECT_EQ(SizeofResource(instance, nullptr), 0u);
    EXPECT_EQ(LoadMenuW(instance, MAKEINTRESOURCE(999)), nullptr);
    EXPECT_EQ(LoadBitmapW(instance, MAKEINTRESOURCE(999)), nullptr);
    EXPECT_EQ(LoadIconW(instance, MAKEINTRESOURCE(999)), nullptr);
}

// ---------------------------------------------------------------- strings

TEST_F(Resources, LoadStringCopiesAtMostOneLessThanTheBuffer) {
    const std::u16string longText = u"Twenty-six letters: abcdefghijklmnopqrstuvwxyz";
    ASSERT_EQ(longText.size(), 46u);
    struct Case {
        UINT id;
        int size;
        int count;
        std::u16string text;
    };
    const Case cases[] = {
        {IDS_TITLE, 32, 4, u"Demo"},
        {IDS_CLASS, 32, 4, u"DEMO"},
        {IDS_TOOLS, 6, 5, u"Tools"},
        {IDS_TOOLS, 5, 4, u"Tool"},
        {IDS_LONG, 20, 19, longText.substr(0, 19)},
        {IDS_LONG, 47, 46, longText},
        {IDS_LONG, 46, 45, longText.substr(0, 45)},
        {IDS_LONG, 1, 0, u""},
        {IDS_EMPTY, 32, 0, u""},  // in a block that exists, but never defined
        {7, 32, 0, u""},          // in a block that does not exist
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " into " + std::to_string(c.size));
        std::u16string buffer(size_t(c.size) + 1, u'#');
        EXPECT_EQ(LoadStringW(instance, c.id, buffer.data(), c.size), c.count);
        EXPECT_EQ(std::u16string(buffer.c_str()), c.text);
        EXPECT_EQ(buffer[size_t(c.size)], u'#') << "wrote past the buffer";
    }
}

// ---------------------------------------------------------------- menus

TEST_F(Resources, MenuLoadsWithItsPopupsItemsAndSeparator) {
    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCE(IDM_MAIN));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(GetMenuItemID(menu, 0), UINT(-1)) << "a popup has no command";
    HMENU tools = GetSubMenu(menu, 0);
    HMENU help = GetSubMenu(menu, 1);
    ASSERT_TRUE(tools && help);
    EXPECT_EQ(GetSubMenu(menu, 2), nullptr);
    EXPECT_EQ(GetMenuItemCount(tools), 4);
    const UINT toolIds[] = {IDM_OHMS, IDM_CONTROLS, 0, IDM_EXIT};  // the separator has id 0
    for (int i = 0; i < 4; ++i) EXPECT_EQ(GetMenuItemID(tools, i), toolIds[i]) << i;
    EXPECT_EQ(GetMenuItemID(tools, 4), UINT(-1));
    EXPECT_EQ(GetMenuItemID(tools, -1), UINT(-1));
    EXPECT_EQ(GetSubMenu(tools, 0), nullptr);
    EXPECT_EQ(GetMenuItemCount(help), 1);
    EXPECT_EQ(GetMenuItemID(help, 0), UINT(IDM_HELP_CONTENTS));
    // Destroying a menu destroys its popups.
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_EQ(GetMenuItemCount(menu), -1);
    EXPECT_EQ(GetMenuItemCount(tools), -1);
    EXPECT_FALSE(DestroyMenu(menu));
}

// ---------------------------------------------------------------- bitmaps

constexpr uint32_t kStripes[] = {0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00, 0x0000FF, 0x0000FF, 0xFFFFFF, 0xFFFFFF};

// Blits a loaded bitmap to the screen at (x, y) and reads its pixels back.
std::vector<uint32_t> BlitAndRead(HBITMAP bmp, int x, int y, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(screen, x, y, width, height, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    std::vector<uint32_t> pixels;
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) pixels.push_back(test::PixelAt(x + i, y + j));
    return pixels;
}

TEST_F(Resources, StripesDecodeAlikeAtFourAndEightAndTwentyFourBits) {
    int row = 0;
    for (int id : {IDB_STRIPES4, IDB_STRIPES8, IDB_STRIPES24}) {
        SCOPED_TRACE(id);
        HBITMAP bmp = LoadBitmapW(instance, MAKEINTRESOURCE(id));
        ASSERT_NE(bmp, nullptr);
        BITMAP info{};
        ASSERT_EQ(GetObjectW(bmp, sizeof info, &info), int(sizeof info));
        EXPECT_EQ(info.bmWidth, 8);
        EXPECT_EQ(info.bmHeight, 4);
        EXPECT_EQ(info.bmPlanes, 1);
        EXPECT_EQ(info.bmWidthBytes % 2, 0) << "rows are word aligned";
        EXPECT_GE(info.bmWidthBytes * 8, info.bmWidth * info.bmBitsPixel);
        auto pixels = BlitAndRead(bmp, 10, 40 + 10 * row++, 8, 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(pixels[size_t(y * 8 + x)], y == 3 ? 0x808080u : kStripes[x]) << x << "," << y;
        EXPECT_TRUE(DeleteObject(bmp));
    }
}

TEST_F(Resources, OneBitStripesAreBlackAndWhite) {
    HBITMAP bmp = LoadBitmapW(instance, MAKEINTRESOURCE(IDB_STRIPES1));
    ASSERT_NE(bmp, nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectW(bmp, sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.bmWidth, 8);
    EXPECT_EQ(info.bmHeight, 4);
    EXPECT_GE(info.bmWidthBytes * 8, info.bmWidth * info.bmBitsPixel);
    // Paint the screen grey first, so that nothing left unwritten passes for black or white.
    HDC screen = GetDC(nullptr);
    RECT all{0, 0, 240, 320};
    FillRect(screen, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    ReleaseDC(nullptr, screen);
    auto pixels = BlitAndRead(bmp, 10, 40, 8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            uint32_t p = pixels[size_t(y * 8 + x)];
            EXPECT_TRUE(p == 0x000000u || p == 0xFFFFFFu) << x << "," << y << " is " << std::hex << p;
            // The saturated stripes are nearer black, the white one is white.
            if (y < 3) {
                EXPECT_EQ(p, x < 6 ? 0x000000u : 0xFFFFFFu) << x << "," << y;
            }
        }
}

TEST_F(Resources, WideRuleBitmapKeepsItsSize) {
    HBITMAP bmp = LoadBitmapW(instance, MAKEINTRESOURCE(IDB_RULE));
    ASSERT_NE(bmp, nullptr);
    BITMAP info{};
    ASSERT_TRUE(GetObjectW(bmp, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 250);
    EXPECT_EQ(info.bmHeight, 1);
    auto pixels = BlitAndRead(bmp, 0, 100, 240, 1);
    for (size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(pixels[i], 0u) << i;
}

// ---------------------------------------------------------------- icons

TEST_F(Resources, IconHasThirtyTwoAndSixteenPixelImagesWithTransparentCorners) {
    HICON icon = LoadIconW(instance, MAKEINTRESOURCE(IDI_DEMO));
    ASSERT_NE(icon, nullptr);
    for (int size : {32, 16}) {
        SCOPED_TRACE(size);
        const platform::IconImage* img = platform::IconImageFor(icon, size);
        ASSERT_NE(img, nullptr);
        ASSERT_EQ(img->color.width, size);
        ASSERT_EQ(img->color.height, size);
        ASSERT_EQ(img->mask.size(), size_t(size * size));
        auto masked = [&](int x, int y) { return img->mask[size_t(y * size + x)] != 0; };
        EXPECT_TRUE(masked(0, 0));
        EXPECT_TRUE(masked(size - 1, 0));
        EXPECT_TRUE(masked(0, size - 1));
        EXPECT_TRUE(masked(size - 1, size - 1));
        EXPECT_FALSE(masked(size / 2, size / 2));
        EXPECT_FALSE(masked(size / 4, size / 2)) << "inside the disc";
    }
    // Drawn, the corners let the background through and the disc and bolt cover it.
    HDC screen = GetDC(nullptr);
    RECT all{0, 0, 240, 320};
    FillRect(screen, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_TRUE(DrawIcon(screen, 100, 100, icon));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(test::PixelAt(100, 100), 0x000000u);
    EXPECT_EQ(test::PixelAt(131, 131), 0x000000u);
    EXPECT_EQ(test::PixelAt(105, 116), 0x003399u) << "the disc";
    EXPECT_EQ(test::PixelAt(115, 114), 0xFFCC00u) << "the bolt";
    EXPECT_EQ(test::PixelAt(132, 116), 0x000000u) << "nothing beyond 32 pixels";
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
}

// ---------------------------------------------------------------- the .res reader

std::vector<uint8_t> Image() {
    return std::vector<uint8_t>(platform_resource_image_begin, platform_resource_image_end);
}

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

void Write32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// Parses exactly these bytes from a block of their own size, so that reading past
// the end is caught.
bool Parse(const std::vector<uint8_t>& bytes, std::vector<platform::ResourceEntry>& out) {
    auto* copy = new uint8_t[bytes.size() ? bytes.size() : 1];
    std::memcpy(copy, bytes.data(), bytes.size());
    bool ok = platform::ParseResourceImage(copy, copy + bytes.size(), out);
    delete[] copy;
    return ok;
}

TEST(ResourceImage, TheEmbeddedImageHoldsEveryResourceOfTheScript) {
    std::vector<platform::ResourceEntry> entries;
    ASSERT_TRUE(platform::ParseResourceImage(platform_resource_image_begin, platform_resource_image_end, entries));
    // Two icon images and their group, six bitmaps, a wave, three string blocks, a menu,
    // two dialogs and the menu-bar data.
    EXPECT_EQ(entries.size(), 17u);
}

TEST(ResourceImage, ImagesCutShortAreRefusedWithoutReadingPastTheirEnd) {
    const auto image = Image();
    // Where one entry ends and the next begins: a cut there leaves a shorter, whole image.
    std::map<size_t, size_t> boundaries{{0, 0}};  // offset -> entries before it (not counting the marker)
    std::set<size_t> unpadded;                     // between an entry's data and its padding
    size_t at = 0, count = 0;
    while (at + 8 <= image.size()) {
        size_t dataSize = Read32(image, at), headerSize = Read32(image, at + 4);
        size_t dataEnd = at + headerSize + dataSize;
        for (size_t p = dataEnd; p % 4; ++p) unpadded.insert(p);
        if (at > 0 || dataSize > 0) ++count;
        at = (dataEnd + 3) & ~size_t(3);
        boundaries[at] = count;
    }
    ASSERT_EQ(at, image.size());
    ASSERT_GT(boundaries.size(), 10u);
    for (size_t cut = 1; cut < image.size(); ++cut) {
        if (unpadded.count(cut)) continue;
        std::vector<uint8_t> part(image.begin(), image.begin() + std::ptrdiff_t(cut));
        std::vector<platform::ResourceEntry> entries;
        bool ok = Parse(part, entries);
        auto b = boundaries.find(cut);
        if (b == boundaries.end()) {
            EXPECT_FALSE(ok) << "cut at " << cut;
        } else {
            EXPECT_TRUE(ok) << "whole entries up to " << cut;
            if (ok) {
                EXPECT_EQ(entries.size(), b->second) << "cut at " << cut;
            }
        }
    }
}

TEST(ResourceImage, CorruptHeadersAreRefused) {
    const auto image = Image();
    const size_t second = 32;  // the first real entry follows the 32-byte empty marker
    ASSERT_EQ(Read32(image, 0), 0u);
    ASSERT_EQ(Read32(image, 4), 32u);
    struct Case {
        const char* what;
        size_t offset;
        uint32_t value;
    };
    const Case cases[] = {
        {"header smaller than its fixed part", second + 4, 8},
        {"header longer than the image", second + 4, 0x00100000},
        {"data longer than the image", second, uint32_t(image.size())},
        {"data size at its largest", second, 0xFFFFFFFF},
        {"header size at its largest", second + 4, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto bytes = image;
        Write32(bytes, c.offset, c.value);
        std::vector<platform::ResourceEntry> entries;
        EXPECT_FALSE(Parse(bytes, entries));
    }
    // A type name that never ends runs into the end of the image.
    std::vector<uint8_t> endless(32, 'A');
    Write32(endless, 0, 0);
    Write32(endless, 4, 32);
    std::vector<platform::ResourceEntry> entries;
    EXPECT_FALSE(Parse(endless, entries));
}

}  // namespace
