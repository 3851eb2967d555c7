// The registry as read from its text file, for the Reg... functions and the tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace platform {

struct RegistryValue {
    DWORD type = REG_SZ;
    std::vector<uint8_t> data;  // a string's bytes end with its NUL
    bool operator==(const RegistryValue&) const = default;
};
// Keys by their full path and values by name ("" for the default), both upper-cased:
// the registry ignores case.
using Registry = std::map<std::string, std::map<std::string, RegistryValue>>;

// Reads regedit's text format: either header, UTF-16LE after a byte-order mark or 8-bit
// text, typed data, deletions. On a malformed line answers false, with the file's name
// and the line in `error`, and leaves `out` empty.
bool ParseRegistryText(const std::string& text, const std::string& fileName, Registry& out, std::string& error);
// Which file the registry is read from ("" for none).
std::string RegistryFilePath();
// The registry, read once; ReloadRegistry makes the next use read it again.
const Registry* LoadedRegistry();
void ReloadRegistry();

}  // namespace platform
