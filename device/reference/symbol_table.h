// The schematic symbols: fixed-width records compiled into the program.
#pragma once

#include <windows.h>

struct SymbolRecord {
    WCHAR name[64];
    WORD icon;  // icon resource id
};

// No count is stored: the list is filled in six batches of 24.
constexpr int kSymbolBatches = 6;
constexpr int kSymbolsPerBatch = 24;
constexpr int kSymbolCount = kSymbolBatches * kSymbolsPerBatch;
extern const SymbolRecord SymbolTable[];
