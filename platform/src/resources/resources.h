// The program's resources: the compiled .res image that the build embeds in the
// executable, read the way the handheld reads a module's resources.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

extern "C" const unsigned char platform_resource_image_begin[];
extern "C" const unsigned char platform_resource_image_end[];

namespace platform {

struct ResourceName {
    bool isOrdinal = true;
    WORD ordinal = 0;
    std::u16string text;  // upper-cased
};

struct ResourceEntry {
    ResourceName type;
    ResourceName name;
    const uint8_t* data = nullptr;
    size_t size = 0;
};

HINSTANCE ProgramModule();
// Parses a .res image; answers false when it is malformed.
bool ParseResourceImage(const uint8_t* begin, const uint8_t* end, std::vector<ResourceEntry>& out);
const ResourceEntry* FindEntry(LPCWSTR type, LPCWSTR name);
// The resource whose data starts at `data`, if any.
const ResourceEntry* EntryOfData(const void* data);
void UseResourceImage(const uint8_t* begin, const uint8_t* end);

// A parsed dialog template.
struct DialogItem {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD id = 0;
    std::u16string className;  // predefined classes by their names
    std::u16string title;      // an ordinal title is 0xFFFF followed by the id
};
struct DialogTemplate {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::u16string title;
    WORD pointSize = 0;
    std::u16string faceName;
    std::vector<DialogItem> items;
};
bool ParseDialogTemplate(const uint8_t* data, size_t size, DialogTemplate& out);

// A parsed menu.
struct MenuItem {
    UINT flags = 0;
    UINT id = 0;
    std::u16string text;
    HMENU popup = nullptr;
};
const std::vector<MenuItem>* MenuItems(HMENU menu);

}  // namespace platform
