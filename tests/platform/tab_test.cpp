// The tab control: the selection a first insert makes, and taps that ask and tell the
// parent through WM_NOTIFY with the real notification header.
#include <commctrl.h>

#include "support.h"

namespace {

struct Notification {
    HWND from;
    UINT_PTR id;
    int code;
    LRESULT selectionSeen;
};
std::vector<Notification> notifications;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_NOTIFY) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const auto* h = reinterpret_cast<const NMHDR*>(lParam);
    notifications.push_back({h->hwndFrom, h->idFrom, int(h->code), SendMessageW(h->hwndFrom, TCM_GETCURSEL, 0, 0)});
    return 0;
}

class TabTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        notifications.clear();
        parent = test::CreateParentWindow(u"TabParent", ParentProc);
        tabs = CreateWindowExW(0, WC_TABCONTROLW, u"Tab1", WS_CHILD | WS_VISIBLE, 0, 26, 208, 227, parent,
                               reinterpret_cast<HMENU>(1117), nullptr, nullptr);
    }
    LRESULT Insert(const char16_t* text, int at) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPWSTR>(text);
        return SendMessageW(tabs, TCM_INSERTITEMW, WPARAM(at), reinterpret_cast<LPARAM>(&item));
    }
    POINT TabCentre(int index) {
        platform::TapRequest request;
        request.index = index;
        EXPECT_EQ(SendMessageW(tabs, platform::kMsgItemTapPoint, 0, reinterpret_cast<LPARAM>(&request)), index < 3);
        return request.screen;
    }
    LRESULT Selected() { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0); }
    HWND parent = nullptr, tabs = nullptr;
};

// Neither inserting tabs nor the program's choice tells the parent.
TEST_F(TabTest, FirstInsertSelectsTheFirstTabAndTheProgramChoosesSilently) {
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(Insert(u"Inductive", 0), 0);
    EXPECT_EQ(Insert(u"Capacitive", 1), 1);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(SendMessageW(tabs, TCM_SETCURSEL, 1, 0), 0);
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(SendMessageW(tabs, TCM_SETCURSEL, 5, 0), -1);
    EXPECT_TRUE(notifications.empty());
    TabCentre(3);  // refused
}

// The strip lies above the pages, which dialogs lay at 52; a tap there on the body or
// on the selected tab changes nothing.
TEST_F(TabTest, TappingAnotherTabTellsTheParentBeforeAndAfterWithTheSendersHeader) {
    for (int i = 0; i < 3; ++i) Insert(u"Resistance", i);
    POINT centre = TabCentre(0);
    EXPECT_GT(centre.y, 26 + 26);
    EXPECT_LT(centre.y, 26 + 52 - 5);
    test::TapAt(centre);
    test::TapAt(POINT{TabCentre(1).x, 26 + 51});
    EXPECT_TRUE(notifications.empty());
    test::TapAt(TabCentre(2));
    ASSERT_EQ(notifications.size(), 2u);
    EXPECT_EQ(notifications[0].code, int(TCN_SELCHANGING));
    EXPECT_EQ(notifications[0].selectionSeen, 0);
    EXPECT_EQ(notifications[1].code, -551);  // TCN_SELCHANGE
    EXPECT_EQ(notifications[1].from, tabs);
    EXPECT_EQ(notifications[1].id, 1117u);
    EXPECT_EQ(notifications[1].selectionSeen, 2);
}

}  // namespace
