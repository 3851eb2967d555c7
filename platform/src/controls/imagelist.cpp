// Image lists: pictures of one size kept side by side, added from icons and drawn by the
// list view as often as it paints. Without a mask an icon's transparent pixels take the
// window colour. A picture is made when it is first drawn: a list of many icons is filled
// at start, and only a screenful of them is ever shown at once.
#include <commctrl.h>

#include <map>
#include <memory>
#include <optional>

#include "controls/controls.h"

namespace platform {
namespace {

struct ListImage {
    std::shared_ptr<IconRecord> icon;
    std::optional<Surface> cell;
};

struct ImageList {
    int width = 0, height = 0;
    int growBy = 0;
    std::vector<ListImage> images;
};

std::map<uintptr_t, std::unique_ptr<ImageList>>& Lists() {
    static std::map<uintptr_t, std::unique_ptr<ImageList>> lists;
    return lists;
}

ImageList* Find(HIMAGELIST list) {
    auto it = Lists().find(reinterpret_cast<uintptr_t>(list));
    return it == Lists().end() ? nullptr : it->second.get();
}

// The icon's image nearest the list's size, placed at the top left of a cell of it.
Surface CellFromIcon(const ImageList& list, IconRecord& icon) {
    Surface cell(list.width, list.height, PixelFromColor(GetSysColor(COLOR_WINDOW)));
    const IconImage* img = IconImageOf(icon, list.width);
    if (!img) return cell;
    for (int y = 0; y < std::min(list.height, img->color.height); ++y)
        for (int x = 0; x < std::min(list.width, img->color.width); ++x) {
            size_t i = size_t(y) * size_t(img->color.width) + size_t(x);
            if (!img->mask[i]) cell.pixels[size_t(y) * size_t(list.width) + size_t(x)] = img->color.pixels[i];
        }
    return cell;
}

}  // namespace

void DrawImageListImage(HIMAGELIST list, int index, HDC hdc, int x, int y) {
    ImageList* l = Find(list);
    if (!l || index < 0 || index >= int(l->images.size())) return;
    ListImage& image = l->images[size_t(index)];
    if (!image.cell) image.cell = CellFromIcon(*l, *image.icon);
    BlitSurface(hdc, x, y, *image.cell, 0, 0, l->width, l->height);
}

SIZE ImageListImageSize(HIMAGELIST list) {
    ImageList* l = Find(list);
    return l ? SIZE{l->width, l->height} : SIZE{0, 0};
}

}  // namespace platform

using namespace platform;

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow) {
    static uintptr_t next = 0x50000;
    // Only colour lists without a mask are made: the programs ask for nothing else.
    if (cx <= 0 || cy <= 0 || (flags & ILC_MASK) || initial < 0 || grow < 0) return nullptr;
    auto list = std::make_unique<ImageList>();
    list->width = cx;
    list->height = cy;
    list->growBy = grow;
    list->images.reserve(size_t(initial));
    uintptr_t h = next;
    next += 4;
    Lists()[h] = std::move(list);
    return reinterpret_cast<HIMAGELIST>(h);
}

BOOL ImageList_Destroy(HIMAGELIST list) { return Lists().erase(reinterpret_cast<uintptr_t>(list)) ? TRUE : FALSE; }

int ImageList_GetImageCount(HIMAGELIST list) {
    ImageList* l = Find(list);
    return l ? int(l->images.size()) : 0;
}

int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon) {
    ImageList* l = Find(list);
    std::shared_ptr<IconRecord> shared = SharedIcon(icon);
    if (!l || !shared || index < -1 || index >= int(l->images.size())) return -1;
    ListImage image{std::move(shared), std::nullopt};
    if (index >= 0) {
        l->images[size_t(index)] = std::move(image);
        return index;
    }
    l->images.push_back(std::move(image));
    return int(l->images.size()) - 1;
}
