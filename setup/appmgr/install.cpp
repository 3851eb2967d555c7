// Installing: the program's files go into a new folder that then takes the place of the
// installed one; the command, the menu entry and the icons are each written beside their
// place and renamed into it, so nothing is ever seen half-written.
#include <windows.h>

#include "appmgr.h"

namespace {

constexpr char kIconFolder[] = "icons/";

bool IsIcon(const std::string& file) { return file.rfind(kIconFolder, 0) == 0; }

std::string SystemMessage() {
    char text[256];
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0, text,
                        sizeof text, nullptr))
        return "Error " + std::to_string(GetLastError()) + ".";
    return text;
}

bool Failed(std::string& why, const std::string& what, const std::string& path) {
    why = "Cannot " + what + " " + path + ": " + SystemMessage();
    return false;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Creates the folder and those above it that are missing.
bool MakeFolders(const std::string& folder, std::string& why) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        std::string part = folder.substr(0, slash);
        if (!CreateDirectoryA(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return Failed(why, "create the folder", part);
        if (slash == std::string::npos) return true;
    }
}

bool RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "/*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName, path = folder + "/" + name;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(folder.c_str()) != 0;
}

std::string Parent(const std::string& path) { return path.substr(0, path.rfind('/')); }

// Puts a file in its place by renaming a finished copy over it.
bool CopyIntoPlace(const std::string& from, const std::string& to, std::string& why) {
    std::string next = to + ".new";
    if (!MakeFolders(Parent(to), why)) return false;
    if (!CopyFileA(from.c_str(), next.c_str(), FALSE)) return Failed(why, "write", next);
    if (!MoveFileExA(next.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(next.c_str());
        return Failed(why, "replace", to);
    }
    return true;
}

bool WriteIntoPlace(const std::string& text, const std::string& to, std::string& why) {
    std::string next = to + ".new";
    if (!MakeFolders(Parent(to), why)) return false;
    HANDLE file = CreateFileA(next.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed(why, "write", next);
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr) && written == text.size();
    ok = CloseHandle(file) && ok;
    if (!ok || !MoveFileExA(next.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        Failed(why, ok ? "replace" : "write", ok ? to : next);
        DeleteFileA(next.c_str());
        return false;
    }
    return true;
}

bool StageProgram(const Package& package, const std::string& stage, std::string& why) {
    RemoveTree(stage);  // what a failed run may have left
    if (!MakeFolders(stage, why)) return false;
    // The icons too: the program's folder holds the whole package, and the theme a copy.
    for (const std::string& file : package.files) {
        std::string to = stage + "/" + file;
        if (!MakeFolders(Parent(to), why)) return false;
        if (!CopyFileA((package.folder + "/" + file).c_str(), to.c_str(), FALSE)) return Failed(why, "write", to);
    }
    return true;
}

// The new folder takes the old one's place; if that cannot be done, the old one goes back.
bool SwitchTo(const std::string& stage, const std::string& folder, std::string& why) {
    std::string old = folder + ".old";
    RemoveTree(old);
    bool hadOne = Exists(folder);
    if (hadOne && !MoveFileExA(folder.c_str(), old.c_str(), 0)) return Failed(why, "move aside", folder);
    if (!MoveFileExA(stage.c_str(), folder.c_str(), 0)) {
        Failed(why, "move into place", stage);
        if (hadOne) MoveFileExA(old.c_str(), folder.c_str(), 0);
        return false;
    }
    if (hadOne) RemoveTree(old);
    return true;
}

bool InstallCommand(const Package& package, const Places& places, std::string& why) {
    std::string command = places.bin + "/" + ProgramName(package), next = command + ".new";
    std::string program = ProgramFolder(package, places) + "/" + ProgramName(package);
    if (!MakeFolders(places.bin, why)) return false;
    DeleteFileA(next.c_str());
    if (!CreateSymbolicLinkA(next.c_str(), program.c_str(), 0)) return Failed(why, "write", next);
    if (!MoveFileExA(next.c_str(), command.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(next.c_str());
        return Failed(why, "replace", command);
    }
    return true;
}

// The Exec key's quoting: a path with blanks or other special characters goes in double
// quotes with ", `, $ and \ escaped, and the key's own escaping doubles each backslash.
std::string ExecValue(const std::string& path) {
    if (path.find_first_of(" \t\"'\\><~|&;$*?#()`%") == std::string::npos) return path;
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += "\\\\";
        if (c == '%') quoted += '%';
        quoted += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    return quoted + "\"";
}

bool InstallMenuEntry(const Package& package, const Places& places, std::string& why) {
    std::string name = ProgramName(package);
    std::string program = ProgramFolder(package, places) + "/" + name;
    if (program.find_first_of("\r\n") != std::string::npos) {
        why = "The folder " + places.data + " has a line break in its name, which a menu entry cannot hold.";
        return false;
    }
    std::string entry = "[Desktop Entry]\nType=Application\nName=" + package.component + "\nComment=" +
                        package.description + "\nExec=" + ExecValue(program) + "\nIcon=" + name +
                        "\nTerminal=false\nCategories=Education;Electronics;Engineering;\n";
    // Named as the installed system's entry is, so that one replaces the other in menus.
    std::string id = package.appId.empty() ? name : package.appId;
    return WriteIntoPlace(entry, places.data + "/applications/" + id + ".desktop", why);
}

bool InstallIcons(const Package& package, const Places& places, std::string& why) {
    for (const std::string& file : package.files)
        if (IsIcon(file) && !CopyIntoPlace(package.folder + "/" + file, places.data + "/" + file, why)) return false;
    return true;
}

}  // namespace

bool FindPlaces(Places& places, std::string& why) {
    char home[4096], data[4096];
    if (!GetEnvironmentVariableA("HOME", home, sizeof home) || home[0] != '/') {
        why = "HOME does not name your home folder, so there is nowhere to install to.";
        return false;
    }
    // XDG_DATA_HOME counts only as an absolute path, as the base directory rules say.
    bool ownData = GetEnvironmentVariableA("XDG_DATA_HOME", data, sizeof data) && data[0] == '/';
    places.data = ownData ? std::string(data) : std::string(home) + "/.local/share";
    places.bin = std::string(home) + "/.local/bin";
    return true;
}

bool IsInstalled(const Package& package, const Places& places) { return Exists(ProgramFolder(package, places)); }

bool Install(const Package& package, const Places& places, std::string& why) {
    std::string folder = ProgramFolder(package, places), stage = folder + ".new";
    if (!StageProgram(package, stage, why)) {
        RemoveTree(stage);
        return false;
    }
    return SwitchTo(stage, folder, why) && InstallCommand(package, places, why) &&
           InstallMenuEntry(package, places, why) && InstallIcons(package, places, why);
}
