// The list view in report view, through the real input path: header taps, the stable
// sort with the program's compare function, selection, and scrolling both ways.
#include <commctrl.h>

#include <string>
#include <vector>

#include "support.h"

namespace {

std::vector<std::string> events;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_NOTIFY) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const auto* nm = reinterpret_cast<const NMLISTVIEW*>(lParam);
    if (nm->hdr.code == LVN_COLUMNCLICK) events.push_back("column " + std::to_string(nm->iSubItem));
    if (nm->hdr.code == LVN_ITEMCHANGED) events.push_back("changed " + std::to_string(nm->iItem));
    return 0;
}

class ListViewTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        events.clear();
        parent = test::CreateParentWindow(u"ListParent", ParentProc);
        list = CreateWindowExW(0, WC_LISTVIEWW, u"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, 3, 26, 201, 221,
                               parent, reinterpret_cast<HMENU>(1019), nullptr, nullptr);
        GetWindowRect(list, &box);
    }
    void AddColumns(std::vector<int> widths) {
        for (int i = 0; i < int(widths.size()); ++i) {
            LVCOLUMNW c{LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM, LVCFMT_LEFT, widths[size_t(i)],
                        const_cast<LPWSTR>(u"Column"), 0, i};
            SendMessageW(list, LVM_INSERTCOLUMNW, WPARAM(i), reinterpret_cast<LPARAM>(&c));
        }
    }
    int AddRow(std::vector<const char16_t*> texts, const char16_t* data = nullptr) {
        LVITEMW item{LVIF_TEXT | LVIF_PARAM, int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)), 0, 0, 0,
                     const_cast<LPWSTR>(texts[0]), 0, 0, reinterpret_cast<LPARAM>(data)};
        int at = int(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (item.iSubItem = 1; item.iSubItem < int(texts.size()); ++item.iSubItem) {
            item.pszText = const_cast<LPWSTR>(texts[size_t(item.iSubItem)]);
            SendMessageW(list, LVM_SETITEMTEXTW, WPARAM(at), reinterpret_cast<LPARAM>(&item));
        }
        return at;
    }
    std::u16string Text(int item, int sub) {
        WCHAR buffer[64];
        LVITEMW it{0, 0, sub, 0, 0, buffer, 64, 0, 0};
        SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(item), reinterpret_cast<LPARAM>(&it));
        return buffer;
    }
    void Tap(UINT msg, int index) {
        platform::TapRequest request;
        request.index = index;
        ASSERT_TRUE(SendMessageW(list, msg, 0, reinterpret_cast<LPARAM>(&request))) << "index " << index;
        test::TapAt(request.screen);
    }
    int Selected(int after = -1) { return int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(after), LVNI_SELECTED)); }
    int FirstVisibleRow() {  // the row under the top of the rows area, found by tapping it
        test::TapAt(POINT{box.left + 20, box.top + 1 + 18 + 3});
        return Selected();
    }
    HWND parent = nullptr, list = nullptr;
    RECT box{};
};

int CALLBACK ByFirstLetterDescendingIf(LPARAM a, LPARAM b, LPARAM descending) {
    int order = reinterpret_cast<const char16_t*>(a)[0] - reinterpret_cast<const char16_t*>(b)[0];
    return descending ? -order : order;
}

TEST_F(ListViewTest, SortIsStableAndPassesTheCallerValue) {
    AddColumns({100});
    for (const char16_t* n : {u"beta", u"alpha", u"bravo", u"apple", u"blue"}) AddRow({n}, n);
    auto order = [&] { return std::vector<std::u16string>{Text(0, 0), Text(1, 0), Text(2, 0), Text(3, 0), Text(4, 0)}; };
    SendMessageW(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(ByFirstLetterDescendingIf));
    EXPECT_EQ(order(), (std::vector<std::u16string>{u"alpha", u"apple", u"beta", u"bravo", u"blue"}));
    SendMessageW(list, LVM_SORTITEMS, 1, reinterpret_cast<LPARAM>(ByFirstLetterDescendingIf));
    EXPECT_EQ(order(), (std::vector<std::u16string>{u"beta", u"bravo", u"blue", u"alpha", u"apple"}));
}

TEST_F(ListViewTest, TapSelectsOneRowAndKeysMoveTheSelection) {
    AddColumns({75, 75});
    for (int i = 0; i < 30; ++i) AddRow({u"x", u"y"});
    Tap(platform::kMsgItemTapPoint, 2);
    EXPECT_EQ(GetFocus(), list);
    Tap(platform::kMsgItemTapPoint, 4);
    EXPECT_EQ(Selected(), 4);
    EXPECT_EQ(Selected(4), -1) << "only one row is selected";
    test::PressKey(VK_DOWN);
    EXPECT_EQ(Selected(), 5);
    test::PressKey(VK_END);
    EXPECT_EQ(Selected(), 29);
    test::PressKey(VK_HOME);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(events.front(), "changed 2");
}

TEST_F(ListViewTest, StylusScrollsWithTheThumbTheArrowsAndTheTrack) {
    AddColumns({150});
    for (int i = 0; i < 80; ++i) AddRow({u"row"});
    test::Pump();
    int barX = box.right - 1 - 6;
    EXPECT_EQ(FirstVisibleRow(), 0);
    // The thumb starts just under the top arrow; dragged to the bottom it shows the end.
    platform::InjectStylusDown(POINT{barX, box.top + 1 + 13 + 3});
    platform::InjectStylusMove(POINT{barX, box.bottom + 40});
    platform::InjectStylusUp(POINT{barX, box.bottom + 40});
    test::Pump();
    int atEnd = FirstVisibleRow();
    EXPECT_GT(atEnd, 60);
    test::TapAt(POINT{barX, box.top + 1 + 6});  // the up arrow: one row
    EXPECT_EQ(FirstVisibleRow(), atEnd - 1);
    test::TapAt(POINT{barX, box.top + 1 + 13 + 3});  // the track above the thumb: a page
    EXPECT_LT(FirstVisibleRow(), atEnd - 5);
}

// Header taps name their column, and wide tables scroll sideways so that every header
// can be reached.
TEST_F(ListViewTest, HeaderTapsTellTheParentWhichColumnEvenWhenScrolledSideways) {
    AddColumns({50, 100, 100, 120, 160, 170, 160, 160});
    AddRow({u"0000", u"460.0", u"211600", u"1.561", u"0.04901", u"302.3", u"-", u"-"});
    Tap(platform::kMsgHeaderTapPoint, 7);
    Tap(platform::kMsgHeaderTapPoint, 0);
    for (int i = 0; i < 8; ++i) test::TapAt(POINT{box.right - 1 - 6, box.bottom - 1 - 6});  // the right arrow
    test::TapAt(POINT{box.left + 10, box.top + 1 + 9});
    EXPECT_EQ(events, (std::vector<std::string>{"column 7", "column 0", "column 1"}));
}

}  // namespace
