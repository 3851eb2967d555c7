// The list view in report view, through the real input path: header taps, the stable
// sort with the program's compare function, selection, scrolling both ways, and a
// refused insertion. In icon view: pictures from an image list over wrapped labels,
// arranged in rows of cells, scrolling down, one selection.
#include <commctrl.h>

#include <string>
#include <vector>

#include "support.h"

namespace {

std::vector<std::string> events;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) {
        const auto* nm = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (nm->hdr.code == LVN_COLUMNCLICK) events.push_back("column " + std::to_string(nm->iSubItem));
        if (nm->hdr.code == LVN_ITEMCHANGED) events.push_back("changed " + std::to_string(nm->iItem));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class ListViewTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        events.clear();
        parent = test::CreateParentWindow(u"ListParent", ParentProc);
        list = CreateWindowExW(0, WC_LISTVIEWW, u"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, 3, 26, 201, 221,
                               parent, reinterpret_cast<HMENU>(1019), nullptr, nullptr);
    }
    void AddColumns(std::initializer_list<std::pair<const char16_t*, int>> columns) {
        int i = 0;
        for (auto [text, width] : columns) {
            LVCOLUMNW c{LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM, LVCFMT_LEFT, width, const_cast<LPWSTR>(text), 0, i};
            SendMessageW(list, LVM_INSERTCOLUMNW, WPARAM(i++), reinterpret_cast<LPARAM>(&c));
        }
    }
    int AddRow(std::initializer_list<const char16_t*> texts, LPARAM data) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        item.pszText = const_cast<LPWSTR>(*texts.begin());
        item.lParam = data;
        int at = int(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        int sub = 0;
        for (const char16_t* t : texts) {
            if (sub) {
                LVITEMW s{};
                s.iSubItem = sub;
                s.pszText = const_cast<LPWSTR>(t);
                SendMessageW(list, LVM_SETITEMTEXTW, WPARAM(at), reinterpret_cast<LPARAM>(&s));
            }
            ++sub;
        }
        return at;
    }
    std::u16string Text(int item, int sub) {
        WCHAR buffer[64];
        LVITEMW it{};
        it.iSubItem = sub;
        it.pszText = buffer;
        it.cchTextMax = 64;
        SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(item), reinterpret_cast<LPARAM>(&it));
        return buffer;
    }
    POINT Point(UINT msg, int index) {
        platform::TapRequest request;
        request.index = index;
        EXPECT_TRUE(SendMessageW(list, msg, 0, reinterpret_cast<LPARAM>(&request))) << "index " << index;
        return request.screen;
    }
    int Selected() { return int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)); }
    int FirstVisibleRow() {
        // The row under the top of the rows area, found by tapping it.
        RECT r;
        GetWindowRect(list, &r);
        test::TapAt(POINT{r.left + 20, r.top + 1 + 18 + 3});
        return Selected();
    }
    HWND parent = nullptr, list = nullptr;
};

TEST_F(ListViewTest, ItemsKeepTheirTextsSubitemsAndData) {
    AddColumns({{u"Material", 110}, {u"Lower", 60}});
    EXPECT_EQ(AddRow({u"Air", u"1.0"}, 7), 0);
    EXPECT_EQ(AddRow({u"Amber", u"2.6"}, 8), 1);
    EXPECT_EQ(Text(1, 0), u"Amber");
    EXPECT_EQ(Text(1, 1), u"2.6");
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
    platform::ItemsReply reply;
    ASSERT_TRUE(SendMessageW(list, platform::kMsgListItems, 0, reinterpret_cast<LPARAM>(&reply)));
    ASSERT_EQ(reply.items.size(), 2u);
    EXPECT_EQ(reply.items[0].texts, (std::vector<std::u16string>{u"Air", u"1.0"}));
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, TappingAHeaderTellsTheParentWhichColumn) {
    AddColumns({{u"Channel", 60}, {u"Frequency", 110}});
    AddRow({u"1", u"26.965000"}, 1);
    test::TapAt(Point(platform::kMsgHeaderTapPoint, 1));
    test::TapAt(Point(platform::kMsgHeaderTapPoint, 0));
    EXPECT_EQ(events, (std::vector<std::string>{"column 1", "column 0"}));
}

int CALLBACK ByFirstLetterDescendingIf(LPARAM a, LPARAM b, LPARAM descending) {
    auto first = [](LPARAM p) { return reinterpret_cast<const char16_t*>(p)[0]; };
    int order = first(a) - first(b);
    return descending ? -order : order;
}

TEST_F(ListViewTest, SortIsStableAndPassesTheCallerValue) {
    AddColumns({{u"Name", 100}});
    static const char16_t* const kNames[] = {u"beta", u"alpha", u"bravo", u"apple", u"blue"};
    for (const char16_t* n : kNames) AddRow({n}, reinterpret_cast<LPARAM>(n));
    SendMessageW(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(ByFirstLetterDescendingIf));
    std::vector<std::u16string> order;
    for (int i = 0; i < 5; ++i) order.push_back(Text(i, 0));
    EXPECT_EQ(order, (std::vector<std::u16string>{u"alpha", u"apple", u"beta", u"bravo", u"blue"}));
    SendMessageW(list, LVM_SORTITEMS, 1, reinterpret_cast<LPARAM>(ByFirstLetterDescendingIf));
    order.clear();
    for (int i = 0; i < 5; ++i) order.push_back(Text(i, 0));
    EXPECT_EQ(order, (std::vector<std::u16string>{u"beta", u"bravo", u"blue", u"alpha", u"apple"}));
}

TEST_F(ListViewTest, TapSelectsOneRowAndKeysMoveTheSelection) {
    AddColumns({{u"dB", 75}, {u"K", 75}});
    for (int i = 0; i < 30; ++i) AddRow({u"x", u"y"}, i);
    test::TapAt(Point(platform::kMsgItemTapPoint, 2));
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(GetFocus(), list);
    test::TapAt(Point(platform::kMsgItemTapPoint, 4));
    EXPECT_EQ(Selected(), 4);
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, 4, LVNI_SELECTED), -1) << "only one row is selected";
    test::PressKey(VK_DOWN);
    EXPECT_EQ(Selected(), 5);
    test::PressKey(VK_END);
    EXPECT_EQ(Selected(), 29);
    test::PressKey(VK_HOME);
    EXPECT_EQ(Selected(), 0);
    EXPECT_NE(std::find(events.begin(), events.end(), "changed 2"), events.end());
}

TEST_F(ListViewTest, StylusScrollsWithTheThumbTheArrowsAndTheTrack) {
    AddColumns({{u"Row", 150}});
    for (int i = 0; i < 80; ++i) AddRow({u"row"}, i);
    test::Pump();
    RECT r;
    GetWindowRect(list, &r);
    int barX = r.right - 1 - 6;
    EXPECT_EQ(FirstVisibleRow(), 0);
    // The thumb starts just under the top arrow; dragged to the bottom it shows the end.
    platform::InjectStylusDown(POINT{barX, r.top + 1 + 13 + 3});
    platform::InjectStylusMove(POINT{barX, r.bottom + 40});
    platform::InjectStylusUp(POINT{barX, r.bottom + 40});
    test::Pump();
    int atEnd = FirstVisibleRow();
    EXPECT_GT(atEnd, 60);
    test::TapAt(POINT{barX, r.top + 1 + 6});  // the up arrow: one row
    EXPECT_EQ(FirstVisibleRow(), atEnd - 1);
    test::TapAt(POINT{barX, r.top + 1 + 13 + 3});  // the track above the thumb: a page
    EXPECT_LT(FirstVisibleRow(), atEnd - 5);
}

TEST_F(ListViewTest, WideTablesScrollSidewaysSoEveryHeaderCanBeReached) {
    AddColumns({{u"AWG", 50}, {u"Diam", 100}, {u"Mils", 100}, {u"Ft/Lbs", 120}, {u"Ohms", 160}, {u"Amps", 170},
                {u"S Coat", 160}, {u"H Coat", 160}});
    AddRow({u"0000", u"460.0", u"211600", u"1.561", u"0.04901", u"302.3", u"-", u"-"}, 1);
    test::TapAt(Point(platform::kMsgHeaderTapPoint, 7));
    test::TapAt(Point(platform::kMsgHeaderTapPoint, 0));
    EXPECT_EQ(events, (std::vector<std::string>{"column 7", "column 0"}));
    RECT r;
    GetWindowRect(list, &r);
    // The right arrow of the horizontal bar scrolls; a tap on the header then hits a
    // later column than before.
    POINT header{r.left + 10, r.top + 1 + 9};
    for (int i = 0; i < 8; ++i) test::TapAt(POINT{r.right - 1 - 6, r.bottom - 1 - 6});
    test::TapAt(header);
    EXPECT_EQ(events.back(), "column 1");
}

TEST_F(ListViewTest, RefusedInsertionLeavesTheRowsBeforeIt) {
    AddColumns({{u"Row", 150}});
    platform::RefuseListViewInsertionsBeyond(3);
    for (int i = 0; i < 3; ++i) EXPECT_GE(AddRow({u"row"}, i), 0);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = 3;
    item.pszText = const_cast<LPWSTR>(u"refused");
    EXPECT_EQ(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)), -1);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
    test::TapAt(Point(platform::kMsgItemTapPoint, 2));
    EXPECT_EQ(Selected(), 2);
}

class IconViewTest : public ListViewTest {
protected:
    void SetUp() override {
        ListViewTest::SetUp();
        DestroyWindow(list);
        list = CreateWindowExW(0, WC_LISTVIEWW, u"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_ICON | LVS_SINGLESEL, 3, 26,
                               201, 221, parent, reinterpret_cast<HMENU>(1019), nullptr, nullptr);
        SendMessageW(list, LVM_SETICONSPACING, 0, MAKELONG(68, 96));
        images = ImageList_Create(32, 32, ILC_COLOR, 3, 0);
        SendMessageW(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    }
    void TearDown() override {
        ImageList_Destroy(images);
        ListViewTest::TearDown();
    }
    void AddIcons(int count, const char16_t* text = u"Icon") {
        HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(101));
        for (int i = 0; i < count; ++i) {
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = i;
            item.pszText = const_cast<LPWSTR>(text);
            item.iImage = ImageList_AddIcon(images, icon);
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        test::Pump();
    }
    HIMAGELIST images = nullptr;
};

TEST_F(IconViewTest, ImageListTakesIconsUpToNoLimitAndRefusesWhatIsNoIcon) {
    AddIcons(5);
    EXPECT_EQ(ImageList_GetImageCount(images), 5);
    EXPECT_EQ(ImageList_AddIcon(images, nullptr), -1);
    EXPECT_EQ(ImageList_Create(32, 32, ILC_MASK, 3, 0), nullptr) << "lists with masks are not made";
}

TEST_F(IconViewTest, CellsFillRowsOfAsManyAsFitAndScrollDown) {
    AddIcons(9);
    POINT first = Point(platform::kMsgItemTapPoint, 0), second = Point(platform::kMsgItemTapPoint, 1);
    POINT below = Point(platform::kMsgItemTapPoint, 2);
    EXPECT_EQ(second.x - first.x, 68);
    EXPECT_EQ(below.x, first.x) << "two 68-pixel cells fit beside the scroll bar";
    EXPECT_EQ(below.y - first.y, 96);
    EXPECT_EQ(test::PixelAt(first.x, first.y), test::PixelAt(second.x, second.y)) << "every cell shows its picture";
    POINT last = Point(platform::kMsgItemTapPoint, 8);
    EXPECT_LT(last.y, 26 + 26 + 221) << "the last row scrolled into view";
    test::TapAt(last);
    EXPECT_EQ(Selected(), 8);
}

TEST_F(IconViewTest, LongLabelsWrapWithinTheirCellAndATapMovesTheSingleSelection) {
    AddIcons(3, u"Wires, Not Connected, Crossing (Alternate)");
    POINT icon = Point(platform::kMsgItemTapPoint, 0);
    RECT label{icon.x - 34, icon.y + 20, icon.x + 34, icon.y + 80};
    int inkTop = label.bottom, inkBottom = label.top, inkLeft = label.right, inkRight = label.left;
    for (int y = label.top; y < label.bottom; ++y)
        for (int x = label.left; x < label.right; ++x)
            if (test::PixelAt(x, y) != 0xFFFFFF) {
                inkTop = std::min(inkTop, y), inkBottom = std::max(inkBottom, y);
                inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
            }
    EXPECT_GT(inkBottom - inkTop, 30) << "the name takes several lines";
    EXPECT_GT(inkLeft, label.left) << "and stays inside its cell";
    EXPECT_LT(inkRight, label.right - 1);
    test::TapAt(icon);
    test::TapAt(Point(platform::kMsgItemTapPoint, 2));
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(2), LVNI_SELECTED)), -1) << "one selection only";
}

}  // namespace
