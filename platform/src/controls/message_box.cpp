// The modal message box: caption, icon, text and OK or Yes/No buttons, in a loop of
// its own that pumps the one message queue until a button is pressed.
#include <algorithm>

#include "controls/controls.h"

namespace platform {
namespace {

constexpr const char16_t* kClass = u"MessageBox";
constexpr int kWidth = 228;
constexpr int kCaptionHeight = 20;
constexpr int kButtonWidth = 56;
constexpr int kButtonHeight = 20;
constexpr int kPadding = 8;
constexpr int kIconSize = 16;

struct BoxState : ControlData {
    std::u16string caption;
    UINT type = 0;
    int result = 0;
    int defaultButton = IDOK;
    HFONT bold = nullptr;
};

std::vector<int> ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_YESNO: return {IDYES, IDNO};
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    default: return {IDOK};
    }
}

const char16_t* ButtonText(int id) {
    switch (id) {
    case IDYES: return u"Yes";
    case IDNO: return u"No";
    case IDCANCEL: return u"Cancel";
    default: return u"OK";
    }
}

COLORREF IconColour(UINT icon) {
    switch (icon) {
    case MB_ICONHAND: return RGB(192, 0, 0);
    case MB_ICONEXCLAMATION: return RGB(224, 160, 0);
    case MB_ICONQUESTION:
    case MB_ICONASTERISK: return RGB(0, 64, 192);
    default: return 0;
    }
}

const char16_t* IconGlyph(UINT icon) {
    switch (icon) {
    case MB_ICONHAND: return u"x";
    case MB_ICONEXCLAMATION: return u"!";
    case MB_ICONQUESTION: return u"?";
    default: return u"i";
    }
}

int TextLeft(UINT type) { return kPadding + ((type & MB_ICONMASK) ? kIconSize + kPadding : 0); }

int MeasureTextHeight(const std::u16string& text, UINT type) {
    HDC hdc = GetDC(nullptr);
    SelectObject(hdc, DefaultGuiFont());
    RECT r{0, 0, kWidth - TextLeft(type) - kPadding, 0};
    int h = DrawTextW(hdc, text.c_str(), -1, &r, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    ReleaseDC(nullptr, hdc);
    return h;
}

void Paint(HWND hwnd) {
    PaintScope paint(hwnd);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    auto& s = StateOf<BoxState>(hwnd);
    FillSolid(hdc, client, RGB(255, 255, 255));
    FillSolid(hdc, RECT{0, 0, client.right, kCaptionHeight}, RGB(0, 51, 153));
    SetBkMode(hdc, TRANSPARENT);
    SelectObject(hdc, s.bold);
    SetTextColor(hdc, RGB(255, 255, 255));
    RECT caption{kPadding, 0, client.right - kPadding, kCaptionHeight};
    DrawTextW(hdc, s.caption.c_str(), -1, &caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    UINT icon = s.type & MB_ICONMASK;
    if (icon) {
        RECT mark{kPadding, kCaptionHeight + kPadding, kPadding + kIconSize, kCaptionHeight + kPadding + kIconSize};
        FillSolid(hdc, mark, IconColour(icon));
        DrawTextW(hdc, IconGlyph(icon), -1, &mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(hdc, DefaultGuiFont());
    SetTextColor(hdc, RGB(0, 0, 0));
    const std::u16string& text = Get(hwnd).text;
    RECT body{TextLeft(s.type), kCaptionHeight + kPadding, client.right - kPadding, client.bottom};
    DrawTextW(hdc, text.c_str(), -1, &body, DT_WORDBREAK | DT_NOPREFIX);
    FrameSolid(hdc, client, RGB(0, 0, 0));
}

LRESULT CALLBACK BoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) StateOf<BoxState>(hwnd).result = LOWORD(wParam);
        return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

HWND CreateBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type) {
    auto buttons = ButtonsFor(type);
    int textHeight = std::max(MeasureTextHeight(text, type), (type & MB_ICONMASK) ? kIconSize : 0);
    int height = kCaptionHeight + kPadding + textHeight + kPadding + kButtonHeight + kPadding;
    RECT area = kWorkArea;
    int top = std::max(int(area.top), int(area.top + (area.bottom - area.top - height) / 2));
    int left = (kScreenWidth - kWidth) / 2;
    HWND box = CreateWindowExW(0, kClass, text.c_str(), WS_POPUP, left, top, kWidth, height, owner, nullptr, nullptr, nullptr);
    if (!box) return nullptr;
    auto& s = StateOf<BoxState>(box);
    s.caption = caption;
    s.type = type;
    s.bold = FontForPointSize(u"Tahoma", 8, FW_BOLD);
    size_t defaultIndex = (type & MB_DEFMASK) == MB_DEFBUTTON2 && buttons.size() > 1 ? 1 : 0;
    s.defaultButton = buttons[defaultIndex];
    int total = int(buttons.size()) * kButtonWidth + (int(buttons.size()) - 1) * kPadding;
    int x = (kWidth - total) / 2, y = height - kPadding - kButtonHeight;
    for (size_t i = 0; i < buttons.size(); ++i) {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        HWND b = CreateWindowExW(0, u"Button", ButtonText(buttons[i]), style, x, y, kButtonWidth, kButtonHeight, box,
                                 reinterpret_cast<HMENU>(uintptr_t(buttons[i])), nullptr, nullptr);
        SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);
        x += kButtonWidth + kPadding;
    }
    return box;
}

// Enter presses the default button; Escape cancels where there is a way to cancel,
// and closes a box that has only OK.
bool HandleDialogKey(HWND box, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.hwnd != box && !IsDescendant(box, msg.hwnd))) return false;
    auto& s = StateOf<BoxState>(box);
    if (msg.wParam == VK_RETURN) {
        s.result = s.defaultButton;
        return true;
    }
    if (msg.wParam == VK_ESCAPE) {
        auto buttons = ButtonsFor(s.type);
        if (std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end()) s.result = IDCANCEL;
        else if (buttons.size() == 1) s.result = IDOK;
        return true;
    }
    return false;
}

int RunModal(HWND box, HWND owner) {
    // The default button has the focus, so the space bar presses it.
    HWND defaultButton = GetDlgItem(box, StateOf<BoxState>(box).defaultButton);
    int result = 0;
    RunModalLoop(
        box, owner, defaultButton ? defaultButton : box,
        [&] { return (result = StateOf<BoxState>(box).result) != 0; },
        [&](const MSG& msg) { return HandleDialogKey(box, msg); });
    return result;
}

}  // namespace

void RegisterMessageBoxClass() { RegisterSystemClass(kClass, BoxProc, nullptr); }

}  // namespace platform

using namespace platform;

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    if (owner && !IsWindow(owner)) return 0;
    std::u16string body = text ? text : u"", title = caption ? caption : u"Error";
    HWND box = CreateBox(owner, body, title, type);
    if (!box) return 0;
    if (Events().messageBox) Events().messageBox(title, body);
    return RunModal(box, owner);
}
