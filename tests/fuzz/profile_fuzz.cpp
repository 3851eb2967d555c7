// The setup.ini reader: the first line names the section and key asked for, the rest is
// the file.
#include <cstdint>
#include <string_view>

#include "system/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    size_t nl = input.find('\n'), tab = input.find('\t');
    if (nl == std::string_view::npos || tab > nl) return 0;
    platform::ProfileValue(input.substr(nl + 1), input.substr(0, tab), input.substr(tab + 1, nl - tab - 1));
    return 0;
}
