// Window handles, classes, the window tree, z-order, geometry and text.
#include "kernel/kernel.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "backend/backend.h"
#include "gdi/gdi.h"
#include "kernel/internal.h"

namespace platform {
namespace {

struct WindowSystem {
    std::unordered_map<uintptr_t, std::unique_ptr<Window>> windows;
    std::vector<WindowClass*> classOrder;
    std::map<std::u16string, std::unique_ptr<WindowClass>> classes;
    std::vector<HWND> topLevels;  // front is the top
    uintptr_t nextHandle = 0x10000;
    HWND mainWindow = nullptr;
    HWND foreground = nullptr;
    DWORD lastError = 0;
    bool builtinsRegistered = false;
};

WindowSystem& System() {
    static WindowSystem system;
    return system;
}

std::u16string Upper(std::u16string s) {
    for (auto& c : s)
        if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
    return s;
}

void EnsureBuiltinClasses() {
    auto& sys = System();
    if (sys.builtinsRegistered) return;
    sys.builtinsRegistered = true;
    RegisterBuiltinClasses();
}

std::vector<HWND>& SiblingList(Window& w) {
    if (w.parent) return Get(w.parent).children;
    return System().topLevels;
}

bool IsTopmost(HWND h) { return (Get(h).exStyle & WS_EX_TOPMOST) != 0; }

void InsertTopLevel(HWND h, bool atTop) {
    auto& list = System().topLevels;
    list.erase(std::remove(list.begin(), list.end(), h), list.end());
    if (IsTopmost(h)) {
        list.insert(atTop ? list.begin() : std::find_if(list.begin(), list.end(), [](HWND o) { return !IsTopmost(o); }), h);
        return;
    }
    auto firstNormal = std::find_if(list.begin(), list.end(), [](HWND o) { return !IsTopmost(o); });
    list.insert(atTop ? firstNormal : list.end(), h);
}

// An owned window always lies above its owner: after raising a window, raise what it owns.
void RaiseOwnedAbove(HWND owner) {
    std::vector<HWND> owned;
    for (HWND h : System().topLevels)
        if (Get(h).owner == owner && !IsTopmost(h)) owned.push_back(h);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        InsertTopLevel(*it, true);
        RaiseOwnedAbove(*it);
    }
}

void PlaceInZOrder(Window& w, HWND insertAfter) {
    auto& list = SiblingList(w);
    if (!w.parent) {
        if (insertAfter == HWND_TOPMOST) w.exStyle |= WS_EX_TOPMOST;
        if (insertAfter == HWND_NOTOPMOST) w.exStyle &= ~DWORD(WS_EX_TOPMOST);
        if (insertAfter == HWND_BOTTOM) {
            // A topmost window sent to the bottom stops being topmost.
            w.exStyle &= ~DWORD(WS_EX_TOPMOST);
            InsertTopLevel(w.handle, false);
        } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
            InsertTopLevel(w.handle, true);
            RaiseOwnedAbove(w.handle);
        } else {
            list.erase(std::remove(list.begin(), list.end(), w.handle), list.end());
            auto it = std::find(list.begin(), list.end(), insertAfter);
            list.insert(it == list.end() ? list.end() : it + 1, w.handle);
        }
        return;
    }
    list.erase(std::remove(list.begin(), list.end(), w.handle), list.end());
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        list.insert(list.begin(), w.handle);
    } else if (insertAfter == HWND_BOTTOM) {
        list.push_back(w.handle);
    } else {
        auto it = std::find(list.begin(), list.end(), insertAfter);
        list.insert(it == list.end() ? list.end() : it + 1, w.handle);
    }
}

// The window fills the desktop, its frame beyond the edges.
void Maximize(Window& w) {
    if (w.maximized) return;
    w.maximized = true;
    RECT screen = ScreenBounds();
    SetWindowPos(w.handle, nullptr, 0, 0, screen.right, screen.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT DefaultDesktopPlace() {
    SIZE screen = ScreenSize();
    return RECT{screen.cx / 16, screen.cy / 16, screen.cx * 3 / 4, screen.cy * 3 / 4};
}

void InvalidateTree(Window& w) {
    RECT all{0, 0, 1 << 16, 1 << 16};
    AddUpdate(w, all, true);
    w.frameDirty = true;
    for (HWND c : w.children) InvalidateTree(Get(c));
}

void ReleaseFocusWithin(HWND h) {
    HWND focus = GetFocus();
    if (focus && (focus == h || IsDescendant(h, focus))) SetFocusInternal(nullptr);
    if (GetCapture() && (GetCapture() == h || IsDescendant(h, GetCapture()))) ReleaseCapture();
}

void SendDestroyMessages(HWND h) {
    Window* w = Find(h);
    if (!w) return;
    SendMessageW(h, WM_DESTROY, 0, 0);
    w = Find(h);
    if (!w) return;
    std::vector<HWND> kids = w->children;
    for (HWND c : kids) SendDestroyMessages(c);
}

void FreeTree(HWND h) {
    Window* w = Find(h);
    if (!w) return;
    std::vector<HWND> kids = w->children;
    for (HWND c : kids) FreeTree(c);
    auto& sys = System();
    if (sys.foreground == h) sys.foreground = nullptr;
    if (sys.mainWindow == h) sys.mainWindow = nullptr;
    DropQueuedMessagesFor(h);
    sys.windows.erase(reinterpret_cast<uintptr_t>(h));
}

}  // namespace

Window* Find(HWND hwnd) {
    auto& sys = System();
    auto it = sys.windows.find(reinterpret_cast<uintptr_t>(hwnd));
    return it == sys.windows.end() ? nullptr : it->second.get();
}

Window& Get(HWND hwnd) { return *Find(hwnd); }

bool IsVisibleOnScreen(const Window& w) {
    for (const Window* p = &w; p; p = p->parent ? Find(p->parent) : nullptr)
        if (!(p->style & WS_VISIBLE)) return false;
    return true;
}

namespace {
// The window's own top-left corner on the screen.
POINT WindowOrigin(const Window& w) {
    POINT p{w.rect.left, w.rect.top};
    if (w.parent) {
        POINT o = ScreenOrigin(Get(w.parent));
        p.x += o.x;
        p.y += o.y;
    }
    return p;
}

constexpr int kCaptionHeight = 19;  // the bar and the line beneath it

int FrameThickness(DWORD style, bool dialog) {
    if (style & WS_THICKFRAME) return 4;
    if ((style & WS_DLGFRAME) || (dialog && (style & DS_MODALFRAME))) return 3;
    return (style & WS_BORDER) ? 1 : 0;
}
}  // namespace

RECT FrameInsetsFor(DWORD style, bool dialog) {
    if (!IsDesktop() || (style & WS_CHILD)) return RECT{0, 0, 0, 0};
    int frame = FrameThickness(style, dialog);
    int caption = (style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0;
    return RECT{frame, frame + caption, frame, frame};
}

RECT FrameInsets(const Window& w) {
    // Every drawing asks this of each window above it: the handheld's answer comes first.
    if (w.parent || w.shellChrome || !IsDesktop()) return RECT{0, 0, 0, 0};
    RECT insets = FrameInsetsFor(w.style, IsDialogWindow(w));
    // A maximised window's frame lies beyond the screen's edges; its caption stays.
    if (w.maximized) insets = RECT{0, insets.top - insets.left, 0, 0};
    return insets;
}

POINT ScreenOrigin(const Window& w) {
    POINT p = WindowOrigin(w);
    RECT insets = FrameInsets(w);
    return POINT{p.x + insets.left, p.y + insets.top};
}

RECT ScreenRect(const Window& w) {
    POINT o = WindowOrigin(w);
    return RECT{o.x, o.y, o.x + (w.rect.right - w.rect.left), o.y + (w.rect.bottom - w.rect.top)};
}

RECT ClientScreenRect(const Window& w) {
    RECT r = ScreenRect(w), insets = FrameInsets(w);
    return RECT{r.left + insets.left, r.top + insets.top, std::max(r.left + insets.left, r.right - insets.right),
                std::max(r.top + insets.top, r.bottom - insets.bottom)};
}

bool HasFrame(const Window& w) {
    RECT insets = FrameInsets(w);
    return insets.left || insets.top || insets.right || insets.bottom;
}

RECT ScreenBounds() {
    SIZE size = ScreenSize();
    return RECT{0, 0, size.cx, size.cy};
}

HWND RootOwnerOf(HWND hwnd) {
    Window* w = Find(hwnd);
    while (w && w->parent) w = Find(w->parent);
    while (w && w->owner) w = Find(w->owner);
    return w ? w->handle : nullptr;
}

const std::vector<HWND>& TopLevelZOrder() { return System().topLevels; }

void ForEachWindow(const std::function<void(Window&)>& fn) {
    std::vector<HWND> order;
    std::function<void(HWND)> walk = [&](HWND h) {
        order.push_back(h);
        for (HWND c : Get(h).children) walk(c);
    };
    auto tops = System().topLevels;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) walk(*it);
    for (HWND h : order)
        if (Window* w = Find(h)) fn(*w);
}

bool IsDescendant(HWND ancestor, HWND hwnd) {
    for (Window* w = Find(hwnd); w && w->parent; w = Find(w->parent))
        if (w->parent == ancestor) return true;
    return false;
}

HWND ApplicationMainWindow() { return System().mainWindow; }

namespace {
// A static control lets taps through to what lies beneath unless it asked for them.
bool IsTransparentToTaps(const Window& w) { return w.cls->name == u"Static" && !(w.style & SS_NOTIFY); }

HWND DeepestChildAt(HWND h, POINT screen) {
    Window& w = Get(h);
    for (HWND c : w.children) {
        Window& cw = Get(c);
        if (!(cw.style & WS_VISIBLE) || IsTransparentToTaps(cw)) continue;
        RECT r = ScreenRect(cw);
        if (PtInRect(&r, screen)) {
            if (cw.style & WS_DISABLED) return nullptr;
            return DeepestChildAt(c, screen);
        }
    }
    return h;
}
}  // namespace

HWND WindowAtPoint(POINT screen) {
    auto& modal = ModalStack();
    for (HWND h : System().topLevels) {
        Window& w = Get(h);
        if (!(w.style & WS_VISIBLE)) continue;
        RECT r = ScreenRect(w);
        if (!PtInRect(&r, screen)) continue;
        // While a modal window runs its loop, only it and the input panel take taps.
        if (!modal.empty() && h != modal.back() && !w.shellChrome) return nullptr;
        if (!modal.empty() && w.shellChrome && !IsInputPanel(h)) return nullptr;
        if (w.style & WS_DISABLED) return nullptr;
        return DeepestChildAt(h, screen);
    }
    return nullptr;
}

void InvalidateScreenArea(const RECT& screenRect) {
    if (IsDesktop()) UncoverDesktop(screenRect);
    ForEachWindow([&](Window& w) {
        if (!IsVisibleOnScreen(w)) return;
        RECT whole = ScreenRect(w), sr = ClientScreenRect(w), hit;
        if (HasFrame(w) && IntersectRect(&hit, &whole, &screenRect)) w.frameDirty = true;
        if (!IntersectRect(&hit, &sr, &screenRect)) return;
        OffsetRect(&hit, -sr.left, -sr.top);
        AddUpdate(w, hit, true);
    });
}

void AddUpdate(Window& w, const RECT& rect, bool erase) {
    RECT client = ClientScreenRect(w);
    RECT clipped, all{0, 0, client.right - client.left, client.bottom - client.top};
    if (!IntersectRect(&clipped, &rect, &all)) return;
    RECT merged = clipped;
    if (w.hasUpdate) UnionRect(&merged, &w.update, &clipped);
    w.update = merged;
    w.hasUpdate = true;
    w.eraseUpdate = w.eraseUpdate || erase;
}

void ResetWindowSystem() {
    auto& sys = System();
    sys.windows.clear();
    sys.topLevels.clear();
    sys.classes.clear();
    sys.classOrder.clear();
    sys.mainWindow = nullptr;
    sys.foreground = nullptr;
    sys.builtinsRegistered = false;
    sys.lastError = 0;
    ModalStack().clear();
    RefuseListViewInsertionsBeyond(-1);
    ResetMessaging();
    ResetShell();
    ResetGdi();
}

void RegisterSystemClass(const char16_t* name, WNDPROC proc, HBRUSH background) {
    auto cls = std::make_unique<WindowClass>();
    cls->name = name;
    cls->proc = proc;
    cls->background = background;
    System().classes[Upper(name)] = std::move(cls);
}

}  // namespace platform

using namespace platform;

DWORD GetLastError() { return System().lastError; }
void SetLastError(DWORD error) { System().lastError = error; }

ATOM RegisterClassW(const WNDCLASSW* wc) {
    EnsureBuiltinClasses();
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc) return 0;
    auto key = Upper(wc->lpszClassName);
    auto& classes = System().classes;
    if (classes.count(key)) return 0;
    auto cls = std::make_unique<WindowClass>();
    cls->name = wc->lpszClassName;
    cls->proc = wc->lpfnWndProc;
    cls->style = wc->style;
    cls->background = wc->hbrBackground;
    cls->icon = wc->hIcon;
    cls->instance = wc->hInstance;
    classes[key] = std::move(cls);
    return ATOM(0xC000 + classes.size());
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) {
    return System().classes.erase(Upper(className)) ? TRUE : FALSE;
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    EnsureBuiltinClasses();
    auto& sys = System();
    auto clsIt = sys.classes.find(Upper(className ? className : u""));
    if (clsIt == sys.classes.end()) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    bool child = (style & WS_CHILD) != 0;
    if (child && !Find(parent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    auto window = std::make_unique<Window>();
    Window& w = *window;
    w.handle = reinterpret_cast<HWND>(sys.nextHandle);
    sys.nextHandle += 4;
    w.cls = clsIt->second.get();
    w.proc = w.cls->proc;
    w.style = style & ~DWORD(WS_VISIBLE);
    w.exStyle = exStyle;
    if (child) {
        w.parent = parent;
        w.id = int(reinterpret_cast<uintptr_t>(menu));
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = height = 0;
    } else {
        w.owner = parent ? RootTopLevel(parent) : nullptr;
        // The handheld gives a window its work area; a desktop, a place near its corner.
        RECT area = IsDesktop() ? DefaultDesktopPlace() : kWorkArea;
        if (x == CW_USEDEFAULT) {
            x = area.left;
            y = area.top;
        }
        if (width == CW_USEDEFAULT) {
            width = area.right - area.left;
            height = area.bottom - area.top;
        }
    }
    w.rect = RECT{x, y, x + width, y + height};
    if (windowName) w.text = AdoptWindowName(windowName);
    HWND h = w.handle;
    sys.windows[reinterpret_cast<uintptr_t>(h)] = std::move(window);
    if (child) Get(parent).children.push_back(h);
    else InsertTopLevel(h, true);
    if (!child && !w.owner && !w.shellChrome && !sys.mainWindow && w.cls->instance) sys.mainWindow = h;

    CREATESTRUCTW cs{param, instance, menu, parent, height, width, y, x, LONG(style), windowName, className, exStyle};
    if (SendMessageW(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(h);
        return nullptr;
    }
    if (!Find(h)) return nullptr;
    if (style & WS_VISIBLE) ShowWindow(h, SW_SHOW);
    return h;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w || w->destroying) return FALSE;
    w->destroying = true;
    if (w->style & WS_VISIBLE) ShowWindow(hwnd, SW_HIDE);
    if (!w->parent) {
        std::vector<HWND> owned;
        for (HWND h : System().topLevels)
            if (Get(h).owner == hwnd) owned.push_back(h);
        for (HWND h : owned) DestroyWindow(h);
    }
    ReleaseFocusWithin(hwnd);
    SendDestroyMessages(hwnd);
    w = Find(hwnd);
    if (!w) return TRUE;
    ReleaseFocusWithin(hwnd);
    auto& list = SiblingList(*w);
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
    FreeTree(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return Find(hwnd) ? TRUE : FALSE; }

BOOL ShowWindow(HWND hwnd, int cmd) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if (cmd == SW_HIDE) {
        if (!wasVisible) return FALSE;
        SendMessageW(hwnd, WM_SHOWWINDOW, FALSE, 0);
        if (!(w = Find(hwnd))) return TRUE;
        bool onScreen = IsVisibleOnScreen(*w);
        w->style &= ~DWORD(WS_VISIBLE);
        if (onScreen) InvalidateScreenArea(ScreenRect(*w));
        ReleaseFocusWithin(hwnd);
        // Another screen may now be in front: the navigation bar speaks for it.
        ShellWindowsChanged();
        return TRUE;
    }
    if (cmd == SW_SHOWMAXIMIZED && !w->parent && IsDesktop()) Maximize(*w);
    if (!wasVisible) {
        SendMessageW(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!(w = Find(hwnd))) return FALSE;
        w->style |= WS_VISIBLE;
        InvalidateTree(*w);
    }
    // Showing a top-level window normally activates it, which raises it to the top.
    if (!w->parent && cmd != SW_SHOWNA && !w->shellChrome) {
        PlaceInZOrder(*w, HWND_TOP);
        System().foreground = hwnd;
        InvalidateTree(*w);
    }
    ShellWindowsChanged();
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* w = Find(hwnd);
    return w && IsVisibleOnScreen(*w) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable) w->style &= ~DWORD(WS_DISABLED);
    else w->style |= WS_DISABLED;
    if (wasDisabled == !enable) return wasDisabled;
    if (!enable) ReleaseFocusWithin(hwnd);
    SendMessageW(hwnd, WM_ENABLE, enable, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = Find(hwnd);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    bool onScreen = IsVisibleOnScreen(*w);
    RECT before = ScreenRect(*w);
    RECT r = w->rect;
    if (!(flags & SWP_NOMOVE)) OffsetRect(&r, x - r.left, y - r.top);
    if (!(flags & SWP_NOSIZE)) {
        r.right = r.left + std::max(0, cx);
        r.bottom = r.top + std::max(0, cy);
    }
    bool resized = (r.right - r.left) != (w->rect.right - w->rect.left) ||
                   (r.bottom - r.top) != (w->rect.bottom - w->rect.top);
    bool moved = r.left != w->rect.left || r.top != w->rect.top;
    w->rect = r;
    std::vector<HWND> siblingsBefore = SiblingList(*w);
    if (!(flags & SWP_NOZORDER)) PlaceInZOrder(*w, insertAfter);
    // A window that goes down the z-order uncovers what it covered of the windows it passes.
    bool reordered = SiblingList(*w) != siblingsBefore;
    bool redraw = !(flags & SWP_NOREDRAW);
    if (redraw && onScreen && (moved || resized || reordered)) InvalidateScreenArea(before);
    if (redraw && (moved || resized || !(flags & SWP_NOZORDER))) InvalidateTree(*w);
    if (resized) SendMessageW(hwnd, WM_SIZE, 0, MAKELPARAM(r.right - r.left, r.bottom - r.top));
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    ShellWindowsChanged();
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    Window* w = Find(hwnd);
    if (!w || !rect) return FALSE;
    *rect = ScreenRect(*w);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    Window* w = Find(hwnd);
    if (!w || !rect) return FALSE;
    RECT client = ClientScreenRect(*w);
    *rect = RECT{0, 0, client.right - client.left, client.bottom - client.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
    Window* w = Find(hwnd);
    if (!w || !point) return FALSE;
    POINT o = ScreenOrigin(*w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
    Window* w = Find(hwnd);
    if (!w || !point) return FALSE;
    POINT o = ScreenOrigin(*w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

HWND GetParent(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w) return nullptr;
    return w->parent ? w->parent : w->owner;
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* w = Find(dialog);
    if (!w) return nullptr;
    for (HWND c : w->children)
        if (LOWORD(Get(c).id) == LOWORD(id)) return c;
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = Find(hwnd);
    return w ? w->id : 0;
}

HWND FindWindowW(LPCWSTR className, LPCWSTR windowName) {
    EnsureBuiltinClasses();
    for (HWND h : System().topLevels) {
        Window& w = Get(h);
        if (className && Upper(w.cls->name) != Upper(className)) continue;
        if (windowName && w.text != windowName) continue;
        return h;
    }
    if (className && windowName) return FindWindowInOtherInstance(className, windowName);
    return nullptr;
}

BOOL SetForegroundWindow(HWND hwnd) {
    uintptr_t value = reinterpret_cast<uintptr_t>(hwnd);
    bool withOwned = value & 1;
    HWND target = reinterpret_cast<HWND>(value & ~uintptr_t(1));
    if (IsOtherInstanceWindow(target)) return BringOtherInstanceForward(target) ? TRUE : FALSE;
    Window* w = Find(target);
    if (!w) return FALSE;
    HWND top = RootTopLevel(target);
    PlaceInZOrder(Get(top), HWND_TOP);
    if (withOwned) RaiseOwnedAbove(top);
    System().foreground = top;
    InvalidateTree(Get(top));
    CurrentBackend().BringToFront();
    ShellWindowsChanged();
    return TRUE;
}

HWND GetForegroundWindow() { return System().foreground; }

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) {
    if (!Find(hwnd)) return FALSE;
    return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextW(HWND hwnd, LPWSTR buffer, int maxCount) {
    if (!Find(hwnd) || !buffer || maxCount <= 0) return 0;
    return int(SendMessageW(hwnd, WM_GETTEXT, WPARAM(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND hwnd) {
    if (!Find(hwnd)) return 0;
    return int(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SetWindowTextW(item, text) : FALSE;
}

UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int maxCount) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) {
        if (buffer && maxCount > 0) buffer[0] = 0;
        return 0;
    }
    return UINT(GetWindowTextW(item, buffer, maxCount));
}

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) {
    Window* w = Find(hwnd);
    if (!w) return 0;
    bool dialog = IsDialogWindow(*w);
    switch (index) {
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWL_STYLE: return LONG_PTR(LONG(w->style));
    case GWL_EXSTYLE: return LONG_PTR(LONG(w->exStyle));
    case GWL_USERDATA: return w->userData;
    case GWL_ID: return w->id;
    case DWL_MSGRESULT: return dialog ? w->dialogResult : 0;
    case DWL_DLGPROC: return dialog ? w->dialogProc : 0;
    case DWL_USER: return dialog ? w->dialogUser : 0;
    default: return 0;
    }
}

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    Window* w = Find(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtrW(hwnd, index);
    bool dialog = IsDialogWindow(*w);
    switch (index) {
    case GWL_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); break;
    case GWL_STYLE: w->style = DWORD(value); break;
    case GWL_EXSTYLE: w->exStyle = DWORD(value); break;
    case GWL_USERDATA: w->userData = value; break;
    case GWL_ID: w->id = int(value); break;
    case DWL_MSGRESULT: if (dialog) w->dialogResult = value; break;
    case DWL_DLGPROC: if (dialog) w->dialogProc = value; break;
    case DWL_USER: if (dialog) w->dialogUser = value; break;
    default: return 0;
    }
    return old;
}

LONG GetWindowLongW(HWND hwnd, int index) { return LONG(GetWindowLongPtrW(hwnd, index)); }
LONG SetWindowLongW(HWND hwnd, int index, LONG value) { return LONG(SetWindowLongPtrW(hwnd, index, value)); }

namespace platform {

HWND RootTopLevel(HWND hwnd) {
    Window* w = Find(hwnd);
    while (w && w->parent) w = Find(w->parent);
    return w ? w->handle : nullptr;
}

// A bitmap or icon static names its picture by ordinal: 0xFFFF followed by the resource id.
std::u16string AdoptWindowName(LPCWSTR name) {
    if (name[0] == 0xFFFF) return std::u16string(name, 2);
    return std::u16string(name);
}

}  // namespace platform
