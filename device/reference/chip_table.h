// The chips of the 7400-series reference: fixed-width records compiled into the program.
#pragma once

#include <windows.h>

struct ChipRecord {
    WCHAR number[6];
    WCHAR title[128];
    WCHAR description[512];  // sentences separated by two blanks
    WCHAR pins[14][6];       // pin 1 to pin 14
    WCHAR header[7][4];      // five inputs, then two outputs
    WCHAR cells[56][6];      // 8 rows of 7 cells, row by row
};
static_assert(sizeof(ChipRecord) == 1094 * sizeof(WCHAR));

extern const int ChipCount;
extern const ChipRecord ChipTable[];

// The chip's number, " - " and its title, as the list shows it.
constexpr int kChipTitleSize = 128;
void ChipTitleText(const ChipRecord& chip, WCHAR (&out)[kChipTitleSize]);
