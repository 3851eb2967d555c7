// Reading setup.ini: the [CEAppManager] section names the component, whose own section
// describes it and lists its files.
#include <windows.h>

#include <algorithm>

#include "appmgr.h"

namespace {

std::string Value(const std::string& ini, const std::string& section, const char* key) {
    char buffer[4096];
    GetPrivateProfileStringA(section.c_str(), key, "", buffer, sizeof buffer, ini.c_str());
    return buffer;
}

std::string Trim(const std::string& s) {
    size_t begin = s.find_first_not_of(" \t");
    if (begin == std::string::npos) return "";
    return s.substr(begin, s.find_last_not_of(" \t") - begin + 1);
}

std::vector<std::string> SplitList(const std::string& list) {
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t comma; (comma = list.find(',', start)) != std::string::npos; start = comma + 1)
        items.push_back(Trim(list.substr(start, comma - start)));
    items.push_back(Trim(list.substr(start)));
    items.erase(std::remove(items.begin(), items.end(), ""), items.end());
    return items;
}

// A file of the package lies inside the package's folder and is installed inside ours:
// no absolute paths, no way up.
bool StaysInside(const std::string& path) {
    if (path.empty() || path[0] == '/') return false;
    size_t start = 0;
    for (;;) {
        size_t slash = path.find('/', start);
        std::string part = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (part.empty() || part == "." || part == "..") return false;
        if (slash == std::string::npos) return true;
        start = slash + 1;
    }
}

std::string FolderOf(const std::string& file) {
    size_t slash = file.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
}

// An id names a file of the menu: letters, digits, '.', '-' and '_' only.
bool IsEntryId(const std::string& id) {
    return id.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-_") ==
               std::string::npos &&
           id.find_first_not_of('.') != std::string::npos;
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

}  // namespace

bool ReadPackage(const std::string& setupIni, Package& package, std::string& why) {
    if (GetFileAttributesA(setupIni.c_str()) != FILE_ATTRIBUTE_NORMAL) {
        why = "The installation description " + setupIni + " cannot be found.";
        return false;
    }
    package.folder = FolderOf(setupIni);
    package.component = Value(setupIni, "CEAppManager", "Component");
    package.version = Value(setupIni, "CEAppManager", "Version");
    package.description = Value(setupIni, package.component, "Description");
    package.appId = Value(setupIni, package.component, "AppId");
    package.files = SplitList(Value(setupIni, package.component, "Files"));
    std::string name = Lower(package.component);
    if (name.empty() || !StaysInside(name) || name.find('/') != std::string::npos) {
        why = setupIni + " names no component to install.";
        return false;
    }
    // The component's program is the file of its name.
    if (std::find(package.files.begin(), package.files.end(), name) == package.files.end()) {
        why = setupIni + " does not list the program " + name + " among the files of " + package.component + ".";
        return false;
    }
    if (!package.appId.empty() && !IsEntryId(package.appId)) {
        why = setupIni + " gives " + package.component + " the id " + package.appId + ", which cannot name a menu entry.";
        return false;
    }
    for (const std::string& file : package.files) {
        if (!StaysInside(file)) {
            why = setupIni + " names the file " + file + ", which lies outside its folder.";
            return false;
        }
        if (GetFileAttributesA((package.folder + "/" + file).c_str()) != FILE_ATTRIBUTE_NORMAL) {
            why = "The file " + file + " that " + setupIni + " lists is missing from " + package.folder + ".";
            return false;
        }
    }
    return true;
}

std::string ProgramName(const Package& package) { return Lower(package.component); }

std::string ProgramFolder(const Package& package, const Places& places) { return places.data + "/" + ProgramName(package); }
