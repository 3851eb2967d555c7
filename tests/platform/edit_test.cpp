// The edit control: typing and its notifications, the text limit, the editing keys and
// the selection, the caret by tap, scrolling, read-only and upper-case fields, the
// clipboard, reading the text back, and multi-line fields.
#include "kernel/internal.h"
#include "support.h"

namespace {

using test::Commands;
Commands& commands = test::HeardCommands();

int Count(WORD code) {
    return int(std::count_if(commands.begin(), commands.end(), [&](const auto& c) { return c.second == code; }));
}

using Selection = std::pair<DWORD, DWORD>;

Selection Sel(HWND edit) {
    DWORD start = 0xDEAD, end = 0xBEEF;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void Select(HWND edit, int start, int end) { SendMessageW(edit, EM_SETSEL, WPARAM(start), LPARAM(end)); }

// A modifier and a key, all pressed and released before any of it is handled (as a
// quick hand on a busy machine does): the handler still sees the modifier held.
void PressWith(UINT modifier, UINT vk) {
    platform::InjectKey(modifier, true);
    platform::InjectKey(vk, true);
    platform::InjectKey(vk, false);
    platform::InjectKey(modifier, false);
    test::Pump();
}

int TextWidth(HWND edit, const std::u16string& text) {
    HDC hdc = GetDC(edit);
    if (auto font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0))) SelectObject(hdc, font);
    SIZE size{};
    GetTextExtentPoint32W(hdc, text.c_str(), int(text.size()), &size);
    ReleaseDC(edit, hdc);
    return size.cx;
}

class EditTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        parent = test::CreateListeningWindow();
        ASSERT_NE(parent, nullptr);
        edit = Edit(ES_AUTOHSCROLL, 10, 150, 50);
    }
    HWND Edit(DWORD style, int y, int width, int id, const char16_t* text = u"", int height = 21) {
        return CreateWindowExW(0, u"Edit", text, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | style, 10, y, width,
                               height, parent, reinterpret_cast<HMENU>(uintptr_t(id)), nullptr, nullptr);
    }
    // The field with the focus, holding `text` typed by a person.
    void Typed(const std::u16string& text) {
        test::Tap(edit);
        test::Type(text);
        commands.clear();
    }
    HWND parent = nullptr, edit = nullptr;
};

TEST_F(EditTest, FocusTypingAndSettingTheTextAreEachAnnouncedOnce) {
    HWND other = Edit(ES_AUTOHSCROLL, 50, 150, 51);
    test::Tap(edit);
    test::Tap(edit);  // no new focus
    EXPECT_EQ(GetFocus(), edit);
    test::Type(u"12");
    EXPECT_EQ(test::TextOf(edit), u"12");
    EXPECT_EQ(Sel(edit), Selection(2, 2));
    EXPECT_EQ(commands, (Commands{{50, EN_SETFOCUS}, {50, EN_UPDATE}, {50, EN_CHANGE}, {50, EN_UPDATE}, {50, EN_CHANGE}}));
    commands.clear();
    SetWindowTextW(edit, u"330");
    EXPECT_EQ(Sel(edit), Selection(0, 0)) << "the caret goes to the start";
    test::Tap(other);
    EXPECT_EQ(commands, (Commands{{50, EN_UPDATE}, {50, EN_CHANGE}, {50, EN_KILLFOCUS}, {51, EN_SETFOCUS}}));
}

// The limit refuses typing (telling the parent) but not the program's text, and a
// selection about to be replaced counts as room.
TEST_F(EditTest, TextLimit) {
    SendMessageW(edit, EM_LIMITTEXT, 3, 0);
    Typed(u"");
    test::Type(u"12345");
    EXPECT_EQ(test::TextOf(edit), u"123");
    EXPECT_EQ(Count(EN_MAXTEXT), 2) << "once for each refused character";
    EXPECT_EQ(Count(EN_CHANGE), 3);
    Select(edit, 1, 2);
    test::Type(u"x");
    EXPECT_EQ(test::TextOf(edit), u"1x3");
    EXPECT_EQ(Count(EN_MAXTEXT), 2);
    EXPECT_TRUE(SetWindowTextW(edit, u"123456"));
    test::PressKey(VK_END);
    test::Type(u"7");
    test::PressKey(VK_BACK);
    EXPECT_EQ(test::TextOf(edit), u"12345") << "refused to type, free to delete";
}

struct Step { UINT vk; bool shift; char16_t ch; };  // ch typed instead of a key when set
Step K(UINT vk) { return Step{vk, false, 0}; }
Step S(UINT vk) { return Step{vk, true, 0}; }
Step C(char16_t ch) { return Step{0, false, ch}; }

TEST_F(EditTest, KeysEditAndSelect) {
    struct Case { const char* name; std::vector<Step> steps; std::u16string text; Selection sel; } cases[] = {
        {"left at the start", {K(VK_HOME), K(VK_LEFT)}, u"abcdef", {0, 0}},
        {"right at the end", {K(VK_RIGHT)}, u"abcdef", {6, 6}},
        {"shift left twice, shift right", {S(VK_LEFT), S(VK_LEFT), S(VK_RIGHT)}, u"abcdef", {5, 6}},
        {"shift end", {K(VK_HOME), K(VK_RIGHT), S(VK_END)}, u"abcdef", {1, 6}},
        {"shift right from the start", {K(VK_HOME), S(VK_RIGHT), S(VK_RIGHT)}, u"abcdef", {0, 2}},
        {"backspace", {K(VK_LEFT), K(VK_BACK)}, u"abcdf", {4, 4}},
        {"backspace at the start", {K(VK_HOME), K(VK_BACK)}, u"abcdef", {0, 0}},
        {"delete", {K(VK_HOME), K(VK_DELETE)}, u"bcdef", {0, 0}},
        {"delete at the end", {K(VK_DELETE)}, u"abcdef", {6, 6}},
        {"backspace a selection", {S(VK_LEFT), S(VK_LEFT), K(VK_BACK)}, u"abcd", {4, 4}},
        {"delete a selection", {K(VK_HOME), S(VK_RIGHT), S(VK_RIGHT), K(VK_DELETE)}, u"cdef", {0, 0}},
        {"type over a selection", {K(VK_HOME), S(VK_RIGHT), C(u'X')}, u"Xbcdef", {1, 1}},
        {"type in the middle", {K(VK_LEFT), K(VK_LEFT), C(u'-')}, u"abcd-ef", {5, 5}},
    };
    test::Tap(edit);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetWindowTextW(edit, u"abcdef");  // the caret at its end
        Select(edit, 6, 6);
        for (const Step& s : c.steps) {
            if (s.ch) test::Type(std::u16string(1, s.ch));
            else if (s.shift) PressWith(VK_SHIFT, s.vk);
            else test::PressKey(s.vk);
        }
        EXPECT_EQ(test::TextOf(edit), c.text);
        EXPECT_EQ(Sel(edit), c.sel);
    }
}

TEST_F(EditTest, TapPutsTheCaretAtTheNearestBoundaryAndDraggingSelects) {
    Typed(u"WWWWWW");
    RECT r;
    GetWindowRect(edit, &r);
    int y = (r.top + r.bottom) / 2, x = r.left + 2;  // the text starts a little inside the border
    ASSERT_GT(TextWidth(edit, u"W"), 5);
    test::TapAt(POINT{x + TextWidth(edit, u"WW"), y});
    EXPECT_EQ(Sel(edit), Selection(2, 2));
    test::TapAt(POINT{r.left + 1, y});
    EXPECT_EQ(Sel(edit), Selection(0, 0));
    test::TapAt(POINT{r.right - 2, y});
    EXPECT_EQ(Sel(edit), Selection(6, 6)) << "past the text is its end";
    platform::InjectStylusDown(POINT{x + TextWidth(edit, u"W"), y});
    platform::InjectStylusMove(POINT{x + TextWidth(edit, u"WWWW"), y});
    platform::InjectStylusUp(POINT{x + TextWidth(edit, u"WWWW"), y});
    test::Pump();
    EXPECT_EQ(Sel(edit), Selection(1, 4));
}

TEST_F(EditTest, TextWiderThanTheFieldScrollsToKeepTheCaretInView) {
    HWND field = Edit(ES_AUTOHSCROLL, 50, 60, 51);
    const std::u16string digits = u"123456789012345678901234567890";
    test::Tap(field);
    test::Type(digits);
    ASSERT_EQ(test::TextOf(field), digits);
    RECT r;
    GetWindowRect(field, &r);
    POINT rightEdge{r.right - 3, (r.top + r.bottom) / 2};
    test::TapAt(rightEdge);
    EXPECT_EQ(Sel(field), Selection(30, 30)) << "the end of the text shows at the right edge";
    test::PressKey(VK_HOME);
    test::TapAt(rightEdge);
    EXPECT_GT(Sel(field).first, 0u);
    EXPECT_LT(Sel(field).first, 20u) << "back at the start, the right edge shows the middle";
}

// A read-only field, set so by style or by message, refuses every edit but can be
// selected and copied from; an upper-case field capitalises what it is given, in any
// alphabet.
TEST_F(EditTest, ReadOnlyAndUpperCaseFields) {
    HWND upper = Edit(ES_UPPERCASE | ES_AUTOHSCROLL, 50, 100, 51);
    HWND readOnly = Edit(ES_READONLY | ES_AUTOHSCROLL, 80, 100, 52, u"abc1");
    test::Tap(readOnly);
    test::Type(u"5");
    for (UINT vk : {VK_BACK, VK_HOME, VK_DELETE}) test::PressKey(vk);
    PressWith(VK_SHIFT, VK_END);
    EXPECT_EQ(Sel(readOnly), Selection(0, 4));
    PressWith(VK_CONTROL, 'X');
    PressWith(VK_CONTROL, 'C');
    EXPECT_EQ(test::TextOf(readOnly), u"abc1");
    EXPECT_EQ(Count(EN_CHANGE), 0);
    test::Tap(upper);
    PressWith(VK_CONTROL, 'V');
    test::Type(u"k");
    EXPECT_EQ(test::TextOf(upper), u"ABC1K");
    EXPECT_TRUE(SendMessageW(upper, EM_SETREADONLY, TRUE, 0));
    test::Type(u"B");
    PressWith(VK_CONTROL, 'V');
    EXPECT_TRUE(SendMessageW(upper, EM_SETREADONLY, FALSE, 0));
    test::Type(u"C");
    test::Type(u"héllo ÿıſ ως ά ж ё ӏ ß");  // ß has no capital of one letter
    EXPECT_EQ(test::TextOf(upper), u"ABC1KCHÉLLO ŸIS ΩΣ Ά Ж Ё Ӏ ß");
}

// Cut, copy and paste by control keys; copying nothing keeps the clipboard, a paste
// replaces the selection and is cut to the limit.
TEST_F(EditTest, ControlKeysCutCopyAndPaste) {
    Typed(u"volts amps");
    Select(edit, 0, 6);
    PressWith(VK_CONTROL, 'X');
    EXPECT_EQ(test::TextOf(edit), u"amps");
    test::PressKey(VK_END);
    PressWith(VK_CONTROL, 'C');
    PressWith(VK_CONTROL, 'V');
    EXPECT_EQ(test::TextOf(edit), u"ampsvolts ");
    EXPECT_EQ(Sel(edit), Selection(10, 10));
    Select(edit, 1, 3);
    PressWith(VK_CONTROL, 'V');
    EXPECT_EQ(test::TextOf(edit), u"avolts svolts ");
    SendMessageW(edit, EM_LIMITTEXT, 18, 0);
    PressWith(VK_CONTROL, 'V');
    EXPECT_EQ(test::TextOf(edit), u"avolts voltsvolts ");
    EXPECT_EQ(Count(EN_MAXTEXT), 1);
}

TEST_F(EditTest, MultiLineFieldScrollsByBarAndKeys) {
    std::u16string text;
    for (int i = 0; i < 20; ++i) text += u"Open-collector outputs need pull-up resistors. ";
    HWND field = Edit(ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 60, 150, 60, text.c_str(), 50);
    auto shown = [&] {
        test::Pump();
        std::vector<uint32_t> pixels;
        for (int y = 26 + 62; y < 26 + 108; ++y)
            for (int x = 12; x < 10 + 150 - 14; ++x) pixels.push_back(test::PixelAt(x, y));
        return pixels;
    };
    auto top = shown();
    test::TapAt(POINT{10 + 150 - 7, 26 + 60 + 50 - 7});  // the bar's lower arrow
    EXPECT_NE(shown(), top);
    EXPECT_NE(GetFocus(), field) << "the bar does not take the focus";
    test::TapAt(POINT{10 + 150 - 7, 26 + 60 + 7});  // and the upper one
    EXPECT_EQ(shown(), top);
    test::Tap(field);
    test::PressKey(VK_NEXT);
    EXPECT_NE(shown(), top) << "the caret moved down a page and took the view with it";
    test::PressKey(VK_PRIOR);
    test::PressKey(VK_PRIOR);
    SetFocus(parent);
    EXPECT_EQ(shown(), top);
}

}  // namespace
