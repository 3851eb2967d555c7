// Navigation from the menu: the screen table agrees with the menu a person sees, a
// tabbed screen comes back on the page it was left on, help follows the tabbed screen,
// and Exit lowers the input panel before the main window closes.
#include <gtest/gtest.h>
#include <windows.h>
#include <aygshell.h>

#include <deque>
#include <set>
#include <functional>
#include <string>
#include <vector>

#include "backend/backend.h"
#include "steps_backend.h"
#include "kernel/kernel.h"
#include "kernel/utf.h"
#include "platform_shell.h"
#include "resources/resource.h"
#include "resources/resources.h"
#include "sequence.h"
#include "shell/navigation.h"
#include "shell/shell.h"

namespace {

class NavigationTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ResetWindowSystem();
        auto owned = std::make_unique<test::StepsBackend>();
        backend = owned.get();
        platform::SetBackend(std::move(owned));
        platform::Events().launch = [this](const std::u16string&, const std::u16string& line) {
            launched.push_back(platform::ToUtf8(line));
        };
    }
    void TearDown() override {
        platform::SetMessageObserver(nullptr);
        platform::Events() = platform::AutomationEvents{};
        platform::SetBackend(nullptr);
    }
    void Command(WORD id) {
        backend->actions.push_back([id] { PostMessageW(MainWindow, WM_COMMAND, id, 0); });
    }
    void Then(std::function<void()> check) { backend->actions.push_back(std::move(check)); }
    test::StepsBackend* backend = nullptr;
    std::vector<std::string> launched;
};

std::vector<std::string> MenuItemsOf(int popup) {
    std::vector<std::string> out;
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(IDM_MENU));
    for (const auto& item : *platform::MenuItems(GetSubMenu(menu, popup)))
        out.push_back((item.flags & MF_SEPARATOR) ? "-" : platform::ToUtf8(item.text) + " " + std::to_string(item.id));
    DestroyMenu(menu);
    return out;
}

std::vector<std::string> TableRowsOf(const char16_t* menu) {
    std::vector<std::string> out;
    for (int i = 0; i < ScreenTableSize; ++i)
        if (std::u16string(ScreenTable[i].menu) == menu)
            out.push_back(platform::ToUtf8(ScreenTable[i].item) + " " + std::to_string(ScreenTable[i].command));
    return out;
}

TEST(ScreenTable, AgreesWithTheMenuAPersonSees) {
    auto tools = TableRowsOf(u"Tools");
    tools.insert(tools.end(), {"-", "Exit 40012"});
    test::ExpectSequence(MenuItemsOf(0), tools);
    test::ExpectSequence(MenuItemsOf(1), TableRowsOf(u"Reference"));
    auto help = TableRowsOf(u"Help");
    help.insert(help.begin(), {"Help... 40004", "-"});
    test::ExpectSequence(MenuItemsOf(2), help);
}

TEST(ScreenTable, EveryScreenHasItsOwnTemplateCommandAndTopic) {
    std::set<int> templates, commands;
    std::set<std::u16string> topics;
    for (int i = 0; i < ScreenTableSize; ++i) {
        const ScreenRow& row = ScreenTable[i];
        EXPECT_TRUE(templates.insert(row.templateId).second) << row.templateId;
        EXPECT_TRUE(commands.insert(row.command).second) << row.command;
        EXPECT_NE(platform::FindEntry(RT_DIALOG, MAKEINTRESOURCE(row.templateId)), nullptr) << row.templateId;
        if (row.helpAnchor) {
            EXPECT_TRUE(topics.insert(row.helpAnchor).second);
        }
        EXPECT_NE(row.screen == nullptr, row.tabbed == nullptr) << "a row names a plain or a tabbed screen";
    }
    EXPECT_EQ(ScreenTableSize, 23);
    EXPECT_EQ(topics.size(), 22u);
}

TEST_F(NavigationTest, TabbedScreenComesBackOnThePageItWasLeftOn) {
    Command(IDM_REACTANCE);
    Then([] {
        EXPECT_EQ(CurrentScreen, Reactance.Screen);
        EXPECT_TRUE(IsWindowVisible(Reactance.Pages[0]));
        // The user moves to the second tab (the tab strip records it here).
        ShowWindow(Reactance.CurrentPage, SW_HIDE);
        Reactance.CurrentPage = Reactance.Pages[1];
        PostMessageW(Reactance.Screen, WM_COMMAND, IDOK, 0);
    });
    Then([] {
        EXPECT_EQ(CurrentScreen, nullptr);
        EXPECT_FALSE(IsWindowVisible(Reactance.Screen));
        PostMessageW(MainWindow, WM_COMMAND, IDM_REACTANCE, 0);
    });
    Then([] {
        EXPECT_TRUE(IsWindowVisible(Reactance.Pages[1]));
        EXPECT_FALSE(IsWindowVisible(Reactance.Pages[0]));
        PostMessageW(MainWindow, WM_COMMAND, IDM_CONTEXT_HELP, 0);
    });
    StartUp(GetModuleHandleW(nullptr));
    EXPECT_EQ(launched, std::vector<std::string>{"Zephtor.htm#Reactance"});
}

TEST_F(NavigationTest, ChoosingTheShownScreenAgainKeepsItShown) {
    Command(IDM_OHMS_LAW);
    Command(IDM_OHMS_LAW);
    Then([] {
        EXPECT_EQ(CurrentScreen, OhmsLawScreen);
        EXPECT_TRUE(IsWindowVisible(OhmsLawScreen));
        PostMessageW(MainWindow, WM_COMMAND, IDM_RESONANCE, 0);
    });
    Then([] {
        EXPECT_FALSE(IsWindowVisible(OhmsLawScreen));
        EXPECT_TRUE(IsWindowVisible(ResonanceScreen));
    });
    StartUp(GetModuleHandleW(nullptr));
}

TEST_F(NavigationTest, HelpContentsLeavesTheScreenShown) {
    Command(IDM_TIMER);
    Command(IDM_HELP_CONTENTS);
    Then([] { EXPECT_EQ(CurrentScreen, TimerDesign.Screen); });
    StartUp(GetModuleHandleW(nullptr));
    EXPECT_EQ(launched, std::vector<std::string>{"Zephtor.htm#Main_Contents"});
}

TEST_F(NavigationTest, ExitLowersTheInputPanelBeforeTheMainWindowCloses) {
    std::vector<std::string> seen;
    Command(IDM_OHMS_LAW);
    Then([&] {
        SHSipPreference(MainWindow, SIP_UP);
        platform::SetMessageObserver([&](HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
            if (hwnd != MainWindow) return;
            if (msg == WM_SETTINGCHANGE) seen.push_back(std::string("input panel ") + (platform::IsSipUp() ? "up" : "down"));
            if (msg == WM_ACTIVATE) seen.push_back("activate " + std::to_string(LOWORD(wParam)));
            if (msg == WM_CLOSE) seen.push_back("close");
            if (msg == WM_DESTROY) seen.push_back("destroy");
        });
        PostMessageW(MainWindow, WM_COMMAND, IDM_EXIT, 0);
    });
    EXPECT_EQ(StartUp(GetModuleHandleW(nullptr)), 0);
    test::ExpectSequence(seen, {"input panel down", "activate 0", "close", "destroy"});
}

}  // namespace
