// The list box: sorted adds and the selection they move, deletion, notifications only
// when asked for, and scrolling.
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
    HWND List(DWORD style, std::initializer_list<const char16_t*> texts) {
        HWND list = CreateWindowExW(0, u"ListBox", u"", WS_CHILD | WS_VISIBLE | WS_BORDER | style, 10, 10, 100, 60,
                                    parent, reinterpret_cast<HMENU>(1133), nullptr, nullptr);
        for (auto t : texts) Add(list, t);
        return list;
    }
    static LRESULT Add(HWND list, const char16_t* text) {
        return SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
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
    EXPECT_EQ(TextsOf(List(LBS_SORT, {u"22", u"100", u"4.7", u"b", u"A", u"22"})),
              (Texts{u"100", u"22", u"22", u"4.7", u"A", u"b"}));
    EXPECT_EQ(TextsOf(List(0, {u"22", u"100", u"4.7"})), (Texts{u"22", u"100", u"4.7"}));
}

// The selection stays with its item through adds and deletions before it.
TEST_F(ListBoxTest, TheSelectionFollowsItsItem) {
    HWND list = List(LBS_SORT, {u"1", u"2", u"3", u"4"});
    EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, 4, 0), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(Add(list, u"25"), 2) << "sorted in at the selected row";
    EXPECT_EQ(Selected(list), 3);
    EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 0, 0), 4);
    EXPECT_EQ(Selected(list), 2);
    SendMessageW(list, LB_DELETESTRING, 2, 0);
    EXPECT_EQ(Selected(list), LB_ERR);
    EXPECT_EQ(TextsOf(list), (Texts{u"2", u"25", u"4"}));
    Add(list, u"0");
    EXPECT_EQ(Selected(list), LB_ERR) << "an add selects nothing";
}

TEST_F(ListBoxTest, TapsAndArrowsSelectAndOnlyANotifyingListTellsItsParent) {
    HWND quiet = List(0, {u"a", u"b", u"c"});
    test::TapAt(ItemPoint(quiet, 1));
    EXPECT_EQ(Selected(quiet), 1);
    EXPECT_TRUE(test::HeardCommands().empty());
    DestroyWindow(quiet);
    HWND list = List(LBS_NOTIFY, {u"a", u"b", u"c"});
    test::TapAt(ItemPoint(list, 2));
    test::TapAt(ItemPoint(list, 2));
    test::PressKey(VK_UP);
    test::PressKey(VK_HOME);
    test::PressKey(VK_UP);
    EXPECT_EQ(Selected(list), 0);
    EXPECT_EQ(test::HeardCommands(), (test::Commands(3, {1133, LBN_SELCHANGE})))
        << "one notice per change, none when the selection stays";
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    EXPECT_EQ(test::HeardCommands().size(), 3u) << "the program's own choice is not announced";
}

TEST_F(ListBoxTest, OverflowingItemsScrollDownByBarAndIntoViewByKeys) {
    HWND list = List(WS_VSCROLL, {u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j", u"k", u"l"});
    POINT lowerArrow{10 + 100 - 3, 26 + 10 + 60 - 3}, firstRow{10 + 20, 26 + 10 + 5};
    test::TapAt(lowerArrow);
    test::TapAt(firstRow);
    EXPECT_EQ(Selected(list), 1) << "one arrow tap scrolls by one row";
    test::PressKey(VK_END);
    test::TapAt(firstRow);
    EXPECT_GE(Selected(list), 7) << "End scrolled the last item into view";
    EXPECT_NE(Selected(list), 11);
}

}  // namespace
