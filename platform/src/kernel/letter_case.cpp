#include "kernel/letter_case.h"

#include <cstdint>

namespace platform {
namespace {

// Small letters from `first` to `last`, every `step`th, whose capitals lie `delta` away.
// A one-way pair is a second small form of a capital (ſ of S, ς of Σ): the capital
// becomes small as its usual form.
struct CaseRange {
    char16_t first, last;
    uint8_t step;
    int16_t delta;
    bool oneWay;
};

constexpr CaseRange kRanges[] = {
    {0x0061, 0x007A, 1, -0x20, false},  {0x00B5, 0x00B5, 1, 0x2E7, true},    {0x00E0, 0x00F6, 1, -0x20, false},
    {0x00F8, 0x00FE, 1, -0x20, false},  {0x00FF, 0x00FF, 1, 0x79, false},    {0x0101, 0x012F, 2, -1, false},
    {0x0131, 0x0131, 1, -0xE8, true},   {0x0133, 0x0137, 2, -1, false},      {0x013A, 0x0148, 2, -1, false},
    {0x014B, 0x0177, 2, -1, false},     {0x017A, 0x017E, 2, -1, false},      {0x017F, 0x017F, 1, -0x12C, true},
    // Greek
    {0x0371, 0x0373, 2, -1, false},     {0x0377, 0x0377, 1, -1, false},      {0x037B, 0x037D, 1, 0x82, false},
    {0x03AC, 0x03AC, 1, -0x26, false},  {0x03AD, 0x03AF, 1, -0x25, false},   {0x03B1, 0x03C1, 1, -0x20, false},
    {0x03C2, 0x03C2, 1, -0x1F, true},   {0x03C3, 0x03CB, 1, -0x20, false},   {0x03CC, 0x03CC, 1, -0x40, false},
    {0x03CD, 0x03CE, 1, -0x3F, false},  {0x03D0, 0x03D0, 1, -0x3E, true},    {0x03D1, 0x03D1, 1, -0x39, true},
    {0x03D5, 0x03D5, 1, -0x2F, true},   {0x03D6, 0x03D6, 1, -0x36, true},    {0x03D7, 0x03D7, 1, -8, false},
    {0x03D9, 0x03EF, 2, -1, false},     {0x03F0, 0x03F0, 1, -0x56, true},    {0x03F1, 0x03F1, 1, -0x50, true},
    {0x03F2, 0x03F2, 1, 7, false},      {0x03F3, 0x03F3, 1, -0x74, false},   {0x03F5, 0x03F5, 1, -0x60, true},
    {0x03F8, 0x03F8, 1, -1, false},     {0x03FB, 0x03FB, 1, -1, false},
    // Cyrillic
    {0x0430, 0x044F, 1, -0x20, false},  {0x0450, 0x045F, 1, -0x50, false},   {0x0461, 0x0481, 2, -1, false},
    {0x048B, 0x04BF, 2, -1, false},     {0x04C2, 0x04CE, 2, -1, false},      {0x04CF, 0x04CF, 1, -0xF, false},
    {0x04D1, 0x052F, 2, -1, false},
};

bool Holds(const CaseRange& r, int c, int shift) {
    return c >= r.first + shift && c <= r.last + shift && (c - r.first - shift) % r.step == 0;
}

}  // namespace

char16_t UpperCase(char16_t c) {
    for (const CaseRange& r : kRanges)
        if (Holds(r, c, 0)) return char16_t(c + r.delta);
    return c;
}

char16_t LowerCase(char16_t c) {
    for (const CaseRange& r : kRanges)
        if (!r.oneWay && Holds(r, c, r.delta)) return char16_t(c - r.delta);
    return c;
}

}  // namespace platform
