// The edit control: caret and selection, typing with a limit, read-only mode, upper-case
// mode and the clipboard; a single line that scrolls across, or (ES_MULTILINE) lines
// wrapped at the field's width that scroll down, with a scroll bar under WS_VSCROLL.
#include <algorithm>

#include "controls/controls.h"
#include "controls/scrollbar.h"
#include "kernel/letter_case.h"

namespace platform {
namespace {

constexpr int kMargin = 2;
constexpr size_t kNoLimit = 0x7FFE;  // the handheld's largest single-line limit

struct EditState : ControlData {
    std::u16string text;
    size_t caret = 0;
    size_t anchor = 0;  // the other end of the selection
    size_t limit = 30000;
    int scroll = 0;     // pixels of text hidden at the left
    bool dragging = false;
    ScrollState lines;  // a multi-line field's vertical scrolling, in pixels
};

EditState& S(HWND hwnd) { return StateOf<EditState>(hwnd); }
DWORD Style(HWND hwnd) { return Get(hwnd).style; }
size_t SelStart(const EditState& s) { return std::min(s.caret, s.anchor); }
size_t SelEnd(const EditState& s) { return std::max(s.caret, s.anchor); }
bool MultiLine(HWND hwnd) { return Style(hwnd) & ES_MULTILINE; }

std::u16string Shown(HWND hwnd) {
    const auto& s = S(hwnd);
    return (Style(hwnd) & ES_PASSWORD) ? std::u16string(s.text.size(), u'*') : s.text;
}

std::vector<int> RowPositions(HWND hwnd, TextLine row);

// Where each caret position of a single-line field's text falls.
std::vector<int> Positions(HWND hwnd) { return RowPositions(hwnd, TextLine{0, S(hwnd).text.size()}); }

int InnerWidth(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return std::max(0, int(r.right) - 2 * kMargin);
}

// A multi-line field's text area (inside the border, beside its scroll bar) and its lines.
struct LinesLayout : ScrollLayout {
    std::vector<TextLine> rows;
    int lineHeight = 1;
};

LinesLayout LayOutLines(HWND hwnd) {
    auto& s = S(hwnd);
    RECT area;
    GetClientRect(hwnd, &area);
    InflateRect(&area, -FieldEdgeWidth(hwnd), -FieldEdgeWidth(hwnd));
    LinesLayout l;
    l.view = area;
    // A field with WS_VSCROLL always shows its bar, so the lines do not re-wrap as it comes and goes.
    if (Style(hwnd) & WS_VSCROLL) {
        l.vertical = true;
        l.view.right = std::max(area.left, area.right - kScrollBarSize);
        l.vbar = RECT{l.view.right, area.top, area.right, area.bottom};
    }
    HDC hdc = GetDC(hwnd);
    SelectObject(hdc, ControlFont(hwnd));
    l.rows = LineRanges(hdc, Shown(hwnd), true, std::max(0, int(l.view.right - l.view.left) - 2 * kMargin));
    l.lineHeight = std::max(1, LineHeight(hdc));
    ReleaseDC(hwnd, hdc);
    s.lines.vertical.total = int(l.rows.size()) * l.lineHeight;
    s.lines.vertical.line = l.lineHeight;
    s.lines.Fit(l);
    return l;
}

// The line a caret position belongs to: the end of a wrapped line is still on it.
size_t RowOf(const LinesLayout& l, size_t caret) {
    for (size_t i = 1; i < l.rows.size(); ++i)
        if (caret < l.rows[i].start) return i - 1;
    return l.rows.size() - 1;
}

std::vector<int> RowPositions(HWND hwnd, TextLine row) {
    HDC hdc = GetDC(hwnd);
    SelectObject(hdc, ControlFont(hwnd));
    auto xs = CaretPositions(hdc, Shown(hwnd).substr(row.start, row.end - row.start));
    ReleaseDC(hwnd, hdc);
    return xs;
}

size_t NearestPosition(const std::vector<int>& xs, int x) {
    size_t best = 0;
    for (size_t i = 0; i < xs.size(); ++i)
        if (std::abs(xs[i] - x) < std::abs(xs[best] - x)) best = i;
    return best;
}

// The caret position nearest to x on line `row` of a multi-line field.
size_t PositionOnRow(HWND hwnd, const LinesLayout& l, int row, int x) {
    TextLine line = l.rows[size_t(std::clamp(row, 0, int(l.rows.size()) - 1))];
    return line.start + NearestPosition(RowPositions(hwnd, line), x);
}

int CaretX(HWND hwnd, const LinesLayout& l) {
    TextLine line = l.rows[RowOf(l, S(hwnd).caret)];
    return RowPositions(hwnd, line)[std::min(S(hwnd).caret, line.end) - line.start];
}

void ScrollCaretRowIntoView(HWND hwnd) {
    auto& s = S(hwnd);
    LinesLayout l = LayOutLines(hwnd);
    ScrollAxis& v = s.lines.vertical;
    int top = int(RowOf(l, s.caret)) * l.lineHeight;
    if (top < v.pos) v.ScrollTo(top);
    else if (top + l.lineHeight > v.pos + v.page) v.ScrollTo(top + l.lineHeight - v.page);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ScrollCaretIntoView(HWND hwnd) {
    if (MultiLine(hwnd)) return ScrollCaretRowIntoView(hwnd);
    auto& s = S(hwnd);
    auto xs = Positions(hwnd);
    int x = xs[s.caret], width = InnerWidth(hwnd);
    if (x - s.scroll > width - 1) s.scroll = x - width + 1;
    if (x - s.scroll < 0) s.scroll = x;
    s.scroll = std::max(0, std::min(s.scroll, std::max(0, xs.back() - width + 1)));
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Changed(HWND hwnd) {
    ScrollCaretIntoView(hwnd);
    NotifyParent(hwnd, EN_UPDATE);
    NotifyParent(hwnd, EN_CHANGE);
}

std::u16string Filtered(HWND hwnd, std::u16string text) {
    DWORD style = Style(hwnd);
    for (auto& c : text) {
        if (style & ES_UPPERCASE) c = UpperCase(c);
        if (style & ES_LOWERCASE) c = LowerCase(c);
    }
    if (style & ES_NUMBER) text.erase(std::remove_if(text.begin(), text.end(), [](char16_t c) { return c < u'0' || c > u'9'; }), text.end());
    return text;
}

// Replaces the selection with what the limit (and, without ES_AUTOHSCROLL, the width)
// allows of `text`; answers whether anything changed.
bool ReplaceSelection(HWND hwnd, std::u16string text) {
    auto& s = S(hwnd);
    size_t start = SelStart(s), end = SelEnd(s);
    text = Filtered(hwnd, text);
    size_t room = s.limit - std::min(s.limit, s.text.size() - (end - start));
    bool truncated = text.size() > room;
    if (truncated) text.resize(room);
    std::u16string candidate = s.text.substr(0, start) + text + s.text.substr(end);
    if (!(Style(hwnd) & (ES_AUTOHSCROLL | ES_MULTILINE))) {
        HDC hdc = GetDC(hwnd);
        SelectObject(hdc, ControlFont(hwnd));
        while (!text.empty() && TextWidth(hdc, candidate) > InnerWidth(hwnd)) {
            text.pop_back();
            truncated = true;
            candidate = s.text.substr(0, start) + text + s.text.substr(end);
        }
        ReleaseDC(hwnd, hdc);
    }
    // Also when what is typed does not fit the width of a field that does not scroll.
    if (truncated) NotifyParent(hwnd, EN_MAXTEXT);
    if (text.empty() && start == end) return false;
    s.text = candidate;
    s.caret = s.anchor = start + text.size();
    Changed(hwnd);
    return true;
}

size_t CaretAt(HWND hwnd, POINT p) {
    if (!MultiLine(hwnd)) return NearestPosition(Positions(hwnd), p.x - kMargin + S(hwnd).scroll);
    LinesLayout l = LayOutLines(hwnd);
    int row = (p.y - l.view.top + S(hwnd).lines.vertical.pos) / l.lineHeight;
    return PositionOnRow(hwnd, l, row, p.x - l.view.left - kMargin);
}

void MoveCaret(HWND hwnd, size_t to, bool extend) {
    auto& s = S(hwnd);
    s.caret = std::min(to, s.text.size());
    if (!extend) s.anchor = s.caret;
    ScrollCaretIntoView(hwnd);
}

bool ReadOnly(HWND hwnd) { return Style(hwnd) & ES_READONLY; }

void Copy(HWND hwnd) {
    auto& s = S(hwnd);
    if (SelEnd(s) > SelStart(s) && !(Style(hwnd) & ES_PASSWORD)) ClipboardText() = s.text.substr(SelStart(s), SelEnd(s) - SelStart(s));
}

void Cut(HWND hwnd) {
    if (ReadOnly(hwnd)) return;
    Copy(hwnd);
    ReplaceSelection(hwnd, u"");
}

void Paste(HWND hwnd) {
    if (ReadOnly(hwnd)) return;
    std::u16string clip = ClipboardText();
    // A single-line field keeps only the first line of what is pasted.
    size_t br = clip.find_first_of(u"\r\n");
    if (br != std::u16string::npos && !MultiLine(hwnd)) clip.resize(br);
    ReplaceSelection(hwnd, clip);
}

void Character(HWND hwnd, WCHAR ch) {
    auto& s = S(hwnd);
    switch (ch) {
    case 3: Copy(hwnd); return;
    case 0x16: Paste(hwnd); return;
    case 0x18: Cut(hwnd); return;
    case 8:
        if (ReadOnly(hwnd)) return;
        if (SelEnd(s) == SelStart(s) && s.caret > 0) s.anchor = s.caret - 1;
        ReplaceSelection(hwnd, u"");
        return;
    case u'\r':
        if (MultiLine(hwnd) && !ReadOnly(hwnd)) ReplaceSelection(hwnd, u"\r\n");
        return;
    default:
        if (ch < 32 || ReadOnly(hwnd)) return;
        ReplaceSelection(hwnd, std::u16string(1, ch));
    }
}

// Up, Down, Page Up and Page Down move a multi-line field's caret by lines, keeping its
// place across; Home and End go to the ends of the caret's line.
bool LineKey(HWND hwnd, UINT vk, bool shift) {
    LinesLayout l = LayOutLines(hwnd);
    int row = int(RowOf(l, S(hwnd).caret));
    int perPage = std::max(1, S(hwnd).lines.vertical.page / l.lineHeight);
    int step;
    switch (vk) {
    case VK_UP: step = -1; break;
    case VK_DOWN: step = 1; break;
    case VK_PRIOR: step = -perPage; break;
    case VK_NEXT: step = perPage; break;
    case VK_HOME: MoveCaret(hwnd, l.rows[size_t(row)].start, shift); return true;
    case VK_END: MoveCaret(hwnd, l.rows[size_t(row)].end, shift); return true;
    default: return false;
    }
    MoveCaret(hwnd, PositionOnRow(hwnd, l, row + step, CaretX(hwnd, l)), shift);
    return true;
}

void Key(HWND hwnd, UINT vk) {
    auto& s = S(hwnd);
    bool shift = GetKeyState(VK_SHIFT) < 0;
    if (MultiLine(hwnd) && LineKey(hwnd, vk, shift)) return;
    switch (vk) {
    case VK_LEFT:
        MoveCaret(hwnd, !shift && SelEnd(s) > SelStart(s) ? SelStart(s) : (s.caret ? s.caret - 1 : 0), shift);
        break;
    case VK_RIGHT:
        MoveCaret(hwnd, !shift && SelEnd(s) > SelStart(s) ? SelEnd(s) : s.caret + 1, shift);
        break;
    case VK_HOME: MoveCaret(hwnd, 0, shift); break;
    case VK_END: MoveCaret(hwnd, s.text.size(), shift); break;
    case VK_DELETE:
        if (ReadOnly(hwnd)) break;
        if (shift) {
            Cut(hwnd);
            break;
        }
        if (SelEnd(s) == SelStart(s)) s.anchor = std::min(s.caret + 1, s.text.size());
        ReplaceSelection(hwnd, u"");
        break;
    default: break;
    }
}

// One line of the field drawn at `origin`: its text, the selected part, and the caret
// when the line holds it.
void PaintLine(HDC hdc, const EditState& s, const std::u16string& shown, TextLine line, POINT origin, const RECT& clip,
               bool focused, bool holdsCaret) {
    std::u16string text = shown.substr(line.start, line.end - line.start);
    auto xs = CaretPositions(hdc, text);
    int height = LineHeight(hdc);
    ExtTextOutW(hdc, origin.x, origin.y, ETO_CLIPPED, &clip, text.c_str(), UINT(text.size()), nullptr);
    if (!focused) return;
    size_t from = std::clamp(SelStart(s), line.start, line.end) - line.start;
    size_t to = std::clamp(SelEnd(s), line.start, line.end) - line.start;
    if (to > from) {
        RECT sel{origin.x + xs[from], origin.y, origin.x + xs[to], origin.y + height};
        IntersectRect(&sel, &sel, &clip);
        FillSolid(hdc, sel, GetSysColor(COLOR_HIGHLIGHT));
        COLORREF old = SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        std::u16string part = text.substr(from, to - from);
        ExtTextOutW(hdc, origin.x + xs[from], origin.y, ETO_CLIPPED, &sel, part.c_str(), UINT(part.size()), nullptr);
        SetTextColor(hdc, old);
    }
    if (holdsCaret) {
        int x = origin.x + xs[std::min(s.caret, line.end) - line.start];
        RECT caret{x, origin.y, x + 1, origin.y + height};
        IntersectRect(&caret, &caret, &clip);
        FillSolid(hdc, caret, RGB(0, 0, 0));
    }
}

void PaintLines(HWND hwnd, HDC hdc, bool focused) {
    auto& s = S(hwnd);
    LinesLayout l = LayOutLines(hwnd);
    std::u16string shown = Shown(hwnd);
    size_t caretRow = RowOf(l, s.caret);
    int pos = s.lines.vertical.pos;
    for (size_t i = size_t(pos / l.lineHeight); i < l.rows.size(); ++i) {
        POINT origin{l.view.left + kMargin, l.view.top + int(i) * l.lineHeight - pos};
        if (origin.y >= l.view.bottom) break;
        PaintLine(hdc, s, shown, l.rows[i], origin, l.view, focused, i == caretRow);
    }
    DrawScrollBars(hdc, l, s.lines);
}

void Paint(HWND hwnd) {
    PaintScope paint(hwnd);
    HDC hdc = paint.hdc;
    const RECT& client = paint.client;
    Window& w = Get(hwnd);
    auto& s = S(hwnd);
    bool focused = GetFocus() == hwnd;
    bool dim = ReadOnly(hwnd) || (w.style & WS_DISABLED);
    PrepareColours(hwnd, hdc, dim ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, client);
    if (w.style & WS_DISABLED) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ oldFont = SelectObject(hdc, ControlFont(hwnd));
    SetBkMode(hdc, TRANSPARENT);
    if (MultiLine(hwnd)) {
        PaintLines(hwnd, hdc, focused);
    } else {
        RECT inner = client;
        InflateRect(&inner, -FieldEdgeWidth(hwnd), -FieldEdgeWidth(hwnd));
        std::u16string shown = Shown(hwnd);
        POINT origin{kMargin - s.scroll, (client.bottom - LineHeight(hdc)) / 2};
        PaintLine(hdc, s, shown, TextLine{0, shown.size()}, origin, inner, focused, true);
    }
    DrawFieldEdge(hwnd, hdc, client);
    SelectObject(hdc, oldFont);
}

LRESULT GetSelection(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    auto& s = S(hwnd);
    if (wParam) *reinterpret_cast<DWORD*>(wParam) = DWORD(SelStart(s));
    if (lParam) *reinterpret_cast<DWORD*>(lParam) = DWORD(SelEnd(s));
    // Positions that do not fit a word make the packed answer -1.
    if (SelEnd(s) > 0xFFFF) return -1;
    return MAKELONG(SelStart(s), SelEnd(s));
}

void SetSelection(HWND hwnd, int start, int end) {
    auto& s = S(hwnd);
    size_t n = s.text.size();
    if (start < 0) {
        s.anchor = s.caret;  // -1 removes the selection
    } else {
        s.anchor = std::min(size_t(start), n);
        s.caret = end < 0 ? n : std::min(size_t(end), n);
    }
    ScrollCaretIntoView(hwnd);
}

POINT At(LPARAM lParam) { return POINT{short(LOWORD(lParam)), short(HIWORD(lParam))}; }

void ButtonDown(HWND hwnd, POINT p) {
    auto& s = S(hwnd);
    bool moved;
    // The scroll bar scrolls the lines and leaves the focus where it is.
    if (MultiLine(hwnd) && s.lines.Press(LayOutLines(hwnd), p, moved)) {
        if (moved) InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    SetFocus(hwnd);
    // The focus may have moved on at once (a screen that keeps a field from typing).
    if (GetFocus() != hwnd) return;
    s.dragging = true;
    MoveCaret(hwnd, CaretAt(hwnd, p), GetKeyState(VK_SHIFT) < 0);
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    bool handled;
    LRESULT fontResult = HandleFontMessages(hwnd, msg, wParam, lParam, handled);
    if (handled) return fontResult;
    auto& s = S(hwnd);
    switch (msg) {
    case WM_CREATE:
        s.text = Get(hwnd).text;
        return 0;
    case WM_SETTEXT:
        // Setting the text is not typing: the limit does not apply.
        s.text = lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string();
        Get(hwnd).text = s.text;
        s.caret = s.anchor = 0;
        s.scroll = 0;
        s.lines.vertical.pos = 0;
        Changed(hwnd);
        return TRUE;
    case WM_GETTEXT: {
        auto* out = reinterpret_cast<LPWSTR>(lParam);
        if (!out || wParam == 0) return 0;
        size_t n = std::min(s.text.size(), size_t(wParam) - 1);
        std::copy_n(s.text.data(), n, out);
        out[n] = 0;
        return LRESULT(n);
    }
    case WM_GETTEXTLENGTH: return LRESULT(s.text.size());
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFOCUS:
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(hwnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        s.dragging = false;
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(hwnd, EN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN: ButtonDown(hwnd, At(lParam)); return 0;
    case WM_MOUSEMOVE:
        if (s.lines.dragging && s.lines.Drag(LayOutLines(hwnd), At(lParam))) InvalidateRect(hwnd, nullptr, TRUE);
        if (s.dragging) MoveCaret(hwnd, CaretAt(hwnd, At(lParam)), true);
        return 0;
    case WM_LBUTTONUP:
        s.dragging = false;
        s.lines.dragging = 0;
        return 0;
    case WM_CHAR: Character(hwnd, WCHAR(wParam)); return 0;
    case WM_KEYDOWN: Key(hwnd, UINT(wParam)); return 0;
    case WM_CUT: Cut(hwnd); return 0;
    case WM_COPY: Copy(hwnd); return 0;
    case WM_PASTE: Paste(hwnd); return 0;
    case WM_CLEAR:
        if (!ReadOnly(hwnd)) ReplaceSelection(hwnd, u"");
        return 0;
    case EM_GETSEL: return GetSelection(hwnd, wParam, lParam);
    case EM_SETSEL: SetSelection(hwnd, int(wParam), int(lParam)); return 0;
    case EM_REPLACESEL:
        ReplaceSelection(hwnd, lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string());
        return 0;
    case EM_LIMITTEXT: s.limit = wParam ? size_t(wParam) : kNoLimit; return 0;
    case EM_GETLIMITTEXT: return LRESULT(s.limit);
    case EM_SETREADONLY:
        if (wParam) Get(hwnd).style |= ES_READONLY;
        else Get(hwnd).style &= ~DWORD(ES_READONLY);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterEditClass() { RegisterSystemClass(u"Edit", EditProc, nullptr); }

}  // namespace platform
