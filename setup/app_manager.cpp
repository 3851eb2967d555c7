// The hand-over to ActiveSync's Application Manager, which installs the program on the
// device from the setup.ini in the folder Setup runs from: Setup only finds it and starts it.
#include <cstring>

#include "setup.h"
#include "text.h"

namespace {

constexpr char kAppManagerKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAPPMGR.EXE";
constexpr char kFolderTooLong[] =
    "The folder Setup runs from has a name too long to pass to the Application Manager. "
    "Setup cannot continue and will now exit.";
constexpr int kPathSize = 512;

void WarnAboutReinstalling() {
    MessageBoxA(nullptr,
                "If you have a previous version of this software installed on your device, you will twice see a "
                "message asking you\nif you want to proceed with the re-install/upgrade, once on your PC and once on "
                "your device.\n\nClick YES both times and the previous installation will be overwritten.",
                "IMPORTANT!!", MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
}

// Says why Setup stops; always false, for the caller to pass on.
bool Refuse(const char* why) {
    MessageBoxA(nullptr, why, "Setup", MB_OK);
    return false;
}

// Text comes with its terminator; anything else, or empty text, names no program.
bool IsProgramPath(DWORD type, const char* data, DWORD size) {
    return type == REG_SZ && size > 0 && std::memchr(data, 0, size) && data[0];
}

bool FindApplicationManager(char (&path)[kPathSize]) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppManagerKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return Refuse("Microsoft ActiveSync not found on this computer. Setup cannot continue and will now exit.");
    DWORD type = 0, size = sizeof path;
    LONG read = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(path), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || !IsProgramPath(type, path, size))
        return Refuse("Unable to locate CeAppMgr.exe. Setup cannot continue and will now exit.");
    return true;
}

// File names here are case sensitive, so the folder is passed on as it is.
bool FindSetupFolder(char (&folder)[kPathSize]) {
    DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
    if (length == 0)
        return Refuse("Setup cannot tell which folder it runs from. Setup cannot continue and will now exit.");
    if (length >= sizeof folder) return Refuse(kFolderTooLong);
    return true;
}

// Too long a command line is blamed on the Application Manager's path when that leaves
// no room for even the shortest folder, else on the folder.
bool RefuseTooLong(const char* appManager) {
    char shortest[kPathSize];
    if (!JoinInto(shortest, {"\"", appManager, "\" \"/setup.ini\""}))
        return Refuse("The path of the Application Manager is too long for the command line that starts it. "
                      "Setup cannot continue and will now exit.");
    return Refuse(kFolderTooLong);
}

// A double quote in either name would end its argument early, and a cut command line
// would name another file, so Setup stops rather than start the wrong thing.
bool ComposeCommandLine(const char* appManager, const char* folder, char (&line)[kPathSize]) {
    if (std::strchr(appManager, '"'))
        return Refuse("The path of the Application Manager contains a double quote, which cannot be passed on its "
                      "command line. Setup cannot continue and will now exit.");
    if (std::strchr(folder, '"'))
        return Refuse("The name of the folder Setup runs from contains a double quote, which cannot be passed to "
                      "the Application Manager. Setup cannot continue and will now exit.");
    size_t length = std::strlen(folder);
    const char* separator = length > 0 && folder[length - 1] == '/' ? "" : "/";
    if (!JoinInto(line, {"\"", appManager, "\" \"", folder, separator, "setup.ini\""})) return RefuseTooLong(appManager);
    return true;
}

}  // namespace

bool HandOverToApplicationManager() {
    WarnAboutReinstalling();
    char appManager[kPathSize], folder[kPathSize], commandLine[kPathSize];
    if (!FindApplicationManager(appManager) || !FindSetupFolder(folder) ||
        !ComposeCommandLine(appManager, folder, commandLine))
        return false;
    // WinExec answers 32 or more once the program has started.
    if (WinExec(commandLine, SW_SHOW) < 32)
        return Refuse("Setup could not start the Application Manager. Setup cannot continue and will now exit.");
    return true;
}
