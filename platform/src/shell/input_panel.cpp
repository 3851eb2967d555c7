// The input panel: an on-screen keyboard whose keys type into the focused control.
// Tapping it never takes the focus away from that control.
#include "shell/chrome.h"

namespace platform {
namespace {

constexpr const char16_t* kClass = u"ShellInputPanel";
constexpr int kRowHeight = 20;
constexpr WCHAR kShift = 1;

struct Key {
    const char16_t* label;
    WCHAR ch;   // character typed, or a control code below 32
    UINT vk;    // key pressed instead of a character
    int width;
};

// Rows of 240 pixels.
constexpr Key kRows[4][12] = {
    {{u"1", u'1', 0, 20}, {u"2", u'2', 0, 20}, {u"3", u'3', 0, 20}, {u"4", u'4', 0, 20}, {u"5", u'5', 0, 20},
     {u"6", u'6', 0, 20}, {u"7", u'7', 0, 20}, {u"8", u'8', 0, 20}, {u"9", u'9', 0, 20}, {u"0", u'0', 0, 20},
     {u"<-", 0, VK_BACK, 40}},
    {{u"q", u'q', 0, 20}, {u"w", u'w', 0, 20}, {u"e", u'e', 0, 20}, {u"r", u'r', 0, 20}, {u"t", u't', 0, 20},
     {u"y", u'y', 0, 20}, {u"u", u'u', 0, 20}, {u"i", u'i', 0, 20}, {u"o", u'o', 0, 20}, {u"p", u'p', 0, 20},
     {u".", u'.', 0, 20}, {u"-", u'-', 0, 20}},
    {{u"a", u'a', 0, 20}, {u"s", u's', 0, 20}, {u"d", u'd', 0, 20}, {u"f", u'f', 0, 20}, {u"g", u'g', 0, 20},
     {u"h", u'h', 0, 20}, {u"j", u'j', 0, 20}, {u"k", u'k', 0, 20}, {u"l", u'l', 0, 20}, {u"Enter", 0, VK_RETURN, 60}},
    {{u"Shift", kShift, 0, 40}, {u"z", u'z', 0, 20}, {u"x", u'x', 0, 20}, {u"c", u'c', 0, 20}, {u"v", u'v', 0, 20},
     {u"b", u'b', 0, 20}, {u"n", u'n', 0, 20}, {u"m", u'm', 0, 20}, {u"space", u' ', 0, 60}},
};

struct PanelState : ControlData {
    const Key* pressed = nullptr;
    bool shift = false;
};

RECT KeyRect(int row, int index) {
    int x = 0;
    for (int i = 0; i < index; ++i) x += kRows[row][i].width;
    return RECT{x, row * kRowHeight, x + kRows[row][index].width, (row + 1) * kRowHeight};
}

const Key* KeyAt(LPARAM lParam, RECT* where = nullptr) {
    POINT p{short(LOWORD(lParam)), short(HIWORD(lParam))};
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 12 && kRows[row][i].label; ++i) {
            RECT r = KeyRect(row, i);
            if (!PtInRect(&r, p)) continue;
            if (where) *where = r;
            return &kRows[row][i];
        }
    return nullptr;
}

WCHAR Shifted(WCHAR ch) { return ch >= u'a' && ch <= u'z' ? WCHAR(ch - u'a' + u'A') : ch; }

void Paint(HWND hwnd) {
    PaintScope paint(hwnd);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    auto& s = StateOf<PanelState>(hwnd);
    FillSolid(hdc, client, RGB(200, 200, 200));
    SetBkMode(hdc, TRANSPARENT);
    SelectObject(hdc, DefaultGuiFont());
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 12 && kRows[row][i].label; ++i) {
            const Key& key = kRows[row][i];
            RECT r = KeyRect(row, i);
            bool lit = &key == s.pressed || (key.ch == kShift && s.shift);
            RECT face = r;
            InflateRect(&face, -1, -1);
            FillSolid(hdc, face, lit ? RGB(0, 0, 0) : RGB(255, 255, 255));
            SetTextColor(hdc, lit ? RGB(255, 255, 255) : RGB(0, 0, 0));
            std::u16string label = key.label;
            if (s.shift && label.size() == 1) label[0] = Shifted(label[0]);
            DrawTextW(hdc, label.c_str(), -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
}

void Press(HWND hwnd, const Key& key) {
    auto& s = StateOf<PanelState>(hwnd);
    if (key.ch == kShift) {
        s.shift = !s.shift;
    } else if (key.vk) {
        InjectKey(key.vk, true);
        InjectKey(key.vk, false);
    } else {
        InjectCharacter(s.shift ? Shifted(key.ch) : key.ch);
        s.shift = false;
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& s = StateOf<PanelState>(hwnd);
    switch (msg) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
        s.pressed = KeyAt(lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONUP: {
        const Key* key = s.pressed;
        s.pressed = nullptr;
        InvalidateRect(hwnd, nullptr, FALSE);
        if (key && key == KeyAt(lParam)) Press(hwnd, *key);
        return 0;
    }
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterInputPanelClass() { RegisterSystemClass(kClass, PanelProc, nullptr); }

bool IsInputPanel(HWND hwnd) { return hwnd && hwnd == Shell().inputPanel; }

}  // namespace platform
