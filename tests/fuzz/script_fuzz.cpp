// The script reader and command parser: any script, carried out on a window of the common
// controls (one of which opens a message box), runs to its end or is refused with an
// error, never a crash or a hang. A refusal ends the run here instead of the process.
#include <sys/mman.h>
#include <unistd.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string_view>

#include "automation/driver.h"
#include "backend/headless.h"
#include "kernel/internal.h"

namespace {

struct Refused {};

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && LOWORD(wParam) == 3) MessageBoxW(hwnd, u"Text", u"Caption", MB_YESNO);
    if (msg == WM_CLOSE) PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND Child(HWND parent, const char16_t* cls, DWORD style, int id, int x, int y, int w, int h) {
    return CreateWindowExW(0, cls, u"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(intptr_t(id)), nullptr, nullptr);
}

void CreateControls() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.lpszClassName = u"FuzzHost";
    RegisterClassW(&wc);
    HWND host = CreateWindowExW(0, u"FuzzHost", u"", WS_POPUP | WS_VISIBLE, 0, 26, 240, 268, nullptr, nullptr, nullptr, nullptr);
    Child(host, u"Edit", WS_BORDER | ES_AUTOHSCROLL, 1, 4, 4, 100, 20);
    Child(host, u"Edit", WS_BORDER | ES_MULTILINE | WS_VSCROLL, 2, 110, 4, 120, 40);
    Child(host, u"Button", BS_PUSHBUTTON, 3, 4, 30, 60, 20);
    Child(host, u"Button", BS_AUTOCHECKBOX, 4, 70, 30, 30, 20);
    HWND list = Child(host, u"ListBox", LBS_NOTIFY | WS_VSCROLL, 5, 4, 56, 100, 60);
    HWND combo = Child(host, u"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 6, 110, 56, 100, 80);
    for (const char16_t* item : {u"one", u"two", u"three", u"four", u"five", u"six", u"seven"}) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    HWND tabs = Child(host, WC_TABCONTROLW, 0, 7, 4, 120, 230, 30);
    HWND view = Child(host, WC_LISTVIEWW, LVS_REPORT, 8, 4, 155, 230, 100);
    for (int i = 0; i < 3; ++i) {
        WCHAR text[] = u"item";
        TCITEMW tab{TCIF_TEXT, 0, 0, text, 0, 0, 0};
        LVCOLUMNW column{LVCF_TEXT | LVCF_WIDTH, 0, 70, text, 0, i};
        LVITEMW row{LVIF_TEXT, i, 0, 0, 0, text, 0, 0, 0};
        SendMessageW(tabs, TCM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&tab));
        SendMessageW(view, LVM_INSERTCOLUMNW, WPARAM(i), reinterpret_cast<LPARAM>(&column));
        SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A script may name a file to write; the fuzzer writes none.
    if (std::string_view(reinterpret_cast<const char*>(data), size).find("screenshot") != std::string_view::npos) return -1;
    int fd = memfd_create("script", MFD_CLOEXEC);
    if (fd < 0 || write(fd, data, size) != ssize_t(size) || lseek(fd, 0, SEEK_SET) != 0) __builtin_trap();
    platform::ResetWindowSystem();
    platform::LineReader reader(fd);
    std::ostringstream out, err;
    platform::ScriptDriver driver(reader, out, err, [] { throw Refused{}; });
    platform::SetBackend(std::make_unique<platform::HeadlessBackend>(&driver));
    CreateControls();
    try {
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    } catch (const Refused&) {
    }
    platform::ResetWindowSystem();
    platform::SetBackend(nullptr);
    platform::Events() = platform::AutomationEvents{};
    close(fd);
    return 0;
}
