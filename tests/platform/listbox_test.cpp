// The list box: sorted and unsorted adds, deletion and the selection, the answers Win32
// gives for bad indexes, notifications only when asked for, and both scroll bars.
#include <string>
#include <vector>

#include "support.h"

namespace {

class ListBoxTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        parent = test::CreateListeningWindow();
    }
    // 100 x 60 pixels at (10,10) of the work area: four whole rows of the system font.
    HWND List(DWORD style) {
        return CreateWindowExW(0, u"ListBox", u"", WS_CHILD | WS_VISIBLE | WS_BORDER | style, 10, 10, 100, 60, parent,
                               reinterpret_cast<HMENU>(1133), nullptr, nullptr);
    }
    static void Add(HWND list, std::initializer_list<const char16_t*> texts) {
        for (auto t : texts) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t));
    }
    static std::vector<std::u16string> TextsOf(HWND list) {
        std::vector<std::u16string> out;
        for (int i = 0; i < int(SendMessageW(list, LB_GETCOUNT, 0, 0)); ++i) {
            std::u16string text(size_t(SendMessageW(list, LB_GETTEXTLEN, WPARAM(i), 0)) + 1, u'\0');
            SendMessageW(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text.data()));
            out.push_back(text.c_str());
        }
        return out;
    }
    static POINT ItemPoint(HWND list, int index) {
        platform::TapRequest request;
        request.index = index;
        EXPECT_TRUE(SendMessageW(list, platform::kMsgItemTapPoint, 0, reinterpret_cast<LPARAM>(&request)));
        return request.screen;
    }
    static LRESULT Selected(HWND list) { return SendMessageW(list, LB_GETCURSEL, 0, 0); }
    HWND parent = nullptr;
};

using Texts = std::vector<std::u16string>;

TEST_F(ListBoxTest, SortedListComparesTextsIgnoringCaseAndKeepsDuplicates) {
    HWND list = List(LBS_SORT);
    Add(list, {u"22", u"100", u"4.7", u"b", u"A", u"22"});
    EXPECT_EQ(TextsOf(list), (Texts{u"100", u"22", u"22", u"4.7", u"A", u"b"}));
    HWND unsorted = List(0);
    Add(unsorted, {u"22", u"100", u"4.7"});
    EXPECT_EQ(TextsOf(unsorted), (Texts{u"22", u"100", u"4.7"}));
}

TEST_F(ListBoxTest, DeletingTheSelectedItemLeavesNoSelectionAndAnotherKeepsIt) {
    HWND list = List(LBS_SORT);
    Add(list, {u"1", u"2", u"3", u"4"});
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 0, 0), 3);
    EXPECT_EQ(Selected(list), 1) << "the selection follows its item";
    SendMessageW(list, LB_DELETESTRING, 1, 0);
    EXPECT_EQ(Selected(list), LB_ERR);
    EXPECT_EQ(TextsOf(list), (Texts{u"2", u"4"}));
    Add(list, {u"0"});
    EXPECT_EQ(Selected(list), LB_ERR) << "an add selects nothing";
}

TEST_F(ListBoxTest, BadIndexesAnswerLbErr) {
    HWND list = List(0);
    Add(list, {u"x"});
    WCHAR buffer[8];
    EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 1, 0), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 5, reinterpret_cast<LPARAM>(buffer)), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, 5, 0), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, 1, 0), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, WPARAM(-1), 0), LB_ERR);
    EXPECT_EQ(Selected(list), LB_ERR);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListBoxTest, TapsAndArrowsSelectAndOnlyANotifyingListTellsItsParent) {
    HWND quiet = List(0);
    Add(quiet, {u"a", u"b", u"c"});
    test::TapAt(ItemPoint(quiet, 1));
    EXPECT_EQ(Selected(quiet), 1);
    EXPECT_TRUE(test::HeardCommands().empty());
    DestroyWindow(quiet);
    HWND list = List(LBS_NOTIFY);
    Add(list, {u"a", u"b", u"c"});
    test::TapAt(ItemPoint(list, 2));
    test::TapAt(ItemPoint(list, 2));
    test::PressKey(VK_UP);
    test::PressKey(VK_HOME);
    test::PressKey(VK_UP);
    EXPECT_EQ(Selected(list), 0);
    EXPECT_EQ(test::HeardCommands(), (test::Commands{{1133, LBN_SELCHANGE}, {1133, LBN_SELCHANGE}, {1133, LBN_SELCHANGE}}))
        << "one notice per change, none when the selection stays";
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    EXPECT_EQ(test::HeardCommands().size(), 3u) << "the program's own choice is not announced";
}

TEST_F(ListBoxTest, OverflowingItemsScrollDownByBarAndIntoViewByKeys) {
    HWND list = List(WS_VSCROLL | LBS_NOTIFY);
    for (int i = 0; i < 12; ++i) Add(list, {std::u16string(1, char16_t(u'a' + i)).c_str()});
    POINT corner{10 + 100 - 3, 26 + 10 + 60 - 3};  // the bar's lower arrow
    POINT firstRow{10 + 20, 26 + 10 + 5};
    test::TapAt(corner);
    test::TapAt(firstRow);
    EXPECT_EQ(Selected(list), 1) << "one arrow tap scrolls by one row";
    test::PressKey(VK_END);
    test::TapAt(firstRow);
    EXPECT_NE(Selected(list), 11);
    EXPECT_GE(Selected(list), 7) << "End scrolled the last item into view";
}

TEST_F(ListBoxTest, HorizontalExtentGivesABarThatScrollsTheRows) {
    HWND list = List(WS_HSCROLL | LBS_NOINTEGRALHEIGHT);
    Add(list, {u"MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"});
    test::Pump();
    uint32_t before = test::PixelAt(10 + 95 - 13 - 3, 26 + 10 + 60 - 7);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, 500, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), 500);
    test::Pump();
    EXPECT_NE(test::PixelAt(10 + 95 - 13 - 3, 26 + 10 + 60 - 7), before) << "a bar now runs along the bottom";
    auto rowPixels = [] {
        std::vector<uint32_t> row;
        for (int x = 12; x < 100; ++x) row.push_back(test::PixelAt(x, 26 + 10 + 6));
        return row;
    };
    auto unscrolled = rowPixels();
    for (int i = 0; i < 3; ++i) test::TapAt(POINT{10 + 100 - 13 - 4, 26 + 10 + 60 - 6});
    EXPECT_NE(rowPixels(), unscrolled);
}

}  // namespace
