// Text between the program's UTF-16 and the host's UTF-8: exact round trips of valid
// text, and U+FFFD for whatever is not valid in either form.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>

#include "kernel/utf.h"

namespace {

using platform::FromUtf8;
using platform::ToUtf8;

std::string Hex(const std::string& s) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : s) {
        out += digits[c >> 4];
        out += digits[c & 15];
        out += ' ';
    }
    return out;
}

std::string Hex(const std::u16string& s) {
    std::string out;
    char buf[8];
    for (char16_t c : s) {
        std::snprintf(buf, sizeof buf, "%04X ", unsigned(c));
        out += buf;
    }
    return out;
}

struct Pair {
    const char* name;
    std::u16string utf16;
    std::string utf8;
};

void PrintTo(const Pair& p, std::ostream* os) { *os << p.name; }

class RoundTrip : public ::testing::TestWithParam<Pair> {};

TEST_P(RoundTrip, ConvertsBothWaysExactly) {
    const Pair& p = GetParam();
    EXPECT_EQ(ToUtf8(p.utf16), p.utf8) << Hex(ToUtf8(p.utf16));
    EXPECT_EQ(FromUtf8(p.utf8), p.utf16) << Hex(FromUtf8(p.utf8));
    EXPECT_EQ(FromUtf8(ToUtf8(p.utf16)), p.utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Utf, RoundTrip,
    ::testing::Values(Pair{"empty", u"", ""}, Pair{"ascii", u"Hello, world 0-9 ~", "Hello, world 0-9 ~"},
                      Pair{"nul inside", std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
                      Pair{"accents", u"Gr\u00FC\u00DFe, caf\u00E9", "Gr\xC3\xBC\xC3\x9F" "e, caf\xC3\xA9"},
                      Pair{"two byte edges", u"\u0080\u07FF", "\xC2\x80\xDF\xBF"},
                      Pair{"three byte edges", u"\u0800\uFFFD\uFFFF", "\xE0\xA0\x80\xEF\xBF\xBD\xEF\xBF\xBF"},
                      Pair{"euro and ohm", u"\u20AC \u2126", "\xE2\x82\xAC \xE2\x84\xA6"},
                      Pair{"cjk", u"\u4E2D\u6587\u5B57", "\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97"},
                      Pair{"surrogate pair", u"\U0001F600", "\xF0\x9F\x98\x80"},
                      Pair{"first and last supplementary", u"\U00010000\U0010FFFF", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
                      Pair{"mixed", u"a\u00E9\u4E2D\U0001D11E!", "a\xC3\xA9\xE4\xB8\xAD\xF0\x9D\x84\x9E!"}),
    [](const ::testing::TestParamInfo<Pair>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

struct Malformed {
    const char* name;
    std::string bytes;
    std::u16string before, after;  // what is decoded around the bad bytes
    size_t badBytes;
};

void PrintTo(const Malformed& m, std::ostream* os) { *os << m.name; }

class BadUtf8 : public ::testing::TestWithParam<Malformed> {};

// The bad bytes give one or more replacement characters, never more than there are
// bytes, and nothing else: no character made of them, none lost around them, none
// made up from beyond the end.
TEST_P(BadUtf8, BecomesReplacementCharacters) {
    const Malformed& m = GetParam();
    std::u16string out = FromUtf8(m.bytes);
    SCOPED_TRACE(Hex(out));
    ASSERT_GE(out.size(), m.before.size() + m.after.size() + 1);
    EXPECT_EQ(out.substr(0, m.before.size()), m.before);
    EXPECT_EQ(out.substr(out.size() - m.after.size()), m.after);
    std::u16string middle = out.substr(m.before.size(), out.size() - m.before.size() - m.after.size());
    EXPECT_GE(middle.size(), 1u);
    EXPECT_LE(middle.size(), m.badBytes);
    EXPECT_EQ(middle, std::u16string(middle.size(), u'\uFFFD'));
}

INSTANTIATE_TEST_SUITE_P(
    Utf, BadUtf8,
    ::testing::Values(Malformed{"lone continuation", "a\x80" "b", u"a", u"b", 1},
                      Malformed{"two byte cut at the end", "a\xC3", u"a", u"", 1},
                      Malformed{"three byte cut at the end", "a\xE2\x82", u"a", u"", 2},
                      Malformed{"four byte cut at the end", "a\xF0\x9F\x98", u"a", u"", 3},
                      Malformed{"lead without continuation", "x\xE2(y", u"x", u"(y", 1},
                      Malformed{"invalid lead bytes", "\xFE\xFF" "ok", u"", u"ok", 2},
                      Malformed{"five byte form", "\xF8\x88\x80\x80\x80.", u"", u".", 5},
                      Malformed{"overlong nul", std::string("\xC0\x80", 2) + "z", u"", u"z", 2},
                      Malformed{"overlong slash", "\xE0\x80\xAF" "z", u"", u"z", 3},
                      Malformed{"overlong four byte", "\xF0\x82\x82\xAC" "z", u"", u"z", 4},
                      Malformed{"encoded high surrogate", "a\xED\xA0\x80" "b", u"a", u"b", 3},
                      Malformed{"encoded low surrogate", "a\xED\xBF\xBF" "b", u"a", u"b", 3},
                      Malformed{"beyond the last code point", "\xF4\x90\x80\x80" "z", u"", u"z", 4}),
    [](const ::testing::TestParamInfo<Malformed>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(Utf, DecodingNeverYieldsUnpairedSurrogates) {
    // Every sequence of one to three bytes from a spread of interesting values.
    const unsigned char values[] = {0x00, 0x41, 0x7F, 0x80, 0xBF, 0xC0, 0xC2, 0xDF, 0xE0, 0xED,
                                    0xEF, 0xF0, 0xF4, 0xF5, 0xFF, 0xA0, 0x9F, 0x90, 0x8F};
    for (unsigned char a : values)
        for (unsigned char b : values)
            for (unsigned char c : values) {
                std::string bytes{char(a), char(b), char(c)};
                std::u16string out = FromUtf8(bytes);
                ASSERT_LE(out.size(), 3u) << Hex(bytes);
                for (size_t i = 0; i < out.size(); ++i) {
                    char16_t u = out[i];
                    bool high = u >= 0xD800 && u < 0xDC00, low = u >= 0xDC00 && u < 0xE000;
                    bool paired = high && i + 1 < out.size() && out[i + 1] >= 0xDC00 && out[i + 1] < 0xE000;
                    ASSERT_TRUE(!low || (i > 0 && out[i - 1] >= 0xD800 && out[i - 1] < 0xDC00)) << Hex(bytes);
                    ASSERT_TRUE(!high || paired) << Hex(bytes);
                }
            }
}

TEST(Utf, UnpairedSurrogatesInUtf16BecomeReplacementCharacters) {
    struct Case {
        std::u16string in;
        std::string out;
    };
    const Case cases[] = {
        {std::u16string{u'a', char16_t(0xD800), u'b'}, "a\xEF\xBF\xBD" "b"},
        {std::u16string(1, char16_t(0xDC00)), "\xEF\xBF\xBD"},
        {std::u16string{u'x', char16_t(0xD83D)}, "x\xEF\xBF\xBD"},
        {std::u16string{char16_t(0xDE00), char16_t(0xD83D)}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Hex(c.in));
        EXPECT_EQ(ToUtf8(c.in), c.out) << Hex(ToUtf8(c.in));
    }
}

}  // namespace
