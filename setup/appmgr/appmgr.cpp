// The Application Manager the setup program starts with the path of setup.ini: a window
// that says what it is doing, the re-install question when a copy is installed already,
// and a report of what it did. It ends with 0 once the program is installed.
#include <windows.h>

#include "appmgr.h"

namespace {

constexpr char kClass[] = "ZephtorAppManager";
constexpr char kTitle[] = "Application Manager";
constexpr int kIcon = 101;
constexpr int kInstalled = 0, kNotInstalled = 1;

HWND Window;
std::string Status = "Reading the installation description...";

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT area;
    GetClientRect(hwnd, &area);
    InflateRect(&area, -12, -12);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, Status.c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX);
    EndPaint(hwnd, &ps);
    return 0;
}

void ShowStatus(const std::string& text) {
    Status = text;
    InvalidateRect(Window, nullptr, TRUE);
    UpdateWindow(Window);
}

void OpenWindow(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kIcon));
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    Window = CreateWindowExA(0, kClass, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    ShowWindow(Window, SW_SHOWMAXIMIZED);
    UpdateWindow(Window);
}

// Declining to replace an installed copy is a choice, not a failure, and its icon says so.
int Stop(const std::string& why, UINT icon = MB_ICONERROR) {
    ShowStatus("Nothing was installed.");
    MessageBoxA(Window, why.c_str(), kTitle, MB_OK | icon);
    return kNotInstalled;
}

// The one argument: setup.ini's path, in quotes when it holds blanks.
std::string SetupIniFrom(const char* commandLine) {
    std::string line = commandLine ? commandLine : "";
    if (line.size() >= 2 && line.front() == '"' && line.find('"', 1) == line.size() - 1)
        return line.substr(1, line.size() - 2);
    return line.find_first_of(" \t\"") == std::string::npos ? line : "";
}

std::string Title(const Package& package) { return package.component + " " + package.version; }

bool ReplaceWanted(const Package& package, const Places& places) {
    std::string question = Title(package) + " is installed already, in " + ProgramFolder(package, places) +
                           ".\n\nDo you want to replace it? Your installed copy stays as it is if you say No.";
    return MessageBoxA(Window, question.c_str(), kTitle, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    OpenWindow(instance);
    std::string setupIni = SetupIniFrom(commandLine), why;
    if (setupIni.empty()) return Stop("Give the Application Manager one thing: the path of a setup.ini.");
    Package package;
    Places places;
    if (!ReadPackage(setupIni, package, why) || !FindPlaces(places, why)) return Stop(why);
    if (IsInstalled(package, places) && !ReplaceWanted(package, places))
        return Stop(Title(package) + " was left as it was.", MB_ICONINFORMATION);
    ShowStatus("Installing " + Title(package) + " into " + ProgramFolder(package, places) + "...");
    if (!Install(package, places, why)) return Stop(Title(package) + " could not be installed. " + why);
    std::string done = Title(package) + " is installed in " + ProgramFolder(package, places) +
                       ".\n\nStart it from your desktop's menu, or with the command " + ProgramName(package) + ".";
    ShowStatus(done);
    MessageBoxA(Window, done.c_str(), kTitle, MB_OK | MB_ICONINFORMATION);
    return kInstalled;
}
