// The tab control: a strip of text tabs along its top edge over a framed body; a tap
// on another tab selects it and tells the parent through WM_NOTIFY.
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/controls.h"

namespace platform {
namespace {

constexpr int kStripHeight = 20;
constexpr int kTabPadding = 12;

struct TabState : ControlData {
    std::vector<std::u16string> texts;
    int selected = -1;
};

TabState& S(HWND hwnd) { return StateOf<TabState>(hwnd); }

std::vector<RECT> TabRects(HWND hwnd) {
    HDC hdc = GetDC(hwnd);
    SelectObject(hdc, ControlFont(hwnd));
    std::vector<RECT> rects;
    int x = 0;
    for (const auto& text : S(hwnd).texts) {
        int width = TextWidth(hdc, text) + kTabPadding;
        rects.push_back(RECT{x, 0, x + width, kStripHeight});
        x += width;
    }
    ReleaseDC(hwnd, hdc);
    return rects;
}

int TabAt(HWND hwnd, POINT p) {
    auto rects = TabRects(hwnd);
    for (size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(&rects[i], p)) return int(i);
    return -1;
}

LRESULT Notify(HWND hwnd, UINT code) {
    Window& w = Get(hwnd);
    NMHDR header{hwnd, UINT_PTR(w.id), code};
    return w.parent ? SendMessageW(w.parent, WM_NOTIFY, WPARAM(w.id), reinterpret_cast<LPARAM>(&header)) : 0;
}

void Select(HWND hwnd, int index) {
    auto& s = S(hwnd);
    // Selecting the selected tab again changes nothing and tells nobody.
    if (index == s.selected || index < 0 || index >= int(s.texts.size())) return;
    if (Notify(hwnd, TCN_SELCHANGING)) return;
    s.selected = index;
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, TCN_SELCHANGE);
}

void Paint(HWND hwnd) {
    PaintScope paint(hwnd);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    auto& s = S(hwnd);
    FillSolid(hdc, client, GetSysColor(COLOR_WINDOW));
    FrameSolid(hdc, RECT{0, kStripHeight - 1, client.right, client.bottom}, RGB(0, 0, 0));
    HGDIOBJ oldFont = SelectObject(hdc, ControlFont(hwnd));
    SetBkMode(hdc, TRANSPARENT);
    auto rects = TabRects(hwnd);
    for (size_t i = 0; i < rects.size(); ++i) {
        RECT r = rects[i];
        bool selected = int(i) == s.selected;
        if (!selected) r.top += 2;
        FillSolid(hdc, r, selected ? GetSysColor(COLOR_WINDOW) : RGB(220, 220, 220));
        FrameSolid(hdc, r, RGB(0, 0, 0));
        // The selected tab opens into the body below it.
        if (selected) FillSolid(hdc, RECT{r.left + 1, r.bottom - 1, r.right - 1, r.bottom}, GetSysColor(COLOR_WINDOW));
        SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(hdc, s.texts[i].c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(hdc, oldFont);
}

LRESULT InsertItem(HWND hwnd, WPARAM index, const TCITEMW* item) {
    auto& s = S(hwnd);
    if (!item) return -1;
    size_t at = std::min(size_t(index), s.texts.size());
    s.texts.insert(s.texts.begin() + std::ptrdiff_t(at), (item->mask & TCIF_TEXT) && item->pszText ? item->pszText : u"");
    if (s.selected < 0) s.selected = 0;  // the first tab is selected when it arrives
    else if (int(at) <= s.selected) ++s.selected;
    InvalidateRect(hwnd, nullptr, TRUE);
    return LRESULT(at);
}

// Where a script taps to choose tab N.
LRESULT TapPoint(HWND hwnd, TapRequest* request) {
    auto rects = TabRects(hwnd);
    if (!request || request->index < 0 || size_t(request->index) >= rects.size()) return FALSE;
    const RECT& r = rects[size_t(request->index)];
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    return AnswerTapPoint(hwnd, p, request);
}

LRESULT CALLBACK TabProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    bool handled;
    LRESULT fontResult = HandleFontMessages(hwnd, msg, wParam, lParam, handled);
    if (handled) return fontResult;
    switch (msg) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: Select(hwnd, TabAt(hwnd, POINT{short(LOWORD(lParam)), short(HIWORD(lParam))})); return 0;
    case TCM_INSERTITEMW: return InsertItem(hwnd, wParam, reinterpret_cast<const TCITEMW*>(lParam));
    case TCM_GETITEMCOUNT: return LRESULT(S(hwnd).texts.size());
    case TCM_GETCURSEL: return S(hwnd).selected;
    case TCM_SETCURSEL: {
        // Set by the program, the selection changes without notifications.
        auto& s = S(hwnd);
        int old = s.selected;
        if (int(wParam) < 0 || wParam >= s.texts.size()) return -1;
        s.selected = int(wParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return old;
    }
    case kMsgItemTapPoint: return TapPoint(hwnd, reinterpret_cast<TapRequest*>(lParam));
    case kMsgListItems: {
        // A script sees the tabs as items: their labels, the chosen one selected.
        auto* reply = reinterpret_cast<ItemsReply*>(lParam);
        const auto& s = S(hwnd);
        for (size_t i = 0; i < s.texts.size(); ++i) reply->items.push_back({{s.texts[i]}, int(i) == s.selected});
        return TRUE;
    }
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterTabClass() { RegisterSystemClass(WC_TABCONTROLW, TabProc, nullptr); }

}  // namespace platform
