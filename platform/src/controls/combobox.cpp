// The drop-down combo box: a text field with an arrow beside it, and a list that drops
// over the screen when the arrow is tapped. The list is a list box in a window of its
// own, so that it may reach past the dialog the combo box sits in; while it is down it
// holds the stylus, and a tap anywhere else closes it.
//
// The keyboard, as Win32's default combo box: with the focus in the field, Down and Up
// choose the next and previous item; F4, Alt+Down and Alt+Up drop the list and close it
// on the highlighted item. While it is down, Down and Up move the highlight, Enter
// chooses the highlighted item and Escape closes the list without a choice.
//
// Choosing an item sends CBN_SELCHANGE before the text field takes the item's text, as
// in Win32: a parent that reads the field while it handles the notification still sees
// the old text, and a text it writes there then is replaced by the item's.
#include <algorithm>
#include <string>

#include "controls/controls.h"
#include "controls/scrollbar.h"

namespace platform {
namespace {

constexpr int kArrowWidth = 15;
constexpr int kFieldId = 1001;   // the text field's id, as in Win32
constexpr int kShownRows = 4;    // at least this many rows show where the screen has room
constexpr int kTopOfWorkArea = 26, kBottomOfWorkArea = 294;
constexpr const char16_t* kDroppedListClass = u"ComboLBox";

struct ComboState : ControlData {
    HWND field = nullptr;
    HWND list = nullptr;
    int listHeight = 0;  // what the template left below the field
    int selectionWhenDropped = -1;
    bool settingField = false;
};

WNDPROC editProc = nullptr;  // the field's own procedure, under the keys the combo box takes

ComboState& S(HWND hwnd) { return StateOf<ComboState>(hwnd); }
HWND ComboOfList(HWND list) { return reinterpret_cast<HWND>(GetWindowLongPtrW(list, GWL_USERDATA)); }
bool Dropped(HWND combo) { return IsWindowVisible(S(combo).list); }
int ItemCount(HWND combo) { return int(SendMessageW(S(combo).list, LB_GETCOUNT, 0, 0)); }
// The selected item; while the list is down, the highlighted one.
int Highlighted(HWND combo) { return int(SendMessageW(S(combo).list, LB_GETCURSEL, 0, 0)); }

int FieldHeight(HWND combo) { return ControlLineHeight(combo) + 6; }

RECT ArrowRect(HWND combo) {
    RECT r;
    GetClientRect(combo, &r);
    r.left = std::max(r.left, r.right - kArrowWidth);
    return r;
}

// Closed without a choice, the list leaves the selection as it was when it dropped,
// whatever the keys highlighted meanwhile.
void CloseList(HWND combo) {
    auto& s = S(combo);
    if (!Dropped(combo)) return;
    if (GetCapture() == s.list) ReleaseCapture();
    ShowWindow(s.list, SW_HIDE);
    SendMessageW(s.list, LB_SETCURSEL, WPARAM(s.selectionWhenDropped), 0);
    InvalidateRect(combo, nullptr, TRUE);
}

// Below the field where it fits, else above it; never smaller than a few rows when the
// screen has room, however little height the template gave.
void DropList(HWND combo) {
    auto& s = S(combo);
    RECT box;
    GetWindowRect(combo, &box);
    int row = ControlLineHeight(combo);
    int height = std::max(s.listHeight, kShownRows * row + 2);
    int below = kBottomOfWorkArea - box.bottom, above = box.top - kTopOfWorkArea;
    int top = box.bottom;
    if (height > below && above > below) {
        height = std::min(height, above);
        top = box.top - height;
    } else {
        height = std::min(height, below);
    }
    SetWindowPos(s.list, HWND_TOP, box.left, top, box.right - box.left, height, SWP_NOACTIVATE);
    s.selectionWhenDropped = Highlighted(combo);
    if (s.selectionWhenDropped >= 0) SendMessageW(s.list, LB_SETCURSEL, WPARAM(s.selectionWhenDropped), 0);
    ShowWindow(s.list, SW_SHOWNA);
    SetCapture(s.list);
    InvalidateRect(combo, nullptr, TRUE);
}

// Text the program or the list puts into the field is no edit by the user: the parent
// hears no CBN_EDITCHANGE for it.
LRESULT SetFieldText(HWND combo, LPCWSTR text) {
    auto& s = S(combo);
    s.settingField = true;
    LRESULT result = SendMessageW(s.field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    s.settingField = false;
    return result;
}

void SetFieldToItem(HWND combo, int item) {
    auto& s = S(combo);
    std::u16string text;
    if (item >= 0) {
        text.assign(size_t(SendMessageW(s.list, LB_GETTEXTLEN, WPARAM(item), 0)) + 1, u'\0');
        SendMessageW(s.list, LB_GETTEXT, WPARAM(item), reinterpret_cast<LPARAM>(text.data()));
    }
    SetFieldText(combo, text.c_str());
}

// A person's choice is announced even when it is the item already selected: the field
// may be showing another text by then.
void Choose(HWND combo, int item) {
    CloseList(combo);
    SendMessageW(S(combo).list, LB_SETCURSEL, WPARAM(item), 0);
    NotifyParent(combo, CBN_SELCHANGE);
    if (IsWindow(combo)) SetFieldToItem(combo, item);
}

void ChooseHighlighted(HWND combo) {
    int item = Highlighted(combo);
    if (item >= 0) Choose(combo, item);
    else CloseList(combo);
}

// The item `by` rows from the highlighted one, within the list (the first when none is);
// -1 in an empty list.
int ItemAfter(HWND combo, int by) {
    int count = ItemCount(combo), at = Highlighted(combo);
    if (count == 0) return -1;
    return at < 0 ? 0 : std::clamp(at + by, 0, count - 1);
}

// Answers whether the key was the combo box's (see the top of the file).
bool ComboKey(HWND combo, UINT vk) {
    bool dropped = Dropped(combo);
    bool arrow = vk == VK_DOWN || vk == VK_UP;
    if (vk == VK_F4 || (arrow && GetKeyState(VK_MENU) < 0)) {
        if (dropped) ChooseHighlighted(combo);
        else DropList(combo);
        return true;
    }
    if (arrow) {
        int item = ItemAfter(combo, vk == VK_DOWN ? 1 : -1);
        if (dropped) SendMessageW(S(combo).list, LB_SETCURSEL, WPARAM(item), 0);
        else if (item != Highlighted(combo)) Choose(combo, item);
        return true;
    }
    if (!dropped || (vk != VK_RETURN && vk != VK_ESCAPE)) return false;
    if (vk == VK_RETURN) ChooseHighlighted(combo);
    else CloseList(combo);
    return true;
}

LRESULT CALLBACK FieldProc(HWND field, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KEYDOWN && ComboKey(GetParent(field), UINT(wParam))) return 0;
    return CallWindowProcW(editProc, field, msg, wParam, lParam);
}

LRESULT CALLBACK DroppedListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONDOWN) {
        HWND combo = ComboOfList(list);
        POINT p{short(LOWORD(lParam)), short(HIWORD(lParam))};
        RECT client;
        GetClientRect(list, &client);
        int item = ListBoxItemAt(list, p);
        if (!PtInRect(&client, p)) CloseList(combo);
        else if (item >= 0) Choose(combo, item);
        else ListBoxMessage(list, msg, wParam, lParam);  // its scroll bar
        return 0;
    }
    return ListBoxMessage(list, msg, wParam, lParam);
}

void Create(HWND combo, const CREATESTRUCTW& cs) {
    auto& s = S(combo);
    Window& w = Get(combo);
    int field = FieldHeight(combo);
    s.listHeight = std::max(0, cs.cy - field);
    // The combo box itself is as tall as its field; the list drops outside it.
    SetWindowPos(combo, nullptr, 0, 0, cs.cx, field, SWP_NOMOVE | SWP_NOZORDER);
    s.field = CreateWindowExW(0, u"Edit", w.text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 0, 0,
                              std::max(0, cs.cx - kArrowWidth + 1), field, combo,
                              reinterpret_cast<HMENU>(uintptr_t(kFieldId)), cs.hInstance, nullptr);
    editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(s.field, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FieldProc)));
    DWORD listStyle = WS_POPUP | WS_BORDER | LBS_NOINTEGRALHEIGHT | (w.style & WS_VSCROLL) | ((w.style & CBS_SORT) ? LBS_SORT : 0);
    s.list = CreateWindowExW(WS_EX_TOPMOST, kDroppedListClass, u"", listStyle, 0, 0, cs.cx, s.listHeight, nullptr,
                             nullptr, cs.hInstance, nullptr);
    SetWindowLongPtrW(s.list, GWL_USERDATA, reinterpret_cast<LONG_PTR>(combo));
    // Like a menu popup, the dropped list is part of the platform's chrome: it is never a
    // program's main window or screen.
    Get(s.list).shellChrome = true;
}

void Paint(HWND combo) {
    PaintScope paint(combo);
    RECT arrow = ArrowRect(combo);
    FillSolid(paint.hdc, arrow, Dropped(combo) ? RGB(160, 160, 160) : RGB(224, 224, 224));
    FrameSolid(paint.hdc, arrow, RGB(0, 0, 0));
    int cx = (arrow.left + arrow.right) / 2, cy = (arrow.top + arrow.bottom) / 2;
    for (int i = 0; i < 4; ++i) FillSolid(paint.hdc, RECT{cx - 3 + i, cy - 1 + i, cx + 4 - i, cy + i}, RGB(0, 0, 0));
}

// The field's notifications reach the parent as the combo box's own.
void ForwardFieldNotification(HWND combo, WORD code) {
    switch (code) {
    case EN_SETFOCUS: NotifyParent(combo, CBN_SETFOCUS); break;
    case EN_KILLFOCUS: NotifyParent(combo, CBN_KILLFOCUS); break;
    case EN_CHANGE:
        if (!S(combo).settingField) NotifyParent(combo, CBN_EDITCHANGE);
        break;
    case EN_UPDATE:
        if (!S(combo).settingField) NotifyParent(combo, CBN_EDITUPDATE);
        break;
    default: break;
    }
}

// Where a script taps to choose item N: the arrow first, then the item in the list.
LRESULT ItemTapPoint(HWND combo, TapRequest* request) {
    auto& s = S(combo);
    if (!request || request->index < 0 || request->index >= ItemCount(combo)) return FALSE;
    if (Dropped(combo)) return SendMessageW(s.list, kMsgItemTapPoint, 0, reinterpret_cast<LPARAM>(request));
    RECT arrow = ArrowRect(combo);
    POINT p{(arrow.left + arrow.right) / 2, (arrow.top + arrow.bottom) / 2};
    request->more = true;
    return AnswerTapPoint(combo, p, request);
}

LRESULT CALLBACK ComboBoxProc(HWND combo, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& s = S(combo);
    switch (msg) {
    case WM_CREATE: Create(combo, *reinterpret_cast<CREATESTRUCTW*>(lParam)); return 0;
    case WM_DESTROY:
        DestroyWindow(s.list);
        return 0;
    case WM_SETFONT:
        SendMessageW(s.field, WM_SETFONT, wParam, lParam);
        SendMessageW(s.list, WM_SETFONT, wParam, lParam);
        Get(combo).font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(Get(combo).font);
    case WM_PAINT: Paint(combo); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
        SetFocus(combo);
        if (Dropped(combo)) CloseList(combo);
        else DropList(combo);
        return 0;
    case WM_SETFOCUS: SetFocus(s.field); return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kFieldId) ForwardFieldNotification(combo, HIWORD(wParam));
        return 0;
    case WM_SETTEXT: return SetFieldText(combo, reinterpret_cast<LPCWSTR>(lParam));
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return SendMessageW(s.field, msg, wParam, lParam);
    case CB_ADDSTRING: return SendMessageW(s.list, LB_ADDSTRING, 0, lParam);
    case CB_GETCOUNT: return SendMessageW(s.list, LB_GETCOUNT, 0, 0);
    case CB_GETCURSEL: return SendMessageW(s.list, LB_GETCURSEL, 0, 0);
    case CB_GETLBTEXT: return SendMessageW(s.list, LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN: return SendMessageW(s.list, LB_GETTEXTLEN, wParam, 0);
    case CB_SETCURSEL: {
        // An index out of range clears the selection and the field, as -1 does.
        LRESULT result = SendMessageW(s.list, LB_SETCURSEL, wParam, 0);
        if (result == CB_ERR) SendMessageW(s.list, LB_SETCURSEL, WPARAM(-1), 0);
        SetFieldToItem(combo, int(result));
        return result;
    }
    case CB_RESETCONTENT:
        SendMessageW(s.list, LB_RESETCONTENT, 0, 0);
        SetFieldText(combo, u"");
        return CB_OKAY;
    case kMsgItemTapPoint: return ItemTapPoint(combo, reinterpret_cast<TapRequest*>(lParam));
    case kMsgListItems: return SendMessageW(s.list, kMsgListItems, wParam, lParam);
    default: return DefWindowProcW(combo, msg, wParam, lParam);
    }
}

}  // namespace

HWND DroppedComboList() {
    for (HWND h : TopLevelZOrder()) {
        const Window& w = Get(h);
        if (w.cls->name == kDroppedListClass && (w.style & WS_VISIBLE)) return h;
    }
    return nullptr;
}

HWND DroppedComboBox() {
    HWND list = DroppedComboList();
    return list ? ComboOfList(list) : nullptr;
}

void RegisterComboBoxClass() {
    RegisterSystemClass(u"ComboBox", ComboBoxProc, nullptr);
    RegisterSystemClass(kDroppedListClass, DroppedListProc, nullptr);
}

}  // namespace platform
