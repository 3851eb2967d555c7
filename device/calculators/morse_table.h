// The Morse table: the wave resource each character plays and the dots and dashes that
// sound is made of. The sound generator reads it at build time and the encoder screen at
// run time, so the characters accepted and the sounds built can never disagree. It
// includes nothing of the platform: the generator is a plain host tool.
#pragma once

#include <cstdint>

struct MorseCharacter {
    char16_t character;
    uint16_t sound;   // wave resource id
    char pattern[7];  // '.' a dot, '-' a dash; empty for the blank, which is a pause only
    bool endsShort;   // one unit of silence after the last element instead of three
};

// The ids do not follow the characters everywhere ("1" is 242, "Z" 208, "X" 241, "Y" 240),
// and "(" and ")" share one sound. The hyphen and the point are a lone dash and a lone dot
// that end short, not the six-element signs.
inline constexpr MorseCharacter kMorseTable[] = {
    {u'0', 207, "-----", false},  {u'1', 242, ".----", false}, {u'2', 209, "..---", false},
    {u'3', 210, "...--", false},  {u'4', 211, "....-", false}, {u'5', 212, ".....", false},
    {u'6', 213, "-....", false},  {u'7', 214, "--...", false}, {u'8', 215, "---..", false},
    {u'9', 216, "----.", false},  {u'A', 217, ".-", false},    {u'B', 218, "-...", false},
    {u'C', 219, "-.-.", false},   {u'D', 220, "-..", false},   {u'E', 221, ".", false},
    {u'F', 222, "..-.", false},   {u'G', 223, "--.", false},   {u'H', 224, "....", false},
    {u'I', 225, "..", false},     {u'J', 226, ".---", false},  {u'K', 227, "-.-", false},
    {u'L', 228, ".-..", false},   {u'M', 229, "--", false},    {u'N', 230, "-.", false},
    {u'O', 231, "---", false},    {u'P', 232, ".--.", false},  {u'Q', 233, "--.-", false},
    {u'R', 234, ".-.", false},    {u'S', 235, "...", false},   {u'T', 236, "-", false},
    {u'U', 237, "..-", false},    {u'V', 238, "...-", false},  {u'W', 239, ".--", false},
    {u'X', 241, "-..-", false},   {u'Y', 240, "-.--", false},  {u'Z', 208, "--..", false},
    {u' ', 249, "", false},       {u':', 250, "---...", false}, {u',', 251, "--..--", false},
    {u'-', 252, "-", true},       {u'(', 253, "-.--.-", false}, {u')', 253, "-.--.-", false},
    {u'.', 254, ".", true},       {u'?', 255, "..--..", false}, {u'"', 256, ".-..-.", false},
    {u'\'', 257, ".----.", false},
};
inline constexpr int32_t kMorseTableSize = int32_t(sizeof kMorseTable / sizeof kMorseTable[0]);

// The row of a character, or none: a character without a row is not allowed.
inline constexpr const MorseCharacter* MorseFor(char16_t character) {
    for (const MorseCharacter& row : kMorseTable)
        if (row.character == character) return &row;
    return nullptr;
}
