// The list view in report view: a header of columns whose buttons can be tapped, rows of
// an item and its subitems, selection by tap or keys, scroll bars in both directions,
// and sorting by the program's compare function (a stable sort). In icon view: each
// item a picture from the image list over its label, in cells of the icon spacing laid
// in rows of as many as fit, scrolling down.
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "controls/scrollbar.h"

namespace platform {
namespace {

constexpr int kHeaderHeight = 18;
constexpr int kPadding = 3;

struct Column {
    std::u16string text;
    int width = 0;
};

struct Item {
    std::vector<std::u16string> texts;  // the item's label, then its subitems
    int image = -1;
    LPARAM data = 0;
    bool selected = false;
};

struct ListState : ControlData {
    std::vector<Column> columns;
    std::vector<Item> items;
    int focused = -1;
    ScrollState scroll;
    bool headerPressed = false;
    int pressedHeader = -1;
    HIMAGELIST images = nullptr;
    SIZE spacing{75, 75};
};

ListState& S(HWND hwnd) { return StateOf<ListState>(hwnd); }

int& InsertLimit() {
    static int limit = -1;
    return limit;
}

int RowHeight(HWND hwnd) { return ControlLineHeight(hwnd) + 2; }

bool IconView(HWND hwnd) { return (Get(hwnd).style & LVS_TYPEMASK) == LVS_ICON; }
bool HasHeader(HWND hwnd) { return !IconView(hwnd) && !(Get(hwnd).style & LVS_NOCOLUMNHEADER); }
int HeaderHeight(HWND hwnd) { return HasHeader(hwnd) ? kHeaderHeight : 0; }
int ContentWidth(const ListState& s) {
    int w = 0;
    for (const auto& c : s.columns) w += c.width;
    return w;
}

// The area rows are drawn in (below the header), and the scroll bars.
struct Layout : ScrollLayout {
    RECT rows{};
};

int Columns(const ListState& s, int width) { return std::max(1, width / std::max(1, int(s.spacing.cx))); }

int IconRowsHeight(const ListState& s, int width) {
    int columns = Columns(s, width);
    return int((s.items.size() + size_t(columns) - 1) / size_t(columns)) * s.spacing.cy;
}

// Icon view: only a vertical bar, whose width takes a column away when the cells need it.
Layout ComputeIconLayout(HWND hwnd, RECT client) {
    auto& s = S(hwnd);
    int width = client.right - client.left;
    bool bar = IconRowsHeight(s, width) > client.bottom - client.top;
    int contentHeight = IconRowsHeight(s, width - (bar ? kScrollBarSize : 0));
    Layout l;
    static_cast<ScrollLayout&>(l) = LayOutScrollBars(client, SIZE{0, contentHeight}, true, false);
    l.rows = l.view;
    s.scroll.vertical.total = contentHeight;
    s.scroll.vertical.line = 16;
    s.scroll.horizontal.total = 0;
    s.scroll.Fit(l);
    return l;
}

Layout ComputeLayout(HWND hwnd) {
    auto& s = S(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    if (Get(hwnd).style & WS_BORDER) InflateRect(&client, -1, -1);
    if (IconView(hwnd)) return ComputeIconLayout(hwnd, client);
    int rowHeight = RowHeight(hwnd);
    int contentHeight = int(s.items.size()) * rowHeight;
    Layout l;
    static_cast<ScrollLayout&>(l) = LayOutScrollBars(client, SIZE{ContentWidth(s), contentHeight + HeaderHeight(hwnd)}, true, true);
    l.rows = l.view;
    l.rows.top += HeaderHeight(hwnd);
    s.scroll.vertical.total = contentHeight;
    s.scroll.vertical.line = rowHeight;
    s.scroll.horizontal.total = ContentWidth(s);
    s.scroll.horizontal.line = 16;
    s.scroll.Fit(l);
    s.scroll.vertical.page = std::max(0, int(l.rows.bottom - l.rows.top));
    s.scroll.vertical.Clamp();
    return l;
}

void Notify(HWND hwnd, UINT code, int item, int subItem) {
    Window& w = Get(hwnd);
    NMLISTVIEW nm{};
    nm.hdr = NMHDR{hwnd, UINT_PTR(w.id), code};
    nm.iItem = item;
    nm.iSubItem = subItem;
    if (item >= 0 && size_t(item) < S(hwnd).items.size()) nm.lParam = S(hwnd).items[size_t(item)].data;
    if (w.parent) SendMessageW(w.parent, WM_NOTIFY, WPARAM(w.id), reinterpret_cast<LPARAM>(&nm));
}

// An item's cell in icon view, in client pixels as now scrolled.
RECT IconCell(HWND hwnd, const Layout& l, int item) {
    auto& s = S(hwnd);
    int columns = Columns(s, l.rows.right - l.rows.left);
    int left = l.rows.left + item % columns * s.spacing.cx;
    int top = l.rows.top + item / columns * s.spacing.cy - s.scroll.vertical.pos;
    return RECT{left, top, left + s.spacing.cx, top + s.spacing.cy};
}

void EnsureVisible(HWND hwnd, int item) {
    auto& s = S(hwnd);
    Layout l = ComputeLayout(hwnd);
    int rowHeight = s.scroll.vertical.line, top = item * rowHeight;
    if (IconView(hwnd)) {
        rowHeight = s.spacing.cy;
        top = int(IconCell(hwnd, l, item).top - l.rows.top) + s.scroll.vertical.pos;
    }
    if (top < s.scroll.vertical.pos) s.scroll.vertical.ScrollTo(top);
    else if (top + rowHeight > s.scroll.vertical.pos + s.scroll.vertical.page) s.scroll.vertical.ScrollTo(top + rowHeight - s.scroll.vertical.page);
    InvalidateRect(hwnd, nullptr, TRUE);
}

// Selects one item only (the default behaviour for a tap), telling the parent.
void SelectOnly(HWND hwnd, int item) {
    auto& s = S(hwnd);
    for (size_t i = 0; i < s.items.size(); ++i) {
        bool want = int(i) == item;
        if (s.items[i].selected == want) continue;
        s.items[i].selected = want;
        Notify(hwnd, LVN_ITEMCHANGED, int(i), 0);
    }
    s.focused = item;
    if (item >= 0) EnsureVisible(hwnd, item);
    InvalidateRect(hwnd, nullptr, TRUE);
}

int ColumnAt(const ListState& s, int contentX) {
    int x = 0;
    for (size_t i = 0; i < s.columns.size(); ++i) {
        if (contentX >= x && contentX < x + s.columns[i].width) return int(i);
        x += s.columns[i].width;
    }
    return -1;
}

void PaintCell(HDC hdc, const std::u16string& text, RECT cell) {
    RECT inner{cell.left + kPadding, cell.top, cell.right - kPadding, cell.bottom};
    DrawTextW(hdc, text.c_str(), -1, &inner, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintHeader(HDC hdc, HWND hwnd, const Layout& l) {
    auto& s = S(hwnd);
    RECT strip{l.rows.left, l.rows.top - kHeaderHeight, l.rows.right, l.rows.top};
    FillSolid(hdc, strip, RGB(212, 212, 212));
    int x = l.rows.left - s.scroll.horizontal.pos;
    for (size_t i = 0; i < s.columns.size(); ++i) {
        RECT cell{x, strip.top, x + s.columns[i].width, strip.bottom};
        RECT visible;
        if (IntersectRect(&visible, &cell, &strip)) {
            if (int(i) == s.pressedHeader) FillSolid(hdc, visible, RGB(160, 160, 160));
            FillSolid(hdc, RECT{cell.right - 1, cell.top + 2, cell.right, cell.bottom - 2}, RGB(128, 128, 128));
            PaintCell(hdc, s.columns[i].text, cell);
        }
        x += s.columns[i].width;
    }
    FillSolid(hdc, RECT{strip.left, strip.bottom - 1, strip.right, strip.bottom}, RGB(128, 128, 128));
}

// Each item's picture centred at the top of its cell, its label wrapped under it; the
// selected item's label is lit.
void PaintIcons(HDC hdc, HWND hwnd, const Layout& l) {
    auto& s = S(hwnd);
    SIZE picture = ImageListImageSize(s.images);
    int lineHeight = LineHeight(hdc);
    for (int i = 0; i < int(s.items.size()); ++i) {
        RECT cell = IconCell(hwnd, l, i);
        if (cell.bottom <= l.rows.top) continue;
        if (cell.top >= l.rows.bottom) break;
        const Item& item = s.items[size_t(i)];
        DrawImageListImage(s.images, item.image, hdc, (cell.left + cell.right - picture.cx) / 2, cell.top + 2);
        RECT label{cell.left + 2, cell.top + 2 + picture.cy + 3, cell.right - 2, cell.bottom - 2};
        const std::u16string& text = item.texts[0];
        UINT format = DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
        if (item.selected) {
            RECT lit = label;
            DrawTextW(hdc, text.c_str(), int(text.size()), &lit, format | DT_CALCRECT);
            int width = std::min(lit.right - lit.left, label.right - label.left);
            int height = std::min(lit.bottom - lit.top, (label.bottom - label.top) / lineHeight * lineHeight);
            int left = (label.left + label.right - width) / 2;
            FillSolid(hdc, RECT{left - 1, label.top, left + width + 1, label.top + height}, GetSysColor(COLOR_HIGHLIGHT));
        }
        SetTextColor(hdc, item.selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetSysColor(COLOR_WINDOWTEXT));
        DrawTextW(hdc, text.c_str(), int(text.size()), &label, format);
    }
}

void PaintRows(HDC hdc, HWND hwnd, const Layout& l) {
    auto& s = S(hwnd);
    int rowHeight = s.scroll.vertical.line;
    int first = s.scroll.vertical.pos / std::max(1, rowHeight);
    for (int i = first; i < int(s.items.size()); ++i) {
        int top = l.rows.top + i * rowHeight - s.scroll.vertical.pos;
        if (top >= l.rows.bottom) break;
        int x = l.rows.left - s.scroll.horizontal.pos;
        for (size_t c = 0; c < s.columns.size(); ++c) {
            RECT cell{x, top, x + s.columns[c].width, top + rowHeight};
            x += s.columns[c].width;
            RECT visible;
            if (!IntersectRect(&visible, &cell, &l.rows)) continue;
            // Without full-row selection only the item's own label is highlighted.
            bool lit = c == 0 && s.items[size_t(i)].selected;
            if (lit) FillSolid(hdc, visible, GetSysColor(COLOR_HIGHLIGHT));
            SetTextColor(hdc, lit ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetSysColor(COLOR_WINDOWTEXT));
            // Text running past the rows is covered by the header and bars painted after.
            const auto& texts = s.items[size_t(i)].texts;
            PaintCell(hdc, c < texts.size() ? texts[c] : std::u16string(), cell);
        }
    }
}

void Paint(HWND hwnd) {
    PaintScope paint(hwnd);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    auto& s = S(hwnd);
    Layout l = ComputeLayout(hwnd);
    PrepareColours(hwnd, hdc, WM_CTLCOLOREDIT, client);
    HGDIOBJ oldFont = SelectObject(hdc, ControlFont(hwnd));
    SetBkMode(hdc, TRANSPARENT);
    if (IconView(hwnd)) PaintIcons(hdc, hwnd, l);
    else PaintRows(hdc, hwnd, l);
    if (HasHeader(hwnd)) PaintHeader(hdc, hwnd, l);
    DrawScrollBars(hdc, l, s.scroll);
    if (Get(hwnd).style & WS_BORDER) FrameSolid(hdc, client, RGB(0, 0, 0));
    SelectObject(hdc, oldFont);
}

bool Scroll(HWND hwnd, ScrollAxis& axis, int to) {
    if (!axis.ScrollTo(to)) return false;
    InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}

int ItemAt(HWND hwnd, const Layout& l, POINT p) {
    auto& s = S(hwnd);
    int row, column = 0, columns = 1;
    if (IconView(hwnd)) {
        columns = Columns(s, l.rows.right - l.rows.left);
        column = (p.x - l.rows.left) / s.spacing.cx;
        row = (p.y - l.rows.top + s.scroll.vertical.pos) / s.spacing.cy;
        if (column >= columns) return -1;
    } else {
        row = (p.y - l.rows.top + s.scroll.vertical.pos) / std::max(1, s.scroll.vertical.line);
    }
    int item = row * columns + column;
    return item < int(s.items.size()) ? item : -1;
}

void ButtonDown(HWND hwnd, POINT p) {
    auto& s = S(hwnd);
    Layout l = ComputeLayout(hwnd);
    bool moved;
    if (s.scroll.Press(l, p, moved)) {
        if (moved) InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    SetFocus(hwnd);
    if (HasHeader(hwnd) && p.y >= l.rows.top - kHeaderHeight && p.y < l.rows.top) {
        s.pressedHeader = ColumnAt(s, p.x - l.rows.left + s.scroll.horizontal.pos);
        s.headerPressed = true;
        InvalidateRect(hwnd, nullptr, FALSE);
        return;
    }
    if (!PtInRect(&l.rows, p)) return;
    SelectOnly(hwnd, ItemAt(hwnd, l, p));
}

void Move(HWND hwnd, POINT p) {
    if (S(hwnd).scroll.Drag(ComputeLayout(hwnd), p)) InvalidateRect(hwnd, nullptr, TRUE);
}

void ButtonUp(HWND hwnd, POINT p) {
    auto& s = S(hwnd);
    Layout l = ComputeLayout(hwnd);
    if (s.headerPressed) {
        int column = p.y >= l.rows.top - kHeaderHeight && p.y < l.rows.top ? ColumnAt(s, p.x - l.rows.left + s.scroll.horizontal.pos) : -1;
        int pressed = s.pressedHeader;
        s.pressedHeader = -1;
        InvalidateRect(hwnd, nullptr, FALSE);
        // Headers are buttons unless the list says they are not.
        if (column >= 0 && column == pressed && !(Get(hwnd).style & LVS_NOSORTHEADER)) Notify(hwnd, LVN_COLUMNCLICK, -1, column);
    }
    s.headerPressed = false;
    s.scroll.dragging = 0;
}

// How far a key moves the selection: a row (Up, Down) is one item in report view and a
// row of cells in icon view, where Left and Right move one cell; a page is what shows.
struct KeySteps {
    int row, page;
    bool sideways;  // Left and Right move the selection rather than scroll
};

KeySteps StepsOf(HWND hwnd) {
    auto& s = S(hwnd);
    Layout l = ComputeLayout(hwnd);
    if (!IconView(hwnd)) return {1, std::max(1, s.scroll.vertical.page / std::max(1, s.scroll.vertical.line)), false};
    int columns = Columns(s, l.rows.right - l.rows.left);
    return {columns, columns * std::max(1, s.scroll.vertical.page / s.spacing.cy), true};
}

void Key(HWND hwnd, UINT vk) {
    auto& s = S(hwnd);
    KeySteps steps = StepsOf(hwnd);
    int last = int(s.items.size()) - 1;
    int target;
    switch (vk) {
    case VK_UP: target = s.focused - steps.row; break;
    case VK_DOWN: target = s.focused + steps.row; break;
    case VK_PRIOR: target = s.focused - steps.page; break;
    case VK_NEXT: target = s.focused + steps.page; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = last; break;
    case VK_LEFT:
    case VK_RIGHT:
        if (steps.sideways) {
            target = s.focused + (vk == VK_LEFT ? -1 : 1);
            break;
        }
        Scroll(hwnd, s.scroll.horizontal, s.scroll.horizontal.pos + (vk == VK_LEFT ? -1 : 1) * s.scroll.horizontal.line);
        return;
    default: return;
    }
    if (last >= 0) SelectOnly(hwnd, std::clamp(target, 0, last));
}

LRESULT InsertColumn(HWND hwnd, WPARAM index, const LVCOLUMNW* column) {
    auto& s = S(hwnd);
    if (!column) return -1;
    Column c;
    if ((column->mask & LVCF_TEXT) && column->pszText) c.text = column->pszText;
    if (column->mask & LVCF_WIDTH) c.width = std::max(0, column->cx);
    size_t at = std::min(size_t(index), s.columns.size());
    s.columns.insert(s.columns.begin() + std::ptrdiff_t(at), c);
    InvalidateRect(hwnd, nullptr, TRUE);
    return LRESULT(at);
}

LRESULT InsertItem(HWND hwnd, const LVITEMW* item) {
    auto& s = S(hwnd);
    if (!item || item->iSubItem != 0) return -1;
    if (InsertLimit() >= 0 && int(s.items.size()) >= InsertLimit()) return -1;
    Item it;
    it.texts.assign(1, (item->mask & LVIF_TEXT) && item->pszText ? item->pszText : u"");
    if (item->mask & LVIF_PARAM) it.data = item->lParam;
    if (item->mask & LVIF_IMAGE) it.image = item->iImage;
    if ((item->mask & LVIF_STATE) && (item->stateMask & LVIS_SELECTED)) it.selected = item->state & LVIS_SELECTED;
    size_t at = std::min(size_t(std::max(0, item->iItem)), s.items.size());
    s.items.insert(s.items.begin() + std::ptrdiff_t(at), it);
    if (s.focused >= int(at)) ++s.focused;
    InvalidateRect(hwnd, nullptr, TRUE);
    return LRESULT(at);
}

LRESULT SetItemText(HWND hwnd, WPARAM index, const LVITEMW* item) {
    auto& s = S(hwnd);
    if (!item || index >= s.items.size() || item->iSubItem < 0) return FALSE;
    auto& texts = s.items[index].texts;
    if (texts.size() <= size_t(item->iSubItem)) texts.resize(size_t(item->iSubItem) + 1);
    texts[size_t(item->iSubItem)] = item->pszText ? item->pszText : u"";
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT GetItemText(HWND hwnd, WPARAM index, LVITEMW* item) {
    auto& s = S(hwnd);
    if (!item || !item->pszText || item->cchTextMax <= 0 || index >= s.items.size()) return 0;
    const auto& texts = s.items[index].texts;
    std::u16string text = size_t(item->iSubItem) < texts.size() ? texts[size_t(item->iSubItem)] : u"";
    size_t n = std::min(text.size(), size_t(item->cchTextMax) - 1);
    std::copy_n(text.data(), n, item->pszText);
    item->pszText[n] = 0;
    return LRESULT(n);
}

LRESULT Sort(HWND hwnd, LPARAM sortParam, PFNLVCOMPARE compare) {
    auto& s = S(hwnd);
    if (!compare) return FALSE;
    LPARAM focusedData = s.focused >= 0 ? s.items[size_t(s.focused)].data : 0;
    bool hadFocus = s.focused >= 0;
    // A stable sort: rows that compare equal keep the order they had.
    std::stable_sort(s.items.begin(), s.items.end(),
                     [&](const Item& a, const Item& b) { return compare(a.data, b.data, sortParam) < 0; });
    if (hadFocus)
        for (size_t i = 0; i < s.items.size(); ++i)
            if (s.items[i].data == focusedData) s.focused = int(i);
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT NextItem(HWND hwnd, int start, UINT flags) {
    auto& s = S(hwnd);
    for (int i = start + 1; i < int(s.items.size()); ++i) {
        if ((flags & LVNI_SELECTED) && !s.items[size_t(i)].selected) continue;
        if ((flags & LVNI_FOCUSED) && i != s.focused) continue;
        return i;
    }
    return -1;
}

// Where a script taps: item N (scrolled into view first), or header C.
LRESULT ItemTapPoint(HWND hwnd, TapRequest* request) {
    auto& s = S(hwnd);
    if (!request || request->index < 0 || size_t(request->index) >= s.items.size()) return FALSE;
    EnsureVisible(hwnd, request->index);
    Layout l = ComputeLayout(hwnd);
    if (IconView(hwnd)) {
        RECT cell = IconCell(hwnd, l, request->index);
        POINT p{(cell.left + cell.right) / 2, cell.top + 2 + ImageListImageSize(s.images).cy / 2};
        return AnswerTapPoint(hwnd, p, request);
    }
    int x = l.rows.left + std::min(s.columns.empty() ? 10 : s.columns[0].width / 2, int(l.rows.right - l.rows.left) / 2);
    POINT p{x, l.rows.top + request->index * s.scroll.vertical.line - s.scroll.vertical.pos + s.scroll.vertical.line / 2};
    return AnswerTapPoint(hwnd, p, request);
}

LRESULT HeaderTapPoint(HWND hwnd, TapRequest* request) {
    auto& s = S(hwnd);
    if (!request || !HasHeader(hwnd) || request->index < 0 || size_t(request->index) >= s.columns.size()) return FALSE;
    Layout l = ComputeLayout(hwnd);
    int left = 0;
    for (int i = 0; i < request->index; ++i) left += s.columns[size_t(i)].width;
    int width = s.columns[size_t(request->index)].width;
    // Bring the header into view the way a person would, by scrolling sideways.
    if (left < s.scroll.horizontal.pos || left + std::min(width, s.scroll.horizontal.page) > s.scroll.horizontal.pos + s.scroll.horizontal.page)
        Scroll(hwnd, s.scroll.horizontal, left);
    int visibleLeft = std::max(left, s.scroll.horizontal.pos);
    int visibleRight = std::min(left + width, s.scroll.horizontal.pos + s.scroll.horizontal.page);
    POINT p{l.rows.left + (visibleLeft + visibleRight) / 2 - s.scroll.horizontal.pos, l.rows.top - kHeaderHeight / 2};
    return AnswerTapPoint(hwnd, p, request);
}

LRESULT ListItems(HWND hwnd, ItemsReply* reply) {
    if (!reply) return FALSE;
    auto& s = S(hwnd);
    for (const auto& it : s.items) {
        ItemsReply::Item out;
        out.texts = it.texts;
        out.texts.resize(std::max(out.texts.size(), s.columns.size()));
        out.selected = it.selected;
        reply->items.push_back(out);
    }
    return TRUE;
}

POINT At(LPARAM lParam) { return POINT{short(LOWORD(lParam)), short(HIWORD(lParam))}; }

LRESULT CALLBACK ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    bool handled;
    LRESULT fontResult = HandleFontMessages(hwnd, msg, wParam, lParam, handled);
    if (handled) return fontResult;
    auto& s = S(hwnd);
    switch (msg) {
    case WM_CREATE:
        // Only the report and icon views are drawn; a list asking for another is not made.
        return (Get(hwnd).style & LVS_TYPEMASK) == LVS_REPORT || IconView(hwnd) ? 0 : -1;
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: ButtonDown(hwnd, At(lParam)); return 0;
    case WM_MOUSEMOVE: Move(hwnd, At(lParam)); return 0;
    case WM_LBUTTONUP: ButtonUp(hwnd, At(lParam)); return 0;
    case WM_KEYDOWN: Key(hwnd, UINT(wParam)); return 0;
    case LVM_INSERTCOLUMNW: return InsertColumn(hwnd, wParam, reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_INSERTITEMW: return InsertItem(hwnd, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_SETITEMTEXTW: return SetItemText(hwnd, wParam, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_GETITEMTEXTW: return GetItemText(hwnd, wParam, reinterpret_cast<LVITEMW*>(lParam));
    case LVM_GETITEMCOUNT: return LRESULT(s.items.size());
    case LVM_DELETEALLITEMS:
        s.items.clear();
        s.focused = -1;
        s.scroll.vertical.pos = 0;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case LVM_SETIMAGELIST: {
        if (wParam != LVSIL_NORMAL) return 0;
        HIMAGELIST old = s.images;
        s.images = reinterpret_cast<HIMAGELIST>(lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
    }
    case LVM_SETICONSPACING: {
        LRESULT old = MAKELONG(s.spacing.cx, s.spacing.cy);
        if (LOWORD(lParam) > 0 && HIWORD(lParam) > 0) s.spacing = SIZE{LOWORD(lParam), HIWORD(lParam)};
        InvalidateRect(hwnd, nullptr, TRUE);
        return old;
    }
    case LVM_SORTITEMS: return Sort(hwnd, LPARAM(wParam), reinterpret_cast<PFNLVCOMPARE>(lParam));
    case LVM_GETNEXTITEM: return NextItem(hwnd, int(wParam), UINT(LOWORD(lParam)));
    case LVM_GETITEMSTATE:
        if (wParam >= s.items.size()) return 0;
        return ((s.items[wParam].selected ? LVIS_SELECTED : 0) | (int(wParam) == s.focused ? LVIS_FOCUSED : 0)) & lParam;
    case LVM_ENSUREVISIBLE:
        if (wParam >= s.items.size()) return FALSE;
        EnsureVisible(hwnd, int(wParam));
        return TRUE;
    case kMsgItemTapPoint: return ItemTapPoint(hwnd, reinterpret_cast<TapRequest*>(lParam));
    case kMsgHeaderTapPoint: return HeaderTapPoint(hwnd, reinterpret_cast<TapRequest*>(lParam));
    case kMsgListItems: return ListItems(hwnd, reinterpret_cast<ItemsReply*>(lParam));
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterListViewClass() { RegisterSystemClass(WC_LISTVIEWW, ListViewProc, nullptr); }

void RefuseListViewInsertionsBeyond(int count) { InsertLimit() = count; }

}  // namespace platform
