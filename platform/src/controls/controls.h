// What the control classes share: their per-window state, notifications to the
// parent, fonts and the colours the parent chooses.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "kernel/kernel.h"

namespace platform {

template <class T>
T& StateOf(HWND hwnd) {
    Window& w = Get(hwnd);
    if (!w.data) w.data = std::make_unique<T>();
    return static_cast<T&>(*w.data);
}

// WM_COMMAND to the parent with the control's id and a notification code.
void NotifyParent(HWND control, WORD code);

// Asks the parent for the colours of a control (WM_CTLCOLOR...) and fills the
// control's background with the brush it answers.
void PrepareColours(HWND control, HDC hdc, UINT ctlColorMessage, const RECT& fill);

// A control's WM_PAINT: begins painting, knows the client rectangle, and ends painting
// when it goes out of scope.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), hdc(BeginPaint(hwnd, &ps_)) { GetClientRect(hwnd, &client); }
    ~PaintScope() { EndPaint(hwnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};

public:
    HDC hdc;
    RECT client{};
};

// The edge of a field with WS_BORDER: one black line on the handheld, the sunken 3-D edge
// on the desktop. Its width is what the field's contents keep clear of.
int FieldEdgeWidth(HWND control);
void DrawFieldEdge(HWND control, HDC hdc, const RECT& client);

// The font set with WM_SETFONT, or the system font, and the height of its lines.
HFONT ControlFont(HWND control);
int ControlLineHeight(HWND control);
LRESULT HandleFontMessages(HWND control, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);

void RegisterStaticClass();
void RegisterButtonClass();
void RegisterEditClass();
void RegisterListBoxClass();
void RegisterComboBoxClass();
// The dropped list of a combo box, if one is down now (it takes the next tap), and the
// combo box it belongs to.
HWND DroppedComboList();
HWND DroppedComboBox();

// The list box's handling, which the combo box's dropped list shares, and the item
// under a point of its client area (-1: none).
LRESULT ListBoxMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
int ListBoxItemAt(HWND hwnd, POINT p);
void RegisterProgressClass();
void RegisterTabClass();
void RegisterListViewClass();
void RegisterMessageBoxClass();
void RegisterDialogClass();
void RegisterShellClasses();

// The list view draws the pictures of its image list.
void DrawImageListImage(HIMAGELIST list, int index, HDC hdc, int x, int y);
SIZE ImageListImageSize(HIMAGELIST list);

// Answers a script's question where to tap (kMsgItemTapPoint, kMsgHeaderTapPoint) with
// a point of the control's client area.
LRESULT AnswerTapPoint(HWND control, POINT client, TapRequest* request);

// Clipboard shared by the edit controls.
std::u16string& ClipboardText();

}  // namespace platform
