// The 7400-series chips: all in 14-pin dual-in-line packages. The records are built here,
// at compile time, from the five pinouts and twelve function tables the chips share; a
// text that does not fit its field stops the build.
#include "reference/chip_table.h"

namespace {

// An unused cell or heading holds one blank, never an empty text.
constexpr const WCHAR* B = TEXT(" ");

struct FunctionTable {
    const WCHAR* header[7];
    const WCHAR* rows[8][7];  // rows left out are blank
};

template <size_t N>
constexpr void Put(WCHAR (&field)[N], const WCHAR* text) {
    size_t i = 0;
    for (; text[i]; ++i) {
        if (i + 1 >= N) throw "a text is wider than its field";
        field[i] = text[i];
    }
    field[i] = 0;
}

constexpr ChipRecord Chip(const WCHAR* number, const WCHAR* title, const WCHAR* description,
                          const WCHAR* const (&pins)[14], const FunctionTable& table) {
    ChipRecord r{};
    Put(r.number, number);
    Put(r.title, title);
    Put(r.description, description);
    for (int k = 0; k < 14; ++k) Put(r.pins[k], pins[k]);
    for (int c = 0; c < 7; ++c) Put(r.header[c], table.header[c]);
    for (int j = 0; j < 56; ++j) Put(r.cells[j], table.rows[j / 7][j % 7] ? table.rows[j / 7][j % 7] : B);
    return r;
}

constexpr const WCHAR* P1[14] = {TEXT("1A"), TEXT("1B"), TEXT("1Y"), TEXT("2A"), TEXT("2B"), TEXT("2Y"), TEXT("Gnd"), TEXT("3Y"), TEXT("3A"), TEXT("3B"), TEXT("4Y"), TEXT("4A"), TEXT("4B"), TEXT("Vcc")};
constexpr const WCHAR* P2[14] = {TEXT("1Y"), TEXT("1A"), TEXT("1B"), TEXT("2Y"), TEXT("2A"), TEXT("2B"), TEXT("Gnd"), TEXT("3A"), TEXT("3B"), TEXT("3Y"), TEXT("4A"), TEXT("4B"), TEXT("4Y"), TEXT("Vcc")};
constexpr const WCHAR* P3[14] = {TEXT("1A"), TEXT("1Y"), TEXT("2A"), TEXT("2Y"), TEXT("3A"), TEXT("3Y"), TEXT("Gnd"), TEXT("4Y"), TEXT("4A"), TEXT("5Y"), TEXT("5A"), TEXT("6Y"), TEXT("6A"), TEXT("Vcc")};
constexpr const WCHAR* P4[14] = {TEXT("1A"), TEXT("1B"), TEXT("2A"), TEXT("2B"), TEXT("2C"), TEXT("2Y"), TEXT("Gnd"), TEXT("3Y"), TEXT("3A"), TEXT("3B"), TEXT("3C"), TEXT("1Y"), TEXT("1C"), TEXT("Vcc")};
constexpr const WCHAR* P5[14] = {TEXT("1A"), TEXT("1B"), TEXT("NC"), TEXT("1C"), TEXT("1D"), TEXT("1Y"), TEXT("Gnd"), TEXT("2Y"), TEXT("2A"), TEXT("2B"), TEXT("NC"), TEXT("2C"), TEXT("2D"), TEXT("Vcc")};

constexpr FunctionTable F1 = {{TEXT("A"), TEXT("B"), B, B, B, TEXT("Y"), B},
    {{TEXT("H"), TEXT("H"), B, B, B, TEXT("L"), B},
     {TEXT("L"), TEXT("X"), B, B, B, TEXT("H"), B},
     {TEXT("X"), TEXT("L"), B, B, B, TEXT("H"), B}}};
constexpr FunctionTable F2 = {{TEXT("A"), TEXT("B"), B, B, B, TEXT("Y"), B},
    {{TEXT("H"), TEXT("X"), B, B, B, TEXT("L"), B},
     {TEXT("X"), TEXT("H"), B, B, B, TEXT("L"), B},
     {TEXT("L"), TEXT("L"), B, B, B, TEXT("H"), B}}};
constexpr FunctionTable F3 = {{TEXT("A"), B, B, B, B, TEXT("Y"), B},
    {{TEXT("H"), B, B, B, B, TEXT("L"), B},
     {TEXT("L"), B, B, B, B, TEXT("H"), B}}};
constexpr FunctionTable F4 = {{TEXT("A"), TEXT("B"), B, B, B, TEXT("Y"), B},
    {{TEXT("H"), TEXT("H"), B, B, B, TEXT("H"), B},
     {TEXT("L"), TEXT("X"), B, B, B, TEXT("L"), B},
     {TEXT("X"), TEXT("L"), B, B, B, TEXT("L"), B}}};
constexpr FunctionTable F5 = {{TEXT("A"), TEXT("B"), TEXT("C"), B, B, TEXT("Y"), B},
    {{TEXT("H"), TEXT("H"), TEXT("H"), B, B, TEXT("L"), B},
     {TEXT("L"), TEXT("X"), TEXT("X"), B, B, TEXT("H"), B},
     {TEXT("X"), TEXT("L"), TEXT("X"), B, B, TEXT("H"), B},
     {TEXT("X"), TEXT("X"), TEXT("L"), B, B, TEXT("H"), B}}};
constexpr FunctionTable F6 = {{TEXT("A"), TEXT("B"), TEXT("C"), B, B, TEXT("Y"), B},
    {{TEXT("H"), TEXT("H"), TEXT("H"), B, B, TEXT("H"), B},
     {TEXT("L"), TEXT("X"), TEXT("X"), B, B, TEXT("L"), B},
     {TEXT("X"), TEXT("L"), TEXT("X"), B, B, TEXT("L"), B},
     {TEXT("X"), TEXT("X"), TEXT("L"), B, B, TEXT("L"), B}}};
constexpr FunctionTable F7 = {{TEXT("A"), TEXT("B"), TEXT("C"), TEXT("D"), B, TEXT("Y"), B},
    {{TEXT("H"), TEXT("H"), TEXT("H"), TEXT("H"), B, TEXT("L"), B},
     {TEXT("L"), TEXT("X"), TEXT("X"), TEXT("X"), B, TEXT("H"), B},
     {TEXT("X"), TEXT("L"), TEXT("X"), TEXT("X"), B, TEXT("H"), B},
     {TEXT("X"), TEXT("X"), TEXT("L"), TEXT("X"), B, TEXT("H"), B},
     {TEXT("X"), TEXT("X"), TEXT("X"), TEXT("L"), B, TEXT("H"), B}}};
constexpr FunctionTable F8 = {{TEXT("A"), TEXT("B"), TEXT("C"), TEXT("D"), B, TEXT("Y"), B},
    {{TEXT("H"), TEXT("H"), TEXT("H"), TEXT("H"), B, TEXT("H"), B},
     {TEXT("L"), TEXT("X"), TEXT("X"), TEXT("X"), B, TEXT("L"), B},
     {TEXT("X"), TEXT("L"), TEXT("X"), TEXT("X"), B, TEXT("L"), B},
     {TEXT("X"), TEXT("X"), TEXT("L"), TEXT("X"), B, TEXT("L"), B},
     {TEXT("X"), TEXT("X"), TEXT("X"), TEXT("L"), B, TEXT("L"), B}}};
constexpr FunctionTable F9 = {{TEXT("A"), TEXT("B"), TEXT("C"), B, B, TEXT("Y"), B},
    {{TEXT("H"), TEXT("X"), TEXT("X"), B, B, TEXT("L"), B},
     {TEXT("X"), TEXT("H"), TEXT("X"), B, B, TEXT("L"), B},
     {TEXT("X"), TEXT("X"), TEXT("H"), B, B, TEXT("L"), B},
     {TEXT("L"), TEXT("L"), TEXT("L"), B, B, TEXT("H"), B}}};
constexpr FunctionTable F10 = {{TEXT("A"), TEXT("B"), B, B, B, TEXT("Y"), B},
    {{TEXT("H"), TEXT("X"), B, B, B, TEXT("H"), B},
     {TEXT("X"), TEXT("H"), B, B, B, TEXT("H"), B},
     {TEXT("L"), TEXT("L"), B, B, B, TEXT("L"), B}}};
constexpr FunctionTable F11 = {{TEXT("A"), B, B, B, B, TEXT("Y"), B},
    {{TEXT("H"), B, B, B, B, TEXT("H"), B},
     {TEXT("L"), B, B, B, B, TEXT("L"), B}}};
constexpr FunctionTable F12 = {{TEXT("A"), TEXT("B"), B, B, B, TEXT("Y"), B},
    {{TEXT("L"), TEXT("L"), B, B, B, TEXT("L"), B},
     {TEXT("L"), TEXT("H"), B, B, B, TEXT("H"), B},
     {TEXT("H"), TEXT("L"), B, B, B, TEXT("H"), B},
     {TEXT("H"), TEXT("H"), B, B, B, TEXT("L"), B}}};

}  // namespace

const int ChipCount = 25;

constexpr ChipRecord ChipTable[] = {
    Chip(TEXT("7400"), TEXT("Quadruple 2-input positive-NAND gates"),
         TEXT("These devices contain four independent 2-input NAND gates.  They perform the Boolean functions Y=!(A&&B) or Y=!A||!B in positive logic."),
         P1, F1),
    Chip(TEXT("7401"), TEXT("Quadruple 2-input positive-NAND gates with open-collector outputs"),
         TEXT("These devices contain four independent 2-input NAND gates with open-collector outputs.    They perform the Boolean functions Y=!(A&&B) or Y=!A||!B in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels."),
         P2, F1),
    Chip(TEXT("7402"), TEXT("Quadruple 2-input positive-NOR gates"),
         TEXT("These devices contain four independent 2-input NOR gates.  They perform the Boolean functions Y=!(A||B) or Y=!A&&!B in positive logic."),
         P2, F2),
    Chip(TEXT("7403"), TEXT("Quadruple 2-input positive-NAND gates with open-collector outputs"),
         TEXT("These devices contain four independent 2-input NAND gates with open-collector outputs.  They perform the Boolean functions Y=!(A&&B) or Y=!A||!B in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels."),
         P1, F1),
    Chip(TEXT("7404"), TEXT("Hex inverters"),
         TEXT("These devices contain six independent inverters.  They perform the Boolean function Y=!A."),
         P3, F3),
    Chip(TEXT("7405"), TEXT("Hex inverters with open-collector outputs"),
         TEXT("These devices contain six independent inverters with open-collector outputs.  They perform the Boolean function Y=!A.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels."),
         P3, F3),
    Chip(TEXT("7408"), TEXT("Quadruple 2-input positive-AND gates"),
         TEXT("These devices contain four independent 2-input AND gates.  They perform the Boolean functions Y=A&&B or Y=!(!A||!B) in positive logic."),
         P1, F4),
    Chip(TEXT("7409"), TEXT("Quadruple 2-input positive-AND gates with open-collector outputs"),
         TEXT("These devices contain four independent 2-input AND gates with open-collector outputs.  They perform the Boolean functions Y=A&&B or Y=!(!A||!B) in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels."),
         P1, F4),
    Chip(TEXT("7410"), TEXT("Triple 3-input positive-NAND gates"),
         TEXT("These devices contain three independent 3-input NAND gates.  They perform the Boolean functions Y=!(A&&B&&C) or Y=!A||!B||!C in positive logic."),
         P4, F5),
    Chip(TEXT("7411"), TEXT("Triple 3-input positive-AND gates"),
         TEXT("These devices contain three independent 3-input AND gates.  They perform the Boolean functions Y=A&&B&&C or Y=!(!A||!B||!C) in positive logic."),
         P4, F6),
    Chip(TEXT("7412"), TEXT("Triple 3-input positive-NAND gates with open-collector outputs"),
         TEXT("These devices contain three independent 3-input NAND gates with open-collector outputs.  They perform the Boolean functions Y=!(A&&B&&C) or Y=!A||!B||!C in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels."),
         P4, F5),
    Chip(TEXT("7415"), TEXT("Triple 3-input positive-AND gates with open-collector outputs"),
         TEXT("These devices contain three independent 3-input AND gates with open-collector outputs.  They perform the Boolean functions Y=A&&B&&C or Y=!(!A||!B||!C) in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels."),
         P4, F6),
    Chip(TEXT("7420"), TEXT("Dual 4-input positive-NAND gates"),
         TEXT("These devices contain two independent 4-input NAND gates.  They perform the Boolean functions Y=!(A&&B&&C&&D) or Y=!A||!B||!C||!D in positive logic."),
         P5, F7),
    Chip(TEXT("7421"), TEXT("Dual 4-input positive-AND gates"),
         TEXT("These devices contain two independent 4-input AND gates.  They perform the Boolean functions Y=A&&B&&C&&D or Y=!(!A||!B||!C||!D) in positive logic."),
         P5, F8),
    Chip(TEXT("7422"), TEXT("Dual 4-input positive-NAND gates with open-collector outputs"),
         TEXT("These devices contain two independent 4-input NAND gates.  They perform the Boolean functions Y=!(A&&B&&C&&D) or Y=!A||!B||!C||!D in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels."),
         P5, F7),
    Chip(TEXT("7427"), TEXT("Triple 3-input positive-NOR gates"),
         TEXT("These devices contain three independent 3-input NOR gates.  They perform the Boolean functions Y=!(A||B||C) or Y=!A&&!B&&!C in positive logic."),
         P4, F9),
    Chip(TEXT("7428"), TEXT("Quadruple 2-input positive-NOR buffers"),
         TEXT("These devices contain four independent 2-input NOR buffer gates.  They perform the Boolean functions Y=!(A||B) or Y=!A&&!B in positive logic."),
         P2, F2),
    Chip(TEXT("7432"), TEXT("Quadruple 2-input positive-OR gates"),
         TEXT("These devices contain four independent 2-input OR gates.  They perform the Boolean functions Y=A||B or Y=!(!A&&!B) in positive logic."),
         P1, F10),
    Chip(TEXT("7433"), TEXT("Quadruple 2-input positive-NOR buffers with open-collector outputs"),
         TEXT("These devices contain four independent 2-input NOR buffer gates.  They perform the Boolean functions Y=!(A||B) or Y=!A&&!B in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels."),
         P2, F2),
    Chip(TEXT("7434"), TEXT("Hex noninverters"),
         TEXT("These devices contain six independent noninverters.  They perform the Boolean function Y=A."),
         P3, F11),
    Chip(TEXT("7435"), TEXT("Hex noninverters with open-collector outputs"),
         TEXT("These devices contain six independent noninverters.  They perform the Boolean function Y=A.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels."),
         P3, F11),
    Chip(TEXT("7437"), TEXT("Quadruple 2-input positive-NAND buffers"),
         TEXT("These devices contain four independent 2-input NAND buffer gates.  They perform the Boolean functions Y=!(A&&B) or Y=!A||!B."),
         P1, F1),
    Chip(TEXT("7438"), TEXT("Quadruple 2-input positive-NAND buffers with open-collector outputs"),
         TEXT("These devices contain four independent 2-input NAND buffer gates.  They perform the Boolean functions Y=!(A&&B) or Y=!A||!B.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels."),
         P1, F1),
    Chip(TEXT("7440"), TEXT("Dual 4-input positive-NAND buffers"),
         TEXT("These devices contain two independent 4-input NAND buffer gates.  They perform the Boolean functions Y=!(A&&B&&C&&D) or Y=!A||!B||!C||!D."),
         P5, F7),
    Chip(TEXT("7486"), TEXT("Quadruple 2-input exclusive-OR gates"),
         TEXT("These devices contain four independent 2-input exclusive-OR gates.  They perform the Boolean functions Y=A^B or Y=!A&&B||A&&!B."),
         P1, F12),
};
static_assert(sizeof ChipTable / sizeof ChipTable[0] == 25);
