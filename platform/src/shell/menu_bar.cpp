// The menu bar at the foot of the screen, built from a menu-bar resource and a menu:
// drop-down buttons that open their popup upwards, tool-bar buttons added later with
// TB_ADDBITMAP and TB_INSERTBUTTON, and the input-panel button at the right.
#include <algorithm>

#include <aygshell.h>
#include <commctrl.h>

#include "resources/resources.h"
#include "shell/chrome.h"

namespace platform {
namespace {

constexpr const char16_t* kBarClass = u"ShellMenuBar";
constexpr const char16_t* kPopupClass = u"ShellPopupMenu";
constexpr int kImageSize = 16;
constexpr int kSipButtonWidth = 28;
constexpr int kItemHeight = 20;
constexpr int kSeparatorHeight = 7;
constexpr uint32_t kTransparentKey = 0xFF00FF;

struct MenuButton {
    int image = I_IMAGENONE;
    int command = 0;
    BYTE state = 0;
    BYTE style = 0;
    std::u16string text;
    int submenu = -1;
    RECT rect{};
};

struct BarState : ControlData {
    HWND owner = nullptr;
    HMENU menu = nullptr;
    std::vector<MenuButton> buttons;
    std::vector<Surface> images;
    int pressed = -1;
    int openButton = -1;
};

struct PopupState : ControlData {
    HMENU menu = nullptr;
    HWND bar = nullptr;
    std::vector<RECT> items;
    int hot = -1;
};

BarState& Bar(HWND h) { return StateOf<BarState>(h); }

bool SipButtonShown(HWND bar) {
    Window* owner = Find(Bar(bar).owner);
    return owner && !owner->hideSipButton;
}

RECT SipButtonRect() { return RECT{kScreenWidth - kSipButtonWidth, 0, kScreenWidth, kMenuBarArea.bottom - kMenuBarArea.top}; }

void Layout(HWND bar) {
    HDC hdc = GetDC(bar);
    SelectObject(hdc, DefaultGuiFont());
    int x = 0, height = kMenuBarArea.bottom - kMenuBarArea.top;
    for (auto& b : Bar(bar).buttons) {
        int width;
        if (b.style & TBSTYLE_SEP) width = 8;
        else if (b.image >= 0) width = kImageSize + 8;
        else width = TextWidth(hdc, b.text) + 16;
        b.rect = RECT{x, 0, x + width, height};
        x += width;
    }
    ReleaseDC(bar, hdc);
    InvalidateRect(bar, nullptr, TRUE);
}

void PaintButton(HDC hdc, const BarState& s, size_t i) {
    const MenuButton& b = s.buttons[i];
    bool down = int(i) == s.pressed || int(i) == s.openButton;
    if (b.style & TBSTYLE_SEP) {
        int mid = (b.rect.left + b.rect.right) / 2;
        FillSolid(hdc, RECT{mid, 5, mid + 1, b.rect.bottom - 5}, RGB(160, 160, 160));
        return;
    }
    if (down) FillSolid(hdc, b.rect, kBarBlue);
    if (b.image >= 0 && size_t(b.image) < s.images.size()) {
        const Surface& img = s.images[size_t(b.image)];
        int x = b.rect.left + (b.rect.right - b.rect.left - kImageSize) / 2;
        int y = (b.rect.bottom - kImageSize) / 2;
        BlitSurfaceKeyed(hdc, x, y, img, 0, 0, kImageSize, kImageSize, kTransparentKey);
        return;
    }
    SetTextColor(hdc, down ? RGB(255, 255, 255) : RGB(0, 0, 0));
    RECT r = b.rect;
    DrawTextW(hdc, b.text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void PaintSipButton(HDC hdc) {
    RECT r = SipButtonRect();
    int x = r.left + 5, y = 7;
    FrameSolid(hdc, RECT{x, y, x + 18, y + 12}, RGB(0, 0, 0));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col)
            FillSolid(hdc, RECT{x + 2 + col * 3, y + 2 + row * 3, x + 4 + col * 3, y + 4 + row * 3}, RGB(0, 0, 0));
    FillSolid(hdc, RECT{x + 4, y + 8, x + 14, y + 10}, RGB(0, 0, 0));
}

void PaintBar(HWND bar) {
    PaintScope paint(bar);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    FillSolid(hdc, client, kMenuBarFace);
    FillSolid(hdc, RECT{0, 0, client.right, 1}, RGB(128, 128, 128));
    SetBkMode(hdc, TRANSPARENT);
    SelectObject(hdc, DefaultGuiFont());
    auto& s = Bar(bar);
    for (size_t i = 0; i < s.buttons.size(); ++i) PaintButton(hdc, s, i);
    if (SipButtonShown(bar)) PaintSipButton(hdc);
}

int ButtonAt(HWND bar, LPARAM lParam) {
    POINT p{short(LOWORD(lParam)), short(HIWORD(lParam))};
    auto& buttons = Bar(bar).buttons;
    for (size_t i = 0; i < buttons.size(); ++i)
        if (PtInRect(&buttons[i].rect, p) && !(buttons[i].style & TBSTYLE_SEP) && (buttons[i].state & TBSTATE_ENABLED))
            return int(i);
    return -1;
}

bool OnSipButton(HWND bar, LPARAM lParam) {
    RECT r = SipButtonRect();
    return SipButtonShown(bar) && PtInRect(&r, POINT{short(LOWORD(lParam)), short(HIWORD(lParam))});
}

void PressDropDown(HWND bar, int i) {
    auto& s = Bar(bar);
    bool wasOpen = s.openButton == i;
    ClosePopup();
    if (wasOpen) return;
    HMENU sub = GetSubMenu(s.menu, s.buttons[size_t(i)].submenu);
    if (!sub) return;
    s.openButton = i;
    OpenPopup(bar, sub, s.buttons[size_t(i)].rect.left);
    InvalidateRect(bar, nullptr, FALSE);
}

LRESULT AddBitmap(HWND bar, WPARAM count, const TBADDBITMAP* add) {
    auto& s = Bar(bar);
    if (!add) return -1;
    HBITMAP strip = LoadBitmapW(add->hInst, MAKEINTRESOURCE(add->nID));
    const Surface* surface = BitmapSurface(strip);
    if (!surface) return -1;
    LRESULT first = LRESULT(s.images.size());
    for (WPARAM i = 0; i < count; ++i) {
        Surface img(kImageSize, kImageSize, kTransparentKey);
        for (int y = 0; y < kImageSize && y < surface->height; ++y)
            for (int x = 0; x < kImageSize; ++x) {
                int sx = int(i) * kImageSize + x;
                if (sx < surface->width) img.pixels[size_t(y * kImageSize + x)] = surface->pixels[size_t(y) * size_t(surface->width) + size_t(sx)];
            }
        s.images.push_back(std::move(img));
    }
    DeleteObject(strip);
    return first;
}

LRESULT InsertButton(HWND bar, WPARAM index, const TBBUTTON* tb) {
    auto& s = Bar(bar);
    if (!tb) return FALSE;
    MenuButton b;
    b.image = tb->iBitmap;
    b.command = tb->idCommand;
    b.state = tb->fsState;
    b.style = tb->fsStyle;
    if (tb->iString != -1 && !IS_INTRESOURCE(tb->iString)) b.text = reinterpret_cast<LPCWSTR>(tb->iString);
    size_t at = std::min(size_t(index), s.buttons.size());
    s.buttons.insert(s.buttons.begin() + std::ptrdiff_t(at), b);
    Layout(bar);
    return TRUE;
}

LRESULT CALLBACK BarProc(HWND bar, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& s = Bar(bar);
    switch (msg) {
    case WM_PAINT: PaintBar(bar); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: {
        int i = ButtonAt(bar, lParam);
        if (i >= 0 && (s.buttons[size_t(i)].style & TBSTYLE_DROPDOWN)) {
            PressDropDown(bar, i);
            return 0;
        }
        ClosePopup();
        s.pressed = i >= 0 ? i : (OnSipButton(bar, lParam) ? int(s.buttons.size()) : -1);
        InvalidateRect(bar, nullptr, FALSE);
        return 0;
    }
    case WM_LBUTTONUP: {
        int pressed = s.pressed;
        s.pressed = -1;
        InvalidateRect(bar, nullptr, FALSE);
        if (pressed == int(s.buttons.size()) && OnSipButton(bar, lParam)) SetSip(!Shell().sipUp);
        else if (pressed >= 0 && pressed == ButtonAt(bar, lParam))
            PostMessageW(s.owner, WM_COMMAND, MAKEWPARAM(s.buttons[size_t(pressed)].command, 0), 0);
        return 0;
    }
    case TB_ADDBITMAP: return AddBitmap(bar, wParam, reinterpret_cast<const TBADDBITMAP*>(lParam));
    case TB_INSERTBUTTON: return InsertButton(bar, wParam, reinterpret_cast<const TBBUTTON*>(lParam));
    case TB_BUTTONCOUNT: return LRESULT(s.buttons.size());
    case WM_DESTROY:
        DestroyMenu(s.menu);
        return 0;
    default: return DefWindowProcW(bar, msg, wParam, lParam);
    }
}

// Popup menus

int PopupItemAt(HWND popup, LPARAM lParam) {
    auto& p = StateOf<PopupState>(popup);
    const auto* items = MenuItems(p.menu);
    POINT pt{short(LOWORD(lParam)), short(HIWORD(lParam))};
    for (size_t i = 0; i < p.items.size(); ++i)
        if (PtInRect(&p.items[i], pt) && !((*items)[i].flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED))) return int(i);
    return -1;
}

void PaintPopup(HWND popup) {
    PaintScope paint(popup);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    auto& p = StateOf<PopupState>(popup);
    const auto* items = MenuItems(p.menu);
    FillSolid(hdc, client, RGB(255, 255, 255));
    SetBkMode(hdc, TRANSPARENT);
    SelectObject(hdc, DefaultGuiFont());
    for (size_t i = 0; items && i < items->size(); ++i) {
        const RECT& r = p.items[i];
        const MenuItem& item = (*items)[i];
        if (item.flags & MF_SEPARATOR) {
            FillSolid(hdc, RECT{r.left + 2, (r.top + r.bottom) / 2, r.right - 2, (r.top + r.bottom) / 2 + 1}, RGB(128, 128, 128));
            continue;
        }
        bool hot = int(i) == p.hot;
        if (hot) FillSolid(hdc, r, kBarBlue);
        SetTextColor(hdc, hot ? RGB(255, 255, 255) : RGB(0, 0, 0));
        RECT text{r.left + 8, r.top, r.right - 4, r.bottom};
        DrawTextW(hdc, item.text.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    FrameSolid(hdc, client, RGB(0, 0, 0));
}

void SetHot(HWND popup, int hot) {
    auto& p = StateOf<PopupState>(popup);
    if (p.hot == hot) return;
    p.hot = hot;
    InvalidateRect(popup, nullptr, FALSE);
}

LRESULT CALLBACK PopupProc(HWND popup, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& p = StateOf<PopupState>(popup);
    switch (msg) {
    case WM_PAINT: PaintPopup(popup); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE: SetHot(popup, PopupItemAt(popup, lParam)); return 0;
    case WM_DESTROY:
        // A popup also goes when its menu bar does, as an owned window.
        if (Shell().popup == popup) Shell().popup = nullptr;
        return 0;
    case WM_LBUTTONUP: {
        int hit = PopupItemAt(popup, lParam);
        if (hit < 0) {
            SetHot(popup, -1);
            return 0;
        }
        UINT id = (*MenuItems(p.menu))[size_t(hit)].id;
        HWND owner = Bar(p.bar).owner;
        ClosePopup();
        PostMessageW(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        return 0;
    }
    default: return DefWindowProcW(popup, msg, wParam, lParam);
    }
}

HWND TopmostMenuBar() {
    for (HWND h : TopLevelZOrder())
        if (Get(h).cls->name == kBarClass && (Get(h).style & WS_VISIBLE)) return h;
    return nullptr;
}

}  // namespace

HWND OpenPopup(HWND bar, HMENU menu, int left) {
    const auto* items = MenuItems(menu);
    if (!items) return nullptr;
    HDC hdc = GetDC(nullptr);
    SelectObject(hdc, DefaultGuiFont());
    int width = 80, height = 2;
    for (const auto& item : *items) {
        width = std::max(width, TextWidth(hdc, item.text) + 24);
        height += (item.flags & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;
    }
    ReleaseDC(nullptr, hdc);
    width = std::min(width, kScreenWidth);
    int x = std::clamp(left, 0, kScreenWidth - width);
    RECT rect{x, kMenuBarArea.top - height, x + width, kMenuBarArea.top};
    HWND popup = CreateChrome(kPopupClass, rect, bar, false);
    auto& p = StateOf<PopupState>(popup);
    p.menu = menu;
    p.bar = bar;
    int y = 1;
    for (const auto& item : *items) {
        int h = (item.flags & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;
        p.items.push_back(RECT{1, y, width - 1, y + h});
        y += h;
    }
    Shell().popup = popup;
    ShowWindow(popup, SW_SHOWNA);
    return popup;
}

void ClosePopup() {
    HWND popup = Shell().popup;
    Shell().popup = nullptr;
    if (!popup || !Find(popup)) return;
    HWND bar = StateOf<PopupState>(popup).bar;
    if (Find(bar)) {
        Bar(bar).openButton = -1;
        InvalidateRect(bar, nullptr, FALSE);
    }
    DestroyWindow(popup);
}

bool PopupSwallowsTap(POINT screen) {
    HWND popup = Shell().popup;
    if (!popup) return false;
    RECT inPopup = ScreenRect(Get(popup));
    if (PtInRect(&inPopup, screen) || PtInRect(&kMenuBarArea, screen)) return false;
    ClosePopup();
    return true;
}

std::optional<POINT> MenuBarTapPoint(UINT command) {
    HWND bar = TopmostMenuBar();
    if (!bar) return std::nullopt;
    auto& s = Bar(bar);
    auto centre = [](const RECT& r) { return POINT{(r.left + r.right) / 2, kMenuBarArea.top + (r.top + r.bottom) / 2}; };
    for (const auto& b : s.buttons) {
        if (!(b.style & TBSTYLE_DROPDOWN) && !(b.style & TBSTYLE_SEP) && UINT(b.command) == command) return centre(b.rect);
        if (!(b.style & TBSTYLE_DROPDOWN)) continue;
        const auto* items = MenuItems(GetSubMenu(s.menu, b.submenu));
        if (!items) continue;
        for (const auto& item : *items)
            if (!(item.flags & MF_SEPARATOR) && item.id == command) return centre(b.rect);
    }
    return std::nullopt;
}

std::optional<POINT> OpenPopupTapPoint(UINT command) {
    HWND popup = Shell().popup;
    if (!popup) return std::nullopt;
    auto& p = StateOf<PopupState>(popup);
    const auto* items = MenuItems(p.menu);
    RECT origin = ScreenRect(Get(popup));
    for (size_t i = 0; items && i < items->size(); ++i)
        if (!((*items)[i].flags & MF_SEPARATOR) && (*items)[i].id == command)
            return POINT{origin.left + (p.items[i].left + p.items[i].right) / 2, origin.top + (p.items[i].top + p.items[i].bottom) / 2};
    return std::nullopt;
}

const std::vector<MenuItem>* OpenPopupItems() {
    HWND popup = Shell().popup;
    return popup ? MenuItems(StateOf<PopupState>(popup).menu) : nullptr;
}

void RegisterMenuBarClass() {
    RegisterSystemClass(kBarClass, BarProc, nullptr);
    RegisterSystemClass(kPopupClass, PopupProc, nullptr);
}

}  // namespace platform

using namespace platform;

// The menu-bar resource: menu id, button count, then for each button its image,
// command, state, style, caption string id, a reserved word and its popup's index.
BOOL SHCreateMenuBar(SHMENUBARINFO* info) {
    if (!info || info->cbSize < sizeof(SHMENUBARINFO) || !IsWindow(info->hwndParent)) return FALSE;
    HRSRC res = FindResourceW(info->hInstRes, MAKEINTRESOURCE(info->nToolBarId), RT_RCDATA);
    if (!res) return FALSE;
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(info->hInstRes, res)));
    size_t count = SizeofResource(info->hInstRes, res) / 2;
    if (count < 2 || count < 2 + size_t(words[1]) * 7) return FALSE;
    HMENU menu = LoadMenuW(info->hInstRes, MAKEINTRESOURCE(words[0]));
    if (!menu) return FALSE;
    EnsureShell();
    HWND bar = CreateChrome(kBarClass, kMenuBarArea, info->hwndParent, false);
    auto& s = Bar(bar);
    s.owner = info->hwndParent;
    s.menu = menu;
    for (WORD i = 0; i < words[1]; ++i) {
        const WORD* b = words + 2 + size_t(i) * 7;
        MenuButton button;
        button.image = short(b[0]);
        button.command = b[1];
        button.state = BYTE(b[2]);
        button.style = BYTE(b[3]);
        WCHAR text[64];
        if (LoadStringW(info->hInstRes, b[4], text, 64)) button.text = text;
        button.submenu = b[6] == 0xFFFF ? -1 : b[6];
        s.buttons.push_back(button);
    }
    Layout(bar);
    ShowWindow(bar, SW_SHOWNA);
    info->hwndMB = bar;
    return TRUE;
}
