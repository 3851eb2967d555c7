// Internal view of the window system shared by the platform's own modules.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Per-window state that a control class keeps beside the generic window fields.
struct ControlData {
    virtual ~ControlData() = default;
};

struct WindowClass {
    std::u16string name;
    WNDPROC proc = nullptr;
    UINT style = 0;
    HBRUSH background = nullptr;
    HICON icon = nullptr;
    HINSTANCE instance = nullptr;
};

struct Window {
    HWND handle = nullptr;
    const WindowClass* cls = nullptr;
    WNDPROC proc = nullptr;
    HWND parent = nullptr;
    HWND owner = nullptr;
    std::vector<HWND> children;  // front is the top of the z-order
    RECT rect{};                 // parent client coordinates; screen coordinates for top-level windows
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    std::u16string text;
    LONG_PTR userData = 0;
    LONG_PTR dialogProc = 0;
    LONG_PTR dialogResult = 0;
    LONG_PTR dialogUser = 0;
    HFONT font = nullptr;
    RECT update{};
    bool hasUpdate = false;
    bool eraseUpdate = false;
    bool destroying = false;
    bool shellChrome = false;    // navigation bar, menu bar, input panel, popups
    DWORD shellDialogFlags = 0;  // flags given to SHInitDialog
    bool hideSipButton = false;  // SHFullScreen(SHFS_HIDESIPBUTTON)
    int templateId = -1;         // dialog template resource this window was built from
    bool maximized = false;      // SW_SHOWMAXIMIZED on the desktop: fills it, no frame
    bool frameDirty = false;     // caption and frame to be drawn again (desktop only)
    bool dialogEnded = false;    // EndDialog was called: its modal loop ends
    INT_PTR dialogEndResult = 0;
    std::unique_ptr<ControlData> data;
};

Window* Find(HWND hwnd);
Window& Get(HWND hwnd);  // for handles already known to be alive
bool IsVisibleOnScreen(const Window& w);
// Where the client area starts on the screen (below a caption, inside a frame).
POINT ScreenOrigin(const Window& w);
RECT ScreenRect(const Window& w);        // the whole window, frame included
RECT ClientScreenRect(const Window& w);  // its client area
// How far the client area lies inside the window: caption and frame, on the desktop.
RECT FrameInsets(const Window& w);
RECT FrameInsetsFor(DWORD style, bool dialog);
RECT ScreenBounds();
HWND RootOwnerOf(HWND hwnd);
const std::vector<HWND>& TopLevelZOrder();  // front is the top
void ForEachWindow(const std::function<void(Window&)>& fn);
HWND WindowAtPoint(POINT screen);  // the deepest visible, enabled window under the point
bool IsDescendant(HWND ancestor, HWND hwnd);
HWND ApplicationMainWindow();  // the first unowned top-level window the program created
void InvalidateScreenArea(const RECT& screenRect);

// Input injection: the backends and the script driver turn a person's actions into these.
void InjectStylusDown(POINT screen);
void InjectStylusMove(POINT screen);
void InjectStylusUp(POINT screen);
void InjectKey(UINT vk, bool down);
void InjectCharacter(WCHAR ch);
void SetKeyState(UINT vk, bool down);  // as if the key had been handled already
void RequestHostClose();
// Whether a close has been asked for; it is not taken back.
bool CloseAsked();

// Handles every queued message and paint without waiting for input (tests and
// benchmarks drive the window system this way).
void PumpPendingMessages();

// Painting of everything that is invalid, then the frame goes to the backend.
void PaintAll();
bool AnythingToPaint();

// The modal windows now running their own loops, innermost last.
std::vector<HWND>& ModalStack();
// Shows a modal window over its disabled owner and pumps the one queue until `ended`
// says so, letting `handleKey` take keys first. Answers false when the program was asked
// to quit meanwhile (the quit is posted again for the loop outside). The window is
// destroyed and the focus goes back to where it was.
bool RunModalLoop(HWND window, HWND owner, HWND firstFocus, const std::function<bool()>& ended,
                  const std::function<bool(const MSG&)>& handleKey);

// Observers used by tests and the script driver.
using MessageObserver = std::function<void(HWND, UINT, WPARAM, LPARAM)>;
void SetMessageObserver(MessageObserver observer);

// What a script is told as it happens.
struct AutomationEvents {
    std::function<void(const std::u16string& caption, const std::u16string& text)> messageBox;
    std::function<void(const std::u16string& program, const std::u16string& commandLine)> launch;
    std::function<void(int id, DWORD ms)> sound;
};
AutomationEvents& Events();

// Private messages through which the script driver asks a list-like control where a
// person would tap (lParam: TapRequest*) and what it holds (lParam: ItemsReply*).
constexpr UINT kMsgItemTapPoint = 0x03F0;
constexpr UINT kMsgHeaderTapPoint = 0x03F1;
constexpr UINT kMsgListItems = 0x03F2;
struct TapRequest {
    int index = 0;
    POINT screen{0, 0};
    bool more = false;  // another tap is needed after this one (a combo box opens first)
};
struct ItemsReply {
    struct Item {
        std::vector<std::u16string> texts;
        bool selected = false;
    };
    std::vector<Item> items;
};

// Clock: milliseconds since start; the headless backend only moves it on request.
void AdvanceClock(DWORD ms);

// Makes list views refuse insertions once they hold `count` items, as when memory runs
// out (-1: accept all again).
void RefuseListViewInsertionsBeyond(int count);

// Reset the whole window system (tests start each case from nothing).
void ResetWindowSystem();

}  // namespace platform
