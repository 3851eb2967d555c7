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

}  // namespace test
