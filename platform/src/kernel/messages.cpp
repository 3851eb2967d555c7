// The message queue, sending and dispatching, focus, keyboard state, the clock and
// the default window procedure.
#include <algorithm>
#include <chrono>
#include <deque>
#include <map>

#include "backend/backend.h"
#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "kernel/kernel.h"
#include "shell/shell.h"

namespace platform {
namespace {

struct Messaging {
    std::deque<MSG> queue;
    bool quitPending = false;
    int quitCode = 0;
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND stylusTarget = nullptr;
    std::map<UINT, bool> keysDown;
    MessageObserver observer;
    DWORD virtualClock = 0;
    std::vector<HWND> modalStack;
    bool hostCloseRequested = false;  // sent when the script ended
    bool closeAsked = false;
};

Messaging& State() {
    static Messaging m;
    return m;
}

DWORD Now() {
    if (CurrentBackend().IsHeadless()) return State().virtualClock;
    static const auto start = std::chrono::steady_clock::now();
    return DWORD(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool atFront = false) {
    MSG m{hwnd, msg, wParam, lParam, Now(), {0, 0}};
    if (atFront) State().queue.push_front(m);
    else State().queue.push_back(m);
}

HWND NextWindowToPaint() {
    HWND found = nullptr;
    ForEachWindow([&](Window& w) {
        if (!found && w.hasUpdate && IsVisibleOnScreen(w)) found = w.handle;
    });
    return found;
}

POINT ToClient(HWND hwnd, POINT screen) {
    ScreenToClient(hwnd, &screen);
    return screen;
}

HWND KeyboardTarget() {
    if (State().focus) return State().focus;
    if (!State().modalStack.empty()) return State().modalStack.back();
    return GetForegroundWindow();
}

WCHAR CharacterForKey(UINT vk) {
    bool shift = State().keysDown[VK_SHIFT];
    bool control = State().keysDown[VK_CONTROL];
    if (vk >= 'A' && vk <= 'Z') {
        if (control) return WCHAR(vk - 'A' + 1);
        return shift ? WCHAR(vk) : WCHAR(vk - 'A' + 'a');
    }
    if (control) return 0;
    if (vk >= '0' && vk <= '9') return WCHAR(vk);
    switch (vk) {
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_RETURN: return 13;
    case VK_ESCAPE: return 27;
    case VK_SPACE: return u' ';
    default: return 0;
    }
}

}  // namespace

std::vector<HWND>& ModalStack() { return State().modalStack; }

bool CloseAsked() { return State().closeAsked; }

AutomationEvents& Events() {
    static AutomationEvents events;
    return events;
}

void SetMessageObserver(MessageObserver observer) { State().observer = std::move(observer); }

void AdvanceClock(DWORD ms) { State().virtualClock += ms; }

void ResetMessaging() {
    auto& s = State();
    s.queue.clear();
    s.quitPending = false;
    s.quitCode = 0;
    s.focus = s.capture = s.stylusTarget = nullptr;
    s.keysDown.clear();
    s.modalStack.clear();
    s.hostCloseRequested = false;
    s.closeAsked = false;
}

void DropQueuedMessagesFor(HWND hwnd) {
    auto& q = State().queue;
    q.erase(std::remove_if(q.begin(), q.end(), [&](const MSG& m) { return m.hwnd == hwnd; }), q.end());
    if (State().stylusTarget == hwnd) State().stylusTarget = nullptr;
}

HWND SetFocusInternal(HWND hwnd) {
    auto& s = State();
    HWND old = s.focus;
    if (old == hwnd) return old;
    s.focus = hwnd;
    if (old && Find(old)) SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && Find(hwnd) && s.focus == hwnd) SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

bool AnythingToPaint() { return AnyFrameDirty() || NextWindowToPaint() != nullptr; }

void PaintAll() {
    PaintDirtyFrames();
    // A window whose handler does not validate is painted once, not forever.
    for (int guard = 0; guard < 10000; ++guard) {
        HWND h = NextWindowToPaint();
        if (!h) break;
        SendMessageW(h, WM_PAINT, 0, 0);
        if (Window* w = Find(h)) w->hasUpdate = false;
    }
}

void SetKeyState(UINT vk, bool down) { State().keysDown[vk] = down; }

// The key state a handler sees is the state as of the message it handles, not as of
// the keys pressed since (Ctrl pressed and released before X is handled still counts).
void TrackKeyState(const MSG& msg) {
    if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) State().keysDown[UINT(msg.wParam)] = msg.message == WM_KEYDOWN;
}

void PumpPendingMessages() {
    auto& s = State();
    while (!s.queue.empty() || AnythingToPaint()) {
        if (s.queue.empty()) {
            PaintAll();
            continue;
        }
        MSG msg = s.queue.front();
        s.queue.pop_front();
        TrackKeyState(msg);
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void InjectStylusDown(POINT screen) {
    auto& s = State();
    if (!s.capture && PopupSwallowsTap(screen)) return;
    HWND target = s.capture ? s.capture : WindowAtPoint(screen);
    s.stylusTarget = target;
    s.keysDown[VK_LBUTTON] = true;
    if (!target) return;
    POINT c = ToClient(target, screen);
    Post(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
}

void InjectStylusMove(POINT screen) {
    auto& s = State();
    HWND target = s.capture ? s.capture : s.stylusTarget;
    if (!target || !Find(target)) return;
    POINT c = ToClient(target, screen);
    Post(target, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(c.x, c.y));
}

void InjectStylusUp(POINT screen) {
    auto& s = State();
    // The pen belongs to the window it went down on until it is lifted.
    HWND target = s.capture ? s.capture : s.stylusTarget;
    s.stylusTarget = nullptr;
    s.keysDown[VK_LBUTTON] = false;
    if (!target || !Find(target)) return;
    POINT c = ToClient(target, screen);
    Post(target, WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
}

// A key with no window to go to is still queued, so that the key state follows it.
void InjectKey(UINT vk, bool down) {
    Post(KeyboardTarget(), down ? WM_KEYDOWN : WM_KEYUP, vk, down ? 1 : LPARAM(0xC0000001));
}

void InjectCharacter(WCHAR ch) {
    HWND target = KeyboardTarget();
    if (!target) return;
    Post(target, WM_KEYDOWN, VK_PACKET, LPARAM(DWORD(ch) << 16 | 1));
    Post(target, WM_KEYUP, VK_PACKET, LPARAM(DWORD(ch) << 16 | 1));
}

void RequestHostClose() {
    State().closeAsked = true;
    HWND main = ApplicationMainWindow();
    // On the desktop the host window is the screen: closing it is closing the window in
    // front, as its own close box would (a dialog then cancels).
    if (IsDesktop()) {
        HWND front = !ModalStack().empty() ? ModalStack().back() : main;
        if (front) Post(front, WM_CLOSE, 0, 0);
        else PostQuitMessage(0);
        return;
    }
    // The handheld's close button takes the program's own exit path: command OK on the
    // main window lowers the input panel and closes.
    if (main) Post(main, WM_COMMAND, IDOK, 0);
    else PostQuitMessage(0);
}

}  // namespace platform

using namespace platform;

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc) return 0;
    return proc(hwnd, msg, wParam, lParam);
}

LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (State().observer) State().observer(hwnd, msg, wParam, lParam);
    return CallWindowProcW(w->proc, hwnd, msg, wParam, lParam);
}

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageW(item, msg, wParam, lParam) : 0;
}

BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !Find(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    Post(hwnd, msg, wParam, lParam);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    State().quitPending = true;
    State().quitCode = exitCode;
}

BOOL GetMessageW(LPMSG msg, HWND, UINT, UINT) {
    auto& s = State();
    for (;;) {
        if (!s.queue.empty()) {
            *msg = s.queue.front();
            s.queue.pop_front();
            TrackKeyState(*msg);
            return TRUE;
        }
        if (s.quitPending) {
            s.quitPending = false;
            *msg = MSG{nullptr, WM_QUIT, WPARAM(s.quitCode), 0, Now(), {0, 0}};
            return FALSE;
        }
        // Frames are the window system's own to draw; they come before the client areas.
        PaintDirtyFrames();
        if (HWND h = NextWindowToPaint()) {
            *msg = MSG{h, WM_PAINT, 0, 0, Now(), {0, 0}};
            return TRUE;
        }
        CurrentBackend().Present(Framebuffer());
        if (!CurrentBackend().WaitForInput()) {
            if (s.hostCloseRequested) {
                // The program did not end when asked to; nothing more can happen.
                PostQuitMessage(0);
                continue;
            }
            s.hostCloseRequested = true;
            RequestHostClose();
        }
    }
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || msg->message != WM_KEYDOWN) return FALSE;
    WCHAR ch = msg->wParam == VK_PACKET ? WCHAR(HIWORD(msg->lParam)) : CharacterForKey(UINT(msg->wParam));
    // A key-down counts as translated whether or not it makes a character.
    if (!ch) return TRUE;
    Post(msg->hwnd, WM_CHAR, ch, msg->lParam, true);
    return TRUE;
}

LRESULT DispatchMessageW(const MSG* msg) {
    if (!msg || !msg->hwnd) return 0;
    if (msg->message == WM_PAINT) {
        LRESULT r = SendMessageW(msg->hwnd, WM_PAINT, 0, 0);
        if (Window* w = Find(msg->hwnd)) w->hasUpdate = false;
        return r;
    }
    return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

HWND SetFocus(HWND hwnd) {
    if (hwnd) {
        Window* w = Find(hwnd);
        if (!w) return nullptr;
        for (Window* p = w; p; p = p->parent ? Find(p->parent) : nullptr)
            if (p->style & WS_DISABLED) return nullptr;
    }
    return SetFocusInternal(hwnd);
}

HWND GetFocus() { return State().focus; }

HWND SetCapture(HWND hwnd) {
    HWND old = State().capture;
    State().capture = Find(hwnd) ? hwnd : nullptr;
    return old;
}

BOOL ReleaseCapture() {
    State().capture = nullptr;
    return TRUE;
}

HWND GetCapture() { return State().capture; }

SHORT GetKeyState(int virtKey) { return State().keysDown[UINT(virtKey)] ? SHORT(0x8000) : SHORT(0); }

DWORD GetTickCount() { return Now(); }

LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SETTEXT:
        w->text = lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string();
        InvalidateRect(hwnd, nullptr, TRUE);
        // The navigation bar shows the title of the program in front.
        if (!w->parent) ShellWindowsChanged();
        return TRUE;
    case WM_GETTEXT: {
        auto* out = reinterpret_cast<LPWSTR>(lParam);
        if (!out || wParam == 0) return 0;
        size_t n = std::min(w->text.size(), size_t(wParam) - 1);
        std::copy_n(w->text.data(), n, out);
        out[n] = 0;
        return LRESULT(n);
    }
    case WM_GETTEXTLENGTH:
        return LRESULT(w->text.size());
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        HBRUSH brush = w->cls->background;
        if (!brush) return 0;
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORLISTBOX: {
        // Fields and lists are the window colour; the rest stand on the face colour (the
        // two are the same on the handheld, white).
        int background = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX ? COLOR_WINDOW : COLOR_BTNFACE;
        HDC hdc = reinterpret_cast<HDC>(wParam);
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(hdc, GetSysColor(background));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(hwnd);
        return 0;
    default:
        return 0;
    }
}
