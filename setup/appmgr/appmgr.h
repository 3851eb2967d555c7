// Our Application Manager: it reads a setup.ini and installs the handheld program it
// describes for the person running it, in the folders their desktop looks in.
#pragma once

#include <string>
#include <vector>

// What setup.ini describes: the component, its version and description, and its files
// (paths relative to the folder setup.ini is in).
struct Package {
    std::string folder;
    std::string component;
    std::string version;
    std::string description;
    std::string appId;  // names the menu entry, as the desktop's menus expect (may be empty)
    std::vector<std::string> files;
};

// Where a person's own programs go: XDG_DATA_HOME (the program's folder, its menu entry,
// its icons) and ~/.local/bin (the command that starts it).
struct Places {
    std::string data;
    std::string bin;
};

// Each answers false with a sentence saying why in `why`.
bool ReadPackage(const std::string& setupIni, Package& package, std::string& why);
bool FindPlaces(Places& places, std::string& why);
bool IsInstalled(const Package& package, const Places& places);
// Installs into a new folder and then switches, so a failure leaves an installed copy as
// it was.
bool Install(const Package& package, const Places& places, std::string& why);
// The component's name in small letters: its program's file, its folder and its command.
std::string ProgramName(const Package& package);
std::string ProgramFolder(const Package& package, const Places& places);
