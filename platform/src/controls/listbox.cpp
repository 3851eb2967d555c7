// The list box: a column of texts, kept in the order they were added or sorted by text,
// one selected item, scroll bars down and (up to the extent the program sets) across.
#include <algorithm>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "controls/scrollbar.h"

namespace platform {
namespace {

constexpr int kTextMargin = 2;

struct ListBoxState : ControlData {
    std::vector<std::u16string> items;
    int selected = LB_ERR;
    int extent = 0;  // pixels the rows can be scrolled across
    ScrollState scroll;
};

ListBoxState& S(HWND hwnd) { return StateOf<ListBoxState>(hwnd); }
DWORD Style(HWND hwnd) { return Get(hwnd).style; }

int RowHeight(HWND hwnd) { return ControlLineHeight(hwnd); }

ScrollLayout ComputeLayout(HWND hwnd) {
    auto& s = S(hwnd);
    RECT area;
    GetClientRect(hwnd, &area);
    if (Style(hwnd) & WS_BORDER) InflateRect(&area, -FieldEdgeWidth(hwnd), -FieldEdgeWidth(hwnd));
    int row = RowHeight(hwnd);
    SIZE content{s.extent, int(s.items.size()) * row};
    ScrollLayout l = LayOutScrollBars(area, content, Style(hwnd) & WS_VSCROLL, Style(hwnd) & WS_HSCROLL);
    // Without LBS_NOINTEGRALHEIGHT only whole rows show.
    if (!(Style(hwnd) & LBS_NOINTEGRALHEIGHT)) l.view.bottom = l.view.top + (l.view.bottom - l.view.top) / row * row;
    s.scroll.vertical.total = content.cy;
    s.scroll.vertical.line = row;
    s.scroll.horizontal.total = content.cx;
    s.scroll.horizontal.line = 8;
    s.scroll.Fit(l);
    return l;
}

// Win32 compares list box texts without regard to case.
char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }
bool SortsBefore(const std::u16string& a, const std::u16string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return Folded(x) < Folded(y); });
}

void ScrollIntoView(HWND hwnd, int item) {
    auto& s = S(hwnd);
    ComputeLayout(hwnd);
    ScrollAxis& v = s.scroll.vertical;
    int top = item * v.line;
    if (top < v.pos) v.ScrollTo(top);
    else if (top + v.line > v.pos + v.page) v.ScrollTo(top + v.line - v.page);
}

void Select(HWND hwnd, int item, bool notify) {
    auto& s = S(hwnd);
    bool changed = item != s.selected;
    s.selected = item;
    if (item >= 0) ScrollIntoView(hwnd, item);
    InvalidateRect(hwnd, nullptr, TRUE);
    if (changed && notify && (Style(hwnd) & LBS_NOTIFY)) NotifyParent(hwnd, LBN_SELCHANGE);
}

LRESULT AddString(HWND hwnd, LPCWSTR text) {
    if (!text) return LB_ERR;
    auto& s = S(hwnd);
    std::u16string item(text);
    auto at = s.items.end();
    // Equal texts keep the order they were added in.
    if (Style(hwnd) & LBS_SORT)
        at = std::upper_bound(s.items.begin(), s.items.end(), item, SortsBefore);
    int index = int(at - s.items.begin());
    s.items.insert(at, item);
    if (s.selected >= index) ++s.selected;
    InvalidateRect(hwnd, nullptr, TRUE);
    return index;
}

LRESULT DeleteString(HWND hwnd, WPARAM index) {
    auto& s = S(hwnd);
    if (index >= s.items.size()) return LB_ERR;
    s.items.erase(s.items.begin() + std::ptrdiff_t(index));
    // The deleted item takes the selection with it; no other item becomes selected.
    if (s.selected == int(index)) s.selected = LB_ERR;
    else if (s.selected > int(index)) --s.selected;
    ComputeLayout(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
    return LRESULT(s.items.size());
}

LRESULT GetText(HWND hwnd, WPARAM index, LPWSTR out) {
    auto& s = S(hwnd);
    if (index >= s.items.size() || !out) return LB_ERR;
    const auto& text = s.items[index];
    std::copy(text.begin(), text.end(), out);
    out[text.size()] = 0;
    return LRESULT(text.size());
}

void Paint(HWND hwnd) {
    PaintScope paint(hwnd);
    HDC hdc = paint.hdc;
    auto& s = S(hwnd);
    ScrollLayout l = ComputeLayout(hwnd);
    PrepareColours(hwnd, hdc, WM_CTLCOLORLISTBOX, paint.client);
    COLORREF textColour = GetTextColor(hdc);
    HGDIOBJ oldFont = SelectObject(hdc, ControlFont(hwnd));
    SetBkMode(hdc, TRANSPARENT);
    const ScrollAxis& v = s.scroll.vertical;
    int rowWidth = std::max(s.extent, int(l.view.right - l.view.left));
    for (int i = v.pos / v.line; i < int(s.items.size()); ++i) {
        int top = l.view.top + i * v.line - v.pos;
        if (top >= l.view.bottom) break;
        int left = l.view.left - s.scroll.horizontal.pos;
        RECT row{left, top, left + rowWidth, top + v.line}, visible;
        IntersectRect(&visible, &row, &l.view);
        bool lit = i == s.selected;
        if (lit) FillSolid(hdc, visible, GetSysColor(COLOR_HIGHLIGHT));
        SetTextColor(hdc, lit ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColour);
        const auto& text = s.items[size_t(i)];
        ExtTextOutW(hdc, left + kTextMargin, top, ETO_CLIPPED, &visible, text.c_str(), UINT(text.size()), nullptr);
    }
    DrawScrollBars(hdc, l, s.scroll);
    DrawFieldEdge(hwnd, hdc, paint.client);
    SelectObject(hdc, oldFont);
}

POINT At(LPARAM lParam) { return POINT{short(LOWORD(lParam)), short(HIWORD(lParam))}; }

void ButtonDown(HWND hwnd, POINT p) {
    auto& s = S(hwnd);
    bool moved;
    if (s.scroll.Press(ComputeLayout(hwnd), p, moved)) {
        if (moved) InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    SetFocus(hwnd);
    int item = ListBoxItemAt(hwnd, p);
    if (item >= 0) Select(hwnd, item, true);
}

void Key(HWND hwnd, UINT vk) {
    auto& s = S(hwnd);
    ScrollLayout l = ComputeLayout(hwnd);
    ScrollAxis& across = s.scroll.horizontal;
    int last = int(s.items.size()) - 1;
    int perPage = std::max(1, s.scroll.vertical.page / s.scroll.vertical.line);
    int from = s.selected;
    int to;
    switch (vk) {
    case VK_UP: to = from < 0 ? 0 : from - 1; break;
    case VK_DOWN: to = from + 1; break;
    case VK_PRIOR: to = from - perPage; break;
    case VK_NEXT: to = from + perPage; break;
    case VK_HOME: to = 0; break;
    case VK_END: to = last; break;
    case VK_LEFT:
    case VK_RIGHT:
        if (l.horizontal && across.ScrollTo(across.pos + (vk == VK_LEFT ? -across.line : across.line)))
            InvalidateRect(hwnd, nullptr, TRUE);
        return;
    default: return;
    }
    if (last >= 0) Select(hwnd, std::clamp(to, 0, last), true);
}

// Where a script taps item N: scrolled into view first, as a person would.
LRESULT ItemTapPoint(HWND hwnd, TapRequest* request) {
    auto& s = S(hwnd);
    if (!request || request->index < 0 || request->index >= int(s.items.size())) return FALSE;
    ScrollIntoView(hwnd, request->index);
    InvalidateRect(hwnd, nullptr, TRUE);
    ScrollLayout l = ComputeLayout(hwnd);
    const ScrollAxis& v = s.scroll.vertical;
    POINT p{(l.view.left + l.view.right) / 2, l.view.top + request->index * v.line - v.pos + v.line / 2};
    return AnswerTapPoint(hwnd, p, request);
}

LRESULT ListItems(HWND hwnd, ItemsReply* reply) {
    if (!reply) return FALSE;
    auto& s = S(hwnd);
    for (size_t i = 0; i < s.items.size(); ++i) reply->items.push_back(ItemsReply::Item{{s.items[i]}, int(i) == s.selected});
    return TRUE;
}

}  // namespace

int ListBoxItemAt(HWND hwnd, POINT p) {
    auto& s = S(hwnd);
    ScrollLayout l = ComputeLayout(hwnd);
    if (!PtInRect(&l.view, p)) return -1;
    int row = (p.y - l.view.top + s.scroll.vertical.pos) / s.scroll.vertical.line;
    return row < int(s.items.size()) ? row : -1;
}

LRESULT ListBoxMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    bool handled;
    LRESULT fontResult = HandleFontMessages(hwnd, msg, wParam, lParam, handled);
    if (handled) return fontResult;
    auto& s = S(hwnd);
    switch (msg) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: ButtonDown(hwnd, At(lParam)); return 0;
    case WM_MOUSEMOVE:
        if (s.scroll.Drag(ComputeLayout(hwnd), At(lParam))) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_LBUTTONUP: s.scroll.dragging = 0; return 0;
    case WM_KEYDOWN: Key(hwnd, UINT(wParam)); return 0;
    case LB_ADDSTRING: return AddString(hwnd, reinterpret_cast<LPCWSTR>(lParam));
    case LB_DELETESTRING: return DeleteString(hwnd, wParam);
    case LB_RESETCONTENT:
        s.items.clear();
        s.selected = LB_ERR;
        s.scroll.vertical.pos = 0;
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case LB_GETCOUNT: return LRESULT(s.items.size());
    case LB_GETCURSEL: return s.selected;
    case LB_SETCURSEL:
        // -1 clears the selection and, as in Win32, still answers LB_ERR.
        if (int(wParam) < -1 || int(wParam) >= int(s.items.size())) return LB_ERR;
        Select(hwnd, int(wParam), false);
        return int(wParam) < 0 ? LB_ERR : LRESULT(wParam);
    case LB_GETTEXT: return GetText(hwnd, wParam, reinterpret_cast<LPWSTR>(lParam));
    case LB_GETTEXTLEN: return wParam < s.items.size() ? LRESULT(s.items[wParam].size()) : LB_ERR;
    case LB_SETHORIZONTALEXTENT:
        s.extent = int(std::min<WPARAM>(wParam, 0x7FFF));
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case LB_GETHORIZONTALEXTENT: return s.extent;
    case kMsgItemTapPoint: return ItemTapPoint(hwnd, reinterpret_cast<TapRequest*>(lParam));
    case kMsgListItems: return ListItems(hwnd, reinterpret_cast<ItemsReply*>(lParam));
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

void RegisterListBoxClass() { RegisterSystemClass(u"ListBox", ListBoxMessage, nullptr); }

}  // namespace platform
