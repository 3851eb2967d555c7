// The registry file reader: any text is read or refused with a line number, never a crash;
// and a text reads the same in 8 bits as in the UTF-16 regedit exports.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "kernel/utf.h"
#include "system/registry.h"

namespace {

struct Reading {
    platform::Registry registry;
    std::string error;
    bool read;
    bool operator==(const Reading&) const = default;
};

Reading Read(const std::string& file) {
    Reading r;
    r.read = platform::ParseRegistryText(file, "fuzz.reg", r.registry, r.error);
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    Reading narrow = Read(text);
    if (!narrow.read && narrow.error.rfind("fuzz.reg:", 0) != 0) std::abort();
    // Only text that is UTF-8 throughout, without a mark of its own, has one UTF-16 form.
    std::u16string wide = platform::FromUtf8(text);
    if (platform::ToUtf8(wide) != text || text.rfind("\xEF\xBB\xBF", 0) == 0) return 0;
    std::string utf16 = "\xFF\xFE";
    for (char16_t c : wide) utf16 += {char(c & 0xFF), char(c >> 8)};
    if (!(Read(utf16) == narrow)) std::abort();
    return 0;
}
