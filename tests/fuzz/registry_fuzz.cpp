// The registry file reader: any text is read or refused with a line number, never a crash.
#include <cstdint>
#include <string>

#include "system/registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::Registry registry;
    std::string error;
    platform::ParseRegistryText(std::string(reinterpret_cast<const char*>(data), size), "fuzz.reg", registry, error);
    return 0;
}
