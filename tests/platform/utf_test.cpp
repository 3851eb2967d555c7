// Text between the program's UTF-16 and the host's UTF-8: exact round trips of valid
// text, and U+FFFD for whatever is not valid in either form.
#include <gtest/gtest.h>

#include <string>

#include "kernel/utf.h"

namespace {

using platform::FromUtf8;
using platform::ToUtf8;

TEST(Utf, ValidTextConvertsBothWaysExactly) {
    const std::pair<std::u16string, std::string> cases[] = {
        {u"", ""},
        {std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
        {u"Gr\u00FC\u00DFe", "Gr\xC3\xBC\xC3\x9F" "e"},
        {u"\u0080\u07FF", "\xC2\x80\xDF\xBF"},
        {u"\u0800\uFFFD\uFFFF", "\xE0\xA0\x80\xEF\xBF\xBD\xEF\xBF\xBF"},
        {u"\U00010000\U0010FFFF", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
        {u"a\u00E9\u4E2D\U0001D11E!", "a\xC3\xA9\xE4\xB8\xAD\xF0\x9D\x84\x9E!"},
    };
    for (const auto& [utf16, utf8] : cases) {
        SCOPED_TRACE(utf8);
        EXPECT_EQ(ToUtf8(utf16), utf8);
        EXPECT_EQ(FromUtf8(utf8), utf16);
    }
}

// The bad bytes give one or more replacement characters, never more than there are
// bytes, and nothing else: no character made of them, none lost around them.
TEST(Utf, MalformedUtf8BecomesReplacementCharacters) {
    struct Case {
        std::string bytes;
        std::u16string before, after;
        size_t badBytes;
    };
    const Case cases[] = {
        {"a\x80" "b", u"a", u"b", 1},
        {"a\xF0\x9F\x98", u"a", u"", 3},  // cut at the end
        {"x\xE2(y", u"x", u"(y", 1},
        {"\xFE\xFF" "ok", u"", u"ok", 2},
        {"\xF8\x88\x80\x80\x80.", u"", u".", 5},
        {std::string("\xC0\x80", 2) + "z", u"", u"z", 2},  // overlong NUL
        {"\xE0\x80\xAF" "z", u"", u"z", 3},                // overlong slash
        {"\xF0\x82\x82\xAC" "z", u"", u"z", 4},
        {"a\xED\xA0\x80" "b", u"a", u"b", 3},  // an encoded surrogate
        {"\xF4\x90\x80\x80" "z", u"", u"z", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        std::u16string out = FromUtf8(c.bytes);
        ASSERT_GE(out.size(), c.before.size() + c.after.size() + 1);
        EXPECT_EQ(out.substr(0, c.before.size()), c.before);
        EXPECT_EQ(out.substr(out.size() - c.after.size()), c.after);
        std::u16string middle = out.substr(c.before.size(), out.size() - c.before.size() - c.after.size());
        EXPECT_LE(middle.size(), c.badBytes);
        EXPECT_EQ(middle, std::u16string(middle.size(), u'\uFFFD'));
    }
}

TEST(Utf, UnpairedSurrogatesInUtf16BecomeReplacementCharacters) {
    EXPECT_EQ(ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b'}), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(ToUtf8(std::u16string{u'x', char16_t(0xD83D)}), "x\xEF\xBF\xBD");
    EXPECT_EQ(ToUtf8(std::u16string{char16_t(0xDE00), char16_t(0xD83D)}), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
