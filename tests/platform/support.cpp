#include "support.h"

#include "gdi/gdi.h"
#include "kernel/internal.h"

namespace test {

void PlatformTest::SetUp() {
    platform::ResetWindowSystem();
    HeardCommands().clear();
    auto owned = std::make_unique<ScriptedBackend>();
    backend = owned.get();
    platform::SetBackend(std::move(owned));
}

void PlatformTest::TearDown() {
    platform::SetMessageObserver(nullptr);
    platform::Events() = platform::AutomationEvents{};
    platform::ResetWindowSystem();
    platform::SetBackend(nullptr);
}

HWND CreateDialogFromResource(int id, HWND owner, DLGPROC proc, LPARAM param) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(instance, MAKEINTRESOURCE(id), RT_DIALOG);
    if (!res) return nullptr;
    auto* tmpl = static_cast<LPCDLGTEMPLATE>(LockResource(LoadResource(instance, res)));
    return CreateDialogIndirectParamW(instance, tmpl, owner, proc, param);
}

Commands& HeardCommands() {
    static Commands commands;
    return commands;
}

namespace {
LRESULT CALLBACK ListeningWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_COMMAND) return DefWindowProcW(hwnd, msg, wParam, lParam);
    HeardCommands().push_back({LOWORD(wParam), HIWORD(wParam)});
    return 0;
}
}  // namespace

HWND CreateParentWindow(const char16_t* className, WNDPROC proc) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    return CreateWindowExW(0, className, u"", WS_POPUP | WS_VISIBLE, 0, 26, 240, 268, nullptr, nullptr, nullptr, nullptr);
}

HWND CreateListeningWindow() { return CreateParentWindow(u"ListeningWindow", ListeningWindowProc); }

INT_PTR CALLBACK ListeningDialogProc(HWND, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_COMMAND) HeardCommands().push_back({LOWORD(wParam), HIWORD(wParam)});
    return msg == WM_INITDIALOG;
}

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

POINT CentreOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Pump() { platform::PumpPendingMessages(); }

void TapAt(POINT screen) {
    platform::InjectStylusDown(screen);
    platform::InjectStylusUp(screen);
    Pump();
}

void Tap(HWND hwnd) { TapAt(CentreOf(hwnd)); }

void Type(const std::u16string& text) {
    for (char16_t c : text) platform::InjectCharacter(c);
    Pump();
}

void PressKey(UINT vk) {
    platform::InjectKey(vk, true);
    platform::InjectKey(vk, false);
    Pump();
}

std::u16string TextOf(HWND hwnd) { return platform::WindowTextOf(hwnd); }

uint32_t PixelAt(int x, int y) {
    const auto& fb = platform::Framebuffer();
    return fb.pixels[size_t(y) * size_t(fb.width) + size_t(x)];
}

std::string MessageName(UINT msg) {
    static const std::map<UINT, std::string> names = {
        {WM_CREATE, "WM_CREATE"},         {WM_DESTROY, "WM_DESTROY"},       {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},     {WM_SETFOCUS, "WM_SETFOCUS"},     {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_SETTEXT, "WM_SETTEXT"},       {WM_PAINT, "WM_PAINT"},           {WM_CLOSE, "WM_CLOSE"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_SETTINGCHANGE, "WM_SETTINGCHANGE"}, {WM_SETFONT, "WM_SETFONT"},
        {WM_NOTIFY, "WM_NOTIFY"},         {WM_KEYDOWN, "WM_KEYDOWN"},       {WM_CHAR, "WM_CHAR"},
        {WM_INITDIALOG, "WM_INITDIALOG"}, {WM_COMMAND, "WM_COMMAND"},       {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},   {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"}};
    auto it = names.find(msg);
    return it != names.end() ? it->second : "0x" + std::to_string(msg);
}

MessageLog::MessageLog(std::set<UINT> messages) : messages_(std::move(messages)) {
    platform::SetMessageObserver([this](HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
        auto it = names_.find(hwnd);
        if (it == names_.end() || !messages_.count(msg)) return;
        std::string line = it->second + " " + MessageName(msg);
        if (msg == WM_COMMAND) {
            line += ' ';
            line += std::to_string(LOWORD(wParam));
            line += '/';
            line += std::to_string(HIWORD(wParam));
        }
        lines_.push_back(line);
    });
}

MessageLog::~MessageLog() { platform::SetMessageObserver(nullptr); }

}  // namespace test
