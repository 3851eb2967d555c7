// The registry, read only, from a text file in regedit's export format. Which file: the
// one ZEPHTOR_REGISTRY names, else the user's configuration, else the system's, else the
// configuration folder of the installation the program runs from. A missing file is an
// empty registry; a malformed one is reported with its name and line and reads as empty.
#include "system/registry.h"

#include "kernel/utf.h"
#include "system/files.h"
#include "system/process.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>

namespace platform {
namespace {

constexpr char kVersion5Header[] = "Windows Registry Editor Version 5.00";

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return s;
}

std::string Trim(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r");
    size_t b = s.find_last_not_of(" \t\r");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

bool IsHexDigits(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

// UTF-16LE bytes as UTF-8; an odd last byte is half a character and stands for nothing.
std::string FromUtf16Le(const uint8_t* bytes, size_t size) {
    std::u16string wide;
    for (size_t i = 0; i + 1 < size; i += 2) wide.push_back(char16_t(bytes[i] | bytes[i + 1] << 8));
    return ToUtf8(wide);
}

// regedit writes version 5 files in UTF-16LE after a byte-order mark, REGEDIT4 ones in
// 8 bits; from here on both are read as UTF-8.
std::string Decoded(const std::string& file) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(file.data());
    if (file.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return FromUtf16Le(bytes + 2, file.size() - 2);
    if (file.rfind("\xEF\xBB\xBF", 0) == 0) return file.substr(3);
    return file;
}

// A quoted string from `at` (at the opening quote): \\ and \" are escapes. Answers the
// position after the closing quote, or npos when it does not close.
size_t ReadQuoted(const std::string& line, size_t at, std::string& out) {
    out.clear();
    for (size_t i = at + 1; i < line.size(); ++i) {
        if (line[i] == '"') return i + 1;
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        out.push_back(line[i]);
    }
    return std::string::npos;
}

bool ParseHexBytes(const std::string& text, std::vector<uint8_t>& out) {
    std::stringstream in(text);
    std::string byte;
    while (std::getline(in, byte, ',')) {
        byte = Trim(byte);
        if (byte.empty() && in.eof()) break;
        if (byte.size() != 2 || !IsHexDigits(byte)) return false;
        out.push_back(uint8_t(std::strtoul(byte.c_str(), nullptr, 16)));
    }
    return true;
}

// hex(N): the bytes of a value of type N, N in hexadecimal. A version 5 file writes the
// text of the string types in UTF-16; it is kept in the 8-bit form the ...A functions
// answer, as a quoted string is.
bool ParseTypedData(const std::string& text, bool wide, RegistryValue& value) {
    size_t close = text.find("):");
    if (close == std::string::npos || close > 12 || !IsHexDigits(text.substr(4, close - 4))) return false;
    value.type = DWORD(std::strtoul(text.substr(4, close - 4).c_str(), nullptr, 16));
    if (!ParseHexBytes(text.substr(close + 2), value.data)) return false;
    if (wide && (value.type == REG_SZ || value.type == REG_EXPAND_SZ || value.type == REG_MULTI_SZ)) {
        std::string narrow = FromUtf16Le(value.data.data(), value.data.size());
        value.data.assign(narrow.begin(), narrow.end());
    }
    return true;
}

// The data of a value line, after its '='.
bool ParseData(const std::string& text, bool wide, RegistryValue& value) {
    if (!text.empty() && text[0] == '"') {
        std::string s;
        if (ReadQuoted(text, 0, s) != text.size()) return false;
        value.type = REG_SZ;
        value.data.assign(s.begin(), s.end());
        value.data.push_back(0);
        return true;
    }
    if (text.rfind("dword:", 0) == 0) {
        std::string digits = text.substr(6);
        if (digits.size() != 8 || !IsHexDigits(digits)) return false;
        uint32_t v = uint32_t(std::strtoul(digits.c_str(), nullptr, 16));
        value.type = REG_DWORD;
        value.data = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        return true;
    }
    if (text.rfind("hex:", 0) == 0) {
        value.type = REG_BINARY;
        return ParseHexBytes(text.substr(4), value.data);
    }
    return text.rfind("hex(", 0) == 0 && ParseTypedData(text, wide, value);
}

// [-KEY] takes the key away with every key under it.
void DeleteKey(Registry& registry, const std::string& key) {
    registry.erase(key);
    for (auto it = registry.lower_bound(key + "\\"); it != registry.end() && it->first.rfind(key + "\\", 0) == 0;)
        it = registry.erase(it);
}

// One logical line, its continuations joined, after the header; answers the reason it is
// malformed, or nullptr.
const char* ParseLine(const std::string& line, bool wide, std::string& key, Registry& out) {
    if (line[0] == '[') {
        if (line.back() != ']' || line.size() < 3) return "a key must be written [KEY]";
        bool deletion = line[1] == '-';
        key = Upper(line.substr(deletion ? 2 : 1, line.size() - (deletion ? 3 : 2)));
        if (key.empty()) return "a key must be written [KEY]";
        if (!deletion) {
            out[key];
            return nullptr;
        }
        DeleteKey(out, key);
        key.clear();  // what follows belongs to no key
        return nullptr;
    }
    if (key.empty()) return "a value must follow a [KEY] line";
    std::string name;
    size_t after;
    if (line[0] == '@') {
        after = 1;
    } else if (line[0] == '"') {
        after = ReadQuoted(line, 0, name);
        if (after == std::string::npos) return "a value name must end with a quote";
    } else {
        return "a value must be written \"NAME\"=DATA or @=DATA";
    }
    size_t equals = line.find_first_not_of(" \t", after);
    if (equals == std::string::npos || line[equals] != '=') return "a value needs '=' and its data";
    std::string data = Trim(line.substr(equals + 1));
    if (data == "-") {
        out[key].erase(Upper(name));
        return nullptr;
    }
    RegistryValue value;
    if (!ParseData(data, wide, value)) return "the data is not a string, -, dword:, hex: or hex(N):";
    out[key][Upper(name)] = value;
    return nullptr;
}

// Long hex data goes on in the next lines, each but the last ending in a backslash.
bool GoesOn(const std::string& line) {
    return !line.empty() && line.back() == '\\' && line[0] != ';' && line.find('=') != std::string::npos;
}

}  // namespace

bool ParseRegistryText(const std::string& file, const std::string& fileName, Registry& out, std::string& error) {
    std::stringstream in(Decoded(file));
    std::string raw, line, key;
    int number = 0, first = 0;
    bool header = false, wide = false;
    auto fail = [&](const char* what) {
        error = fileName + ":" + std::to_string(first) + ": " + what;
        out.clear();
        return false;
    };
    for (bool more = true; more;) {
        more = bool(std::getline(in, raw));
        if (more) {
            ++number;
            if (line.empty()) first = number;
            line += Trim(raw);
            if (GoesOn(line)) {
                line.pop_back();
                continue;
            }
        }
        std::string current = Trim(line);
        line.clear();
        if (current.empty() || current[0] == ';') continue;
        if (!header) {
            if (current != kVersion5Header && current != "REGEDIT4") return fail("not a registry file");
            header = true;
            wide = current == kVersion5Header;
            continue;
        }
        if (const char* why = ParseLine(current, wide, key, out)) return fail(why);
    }
    if (!header) return fail("not a registry file");
    return true;
}

std::string RegistryFilePath() {
    auto env = [](const char* name) -> std::string {
        const char* v = std::getenv(name);
        return v ? v : "";
    };
    auto exists = [](const std::string& path) { return !path.empty() && access(path.c_str(), F_OK) == 0; };
    if (!env("ZEPHTOR_REGISTRY").empty()) return env("ZEPHTOR_REGISTRY");
    const std::string tail = "/zephtor/registry.reg";
    std::string userConfig = env("XDG_CONFIG_HOME");
    if (userConfig.empty() && !env("HOME").empty()) userConfig = env("HOME") + "/.config";
    if (!userConfig.empty() && exists(userConfig + tail)) return userConfig + tail;
    std::string dirs = env("XDG_CONFIG_DIRS").empty() ? "/etc/xdg" : env("XDG_CONFIG_DIRS");
    std::stringstream list(dirs);
    for (std::string dir; std::getline(list, dir, ':');)
        if (!dir.empty() && exists(dir + tail)) return dir + tail;
    // An installation keeps its configuration beside its programs: PREFIX/etc for PREFIX/bin.
    std::string programs = ProgramDirectory();
    std::string prefix = programs.substr(0, programs.rfind('/'));
    std::string installed = prefix + "/etc/xdg" + tail;
    return exists(installed) ? installed : "";
}

std::unique_ptr<Registry>& CachedRegistry() {
    static std::unique_ptr<Registry> registry;
    return registry;
}

void ReloadRegistry() { CachedRegistry().reset(); }

const Registry* LoadedRegistry() {
    std::unique_ptr<Registry>& registry = CachedRegistry();
    if (registry) return registry.get();
    registry = std::make_unique<Registry>();
    std::string path = RegistryFilePath();
    if (path.empty()) return registry.get();
    std::string text;
    // A missing file is an empty registry; one that is there but cannot be read is said.
    if (int error = ReadWholeFile(path, text)) {
        if (error != ENOENT) std::fprintf(stderr, "registry: cannot read %s: %s\n", path.c_str(), std::strerror(error));
        return registry.get();
    }
    std::string error;
    if (!ParseRegistryText(text, path, *registry, error)) std::fprintf(stderr, "registry: %s\n", error.c_str());
    return registry.get();
}

}  // namespace platform

using namespace platform;

namespace {

// An open key is a handle to its full path; roots are the predefined handles.
std::map<uintptr_t, std::string>& OpenKeys() {
    static std::map<uintptr_t, std::string> keys;
    return keys;
}

const char* RootName(HKEY root) {
    if (root == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
    if (root == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
    return nullptr;
}

}  // namespace

LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD, REGSAM, PHKEY result) {
    static uintptr_t next = 0x70000;
    if (!result) return ERROR_INVALID_PARAMETER;
    std::string path;
    if (const char* name = RootName(root)) path = name;
    else if (OpenKeys().count(reinterpret_cast<uintptr_t>(root))) path = OpenKeys()[reinterpret_cast<uintptr_t>(root)];
    else return ERROR_INVALID_HANDLE;
    if (subKey && *subKey) path += std::string("\\") + subKey;
    path = Upper(path);
    if (!LoadedRegistry()->count(path)) return ERROR_FILE_NOT_FOUND;
    uintptr_t h = next;
    next += 4;
    OpenKeys()[h] = path;
    *result = reinterpret_cast<HKEY>(h);
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    auto open = OpenKeys().find(reinterpret_cast<uintptr_t>(key));
    if (open == OpenKeys().end()) return ERROR_INVALID_HANDLE;
    const auto& values = LoadedRegistry()->at(open->second);
    auto found = values.find(Upper(name ? name : ""));
    if (found == values.end()) return ERROR_FILE_NOT_FOUND;
    const RegistryValue& value = found->second;
    if (type) *type = value.type;
    if (!size) return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    DWORD room = *size;
    *size = DWORD(value.data.size());
    if (!data) return ERROR_SUCCESS;
    if (room < value.data.size()) return ERROR_MORE_DATA;
    std::memcpy(data, value.data.data(), value.data.size());
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) { return OpenKeys().erase(reinterpret_cast<uintptr_t>(key)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE; }
