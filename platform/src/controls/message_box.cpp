// The modal message box: caption, icon, text and OK or Yes/No buttons, in a loop of
// its own that pumps the one message queue until a button is pressed.
#include <algorithm>

#include "controls/controls.h"

namespace platform {
namespace {

constexpr const char16_t* kClass = u"MessageBox";

// The handheld's box is a fixed width with its own caption; the desktop's fits its text,
// has a caption and frame from the window system, and buttons and icons of desktop size.
struct Metrics {
    int captionHeight, padding, iconSize, buttonWidth, buttonHeight, buttonGap;
};
constexpr Metrics kHandheld{20, 8, 16, 56, 20, 8};
constexpr Metrics kDesktop{0, 11, 32, 75, 23, 6};
constexpr int kHandheldWidth = 228;
const Metrics& M() { return IsDesktop() ? kDesktop : kHandheld; }

struct BoxState : ControlData {
    std::u16string text;
    UINT type = 0;
    int result = 0;
    int defaultButton = IDOK;
    RECT icon{}, body{};
};

std::vector<int> ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_YESNO: return {IDYES, IDNO};
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    default: return {IDOK};
    }
}

// What Escape and a close request answer: Cancel where there is one, OK when it is the only
// button, and nothing for a question that must be answered.
int CancelAnswer(UINT type) {
    auto buttons = ButtonsFor(type);
    if (std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end()) return IDCANCEL;
    return buttons.size() == 1 ? IDOK : 0;
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

void DrawHandheldIcon(HDC hdc, const RECT& mark, UINT icon) {
    FillSolid(hdc, mark, IconColour(icon));
    SetTextColor(hdc, RGB(255, 255, 255));
    DrawTextW(hdc, IconGlyph(icon), -1, const_cast<RECT*>(&mark), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// The desktop's icons: a yellow warning triangle, a red disc with a cross, and white speech
// balloons with a question mark or an "i".
void DrawDesktopIcon(HDC hdc, const RECT& mark, UINT icon) {
    int x0 = mark.left, y0 = mark.top;
    auto pixel = [&](int x, int y, COLORREF c) { FillSolid(hdc, RECT{x0 + x, y0 + y, x0 + x + 1, y0 + y + 1}, c); };
    if (icon == MB_ICONEXCLAMATION) {
        for (int y = 1; y < 31; ++y) {
            int half = (y - 1) * 15 / 29;
            for (int x = 16 - half; x <= 16 + half; ++x)
                pixel(x, y, (x == 16 - half || x == 16 + half || y == 30) ? RGB(0, 0, 0) : RGB(255, 255, 0));
        }
        FillSolid(hdc, RECT{x0 + 15, y0 + 10, x0 + 18, y0 + 22}, RGB(0, 0, 0));
        FillSolid(hdc, RECT{x0 + 15, y0 + 24, x0 + 18, y0 + 27}, RGB(0, 0, 0));
        return;
    }
    bool error = icon == MB_ICONHAND;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int dx = 2 * x - 31, dy = 2 * y - (error ? 31 : 27), d = dx * dx + dy * dy;
            int r = error ? 30 : 28;
            if (d <= r * r) pixel(x, y, d > (r - 3) * (r - 3) ? RGB(0, 0, 0) : error ? RGB(255, 0, 0) : RGB(255, 255, 255));
        }
    if (error) {
        for (int i = 0; i < 12; ++i) {
            FillSolid(hdc, RECT{x0 + 9 + i, y0 + 9 + i, x0 + 12 + i, y0 + 11 + i}, RGB(255, 255, 255));
            FillSolid(hdc, RECT{x0 + 20 - i, y0 + 9 + i, x0 + 23 - i, y0 + 11 + i}, RGB(255, 255, 255));
        }
        return;
    }
    // The balloon's tail, down to the left.
    for (int i = 0; i < 5; ++i) FillSolid(hdc, RECT{x0 + 7 - i, y0 + 25 + i, x0 + 11 - i, y0 + 26 + i}, RGB(255, 255, 255));
    for (int i = 0; i < 5; ++i) pixel(6 - i, 26 + i, RGB(0, 0, 0));
    SelectObject(hdc, FontForPointSize(u"MS Serif", 16, FW_BOLD));
    SetTextColor(hdc, RGB(0, 0, 160));
    RECT glyph{mark.left, mark.top - 2, mark.right, mark.bottom - 4};
    DrawTextW(hdc, IconGlyph(icon), -1, &glyph, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void Paint(HWND hwnd) {
    PaintScope paint(hwnd);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    auto& s = StateOf<BoxState>(hwnd);
    FillSolid(hdc, client, GetSysColor(COLOR_BTNFACE));
    SetBkMode(hdc, TRANSPARENT);
    if (!IsDesktop()) {
        FillSolid(hdc, RECT{0, 0, client.right, kHandheld.captionHeight}, RGB(0, 51, 153));
        SelectObject(hdc, FontForPointSize(u"Tahoma", 8, FW_BOLD));
        SetTextColor(hdc, RGB(255, 255, 255));
        RECT caption{kHandheld.padding, 0, client.right - kHandheld.padding, kHandheld.captionHeight};
        DrawTextW(hdc, Get(hwnd).text.c_str(), -1, &caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (UINT icon = s.type & MB_ICONMASK) {
        if (IsDesktop()) DrawDesktopIcon(hdc, s.icon, icon);
        else DrawHandheldIcon(hdc, s.icon, icon);
    }
    SelectObject(hdc, DefaultGuiFont());
    SetTextColor(hdc, RGB(0, 0, 0));
    DrawTextW(hdc, s.text.c_str(), -1, &s.body, DT_WORDBREAK | DT_NOPREFIX);
    if (!IsDesktop()) FrameSolid(hdc, client, RGB(0, 0, 0));
}

LRESULT CALLBACK BoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_CLOSE:
        StateOf<BoxState>(hwnd).result = CancelAnswer(StateOf<BoxState>(hwnd).type);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) StateOf<BoxState>(hwnd).result = LOWORD(wParam);
        return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

// The text's size when wrapped at `width`.
SIZE MeasureText(const std::u16string& text, int width) {
    HDC hdc = GetDC(nullptr);
    SelectObject(hdc, DefaultGuiFont());
    RECT r{0, 0, width, 0};
    DrawTextW(hdc, text.c_str(), -1, &r, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    ReleaseDC(nullptr, hdc);
    return SIZE{r.right, r.bottom};
}

// Places the icon, the text and the buttons; answers the client area's size.
SIZE LayOut(BoxState& s, int buttonCount) {
    const Metrics& m = M();
    bool hasIcon = (s.type & MB_ICONMASK) != 0;
    int top = m.captionHeight + m.padding, textLeft = m.padding + (hasIcon ? m.iconSize + m.padding : 0);
    int widest = IsDesktop() ? ScreenSize().cx * 5 / 8 : kHandheldWidth;
    SIZE text = MeasureText(s.text, widest - textLeft - m.padding);
    int buttonsWidth = buttonCount * m.buttonWidth + (buttonCount - 1) * m.buttonGap;
    int width = IsDesktop() ? std::max(textLeft + int(text.cx) + m.padding, buttonsWidth + 2 * m.padding) : widest;
    int contentHeight = std::max(int(text.cy), hasIcon ? m.iconSize : 0);
    s.icon = RECT{m.padding, top, m.padding + m.iconSize, top + m.iconSize};
    // A short text stands beside the middle of the desktop's tall icon.
    int textTop = IsDesktop() ? top + (contentHeight - int(text.cy)) / 2 : top;
    s.body = RECT{textLeft, textTop, width - m.padding, textTop + text.cy};
    int gap = IsDesktop() ? 2 * m.padding : m.padding;
    return SIZE{width, top + contentHeight + gap + m.buttonHeight + m.padding};
}

// The handheld centres the box in its work area; the desktop, on the screen.
POINT PlaceBox(SIZE window) {
    if (IsDesktop()) {
        SIZE screen = ScreenSize();
        return POINT{(screen.cx - window.cx) / 2, std::max(0, int(screen.cy - window.cy) / 2)};
    }
    RECT area = kWorkArea;
    int top = std::max(int(area.top), int(area.top + (area.bottom - area.top - window.cy) / 2));
    return POINT{(kScreenWidth - window.cx) / 2, top};
}

void AddButtons(HWND box, const std::vector<int>& buttons, size_t defaultIndex, SIZE client) {
    const Metrics& m = M();
    int total = int(buttons.size()) * m.buttonWidth + (int(buttons.size()) - 1) * m.buttonGap;
    int x = (client.cx - total) / 2, y = client.cy - m.padding - m.buttonHeight;
    for (size_t i = 0; i < buttons.size(); ++i) {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        HWND b = CreateWindowExW(0, u"Button", ButtonText(buttons[i]), style, x, y, m.buttonWidth, m.buttonHeight, box,
                                 reinterpret_cast<HMENU>(uintptr_t(buttons[i])), nullptr, nullptr);
        SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);
        x += m.buttonWidth + m.buttonGap;
    }
}

HWND CreateBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type) {
    auto buttons = ButtonsFor(type);
    BoxState layout;
    layout.text = text;
    layout.type = type;
    SIZE client = LayOut(layout, int(buttons.size()));
    DWORD style = WS_POPUP | (IsDesktop() ? WS_CAPTION | WS_DLGFRAME : 0);
    RECT insets = FrameInsetsFor(style, false);
    SIZE window{client.cx + insets.left + insets.right, client.cy + insets.top + insets.bottom};
    POINT at = PlaceBox(window);
    // The window's text is the caption, which the desktop's window frame shows.
    HWND box = CreateWindowExW(0, kClass, caption.c_str(), style, at.x, at.y, window.cx, window.cy, owner, nullptr,
                               nullptr, nullptr);
    if (!box) return nullptr;
    auto& s = StateOf<BoxState>(box);
    s.text = text;
    s.type = type;
    s.icon = layout.icon;
    s.body = layout.body;
    size_t defaultIndex = (type & MB_DEFMASK) == MB_DEFBUTTON2 && buttons.size() > 1 ? 1 : 0;
    s.defaultButton = buttons[defaultIndex];
    AddButtons(box, buttons, defaultIndex, client);
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
        s.result = CancelAnswer(s.type);
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
    if (type & MB_SETFOREGROUND) SetForegroundWindow(box);
    return RunModal(box, owner);
}
