#include "system/profile.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "kernel/internal.h"
#include "system/files.h"

namespace platform {
namespace {

std::string_view Trim(std::string_view s) {
    size_t begin = s.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos) return {};
    size_t end = s.find_last_not_of(" \t\r");
    return s.substr(begin, end - begin + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false, sectionSeen = false;
    while (!text.empty()) {
        size_t nl = text.find('\n');
        std::string_view line = Trim(text.substr(0, nl));
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[') {
            size_t close = line.find(']');
            std::string_view name = close == std::string_view::npos ? std::string_view{} : Trim(line.substr(1, close - 1));
            if (inSection) sectionSeen = true;
            inSection = !sectionSeen && close != std::string_view::npos && SameName(name, section);
            continue;
        }
        size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos || !SameName(Trim(line.substr(0, equals)), key)) continue;
        std::string_view value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return std::nullopt;
}

}  // namespace platform

using namespace platform;

// As Win32: the value (or the fallback) cut to fit, and the number of bytes copied.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR buffer, DWORD size, LPCSTR file) {
    if (!buffer || size == 0) return 0;
    buffer[0] = 0;
    if (!section || !key || !file) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string text;
    int error = ReadWholeFile(file, text);
    if (error) SetLastError(Win32ErrorOf(error));
    std::optional<std::string> value = error ? std::nullopt : ProfileValue(text, section, key);
    std::string chosen = value ? *value : std::string(Trim(fallback ? fallback : ""));
    size_t length = std::min(chosen.size(), size_t(size - 1));
    std::memcpy(buffer, chosen.data(), length);
    buffer[length] = 0;
    return DWORD(length);
}
