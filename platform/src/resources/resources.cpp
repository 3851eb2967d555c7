// FindResource and friends over the embedded .res image, string tables, menus,
// bitmaps and icons.
#include "resources/resources.h"

#include <algorithm>
#include <map>
#include <memory>

#include "gdi/gdi.h"

namespace platform {
namespace {

struct Reader {
    const uint8_t* p;
    const uint8_t* end;
    bool ok = true;
    size_t Left() const { return ok ? size_t(end - p) : 0; }
    uint16_t Word() {
        if (Left() < 2) return ok = false, 0;
        uint16_t v = uint16_t(p[0] | p[1] << 8);
        p += 2;
        return v;
    }
    uint32_t Dword() {
        uint32_t lo = Word();
        return lo | uint32_t(Word()) << 16;
    }
    std::u16string String() {
        std::u16string s;
        while (ok) {
            char16_t c = Word();
            if (!ok || c == 0) break;
            s.push_back(c);
        }
        return s;
    }
    // A name or class: an ordinal (0xFFFF, id) or a NUL-terminated string.
    std::u16string StringOrOrdinal() {
        uint16_t first = Word();
        if (!ok || first == 0) return {};
        if (first == 0xFFFF) return std::u16string{char16_t(0xFFFF), char16_t(Word())};
        std::u16string s{char16_t(first)};
        s += String();
        return s;
    }
    // Moves on `n` bytes, or stops the reading when there are not as many left.
    void Skip(size_t n) {
        if (Left() < n) ok = false;
        else p += n;
    }
    void AlignDword(const uint8_t* base) {
        Skip((4 - size_t(p - base) % 4) % 4);
    }
};

ResourceName ReadName(Reader& r) {
    ResourceName n;
    std::u16string s = r.StringOrOrdinal();
    if (s.size() == 2 && s[0] == 0xFFFF) {
        n.ordinal = s[1];
        return n;
    }
    n.isOrdinal = false;
    for (auto& c : s)
        if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
    n.text = s;
    return n;
}

bool NameMatches(const ResourceName& n, LPCWSTR wanted) {
    if (IS_INTRESOURCE(wanted)) return n.isOrdinal && n.ordinal == WORD(reinterpret_cast<uintptr_t>(wanted));
    std::u16string w(wanted);
    if (!w.empty() && w[0] == u'#') {
        unsigned id = 0;
        for (size_t i = 1; i < w.size() && w[i] >= u'0' && w[i] <= u'9'; ++i) id = id * 10 + unsigned(w[i] - u'0');
        return n.isOrdinal && n.ordinal == id;
    }
    if (n.isOrdinal) return false;
    for (auto& c : w)
        if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
    return n.text == w;
}

struct ResourceStore {
    std::vector<ResourceEntry> entries;
    bool loaded = false;
    std::map<uintptr_t, std::unique_ptr<std::vector<MenuItem>>> menus;
    uintptr_t nextMenu = 0x40000;
};

ResourceStore& Store() {
    static ResourceStore store;
    if (!store.loaded) {
        store.loaded = true;
        ParseResourceImage(platform_resource_image_begin, platform_resource_image_end, store.entries);
    }
    return store;
}

bool IsProgramModule(HINSTANCE h) { return h == nullptr || h == ProgramModule(); }

HMENU BuildMenu(Reader& r, int depth) {
    auto items = std::make_unique<std::vector<MenuItem>>();
    while (r.ok && depth < 8) {
        MenuItem item;
        WORD flags = r.Word();
        constexpr WORD kEnd = 0x80;
        if (!(flags & MF_POPUP)) item.id = r.Word();
        item.text = r.String();
        item.flags = flags & ~kEnd;
        if (!r.ok) break;
        if (flags & MF_POPUP) item.popup = BuildMenu(r, depth + 1);
        else if (item.id == 0 && item.text.empty()) item.flags |= MF_SEPARATOR;
        items->push_back(item);
        if (flags & kEnd) break;
    }
    auto& store = Store();
    uintptr_t h = store.nextMenu;
    store.nextMenu += 4;
    store.menus[h] = std::move(items);
    return reinterpret_cast<HMENU>(h);
}

}  // namespace

HINSTANCE ProgramModule() { return reinterpret_cast<HINSTANCE>(uintptr_t(0x400000)); }

bool ParseResourceImage(const uint8_t* begin, const uint8_t* end, std::vector<ResourceEntry>& out) {
    out.clear();
    Reader r{begin, end};
    while (r.Left() >= 32) {
        const uint8_t* headerStart = r.p;
        uint32_t dataSize = r.Dword();
        uint32_t headerSize = r.Dword();
        ResourceEntry e;
        e.type = ReadName(r);
        e.name = ReadName(r);
        if (!r.ok || headerSize < 24 || size_t(end - headerStart) < headerSize) return false;
        r.p = headerStart + headerSize;
        if (r.Left() < dataSize) return false;
        e.data = r.p;
        e.size = dataSize;
        r.Skip(dataSize);
        r.AlignDword(begin);
        // The first entry of every .res file is an empty marker.
        if (dataSize || !(e.type.isOrdinal && e.type.ordinal == 0)) out.push_back(e);
    }
    // Bytes too few for a header are a header cut short.
    return r.ok && r.p == end;
}

void UseResourceImage(const uint8_t* begin, const uint8_t* end) {
    auto& store = Store();
    ParseResourceImage(begin, end, store.entries);
}

const ResourceEntry* FindEntry(LPCWSTR type, LPCWSTR name) {
    for (const auto& e : Store().entries)
        if (NameMatches(e.type, type) && NameMatches(e.name, name)) return &e;
    return nullptr;
}

const ResourceEntry* EntryOfData(const void* data) {
    for (const auto& e : Store().entries)
        if (e.data == data) return &e;
    return nullptr;
}

const std::vector<MenuItem>* MenuItems(HMENU menu) {
    auto& menus = Store().menus;
    auto it = menus.find(reinterpret_cast<uintptr_t>(menu));
    return it == menus.end() ? nullptr : it->second.get();
}

bool ParseDialogTemplate(const uint8_t* data, size_t size, DialogTemplate& out) {
    Reader r{data, data + size};
    out.style = r.Dword();
    out.exStyle = r.Dword();
    WORD count = r.Word();
    out.x = short(r.Word());
    out.y = short(r.Word());
    out.cx = short(r.Word());
    out.cy = short(r.Word());
    r.StringOrOrdinal();  // menu
    r.StringOrOrdinal();  // class
    out.title = r.String();
    if (out.style & DS_SETFONT) {
        out.pointSize = r.Word();
        out.faceName = r.String();
    }
    static const char16_t* const kAtoms[] = {u"Button", u"Edit", u"Static", u"ListBox", u"ScrollBar", u"ComboBox"};
    for (WORD i = 0; i < count && r.ok; ++i) {
        r.AlignDword(data);
        DialogItem item;
        item.style = r.Dword();
        item.exStyle = r.Dword();
        item.x = short(r.Word());
        item.y = short(r.Word());
        item.cx = short(r.Word());
        item.cy = short(r.Word());
        item.id = r.Word();
        std::u16string cls = r.StringOrOrdinal();
        if (cls.size() == 2 && cls[0] == 0xFFFF) {
            WORD atom = cls[1];
            if (atom < 0x80 || atom > 0x85) return false;
            cls = kAtoms[atom - 0x80];
        }
        item.className = cls;
        item.title = r.StringOrOrdinal();
        r.Skip(r.Word());
        if (!r.ok) return false;
        out.items.push_back(item);
    }
    return r.ok;
}

}  // namespace platform

using namespace platform;

HMODULE GetModuleHandleW(LPCWSTR moduleName) { return moduleName ? nullptr : ProgramModule(); }

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    if (!IsProgramModule(module)) return nullptr;
    const ResourceEntry* e = FindEntry(type, name);
    if (!e) {
        bool typeKnown = false;
        for (const auto& any : Store().entries) typeKnown = typeKnown || NameMatches(any.type, type);
        SetLastError(typeKnown ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    }
    return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(e));
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
    if (!IsProgramModule(module) || !resource) return nullptr;
    return reinterpret_cast<HGLOBAL>(const_cast<uint8_t*>(reinterpret_cast<ResourceEntry*>(resource)->data));
}

LPVOID LockResource(HGLOBAL data) { return reinterpret_cast<LPVOID>(data); }

DWORD SizeofResource(HMODULE module, HRSRC resource) {
    if (!IsProgramModule(module) || !resource) return 0;
    return DWORD(reinterpret_cast<ResourceEntry*>(resource)->size);
}

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax) {
    if (!IsProgramModule(instance) || !buffer || bufferMax <= 0) return 0;
    buffer[0] = 0;
    const ResourceEntry* e = FindEntry(RT_STRING, MAKEINTRESOURCE((id >> 4) + 1));
    if (!e) return 0;
    Reader r{e->data, e->data + e->size};
    // Strings before ours in the block are passed over; a length that runs past the block's
    // end ends the reading.
    for (UINT i = 0; i < (id & 15) && r.ok; ++i) r.Skip(size_t(r.Word()) * 2);
    WORD length = r.Word();
    if (!r.ok || r.Left() < size_t(length) * 2) return 0;
    // Copies what fits, leaving room for the terminator, and answers how much was copied.
    int n = std::min(int(length), bufferMax - 1);
    for (int i = 0; i < n; ++i) buffer[i] = char16_t(r.p[2 * i] | r.p[2 * i + 1] << 8);
    buffer[n] = 0;
    return n;
}

HMENU LoadMenuW(HINSTANCE instance, LPCWSTR name) {
    if (!IsProgramModule(instance)) return nullptr;
    const ResourceEntry* e = FindEntry(RT_MENU, name);
    if (!e) return nullptr;
    Reader r{e->data, e->data + e->size};
    r.Word();
    WORD headerSize = r.Word();
    r.Skip(headerSize);
    if (!r.ok) return nullptr;
    return BuildMenu(r, 0);
}

BOOL DestroyMenu(HMENU menu) {
    auto* items = MenuItems(menu);
    if (!items) return FALSE;
    std::vector<HMENU> popups;
    for (auto& item : *items)
        if (item.popup) popups.push_back(item.popup);
    Store().menus.erase(reinterpret_cast<uintptr_t>(menu));
    for (HMENU p : popups) DestroyMenu(p);
    return TRUE;
}

HMENU GetSubMenu(HMENU menu, int pos) {
    auto* items = MenuItems(menu);
    if (!items || pos < 0 || size_t(pos) >= items->size()) return nullptr;
    return (*items)[size_t(pos)].popup;
}

int GetMenuItemCount(HMENU menu) {
    auto* items = MenuItems(menu);
    return items ? int(items->size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int pos) {
    auto* items = MenuItems(menu);
    if (!items || pos < 0 || size_t(pos) >= items->size() || (*items)[size_t(pos)].popup) return UINT(-1);
    return (*items)[size_t(pos)].id;
}

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
    if (!IsProgramModule(instance)) return nullptr;
    const ResourceEntry* e = FindEntry(RT_BITMAP, name);
    HBITMAP bitmap = e ? CreateBitmapFromDib(e->data, e->size) : nullptr;
    if (bitmap && IS_INTRESOURCE(name)) NoteResourceId(bitmap, int(reinterpret_cast<uintptr_t>(name)));
    return bitmap;
}

HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
    if (!IsProgramModule(instance)) return nullptr;
    const ResourceEntry* group = FindEntry(RT_GROUP_ICON, name);
    if (!group || group->size < 6) return nullptr;
    const uint8_t* p = group->data;
    WORD count = WORD(p[4] | p[5] << 8);
    std::vector<IconResourceImage> images;
    for (WORD i = 0; i < count && 6 + size_t(i + 1) * 14 <= group->size; ++i) {
        const uint8_t* entry = p + 6 + size_t(i) * 14;
        WORD id = WORD(entry[12] | entry[13] << 8);
        if (const ResourceEntry* image = FindEntry(RT_ICON, MAKEINTRESOURCE(id)))
            images.push_back({image->data, image->size});
    }
    HICON icon = CreateIconFromResourceImages(images);
    if (icon && IS_INTRESOURCE(name)) NoteResourceId(icon, int(reinterpret_cast<uintptr_t>(name)));
    return icon;
}
