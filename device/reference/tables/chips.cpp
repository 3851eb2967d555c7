// The 7400-series chips: all in 14-pin dual-in-line packages. The records are built here,
// at compile time, from the five pinouts and twelve function tables the chips share; a
// text that does not fit its field stops the build.
#include "reference/chip_table.h"

namespace {

// An unused cell or heading holds one blank, never an empty text.
constexpr const char16_t* B = u" ";

struct FunctionTable {
    const char16_t* header[7];
    const char16_t* rows[8][7];  // rows left out are blank
};

template <size_t N>
constexpr void Put(WCHAR (&field)[N], const char16_t* text) {
    size_t i = 0;
    for (; text[i]; ++i) {
        if (i + 1 >= N) throw "a text is wider than its field";
        field[i] = text[i];
    }
    field[i] = 0;
}

constexpr ChipRecord Chip(const char16_t* number, const char16_t* title, const char16_t* description,
                          const char16_t* const (&pins)[14], const FunctionTable& table) {
    ChipRecord r{};
    Put(r.number, number);
    Put(r.title, title);
    Put(r.description, description);
    for (int k = 0; k < 14; ++k) Put(r.pins[k], pins[k]);
    for (int c = 0; c < 7; ++c) Put(r.header[c], table.header[c]);
    for (int j = 0; j < 56; ++j) Put(r.cells[j], table.rows[j / 7][j % 7] ? table.rows[j / 7][j % 7] : B);
    return r;
}

constexpr const char16_t* P1[14] = {u"1A", u"1B", u"1Y", u"2A", u"2B", u"2Y", u"Gnd", u"3Y", u"3A", u"3B", u"4Y", u"4A", u"4B", u"Vcc"};
constexpr const char16_t* P2[14] = {u"1Y", u"1A", u"1B", u"2Y", u"2A", u"2B", u"Gnd", u"3A", u"3B", u"3Y", u"4A", u"4B", u"4Y", u"Vcc"};
constexpr const char16_t* P3[14] = {u"1A", u"1Y", u"2A", u"2Y", u"3A", u"3Y", u"Gnd", u"4Y", u"4A", u"5Y", u"5A", u"6Y", u"6A", u"Vcc"};
constexpr const char16_t* P4[14] = {u"1A", u"1B", u"2A", u"2B", u"2C", u"2Y", u"Gnd", u"3Y", u"3A", u"3B", u"3C", u"1Y", u"1C", u"Vcc"};
constexpr const char16_t* P5[14] = {u"1A", u"1B", u"NC", u"1C", u"1D", u"1Y", u"Gnd", u"2Y", u"2A", u"2B", u"NC", u"2C", u"2D", u"Vcc"};

constexpr FunctionTable F1 = {{u"A", u"B", B, B, B, u"Y", B},
    {{u"H", u"H", B, B, B, u"L", B},
     {u"L", u"X", B, B, B, u"H", B},
     {u"X", u"L", B, B, B, u"H", B}}};
constexpr FunctionTable F2 = {{u"A", u"B", B, B, B, u"Y", B},
    {{u"H", u"X", B, B, B, u"L", B},
     {u"X", u"H", B, B, B, u"L", B},
     {u"L", u"L", B, B, B, u"H", B}}};
constexpr FunctionTable F3 = {{u"A", B, B, B, B, u"Y", B},
    {{u"H", B, B, B, B, u"L", B},
     {u"L", B, B, B, B, u"H", B}}};
constexpr FunctionTable F4 = {{u"A", u"B", B, B, B, u"Y", B},
    {{u"H", u"H", B, B, B, u"H", B},
     {u"L", u"X", B, B, B, u"L", B},
     {u"X", u"L", B, B, B, u"L", B}}};
constexpr FunctionTable F5 = {{u"A", u"B", u"C", B, B, u"Y", B},
    {{u"H", u"H", u"H", B, B, u"L", B},
     {u"L", u"X", u"X", B, B, u"H", B},
     {u"X", u"L", u"X", B, B, u"H", B},
     {u"X", u"X", u"L", B, B, u"H", B}}};
constexpr FunctionTable F6 = {{u"A", u"B", u"C", B, B, u"Y", B},
    {{u"H", u"H", u"H", B, B, u"H", B},
     {u"L", u"X", u"X", B, B, u"L", B},
     {u"X", u"L", u"X", B, B, u"L", B},
     {u"X", u"X", u"L", B, B, u"L", B}}};
constexpr FunctionTable F7 = {{u"A", u"B", u"C", u"D", B, u"Y", B},
    {{u"H", u"H", u"H", u"H", B, u"L", B},
     {u"L", u"X", u"X", u"X", B, u"H", B},
     {u"X", u"L", u"X", u"X", B, u"H", B},
     {u"X", u"X", u"L", u"X", B, u"H", B},
     {u"X", u"X", u"X", u"L", B, u"H", B}}};
constexpr FunctionTable F8 = {{u"A", u"B", u"C", u"D", B, u"Y", B},
    {{u"H", u"H", u"H", u"H", B, u"H", B},
     {u"L", u"X", u"X", u"X", B, u"L", B},
     {u"X", u"L", u"X", u"X", B, u"L", B},
     {u"X", u"X", u"L", u"X", B, u"L", B},
     {u"X", u"X", u"X", u"L", B, u"L", B}}};
constexpr FunctionTable F9 = {{u"A", u"B", u"C", B, B, u"Y", B},
    {{u"H", u"X", u"X", B, B, u"L", B},
     {u"X", u"H", u"X", B, B, u"L", B},
     {u"X", u"X", u"H", B, B, u"L", B},
     {u"L", u"L", u"L", B, B, u"H", B}}};
constexpr FunctionTable F10 = {{u"A", u"B", B, B, B, u"Y", B},
    {{u"H", u"X", B, B, B, u"H", B},
     {u"X", u"H", B, B, B, u"H", B},
     {u"L", u"L", B, B, B, u"L", B}}};
constexpr FunctionTable F11 = {{u"A", B, B, B, B, u"Y", B},
    {{u"H", B, B, B, B, u"H", B},
     {u"L", B, B, B, B, u"L", B}}};
constexpr FunctionTable F12 = {{u"A", u"B", B, B, B, u"Y", B},
    {{u"L", u"L", B, B, B, u"L", B},
     {u"L", u"H", B, B, B, u"H", B},
     {u"H", u"L", B, B, B, u"H", B},
     {u"H", u"H", B, B, B, u"L", B}}};

}  // namespace

const int ChipCount = 25;

constexpr ChipRecord ChipTable[] = {
    Chip(u"7400", u"Quadruple 2-input positive-NAND gates",
         u"These devices contain four independent 2-input NAND gates.  They perform the Boolean functions Y=!(A&&B) or Y=!A||!B in positive logic.",
         P1, F1),
    Chip(u"7401", u"Quadruple 2-input positive-NAND gates with open-collector outputs",
         u"These devices contain four independent 2-input NAND gates with open-collector outputs.    They perform the Boolean functions Y=!(A&&B) or Y=!A||!B in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels.",
         P2, F1),
    Chip(u"7402", u"Quadruple 2-input positive-NOR gates",
         u"These devices contain four independent 2-input NOR gates.  They perform the Boolean functions Y=!(A||B) or Y=!A&&!B in positive logic.",
         P2, F2),
    Chip(u"7403", u"Quadruple 2-input positive-NAND gates with open-collector outputs",
         u"These devices contain four independent 2-input NAND gates with open-collector outputs.  They perform the Boolean functions Y=!(A&&B) or Y=!A||!B in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels.",
         P1, F1),
    Chip(u"7404", u"Hex inverters",
         u"These devices contain six independent inverters.  They perform the Boolean function Y=!A.",
         P3, F3),
    Chip(u"7405", u"Hex inverters with open-collector outputs",
         u"These devices contain six independent inverters with open-collector outputs.  They perform the Boolean function Y=!A.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels.",
         P3, F3),
    Chip(u"7408", u"Quadruple 2-input positive-AND gates",
         u"These devices contain four independent 2-input AND gates.  They perform the Boolean functions Y=A&&B or Y=!(!A||!B) in positive logic.",
         P1, F4),
    Chip(u"7409", u"Quadruple 2-input positive-AND gates with open-collector outputs",
         u"These devices contain four independent 2-input AND gates with open-collector outputs.  They perform the Boolean functions Y=A&&B or Y=!(!A||!B) in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels.",
         P1, F4),
    Chip(u"7410", u"Triple 3-input positive-NAND gates",
         u"These devices contain three independent 3-input NAND gates.  They perform the Boolean functions Y=!(A&&B&&C) or Y=!A||!B||!C in positive logic.",
         P4, F5),
    Chip(u"7411", u"Triple 3-input positive-AND gates",
         u"These devices contain three independent 3-input AND gates.  They perform the Boolean functions Y=A&&B&&C or Y=!(!A||!B||!C) in positive logic.",
         P4, F6),
    Chip(u"7412", u"Triple 3-input positive-NAND gates with open-collector outputs",
         u"These devices contain three independent 3-input NAND gates with open-collector outputs.  They perform the Boolean functions Y=!(A&&B&&C) or Y=!A||!B||!C in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels.",
         P4, F5),
    Chip(u"7415", u"Triple 3-input positive-AND gates with open-collector outputs",
         u"These devices contain three independent 3-input AND gates with open-collector outputs.  They perform the Boolean functions Y=A&&B&&C or Y=!(!A||!B||!C) in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels.",
         P4, F6),
    Chip(u"7420", u"Dual 4-input positive-NAND gates",
         u"These devices contain two independent 4-input NAND gates.  They perform the Boolean functions Y=!(A&&B&&C&&D) or Y=!A||!B||!C||!D in positive logic.",
         P5, F7),
    Chip(u"7421", u"Dual 4-input positive-AND gates",
         u"These devices contain two independent 4-input AND gates.  They perform the Boolean functions Y=A&&B&&C&&D or Y=!(!A||!B||!C||!D) in positive logic.",
         P5, F8),
    Chip(u"7422", u"Dual 4-input positive-NAND gates with open-collector outputs",
         u"These devices contain two independent 4-input NAND gates.  They perform the Boolean functions Y=!(A&&B&&C&&D) or Y=!A||!B||!C||!D in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels.",
         P5, F7),
    Chip(u"7427", u"Triple 3-input positive-NOR gates",
         u"These devices contain three independent 3-input NOR gates.  They perform the Boolean functions Y=!(A||B||C) or Y=!A&&!B&&!C in positive logic.",
         P4, F9),
    Chip(u"7428", u"Quadruple 2-input positive-NOR buffers",
         u"These devices contain four independent 2-input NOR buffer gates.  They perform the Boolean functions Y=!(A||B) or Y=!A&&!B in positive logic.",
         P2, F2),
    Chip(u"7432", u"Quadruple 2-input positive-OR gates",
         u"These devices contain four independent 2-input OR gates.  They perform the Boolean functions Y=A||B or Y=!(!A&&!B) in positive logic.",
         P1, F10),
    Chip(u"7433", u"Quadruple 2-input positive-NOR buffers with open-collector outputs",
         u"These devices contain four independent 2-input NOR buffer gates.  They perform the Boolean functions Y=!(A||B) or Y=!A&&!B in positive logic.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels.",
         P2, F2),
    Chip(u"7434", u"Hex noninverters",
         u"These devices contain six independent noninverters.  They perform the Boolean function Y=A.",
         P3, F11),
    Chip(u"7435", u"Hex noninverters with open-collector outputs",
         u"These devices contain six independent noninverters.  They perform the Boolean function Y=A.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels.",
         P3, F11),
    Chip(u"7437", u"Quadruple 2-input positive-NAND buffers",
         u"These devices contain four independent 2-input NAND buffer gates.  They perform the Boolean functions Y=!(A&&B) or Y=!A||!B.",
         P1, F1),
    Chip(u"7438", u"Quadruple 2-input positive-NAND buffers with open-collector outputs",
         u"These devices contain four independent 2-input NAND buffer gates.  They perform the Boolean functions Y=!(A&&B) or Y=!A||!B.  The open-collector outputs require pull-up resistors to perform correctly.  They may be connected to other open-collector outputs to implement active-low wired-OR or active-high wired-AND functions.  Open-collector devices are often used to generate higher Voh levels.",
         P1, F1),
    Chip(u"7440", u"Dual 4-input positive-NAND buffers",
         u"These devices contain two independent 4-input NAND buffer gates.  They perform the Boolean functions Y=!(A&&B&&C&&D) or Y=!A||!B||!C||!D.",
         P5, F7),
    Chip(u"7486", u"Quadruple 2-input exclusive-OR gates",
         u"These devices contain four independent 2-input exclusive-OR gates.  They perform the Boolean functions Y=A^B or Y=!A&&B||A&&!B.",
         P1, F12),
};
static_assert(sizeof ChipTable / sizeof ChipTable[0] == 25);
