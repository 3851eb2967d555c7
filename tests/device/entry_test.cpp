// The entry rules every calculator shares: which texts are numbers, the zero test, the
// conversion and the result format.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "entry/entry.h"

namespace {

std::string Format(double value) {
    WCHAR out[kResultTextSize];
    FormatResult(value, out);
    std::string s;
    for (int i = 0; out[i]; ++i) s.push_back(char(out[i]));
    return s;
}

TEST(Entry, OnlyDigitsAndOnePointAreNumbers) {
    const struct { const char16_t* text; bool valid; } cases[] = {
        {u"", true},      {u"1.5", true},   {u".", true},      {u"1.", true},    {u"007", true},
        {u"1.5.2", false}, {u"..", false},  {u"-3", false},    {u"2e3", false},  {u"1,5", false},
        {u" 1", false},   {u"1 ", false},   {u"+1", false},    {u"inf", false},  {u"nan", false},
        {u"0x10", false}, {u"\u0661", false}, {u"123456789012345", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidNumberText(c.text), c.valid) << std::u16string(c.text).size();
}

TEST(Entry, ZeroKnownAndConversion) {
    EXPECT_TRUE(IsZeroText(u"0"));
    for (const char16_t* other : {u"00", u"0.0", u".", u"", u"10"}) EXPECT_FALSE(IsZeroText(other));
    EXPECT_FALSE(IsKnown(u""));
    EXPECT_TRUE(IsKnown(u"."));
    EXPECT_DOUBLE_EQ(ConvertNumber(u"."), 0.0);
    EXPECT_DOUBLE_EQ(ConvertNumber(u"0.000001"), 0.000001);
    EXPECT_DOUBLE_EQ(ConvertNumber(u"123456789012345"), 123456789012345.0);
    // Fields read unchecked: a decimal number with its exponent counts, nothing else (no
    // hexadecimal, inf or nan), and U+0131 must not pass for the digit 1.
    const struct { const char16_t* text; double value; } unchecked[] = {
        {u"1e-4", 0.0001}, {u" -2.5E+1x", -25}, {u"3e", 3}, {u"0x10", 0}, {u"inf", 0}, {u"-nan", 0}, {u"2\u0131", 2},
    };
    for (const auto& c : unchecked) EXPECT_DOUBLE_EQ(ConvertNumber(c.text), c.value) << std::u16string(c.text).size();
}

// Six decimals, no exponent however large; infinities and NaN have one spelling each.
TEST(Entry, ResultFormat) {
    double zero = 0;
    const struct { double value; const char* text; } cases[] = {
        {1.0 / 3.0, "0.333333"},  {1e15, "1000000000000000.000000"}, {0.0000004, "0.000000"},
        {0.00000051, "0.000001"}, {1 / zero, "inf"}, {-1 / zero, "-inf"}, {std::sqrt(-1.0), "nan"}, {-std::nan(""), "nan"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.value), c.text);
    std::string max = Format(std::numeric_limits<double>::max());
    EXPECT_EQ(max.size(), 309u + 7u);
    EXPECT_EQ(max.substr(max.size() - 7), ".000000");
}

}  // namespace
