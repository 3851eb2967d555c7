// The tab control: text tabs, the selection a first insert makes, and taps that tell
// the parent through WM_NOTIFY with the real notification header.
#include <commctrl.h>

#include "support.h"

namespace {

struct Notification {
    HWND from;
    UINT_PTR id;
    UINT code;
    LRESULT selectionSeen;
};
std::vector<Notification> notifications;
bool refuseChange = false;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        notifications.push_back({header->hwndFrom, header->idFrom, header->code,
                                 SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)});
        return header->code == TCN_SELCHANGING && refuseChange;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class TabTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        notifications.clear();
        refuseChange = false;
        parent = test::CreateParentWindow(u"TabParent", ParentProc);
        tabs = CreateWindowExW(0, WC_TABCONTROLW, u"Tab1", WS_CHILD | WS_VISIBLE, 0, 26, 208, 227, parent,
                               reinterpret_cast<HMENU>(1117), nullptr, nullptr);
        test::Pump();
    }
    int Insert(const char16_t* text, int at) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPWSTR>(text);
        return int(SendMessageW(tabs, TCM_INSERTITEMW, WPARAM(at), reinterpret_cast<LPARAM>(&item)));
    }
    POINT TabCentre(int index) {
        platform::TapRequest request;
        request.index = index;
        EXPECT_TRUE(SendMessageW(tabs, platform::kMsgItemTapPoint, 0, reinterpret_cast<LPARAM>(&request)));
        return request.screen;
    }
    HWND parent = nullptr;
    HWND tabs = nullptr;
};

TEST_F(TabTest, FirstInsertSelectsTheFirstTab) {
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), -1);
    EXPECT_EQ(Insert(u"Inductive", 0), 0);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Insert(u"Capacitive", 1), 1);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(notifications.empty()) << "inserting tabs tells the parent nothing";
}

TEST_F(TabTest, TappingAnotherTabSelectsItAndNotifiesWithTheSendersHeader) {
    Insert(u"Resistance", 0);
    Insert(u"Capacitance", 1);
    Insert(u"Inductance", 2);
    test::TapAt(TabCentre(2));
    ASSERT_EQ(notifications.size(), 2u);
    EXPECT_EQ(notifications[0].code, TCN_SELCHANGING);
    EXPECT_EQ(notifications[0].selectionSeen, 0);
    EXPECT_EQ(notifications[1].code, TCN_SELCHANGE);
    EXPECT_EQ(int(notifications[1].code), -551);
    EXPECT_EQ(notifications[1].from, tabs);
    EXPECT_EQ(notifications[1].id, 1117u);
    EXPECT_EQ(notifications[1].selectionSeen, 2);
}

TEST_F(TabTest, TappingTheSelectedTabOrTheBodyChangesNothing) {
    Insert(u"Monostable", 0);
    Insert(u"Astable", 1);
    test::TapAt(TabCentre(0));
    test::TapAt(POINT{100, 150});
    EXPECT_TRUE(notifications.empty());
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
}

TEST_F(TabTest, ParentCanRefuseTheChange) {
    Insert(u"Capacitor", 0);
    Insert(u"Inductor", 1);
    refuseChange = true;
    test::TapAt(TabCentre(1));
    ASSERT_EQ(notifications.size(), 1u);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
}

TEST_F(TabTest, SelectionSetByTheProgramIsSilent) {
    Insert(u"Part Selection", 0);
    Insert(u"Pinout", 1);
    EXPECT_EQ(SendMessageW(tabs, TCM_SETCURSEL, 1, 0), 0);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageW(tabs, TCM_SETCURSEL, 5, 0), -1);
    EXPECT_TRUE(notifications.empty());
}

TEST_F(TabTest, StripFitsAbovePagesLaidAtFiftyTwo) {
    Insert(u"Inductive", 0);
    Insert(u"Capacitive", 1);
    RECT parentRect;
    GetWindowRect(parent, &parentRect);
    POINT centre = TabCentre(1);
    // The strip's middle row is inside the tab control and above the page area.
    EXPECT_LT(centre.y - parentRect.top, 52 - 5);
    EXPECT_GT(centre.y - parentRect.top, 26);
    // A tap just above where the pages begin lands on the body, not on a tab.
    test::TapAt(POINT{centre.x, parentRect.top + 51});
    EXPECT_TRUE(notifications.empty());
}

TEST_F(TabTest, TapPointIsRefusedForAMissingTab) {
    Insert(u"Only", 0);
    platform::TapRequest request;
    request.index = 3;
    EXPECT_FALSE(SendMessageW(tabs, platform::kMsgItemTapPoint, 0, reinterpret_cast<LPARAM>(&request)));
}

}  // namespace
