// Dialogs built from in-memory templates, and the dialog manager's default processing.
#include <algorithm>

#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "kernel/kernel.h"
#include "kernel/utf.h"
#include "resources/resources.h"

namespace platform {
namespace {

constexpr const char16_t* kDialogClass = u"#32770";
constexpr size_t kUnknownTemplateLimit = 64 * 1024;

// Dialog units to pixels: the handheld's base units are 6 x 13.
int DluX(int x) { return x * 6 / 4; }
int DluY(int y) { return y * 13 / 8; }

HWND FirstTabStop(HWND dialog) {
    for (HWND c : Get(dialog).children) {
        const Window& w = Get(c);
        if ((w.style & WS_TABSTOP) && (w.style & WS_VISIBLE) && !(w.style & WS_DISABLED)) return c;
    }
    return nullptr;
}

size_t TemplateSize(const void* tmpl) {
    const ResourceEntry* e = EntryOfData(tmpl);
    return e ? e->size : kUnknownTemplateLimit;
}

bool CreateItems(HWND dialog, HINSTANCE instance, const DialogTemplate& t, HFONT font) {
    for (const DialogItem& item : t.items) {
        std::u16string title = item.title;
        title.push_back(0);
        HWND control = CreateWindowExW(item.exStyle, item.className.c_str(), title.c_str(), item.style | WS_CHILD,
                                       DluX(item.x), DluY(item.y), DluX(item.cx), DluY(item.cy), dialog,
                                       reinterpret_cast<HMENU>(uintptr_t(item.id)), instance, nullptr);
        if (!control) return false;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return true;
}

// The keys a dialog box handles itself: Enter presses the default button, Escape cancels.
bool HandleDialogBoxKey(HWND dialog, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.hwnd != dialog && !IsDescendant(dialog, msg.hwnd))) return false;
    if (msg.wParam == VK_ESCAPE) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    }
    if (msg.wParam != VK_RETURN) return false;
    int id = IDOK;
    for (HWND c : Get(dialog).children)
        if (Get(c).cls->name == u"Button" && (Get(c).style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) id = Get(c).id;
    PostMessageW(dialog, WM_COMMAND, WPARAM(id), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    return true;
}

}  // namespace

bool RunModalLoop(HWND window, HWND owner, HWND firstFocus, const std::function<bool()>& ended,
                  const std::function<bool(const MSG&)>& handleKey) {
    HWND previousFocus = GetFocus();
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    ModalStack().push_back(window);
    ShowWindow(window, SW_SHOW);
    SetFocus(firstFocus);
    bool quit = false;
    MSG msg;
    while (IsWindow(window) && !ended()) {
        if (!GetMessageW(&msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            quit = true;
            break;
        }
        if (handleKey(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    auto& stack = ModalStack();
    stack.erase(std::remove(stack.begin(), stack.end(), window), stack.end());
    if (ownerWasEnabled && IsWindow(owner)) EnableWindow(owner, TRUE);
    DestroyWindow(window);
    // Closing the window hands the keyboard back to where it was.
    if (previousFocus && IsWindow(previousFocus)) SetFocus(previousFocus);
    return !quit;
}

bool IsDialogWindow(const Window& w) { return w.cls && w.cls->name == kDialogClass; }

// The handheld's dialogs are white; the desktop's have the grey face of the classic look.
void RegisterDialogClass() {
    RegisterSystemClass(kDialogClass, DefDlgProcW, GetSysColorBrush(IsDesktop() ? COLOR_BTNFACE : COLOR_WINDOW));
}

}  // namespace platform

using namespace platform;

HWND CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATE tmpl, HWND parent, DLGPROC proc, LPARAM param) {
    if (!tmpl) return nullptr;
    DialogTemplate t;
    if (!ParseDialogTemplate(reinterpret_cast<const uint8_t*>(tmpl), TemplateSize(tmpl), t)) return nullptr;
    HFONT font = (t.style & DS_SETFONT) ? FontForPointSize(t.faceName, t.pointSize, FW_NORMAL) : DefaultGuiFont();
    // The template gives the client area; a caption and frame come around it.
    RECT insets = FrameInsetsFor(t.style, true);
    int width = DluX(t.cx) + insets.left + insets.right, height = DluY(t.cy) + insets.top + insets.bottom;
    int x = DluX(t.x), y = DluY(t.y);
    if (!(t.style & WS_CHILD) && (t.style & DS_CENTER)) {
        RECT screen = ScreenBounds();
        x = (screen.right - width) / 2;
        y = (screen.bottom - height) / 2;
    } else if (!(t.style & WS_CHILD) && parent) {
        // A top-level dialog's position counts from its owner's client area.
        POINT o{0, 0};
        ClientToScreen(parent, &o);
        x += o.x;
        y += o.y;
    }
    HWND dialog = CreateWindowExW(t.exStyle, kDialogClass, t.title.c_str(), t.style & ~DWORD(WS_VISIBLE), x, y, width,
                                  height, parent, nullptr, instance, nullptr);
    if (!dialog) return nullptr;
    Window& w = Get(dialog);
    w.dialogProc = reinterpret_cast<LONG_PTR>(proc);
    const ResourceEntry* entry = EntryOfData(tmpl);
    w.templateId = entry && entry->name.isOrdinal ? entry->name.ordinal : -1;
    w.font = font;
    if (!CreateItems(dialog, instance, t, font)) {
        DestroyWindow(dialog);
        return nullptr;
    }
    HWND first = FirstTabStop(dialog);
    bool focusWanted = SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) != 0;
    if (!IsWindow(dialog)) return nullptr;
    // The default focus is given only to a dialog that is on the screen: hidden screens
    // created at start-up must not pull the keyboard focus (and the input panel) to them.
    bool visible = (t.style & WS_VISIBLE) != 0;
    if (visible) ShowWindow(dialog, SW_SHOWNORMAL);
    if (focusWanted && visible && (first = FirstTabStop(dialog))) SetFocus(first);
    return dialog;
}

LRESULT DefDlgProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(hwnd);
    if (!w) return 0;
    auto proc = reinterpret_cast<DLGPROC>(w->dialogProc);
    w->dialogResult = 0;
    INT_PTR answer = proc ? proc(hwnd, msg, wParam, lParam) : 0;
    if (!(w = Find(hwnd))) return answer;
    switch (msg) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORLISTBOX:
    case WM_INITDIALOG:
        // These answer with the dialog procedure's own value, not DWL_MSGRESULT.
        if (answer) return answer;
        break;
    default:
        if (answer) return w->dialogResult;
    }
    switch (msg) {
    case WM_INITDIALOG: return 0;
    case WM_SETFONT:
        w->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(w->font);
    case WM_CLOSE:
        PostMessageW(hwnd, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
        return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
    if (!Find(dialog) || !rect) return FALSE;
    *rect = RECT{DluX(rect->left), DluY(rect->top), DluX(rect->right), DluY(rect->bottom)};
    return TRUE;
}

BOOL CheckRadioButton(HWND dialog, int first, int last, int check) {
    if (!Find(dialog)) return FALSE;
    for (int id = first; id <= last; ++id)
        SendDlgItemMessageW(dialog, id, BM_SETCHECK, id == check ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) { return UINT(SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0)); }

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    if (!GetDlgItem(dialog, id)) return FALSE;
    SendDlgItemMessageW(dialog, id, BM_SETCHECK, check, 0);
    return TRUE;
}

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param) {
    std::u16string name = templateName && !IS_INTRESOURCE(templateName) ? FromUtf8(templateName) : u"";
    LPCWSTR wideName = name.empty() ? reinterpret_cast<LPCWSTR>(templateName) : name.c_str();
    const ResourceEntry* entry = templateName ? FindEntry(RT_DIALOG, wideName) : nullptr;
    if (!entry || (owner && !IsWindow(owner))) return -1;
    HWND dialog = CreateDialogIndirectParamW(instance, reinterpret_cast<LPCDLGTEMPLATE>(entry->data), owner, proc, param);
    if (!dialog) return -1;
    HWND first = FirstTabStop(dialog);
    // A dialog that never ended (destroyed, or the program was asked to quit) answers as
    // one that failed.
    INT_PTR result = -1;
    auto ended = [&] {
        const Window* w = Find(dialog);
        if (w && w->dialogEnded) result = w->dialogEndResult;
        return w && w->dialogEnded;
    };
    if (!RunModalLoop(dialog, owner, first ? first : dialog, ended,
                      [&](const MSG& msg) { return HandleDialogBoxKey(dialog, msg); }))
        return -1;
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    Window* w = Find(dialog);
    if (!w || !IsDialogWindow(*w)) return FALSE;
    w->dialogEnded = true;
    w->dialogEndResult = result;
    return TRUE;
}
