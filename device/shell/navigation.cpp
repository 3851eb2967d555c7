// The main window's commands: each menu item shows its screen (hiding the one shown
// before), starts the help viewer, or ends the program. ScreenTable is the one list
// that ties a screen to its menu item, template and help topic.
#include "shell/navigation.h"

#include <windows.h>
#include <aygshell.h>

#include "resources/resource.h"
#include "shell/shell.h"

// In menu order. A row names a plain screen's handle or a tabbed screen's record.
const ScreenRow ScreenTable[] = {
    {TEXT("Tools"), TEXT("555 Timer Design"), IDM_TIMER, IDD_TIMER, nullptr, &TimerDesign, TEXT("Zephtor.htm#555Timer")},
    {TEXT("Tools"), TEXT("DC Ohm's Law"), IDM_OHMS_LAW, IDD_OHMS_LAW, &OhmsLawScreen, nullptr, TEXT("Zephtor.htm#DCOhmsLaw")},
    {TEXT("Tools"), TEXT("Delta <-> Wye Transforms"), IDM_DELTA_WYE, IDD_DELTA_WYE, &DeltaWyeScreen, nullptr, TEXT("Zephtor.htm#DWTransforms")},
    {TEXT("Tools"), TEXT("Energy Stored"), IDM_ENERGY, IDD_ENERGY, nullptr, &EnergyStored, TEXT("Zephtor.htm#EnergyStored")},
    {TEXT("Tools"), TEXT("Impedance"), IDM_IMPEDANCE, IDD_IMPEDANCE, &ImpedanceScreen, nullptr, TEXT("Zephtor.htm#Impedance")},
    {TEXT("Tools"), TEXT("Morse Code Encoder"), IDM_MORSE, IDD_MORSE, &MorseScreen, nullptr, TEXT("Zephtor.htm#MorseCode")},
    {TEXT("Tools"), TEXT("R/C/I Calculator"), IDM_RCI, IDD_RCI, nullptr, &RciCalculator, TEXT("Zephtor.htm#RCICalc")},
    {TEXT("Tools"), TEXT("Reactance"), IDM_REACTANCE, IDD_REACTANCE, nullptr, &Reactance, TEXT("Zephtor.htm#Reactance")},
    {TEXT("Tools"), TEXT("Resistor Color Code"), IDM_COLOR_CODE, IDD_COLOR_CODE, &ColorCodeScreen, nullptr, TEXT("Zephtor.htm#ResistorColorCode")},
    {TEXT("Tools"), TEXT("Resonance"), IDM_RESONANCE, IDD_RESONANCE, &ResonanceScreen, nullptr, TEXT("Zephtor.htm#Resonance")},
    {TEXT("Tools"), TEXT("Three-Phase Connections"), IDM_THREE_PHASE, IDD_THREE_PHASE, &ThreePhaseScreen, nullptr, TEXT("Zephtor.htm#ThreePhasePower")},
    {TEXT("Reference"), TEXT("7400 Series Logic Chips"), IDM_CHIPS, IDD_CHIPS, nullptr, &ChipReference, TEXT("Zephtor.htm#ChipReference")},
    {TEXT("Reference"), TEXT("Basic Op-Amp Circuits"), IDM_OP_AMPS, IDD_OP_AMPS, &OpAmpsScreen, nullptr, TEXT("Zephtor.htm#OpAmps")},
    {TEXT("Reference"), TEXT("Citizens Band Frequencies"), IDM_CITIZENS_BAND, IDD_CITIZENS_BAND, &CitizensBandScreen, nullptr, TEXT("Zephtor.htm#CitizensBand")},
    {TEXT("Reference"), TEXT("Common Connectors"), IDM_CONNECTORS, IDD_CONNECTORS, &ConnectorsScreen, nullptr, TEXT("Zephtor.htm#CommonConnectors")},
    {TEXT("Reference"), TEXT("Copper Wire Characteristics"), IDM_COPPER_WIRE, IDD_COPPER_WIRE, &CopperWireScreen, nullptr, TEXT("Zephtor.htm#CopperWire")},
    {TEXT("Reference"), TEXT("Dialectric Constants"), IDM_DIELECTRIC, IDD_DIELECTRIC, &DielectricScreen, nullptr, TEXT("Zephtor.htm#DialectricConstants")},
    {TEXT("Reference"), TEXT("K Factors For Attenuator Loss"), IDM_K_FACTORS, IDD_K_FACTORS, &KFactorsScreen, nullptr, TEXT("Zephtor.htm#KFactors")},
    {TEXT("Reference"), TEXT("Metal/Alloy Resistances"), IDM_METALS, IDD_METALS, &MetalsScreen, nullptr, TEXT("Zephtor.htm#MetalAlloyResistances")},
    {TEXT("Reference"), TEXT("Radio Frequency Spectrum"), IDM_RF_SPECTRUM, IDD_RF_SPECTRUM, &RadioSpectrumScreen, nullptr, TEXT("Zephtor.htm#RadioFrequencySpectrum")},
    {TEXT("Reference"), TEXT("Schematic Symbols"), IDM_SYMBOLS, IDD_SYMBOLS, &SchematicSymbolsScreen, nullptr, TEXT("Zephtor.htm#SchematicSymbols")},
    {TEXT("Reference"), TEXT("TV Channels"), IDM_TV_CHANNELS, IDD_TV_CHANNELS, &TvChannelsScreen, nullptr, TEXT("Zephtor.htm#TVChannels")},
    {TEXT("Help"), TEXT("About Zephtor"), IDM_ABOUT, IDD_ABOUT, &AboutScreen, nullptr, nullptr},
};
const int ScreenTableSize = int(sizeof ScreenTable / sizeof ScreenTable[0]);

namespace {

constexpr LPCWSTR kHelpContents = TEXT("Zephtor.htm#Main_Contents");

HWND ScreenOf(const ScreenRow& row) { return row.tabbed ? row.tabbed->Screen : *row.screen; }

void HideCurrentScreen() {
    if (CurrentScreen) ShowWindow(CurrentScreen, SW_HIDE);
}

void ShowScreen(const ScreenRow& row) {
    HideCurrentScreen();
    CurrentScreen = ScreenOf(row);
    ShowWindow(CurrentScreen, SW_SHOWNORMAL);
    HWND top = row.tabbed ? row.tabbed->CurrentPage : CurrentScreen;
    if (row.tabbed) ShowWindow(top, SW_SHOWNORMAL);
    SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SHSipPreference(MainWindow, SIP_DOWN);
}

void ShowHelp(LPCWSTR anchor) {
    // The viewer may change the command line it is given, so it gets a copy.
    WCHAR commandLine[64];
    int n = 0;
    for (; anchor[n] && n < 63; ++n) commandLine[n] = anchor[n];
    commandLine[n] = 0;
    PROCESS_INFORMATION process;
    if (CreateProcessW(TEXT("PegHelp.exe"), commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &process) ||
        GetLastError() != ERROR_FILE_NOT_FOUND)
        return;
    // Without this the help button would seem to do nothing at all.
    WCHAR text[128], title[32];
    LoadStringW(Instance, IDS_NO_HELP, text, 128);
    LoadStringW(Instance, IDS_TITLE, title, 32);
    MessageBoxW(MainWindow, text, title, MB_OK | MB_ICONEXCLAMATION);
}

void ShowContextHelp() {
    if (!CurrentScreen) return;
    for (const ScreenRow& row : ScreenTable)
        if (row.helpAnchor && ScreenOf(row) == CurrentScreen) {
            ShowHelp(row.helpAnchor);
            return;
        }
}

void Exit() {
    SHSipPreference(MainWindow, SIP_DOWN);
    SendMessageW(MainWindow, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(MainWindow));
    SendMessageW(MainWindow, WM_CLOSE, 0, 0);
}

}  // namespace

void HandleMainCommand(WORD command) {
    switch (command) {
    case IDM_EXIT:
    case IDOK:
        Exit();
        return;
    case IDM_HELP_CONTENTS:
        ShowHelp(kHelpContents);
        return;
    case IDM_CONTEXT_HELP:
        ShowContextHelp();
        return;
    default:
        for (const ScreenRow& row : ScreenTable)
            if (row.command == command) ShowScreen(row);
    }
}
