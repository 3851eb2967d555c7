// The setup program: a black background filling the desktop with the product's title, the
// welcome and licence pages in front of it, then the hand-over to the Application Manager,
// which does the installing.
#include "resources/resource.h"
#include "setup.h"
#include "text.h"

HINSTANCE Instance;
char ProductTitle[kProductTitleSize];

namespace {

// A running copy is found by its background window, whose title never changes.
constexpr char kBackgroundTitle[] = "Quorvane Technologies";
constexpr int kSetupFailed = -1;

char ClassName[32];

void LoadProductStrings() {
    char name[kProductNameSize], version[kVersionSize];
    LoadStringA(Instance, IDS_PRODUCT_NAME, name, sizeof name);
    LoadStringA(Instance, IDS_VERSION, version, sizeof version);
    LoadStringA(Instance, IDS_CLASS_NAME, ClassName, sizeof ClassName);
    JoinInto(ProductTitle, {name, " v", version});
}

void PaintTitle(HDC dc) {
    char title[64];
    JoinInto(title, {ProductTitle, " Setup"});
    HFONT font = CreateFontA(48, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, OEM_CHARSET, 0, 0, 0, FF_ROMAN, "MS Serif");
    // Without the font the title still shows, in the one the device context has.
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 0, 0));
    RECT area{20, 20, 1000, 1000};
    DrawTextA(dc, title, -1, &area, 0);
    if (font) {
        SelectObject(dc, previous);
        DeleteObject(font);
    }
}

LRESULT CALLBACK BackgroundProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    PaintTitle(BeginPaint(hwnd, &ps));
    EndPaint(hwnd, &ps);
    return 0;
}

// CS_NOCLOSE: Setup ends from its pages, never by closing the background.
HWND CreateBackground() {
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_NOCLOSE;
    wc.lpfnWndProc = BackgroundProc;
    wc.hInstance = Instance;
    wc.hIcon = LoadIconA(Instance, MAKEINTRESOURCEA(IDI_SETUP));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = ClassName;
    RegisterClassA(&wc);
    return CreateWindowExA(0, ClassName, kBackgroundTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, Instance, nullptr);
}

INT_PTR ShowPage(HWND background, int templateId, DLGPROC handler) {
    return DialogBoxParamA(Instance, MAKEINTRESOURCEA(templateId), background, handler, 0);
}

// Back on the licence page goes round to the welcome page again.
bool LicenseAccepted(HWND background) {
    for (;;) {
        if (ShowPage(background, IDD_WELCOME, WelcomePageProc) != kWelcomeNext) return false;
        INT_PTR license = ShowPage(background, IDD_LICENSE, LicensePageProc);
        if (license != kLicenseBack) return license == kLicenseAccept;
    }
}

}  // namespace

bool ConfirmExit(HWND page) {
    char question[256];
    JoinInto(question, {"Setup is not complete.  If you quit now,\n", ProductTitle,
                        " will not be installed.\n\nYou may run Setup at a later time to complete the\n"
                        "installation.\n\nDo you wish to quit installing ",
                        ProductTitle, "?"});
    return MessageBoxA(page, question, "Exit Setup", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Instance = instance;
    LoadProductStrings();
    // A second wizard could not share the first one's windows; the first comes forward.
    if (HWND running = FindWindowA(ClassName, kBackgroundTitle)) {
        SetForegroundWindow(running);
        return 0;
    }
    HWND background = CreateBackground();
    if (!background) return kSetupFailed;
    ShowWindow(background, SW_SHOWMAXIMIZED);
    if (!LicenseAccepted(background)) return kSetupFailed;
    return HandOverToApplicationManager() ? 0 : kSetupFailed;
}
