// The .res image reader and every loader behind it: dialog templates, string tables,
// menus, bitmaps, icons and sounds, from whatever image the input is.
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <vector>

#include "gdi/gdi.h"
#include "resources/resources.h"

namespace {

void LoadEach(const platform::ResourceEntry& e) {
    if (!e.type.isOrdinal || !e.name.isOrdinal) return;
    HINSTANCE module = platform::ProgramModule();
    LPCWSTR name = MAKEINTRESOURCE(e.name.ordinal);
    switch (e.type.ordinal) {
    case 2: DeleteObject(LoadBitmapW(module, name)); break;
    case 4: DestroyMenu(LoadMenuW(module, name)); break;
    case 5: {
        platform::DialogTemplate t;
        platform::ParseDialogTemplate(e.data, e.size, t);
        break;
    }
    case 6: {
        WCHAR text[64];
        for (UINT i = 0; i < 16; ++i) LoadStringW(module, UINT(e.name.ordinal - 1) * 16 + i, text, 64);
        break;
    }
    case 14: {
        // Icons are decoded when drawn: the smallest image and the largest.
        HICON icon = LoadIconW(module, name);
        platform::IconImageFor(icon, 0);
        platform::IconImageFor(icon, 4096);
        DestroyIcon(icon);
        break;
    }
    default: PlaySoundW(name, module, SND_RESOURCE | SND_SYNC); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of just the input's size, so reading past its end is seen.
    std::vector<uint8_t> image(data, data + size);
    std::vector<platform::ResourceEntry> entries;
    if (!platform::ParseResourceImage(image.data(), image.data() + image.size(), entries)) return 0;
    platform::UseResourceImage(image.data(), image.data() + image.size());
    for (const auto& e : entries) LoadEach(e);
    return 0;
}
