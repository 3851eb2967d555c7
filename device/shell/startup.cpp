// Start-up: from program entry to the message loop. The main window shows the splash
// while every screen is built once, hidden, in a fixed order; the progress bar moves
// 20 times by 5 on the way; then the menu bar, the home view and the message loop.
#include <windows.h>
#include <aygshell.h>
#include <commctrl.h>

#include "calculators/calculators.h"
#include "reference/reference.h"
#include "resources/resource.h"
#include "shell/shell.h"

HINSTANCE Instance;
HWND MainWindow;
HWND StartupProgressBar;
HWND MenuBar;
bool Initialising = true;
HWND CurrentScreen;

TabbedScreen ChipReference;
TabbedScreen Reactance;
TabbedScreen RciCalculator;
TabbedScreen EnergyStored;
TabbedScreen TimerDesign;

HWND SchematicSymbolsScreen;
HWND TvChannelsScreen;
HWND RadioSpectrumScreen;
HWND AboutScreen;
HWND ColorCodeScreen;
HWND DielectricScreen;
HWND ResonanceScreen;
HWND ImpedanceScreen;
HWND OpAmpsScreen;
HWND KFactorsScreen;
HWND MetalsScreen;
HWND OhmsLawScreen;
HWND MorseScreen;
HWND ConnectorsScreen;
HWND CitizensBandScreen;
HWND ThreePhaseScreen;
HWND DeltaWyeScreen;
HWND CopperWireScreen;

namespace {

// How many progress steps follow the creation of a screen.
struct Creation {
    WORD templateId;
    HWND* handle;
    TabbedScreen* parent;  // the tabbed screen a page belongs to, or none
    DLGPROC handler;
    int stepsAfter;
    void (*fill)(HWND screen) = nullptr;  // run right after the screen is created
};

// The order is fixed. Filling the schematic symbols' list takes seven steps of its own:
// one after the list is prepared and one after each of the six groups of symbols.
const Creation kCreationOrder[] = {
    {IDD_SYMBOLS, &SchematicSymbolsScreen, nullptr, SymbolsProc, 0, FillSymbolList},
    {IDD_TV_CHANNELS, &TvChannelsScreen, nullptr, TvChannelsProc, 0},
    {IDD_RF_SPECTRUM, &RadioSpectrumScreen, nullptr, RadioSpectrumProc, 0},
    {IDD_ABOUT, &AboutScreen, nullptr, AboutProc, 0},
    {IDD_COLOR_CODE, &ColorCodeScreen, nullptr, ColorCodeProc, 1},
    {IDD_DIELECTRIC, &DielectricScreen, nullptr, DielectricProc, 0},
    {IDD_RESONANCE, &ResonanceScreen, nullptr, ResonanceProc, 0},
    {IDD_IMPEDANCE, &ImpedanceScreen, nullptr, ImpedanceProc, 0},
    {IDD_OP_AMPS, &OpAmpsScreen, nullptr, OpAmpCircuitsProc, 1},
    {IDD_K_FACTORS, &KFactorsScreen, nullptr, KFactorsProc, 0},
    {IDD_METALS, &MetalsScreen, nullptr, MetalsProc, 0},
    {IDD_OHMS_LAW, &OhmsLawScreen, nullptr, OhmsLawProc, 0},
    {IDD_MORSE, &MorseScreen, nullptr, MorseCodeProc, 1},
    {IDD_CHIPS, &ChipReference.Screen, nullptr, ChipReferenceProc, 0},
    {IDD_PART_SELECTION, &ChipReference.Pages[0], &ChipReference, PartSelectionProc, 0},
    {IDD_PINOUT, &ChipReference.Pages[1], &ChipReference, PageProc, 0},
    {IDD_FUNCTION_TABLE, &ChipReference.Pages[2], &ChipReference, PageProc, 1},
    {IDD_CONNECTORS, &ConnectorsScreen, nullptr, ConnectorsProc, 0},
    {IDD_CITIZENS_BAND, &CitizensBandScreen, nullptr, CitizensBandProc, 0},
    {IDD_THREE_PHASE, &ThreePhaseScreen, nullptr, ThreePhaseProc, 1},
    {IDD_DELTA_WYE, &DeltaWyeScreen, nullptr, DeltaWyeProc, 0},
    {IDD_REACTANCE, &Reactance.Screen, nullptr, ReactanceProc, 0},
    {IDD_INDUCTIVE, &Reactance.Pages[0], &Reactance, InductivePageProc, 0},
    {IDD_CAPACITIVE, &Reactance.Pages[1], &Reactance, CapacitivePageProc, 1},
    {IDD_RCI, &RciCalculator.Screen, nullptr, RciCalculatorProc, 0},
    {IDD_RCI_RESISTANCE, &RciCalculator.Pages[0], &RciCalculator, ResistancePageProc, 0},
    {IDD_RCI_CAPACITANCE, &RciCalculator.Pages[1], &RciCalculator, CapacitancePageProc, 0},
    {IDD_RCI_INDUCTANCE, &RciCalculator.Pages[2], &RciCalculator, InductancePageProc, 1},
    {IDD_ENERGY, &EnergyStored.Screen, nullptr, EnergyStoredProc, 0},
    {IDD_CAPACITOR, &EnergyStored.Pages[0], &EnergyStored, CapacitorPageProc, 0},
    {IDD_INDUCTOR, &EnergyStored.Pages[1], &EnergyStored, InductorPageProc, 0},
    {IDD_COPPER_WIRE, &CopperWireScreen, nullptr, CopperWireProc, 0},
    {IDD_TIMER, &TimerDesign.Screen, nullptr, TimerDesignProc, 0},
    {IDD_MONOSTABLE, &TimerDesign.Pages[0], &TimerDesign, MonostablePageProc, 0},
    {IDD_ASTABLE, &TimerDesign.Pages[1], &TimerDesign, AstablePageProc, 1},
};

// Pages are laid under the tab strip, with a progress step after each group.
struct Placement {
    HWND* page;
    bool stepAfter;
};
const Placement kPlacementOrder[] = {
    {&ChipReference.Pages[0], false}, {&ChipReference.Pages[1], false}, {&ChipReference.Pages[2], false},
    {&TimerDesign.Pages[0], false},   {&TimerDesign.Pages[1], true},    {&Reactance.Pages[0], false},
    {&Reactance.Pages[1], false},     {&RciCalculator.Pages[0], true},  {&RciCalculator.Pages[1], false},
    {&RciCalculator.Pages[2], false}, {&EnergyStored.Pages[0], false},  {&EnergyStored.Pages[1], true},
};
constexpr RECT kPageArea{0, 52, 240, 272};

TabbedScreen* const kTabbedScreens[] = {&ChipReference, &Reactance, &RciCalculator, &EnergyStored, &TimerDesign};

void Step() { SendMessageW(StartupProgressBar, PBM_STEPIT, 0, 0); }

void Steps(int count) {
    for (int i = 0; i < count; ++i) Step();
}

HWND CreateScreen(const Creation& c) {
    HRSRC res = FindResourceW(Instance, MAKEINTRESOURCE(c.templateId), RT_DIALOG);
    auto* tmpl = static_cast<LPCDLGTEMPLATE>(LockResource(LoadResource(Instance, res)));
    HWND parent = c.parent ? c.parent->Screen : MainWindow;
    return CreateDialogIndirectParamW(Instance, tmpl, parent, c.handler, 0);
}

void CreateScreens() {
    for (const Creation& c : kCreationOrder) {
        *c.handle = CreateScreen(c);
        if (c.fill) c.fill(*c.handle);
        if (c.parent) c.parent->PageCount++;
        Steps(c.stepsAfter);
    }
}

void PlacePages() {
    for (const Placement& p : kPlacementOrder) {
        MoveWindow(*p.page, kPageArea.left, kPageArea.top, kPageArea.right - kPageArea.left,
                   kPageArea.bottom - kPageArea.top, TRUE);
        if (p.stepAfter) Step();
    }
    for (TabbedScreen* t : kTabbedScreens) t->CurrentPage = t->Pages[0];
    Step();
}

bool CreateMainWindow(HINSTANCE instance) {
    WCHAR className[32], title[32];
    LoadStringW(instance, IDS_CLASS, className, 32);
    LoadStringW(instance, IDS_TITLE, title, 32);
    Instance = instance;
    if (HWND running = FindWindowW(className, title)) {
        SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(running) | 1));
        return false;
    }
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCE(IDI_ZEPHTOR));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    MainWindow = CreateWindowExW(0, className, title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!MainWindow) return false;
    RECT rect;
    GetWindowRect(MainWindow, &rect);
    SHFullScreen(MainWindow, SHFS_HIDESIPBUTTON);
    MoveWindow(MainWindow, rect.left, rect.top, rect.right, rect.bottom, FALSE);
    ShowWindow(MainWindow, SW_SHOWNORMAL);
    UpdateWindow(MainWindow);
    return true;
}

bool CreateMenuBar() {
    SHMENUBARINFO info{};
    info.cbSize = sizeof info;
    info.hwndParent = MainWindow;
    info.nToolBarId = IDM_MENU;
    info.hInstRes = Instance;
    if (!SHCreateMenuBar(&info)) return false;
    TBADDBITMAP image{Instance, IDB_HELP_BUTTON};
    SendMessageW(info.hwndMB, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&image));
    TBBUTTON separator{-1, -1, TBSTATE_ENABLED, TBSTYLE_SEP, {0, 0}, ULONG_PTR(-1), -1};
    TBBUTTON help{0, IDM_CONTEXT_HELP, TBSTATE_ENABLED, TBSTYLE_GROUP, {0, 0}, 0, -1};
    LRESULT count = SendMessageW(info.hwndMB, TB_BUTTONCOUNT, 0, 0);
    SendMessageW(info.hwndMB, TB_INSERTBUTTON, WPARAM(count), reinterpret_cast<LPARAM>(&separator));
    SendMessageW(info.hwndMB, TB_INSERTBUTTON, WPARAM(count + 1), reinterpret_cast<LPARAM>(&help));
    MenuBar = info.hwndMB;
    return true;
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}

}  // namespace

int StartUp(HINSTANCE instance) {
    if (!CreateMainWindow(instance)) return 0;
    SendMessageW(StartupProgressBar, PBM_SETSTEP, 5, 0);
    Step();
    CreateScreens();
    PlacePages();
    if (!CreateMenuBar()) return 0;
    DestroyWindow(StartupProgressBar);
    StartupProgressBar = nullptr;
    Initialising = false;
    InvalidateRect(MainWindow, nullptr, TRUE);
    UpdateWindow(MainWindow);
    return RunMessageLoop();
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) { return StartUp(instance); }
