// The single-line edit control: typing and its notifications, the text limit, the
// editing keys and the selection, caret placement by tap, scrolling, upper-case and
// read-only fields, the clipboard, and reading the text back.
#include "demo_resource.h"
#include "kernel/internal.h"
#include "gdi/gdi.h"
#include "support.h"

namespace {

using test::Commands;
Commands& commands = test::HeardCommands();

int Count(WORD code, int id = -1) {
    return int(std::count_if(commands.begin(), commands.end(),
                             [&](const auto& c) { return c.second == code && (id < 0 || c.first == id); }));
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

void PressWithShift(UINT vk) { PressWith(VK_SHIFT, vk); }

// Control and a letter become the control character (Ctrl+C is 3).
void PressWithControl(UINT letter) { PressWith(VK_CONTROL, letter); }

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
        edit = Edit(ES_AUTOHSCROLL, 10, 10, 150, 21, 50);
    }

    HWND Edit(DWORD style, int x, int y, int width, int height, int id, const char16_t* text = u"") {
        return CreateWindowExW(0, u"Edit", text, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | style, x, y, width,
                               height, parent, reinterpret_cast<HMENU>(uintptr_t(id)), nullptr, nullptr);
    }

    // The field with the focus, holding `text` typed by a person.
    void Typed(const std::u16string& text) {
        test::Tap(edit);
        test::Type(text);
        commands.clear();
    }

    HWND parent = nullptr;
    HWND edit = nullptr;
};

// ---- typing and notifications ----

TEST_F(EditTest, TappedFieldTakesTheFocusAndTypingEntersText) {
    test::Tap(edit);
    EXPECT_EQ(GetFocus(), edit);
    test::Type(u"4.7k");
    EXPECT_EQ(test::TextOf(edit), u"4.7k");
    EXPECT_EQ(Sel(edit), Selection(4, 4));
}

TEST_F(EditTest, FocusArrivingByTapIsReportedOnceAndItsDepartureToo) {
    HWND other = Edit(ES_AUTOHSCROLL, 10, 50, 150, 21, 51);
    test::Tap(edit);
    EXPECT_EQ(commands, (Commands{{50, EN_SETFOCUS}}));
    test::Tap(edit);
    EXPECT_EQ(Count(EN_SETFOCUS), 1) << "a second tap in the same field is no new focus";
    commands.clear();
    test::Tap(other);
    EXPECT_EQ(commands, (Commands{{50, EN_KILLFOCUS}, {51, EN_SETFOCUS}}));
}

TEST_F(EditTest, EachTypedCharacterIsOneChangeAnnouncedByAnUpdate) {
    Typed(u"");
    test::Type(u"12");
    EXPECT_EQ(commands, (Commands{{50, EN_UPDATE}, {50, EN_CHANGE}, {50, EN_UPDATE}, {50, EN_CHANGE}}));
}

TEST_F(EditTest, SettingTheTextIsAChangeAndPutsTheCaretAtTheStart) {
    Typed(u"12");
    SetWindowTextW(edit, u"330");
    EXPECT_EQ(test::TextOf(edit), u"330");
    EXPECT_EQ(Count(EN_CHANGE), 1);
    EXPECT_EQ(Sel(edit), Selection(0, 0));
}

// ---- the text limit ----

TEST_F(EditTest, LimitStopsTypingAndSaysSo) {
    SendMessageW(edit, EM_LIMITTEXT, 3, 0);
    Typed(u"");
    test::Type(u"12345");
    EXPECT_EQ(test::TextOf(edit), u"123");
    EXPECT_EQ(Count(EN_MAXTEXT, 50), 2) << "once for each refused character";
    EXPECT_EQ(Count(EN_CHANGE), 3);
}

TEST_F(EditTest, LimitDoesNotApplyToTextSetByTheProgram) {
    SendMessageW(edit, EM_LIMITTEXT, 3, 0);
    EXPECT_TRUE(SetWindowTextW(edit, u"123456"));
    EXPECT_EQ(test::TextOf(edit), u"123456");
    test::Tap(edit);
    test::PressKey(VK_END);
    commands.clear();
    test::Type(u"7");
    EXPECT_EQ(test::TextOf(edit), u"123456") << "typing is still limited";
    EXPECT_EQ(Count(EN_MAXTEXT), 1);
    test::PressKey(VK_BACK);
    EXPECT_EQ(test::TextOf(edit), u"12345") << "the person can still edit all of it";
}

TEST_F(EditTest, LimitCountsTheSelectionBeingReplacedAsRoom) {
    SendMessageW(edit, EM_LIMITTEXT, 3, 0);
    Typed(u"123");
    Select(edit, 1, 2);
    test::Type(u"x");
    EXPECT_EQ(test::TextOf(edit), u"1x3");
    EXPECT_EQ(Count(EN_MAXTEXT), 0);
}

TEST_F(EditTest, LimitDefaultsToThirtyThousandAndZeroMeansTheLargest) {
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessageW(edit, EM_LIMITTEXT, 5, 0);
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 5);
    // On the handheld a single-line field holds at most 0x7FFE characters.
    SendMessageW(edit, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFE);
}

TEST_F(EditTest, FieldWithoutAutoScrollTakesOnlyWhatFitsItsWidth) {
    HWND narrow = Edit(0, 10, 50, 60, 21, 52);
    test::Tap(narrow);
    commands.clear();
    const std::u16string digits = u"123456789012345678901234567890";
    test::Type(digits);
    std::u16string text = test::TextOf(narrow);
    ASSERT_FALSE(text.empty());
    EXPECT_LT(text.size(), digits.size());
    EXPECT_EQ(digits.substr(0, text.size()), text);
    RECT client;
    GetClientRect(narrow, &client);
    EXPECT_LE(TextWidth(narrow, text), client.right);
    EXPECT_GT(Count(EN_MAXTEXT, 52), 0) << "the parent is told that the rest did not fit";
}

// ---- keys and the selection ----

struct Step {
    UINT vk = 0;
    bool shift = false;
    char16_t ch = 0;  // typed instead of a key when set
};
Step K(UINT vk) { return Step{vk, false, 0}; }
Step S(UINT vk) { return Step{vk, true, 0}; }
Step C(char16_t ch) { return Step{0, false, ch}; }

struct KeyCase {
    const char* name;
    std::vector<Step> steps;  // starting from "abcdef" typed, caret at the end
    std::u16string text;
    Selection sel;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class EditKeyTest : public EditTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(EditKeyTest, KeysEditAndSelect) {
    Typed(u"abcdef");
    for (const Step& s : GetParam().steps) {
        if (s.ch) test::Type(std::u16string(1, s.ch));
        else if (s.shift) PressWithShift(s.vk);
        else test::PressKey(s.vk);
    }
    EXPECT_EQ(test::TextOf(edit), GetParam().text);
    EXPECT_EQ(Sel(edit), GetParam().sel);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditKeyTest,
    ::testing::Values(KeyCase{"LeftMovesBack", {K(VK_LEFT), K(VK_LEFT)}, u"abcdef", {4, 4}},
                      KeyCase{"LeftStopsAtTheStart", {K(VK_HOME), K(VK_LEFT)}, u"abcdef", {0, 0}},
                      KeyCase{"RightStopsAtTheEnd", {K(VK_RIGHT)}, u"abcdef", {6, 6}},
                      KeyCase{"HomeThenRight", {K(VK_HOME), K(VK_RIGHT)}, u"abcdef", {1, 1}},
                      KeyCase{"HomeThenEnd", {K(VK_HOME), K(VK_END)}, u"abcdef", {6, 6}},
                      KeyCase{"ShiftLeftSelects", {S(VK_LEFT), S(VK_LEFT)}, u"abcdef", {4, 6}},
                      KeyCase{"ShiftRightShrinksAgain", {S(VK_LEFT), S(VK_LEFT), S(VK_RIGHT)}, u"abcdef", {5, 6}},
                      KeyCase{"ShiftHomeSelectsToTheStart", {S(VK_HOME)}, u"abcdef", {0, 6}},
                      KeyCase{"ShiftEndSelectsToTheEnd", {K(VK_HOME), K(VK_RIGHT), S(VK_END)}, u"abcdef", {1, 6}},
                      KeyCase{"ShiftRightFromTheStart", {K(VK_HOME), S(VK_RIGHT), S(VK_RIGHT)}, u"abcdef", {0, 2}},
                      KeyCase{"BackspaceDeletesBeforeTheCaret", {K(VK_LEFT), K(VK_BACK)}, u"abcdf", {4, 4}},
                      KeyCase{"BackspaceAtTheStartDoesNothing", {K(VK_HOME), K(VK_BACK)}, u"abcdef", {0, 0}},
                      KeyCase{"DeleteDeletesAfterTheCaret", {K(VK_HOME), K(VK_DELETE)}, u"bcdef", {0, 0}},
                      KeyCase{"DeleteAtTheEndDoesNothing", {K(VK_DELETE)}, u"abcdef", {6, 6}},
                      KeyCase{"BackspaceDeletesTheSelection", {S(VK_LEFT), S(VK_LEFT), K(VK_BACK)}, u"abcd", {4, 4}},
                      KeyCase{"DeleteDeletesTheSelection", {K(VK_HOME), S(VK_RIGHT), S(VK_RIGHT), K(VK_DELETE)}, u"cdef", {0, 0}},
                      KeyCase{"TypingReplacesTheSelection", {K(VK_HOME), S(VK_RIGHT), C(u'X')}, u"Xbcdef", {1, 1}},
                      KeyCase{"TypingInTheMiddleInserts", {K(VK_LEFT), K(VK_LEFT), C(u'-')}, u"abcd-ef", {5, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

struct SelCase {
    const char* name;
    int start, end;
    Selection sel;
};

void PrintTo(const SelCase& c, std::ostream* os) { *os << c.name; }

class EditSetSelTest : public EditTest, public ::testing::WithParamInterface<SelCase> {};

TEST_P(EditSetSelTest, SetSelIsReadBackInOrder) {
    SetWindowTextW(edit, u"abcdef");
    Select(edit, GetParam().start, GetParam().end);
    EXPECT_EQ(Sel(edit), GetParam().sel);
    LRESULT packed = SendMessageW(edit, EM_GETSEL, 0, 0);
    EXPECT_EQ(LOWORD(packed), GetParam().sel.first);
    EXPECT_EQ(HIWORD(packed), GetParam().sel.second);
}

INSTANTIATE_TEST_SUITE_P(Forms, EditSetSelTest,
                         ::testing::Values(SelCase{"Range", 2, 4, {2, 4}}, SelCase{"Reversed", 4, 2, {2, 4}},
                                           SelCase{"ZeroToMinusOneIsAll", 0, -1, {0, 6}},
                                           SelCase{"PastTheEndStopsAtTheEnd", 2, 100, {2, 6}},
                                           SelCase{"Empty", 3, 3, {3, 3}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditTest, SetSelWithMinusOneStartRemovesTheSelectionAndKeepsTheCaret) {
    SetWindowTextW(edit, u"abcdef");
    Select(edit, 1, 3);
    Select(edit, -1, 0);
    EXPECT_EQ(Sel(edit), Selection(3, 3));
}

TEST_F(EditTest, TypingAfterSelectingAllReplacesEverything) {
    Typed(u"12.5");
    Select(edit, 0, -1);
    test::Type(u"9");
    EXPECT_EQ(test::TextOf(edit), u"9");
}

TEST_F(EditTest, GetSelAnswersMinusOneWhenAPositionDoesNotFitAWord) {
    std::u16string longText(70000, u'7');
    SetWindowTextW(edit, longText.c_str());
    Select(edit, 0, -1);
    EXPECT_EQ(SendMessageW(edit, EM_GETSEL, 0, 0), -1);
    EXPECT_EQ(Sel(edit), Selection(0, 70000));
}

// ---- caret placement by tap ----

TEST_F(EditTest, TapPutsTheCaretAtTheNearestCharacterBoundary) {
    Typed(u"WWWWWW");
    RECT r;
    GetWindowRect(edit, &r);
    int midY = (r.top + r.bottom) / 2;
    // The text starts a little inside the border; a W is far wider than that.
    int twoW = TextWidth(edit, u"WW"), oneW = TextWidth(edit, u"W");
    ASSERT_GT(oneW, 5);
    test::TapAt(POINT{r.left + 2 + twoW, midY});
    EXPECT_EQ(Sel(edit), Selection(2, 2));
    test::TapAt(POINT{r.left + 1, midY});
    EXPECT_EQ(Sel(edit), Selection(0, 0));
    test::TapAt(POINT{r.right - 2, midY});
    EXPECT_EQ(Sel(edit), Selection(6, 6)) << "past the text is its end";
}

TEST_F(EditTest, DraggingTheStylusSelects) {
    Typed(u"WWWWWW");
    RECT r;
    GetWindowRect(edit, &r);
    int midY = (r.top + r.bottom) / 2;
    platform::InjectStylusDown(POINT{r.left + 2 + TextWidth(edit, u"W"), midY});
    platform::InjectStylusMove(POINT{r.left + 2 + TextWidth(edit, u"WWWW"), midY});
    platform::InjectStylusUp(POINT{r.left + 2 + TextWidth(edit, u"WWWW"), midY});
    test::Pump();
    EXPECT_EQ(Sel(edit), Selection(1, 4));
}

// ---- scrolling ----

class OhmsDialogTest : public EditTest {
protected:
    void SetUp() override {
        EditTest::SetUp();
        dlg = test::CreateDialogFromResource(IDD_OHMS, nullptr, test::ListeningDialogProc);
        ASSERT_NE(dlg, nullptr);
        MoveWindow(dlg, 0, 26, 210, 253, FALSE);
        ShowWindow(dlg, SW_SHOW);
        test::Pump();
        current = GetDlgItem(dlg, IDC_CURRENT);
    }
    HWND dlg = nullptr, current = nullptr;
};

TEST_F(OhmsDialogTest, TextWiderThanTheFieldScrollsToKeepTheCaretInView) {
    const std::u16string digits = u"123456789012345678901234567890";
    test::Tap(current);
    test::Type(digits);
    ASSERT_EQ(test::TextOf(current), digits);
    ASSERT_GT(TextWidth(current, digits), 100) << "the text must be wider than the field";
    EXPECT_EQ(Sel(current), Selection(30, 30));
    RECT r;
    GetWindowRect(current, &r);
    POINT rightEdge{r.right - 3, (r.top + r.bottom) / 2};
    // The end of the text is what shows at the right edge.
    test::TapAt(rightEdge);
    EXPECT_EQ(Sel(current), Selection(30, 30));
    test::Type(u"A");
    EXPECT_EQ(test::TextOf(current), digits + u"A");
    // Back at the start, the right edge shows a character in the middle.
    test::PressKey(VK_HOME);
    test::TapAt(rightEdge);
    DWORD caret = Sel(current).first;
    EXPECT_GT(caret, 0u);
    EXPECT_LT(caret, 20u);
}

// ---- reading the text back ----

struct TextCase {
    int buffer;
    std::u16string got;
};

TEST_F(OhmsDialogTest, GetDlgItemTextTruncatesToTheBufferLessOne) {
    SetDlgItemTextW(dlg, IDC_CURRENT, u"12345");
    for (const TextCase& c : {TextCase{1, u""}, TextCase{4, u"123"}, TextCase{5, u"1234"}, TextCase{6, u"12345"},
                              TextCase{10, u"12345"}}) {
        SCOPED_TRACE("buffer of " + std::to_string(c.buffer));
        std::u16string buffer(16, u'#');
        UINT n = GetDlgItemTextW(dlg, IDC_CURRENT, buffer.data(), c.buffer);
        EXPECT_EQ(n, c.got.size());
        EXPECT_EQ(buffer.substr(0, n), c.got);
        EXPECT_EQ(buffer[n], u'\0');
        EXPECT_EQ(buffer[size_t(c.buffer)], u'#') << "written past the buffer";
    }
}

// ---- upper case and read only ----

class ControlsDialogTest : public EditTest {
protected:
    void SetUp() override {
        EditTest::SetUp();
        dlg = test::CreateDialogFromResource(IDD_CONTROLS, nullptr, test::ListeningDialogProc);
        ASSERT_NE(dlg, nullptr);
        MoveWindow(dlg, 0, 26, 210, 253, FALSE);
        ShowWindow(dlg, SW_SHOW);
        test::Pump();
        upper = GetDlgItem(dlg, IDC_UPPER);
        readOnly = GetDlgItem(dlg, IDC_READONLY);
    }
    HWND dlg = nullptr, upper = nullptr, readOnly = nullptr;
};

TEST_F(ControlsDialogTest, UppercaseFieldCapitalisesWhatIsTyped) {
    test::Tap(upper);
    test::Type(u"ohm 4k7");
    EXPECT_EQ(test::TextOf(upper), u"OHM 4K7");
}

TEST_F(ControlsDialogTest, ReadOnlyFieldRefusesEditingButTheCaretStillMoves) {
    // Something else on the clipboard, so that a paste would show.
    test::Tap(upper);
    test::Type(u"Z");
    Select(upper, 0, -1);
    PressWithControl('C');

    SetDlgItemTextW(dlg, IDC_READONLY, u"9.81");
    EXPECT_EQ(test::TextOf(readOnly), u"9.81") << "the program may still set the text";
    test::Tap(readOnly);
    commands.clear();
    test::Type(u"5");
    test::PressKey(VK_BACK);
    test::PressKey(VK_HOME);
    test::PressKey(VK_DELETE);
    PressWithShift(VK_END);
    EXPECT_EQ(Sel(readOnly), Selection(0, 4));
    PressWithControl('V');
    PressWithControl('X');
    test::PressKey(VK_BACK);
    EXPECT_EQ(test::TextOf(readOnly), u"9.81");
    EXPECT_EQ(Count(EN_CHANGE), 0);
}

TEST_F(ControlsDialogTest, ReadOnlyFieldCanBeCopiedFrom) {
    SetDlgItemTextW(dlg, IDC_READONLY, u"abc1");
    test::Tap(readOnly);
    Select(readOnly, 0, -1);
    PressWithControl('C');
    test::Tap(upper);
    PressWithControl('V');
    EXPECT_EQ(test::TextOf(upper), u"ABC1") << "pasting into an upper-case field capitalises too";
}

TEST_F(ControlsDialogTest, SetReadOnlyTurnsEditingOffAndOnAgain) {
    test::Tap(upper);
    test::Type(u"A");
    EXPECT_TRUE(SendMessageW(upper, EM_SETREADONLY, TRUE, 0));
    EXPECT_TRUE(GetWindowLongW(upper, GWL_STYLE) & ES_READONLY);
    test::Type(u"B");
    test::PressKey(VK_BACK);
    EXPECT_EQ(test::TextOf(upper), u"A");
    EXPECT_TRUE(SendMessageW(upper, EM_SETREADONLY, FALSE, 0));
    EXPECT_FALSE(GetWindowLongW(upper, GWL_STYLE) & ES_READONLY);
    test::Type(u"C");
    EXPECT_EQ(test::TextOf(upper), u"AC");
}

// ---- the clipboard ----

TEST_F(EditTest, ControlKeysCutCopyAndPaste) {
    HWND other = Edit(ES_AUTOHSCROLL, 10, 50, 150, 21, 51);
    Typed(u"volts amps");
    Select(edit, 0, 5);
    PressWithControl('X');
    EXPECT_EQ(test::TextOf(edit), u" amps");
    EXPECT_EQ(Sel(edit), Selection(0, 0));
    test::PressKey(VK_END);
    PressWithControl('V');
    EXPECT_EQ(test::TextOf(edit), u" ampsvolts");
    EXPECT_EQ(Sel(edit), Selection(10, 10));

    Select(edit, 1, 5);
    PressWithControl('C');
    EXPECT_EQ(test::TextOf(edit), u" ampsvolts") << "copying leaves the text alone";
    test::Tap(other);
    test::Type(u"12");
    Select(other, 0, -1);
    PressWithControl('V');
    EXPECT_EQ(test::TextOf(other), u"amps") << "pasting replaces the selection";
}

TEST_F(EditTest, CopyingWithNothingSelectedKeepsTheClipboard) {
    Typed(u"ohms");
    Select(edit, 0, -1);
    PressWithControl('C');
    test::PressKey(VK_END);
    PressWithControl('C');
    PressWithControl('V');
    EXPECT_EQ(test::TextOf(edit), u"ohmsohms");
}

TEST_F(EditTest, PasteIsCutToTheLimit) {
    HWND source = Edit(ES_AUTOHSCROLL, 10, 50, 150, 21, 51, u"123456");
    Select(source, 0, -1);
    SetFocus(source);
    PressWithControl('C');
    SendMessageW(edit, EM_LIMITTEXT, 4, 0);
    Typed(u"");
    PressWithControl('V');
    EXPECT_EQ(test::TextOf(edit), u"1234");
    EXPECT_EQ(Count(EN_MAXTEXT, 50), 1);
}

TEST_F(EditTest, PastingSeveralLinesKeepsTheFirst) {
    // A single-line field keeps only the first line of what is pasted.
    HWND source = Edit(ES_AUTOHSCROLL, 10, 50, 150, 21, 51, u"one\r\ntwo");
    Select(source, 0, -1);
    SetFocus(source);
    PressWithControl('C');
    Typed(u"");
    PressWithControl('V');
    EXPECT_EQ(test::TextOf(edit), u"one");
}

// ---- multi-line fields ----

const char16_t* const kParagraph =
    u"These devices contain four independent 2-input NAND gates.  They perform the Boolean functions "
    u"Y=!(A&&B) or Y=!A||!B in positive logic.  The open-collector outputs require pull-up resistors.";

TEST_F(EditTest, LinesWrapAtWordsAndKeepEveryBlankButTheOneBrokenAt) {
    HDC hdc = GetDC(edit);
    auto lines = platform::LineRanges(hdc, kParagraph, true, 120);
    ReleaseDC(edit, hdc);
    ASSERT_GT(lines.size(), 3u);
    std::u16string joined;
    for (const auto& line : lines) {
        std::u16string text(kParagraph + line.start, line.end - line.start);
        EXPECT_LE(TextWidth(edit, text), 120);
        if (!joined.empty()) joined += u' ';
        joined += text;
    }
    EXPECT_EQ(joined, kParagraph);
}

TEST_F(EditTest, MultiLineFieldScrollsByBarAndKeysAndTellsOfItsFocus) {
    std::u16string twice = std::u16string(kParagraph) + u"  " + kParagraph;
    HWND field = Edit(ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 10, 60, 150, 50, 60, twice.c_str());
    test::Pump();
    RECT text{12, 26 + 62, 10 + 150 - 14, 26 + 108};
    auto shown = [&] {
        std::vector<uint32_t> pixels;
        for (int y = text.top; y < text.bottom; ++y)
            for (int x = text.left; x < text.right; ++x) pixels.push_back(test::PixelAt(x, y));
        return pixels;
    };
    auto top = shown();
    test::TapAt(POINT{10 + 150 - 7, 26 + 60 + 50 - 7});  // the bar's lower arrow
    EXPECT_NE(shown(), top) << "the arrow scrolls the lines";
    EXPECT_NE(GetFocus(), field) << "the bar does not take the focus";
    test::TapAt(POINT{10 + 150 - 7, 26 + 60 + 7});  // and the upper one
    EXPECT_EQ(shown(), top);
    commands.clear();
    test::Tap(field);
    EXPECT_EQ(commands, (test::Commands{{60, EN_SETFOCUS}}));
    test::PressKey(VK_NEXT);
    EXPECT_NE(shown(), top) << "the caret moved down a page and took the view with it";
    test::PressKey(VK_PRIOR);
    test::PressKey(VK_PRIOR);
    SetFocus(parent);
    test::Pump();
    EXPECT_EQ(shown(), top) << "and back up to the first line";
}

}  // namespace
