// The drop-down combo box: sorted items, choosing by tap, by message and by key, the
// notification coming before the field takes the chosen text, and the dropped list.
#include <string>
#include <tuple>
#include <vector>

#include "controls/controls.h"
#include "shell/shell.h"
#include "support.h"

namespace {

struct Heard {
    int code;
    std::u16string fieldText;  // the field as the parent sees it during the notification
};
std::vector<Heard> heard;
const char16_t* replyText = nullptr;  // what the parent writes into the field on a change

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_COMMAND || wParam != MAKEWPARAM(1046, CBN_SELCHANGE)) return DefWindowProcW(hwnd, msg, wParam, lParam);
    HWND combo = reinterpret_cast<HWND>(lParam);
    heard.push_back({HIWORD(wParam), test::TextOf(combo)});
    if (HIWORD(wParam) == CBN_SELCHANGE && replyText) SetWindowTextW(combo, replyText);
    return 0;
}

class ComboBoxTest : public test::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        heard.clear();
        replyText = nullptr;
        parent = test::CreateParentWindow(u"ComboParent", ParentProc);
    }
    // As a template gives it: room for about one row.
    HWND Combo(DWORD style, std::initializer_list<const char16_t*> items) {
        HWND combo = CreateWindowExW(0, u"ComboBox", u"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | style, 140,
                                     40, 63, 45, parent, reinterpret_cast<HMENU>(1046), nullptr, nullptr);
        for (auto item : items) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return combo;
    }
    static void Choose(HWND combo, int index) {
        platform::TapRequest request;
        request.index = index;
        do {
            request.more = false;
            ASSERT_TRUE(SendMessageW(combo, platform::kMsgItemTapPoint, 0, reinterpret_cast<LPARAM>(&request)));
            test::TapAt(request.screen);
        } while (request.more);
    }
    static LRESULT Selected(HWND combo) { return SendMessageW(combo, CB_GETCURSEL, 0, 0); }
    HWND parent = nullptr;
};

TEST_F(ComboBoxTest, AChoiceIsAnnouncedBeforeTheFieldTakesTheItemsText) {
    HWND combo = Combo(CBS_SORT, {u"Gray", u"Black", u"Brown"});
    EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 0, 0), 0);
    EXPECT_EQ(test::TextOf(combo), u"Black") << "sorted, and the program's choice is silent";
    EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 3, 0), CB_ERR);
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    replyText = u"Grey";
    Choose(combo, 2);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].code, CBN_SELCHANGE);
    EXPECT_EQ(heard[0].fieldText, u"Black") << "the field still holds the old text during the notification";
    EXPECT_EQ(test::TextOf(combo), u"Gray") << "and the item's text replaces what the parent wrote";
    EXPECT_EQ(Selected(combo), 2);
    Choose(combo, 2);
    EXPECT_EQ(heard.size(), 2u) << "choosing the selected item again is still a choice";
}

TEST_F(ComboBoxTest, AShortComboDropsSeveralRowsThatScrollAndATapOutsideClosesIt) {
    HWND combo = Combo(0, {u"Black", u"Brown", u"Red", u"Orange", u"Yellow", u"Green", u"Blue", u"Violet", u"Gray",
                           u"White", u"Gold", u"Silver"});
    RECT box;
    GetWindowRect(combo, &box);
    test::TapAt(POINT{box.right - 5, (box.top + box.bottom) / 2});
    HWND list = GetCapture();
    ASSERT_NE(list, nullptr) << "the list is down and holds the stylus";
    EXPECT_EQ(platform::ForegroundScreen(), parent) << "the navigation bar still serves the screen under the list";
    RECT dropped;
    GetWindowRect(list, &dropped);
    EXPECT_EQ(dropped.top, box.bottom);
    EXPECT_GT(dropped.bottom - dropped.top, 3 * 13) << "several rows although the template left room for one";
    test::TapAt(POINT{10, 200});
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(heard.empty());
    Choose(combo, 11);  // scrolled into view first
    EXPECT_EQ(test::TextOf(combo), u"Silver");
}

// Win32's default keyboard, the focus in the field (a tap on the arrow gives it): Down and
// Up choose, announced, and stop at the ends; F4 and Alt+Down drop the list and close it
// on the highlighted item, Enter chooses it, Escape closes the list without a choice.
TEST_F(ComboBoxTest, TheKeysChooseAndDropTheListAsWin32s) {
    HWND combo = Combo(0, {u"Black", u"Brown", u"Red"});
    RECT box;
    GetWindowRect(combo, &box);
    test::TapAt(POINT{box.right - 5, (box.top + box.bottom) / 2});
    EXPECT_EQ(GetParent(GetFocus()), combo);
    // The keys pressed together, then the field's text and whether the list is down.
    const std::tuple<std::vector<UINT>, const char16_t*, bool> steps[] = {
        {{VK_ESCAPE}, u"", false},      {{VK_UP}, u"Black", false},       {{VK_UP}, u"Black", false},
        {{VK_DOWN}, u"Brown", false},   {{VK_F4}, u"Brown", true},        {{VK_DOWN}, u"Brown", true},
        {{VK_ESCAPE}, u"Brown", false}, {{VK_MENU, VK_DOWN}, u"Brown", true}, {{VK_DOWN}, u"Brown", true},
        {{VK_RETURN}, u"Red", false},   {{VK_F4}, u"Red", true},          {{VK_UP}, u"Red", true},
        {{VK_MENU, VK_UP}, u"Brown", false},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        const auto& [keys, text, dropped] = steps[i];
        for (UINT vk : keys) platform::InjectKey(vk, true);
        for (UINT vk : keys) platform::InjectKey(vk, false);
        test::Pump();
        EXPECT_EQ(test::TextOf(combo), text) << i;
        EXPECT_EQ(platform::DroppedComboBox() == combo, dropped) << i;
    }
    std::vector<std::u16string> announced;
    for (const Heard& h : heard) announced.push_back(h.fieldText);
    EXPECT_EQ(announced, (std::vector<std::u16string>{u"", u"Black", u"Brown", u"Red"}));
}

}  // namespace
