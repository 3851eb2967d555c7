// The screen table agrees with the menu a person sees and with the help file.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "kernel/utf.h"
#include "resources/resource.h"
#include "resources/resources.h"
#include "shell/navigation.h"

namespace {

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
    EXPECT_EQ(MenuItemsOf(0), tools);
    EXPECT_EQ(MenuItemsOf(1), TableRowsOf(u"Reference"));
    auto help = TableRowsOf(u"Help");
    help.insert(help.begin(), {"Help... 40004", "-"});
    EXPECT_EQ(MenuItemsOf(2), help);
}

// Every topic is an anchor of the help file; the flows follow one screen's help button.
TEST(ScreenTable, EveryScreenHasItsOwnTemplateCommandAndTopic) {
    std::ifstream file(ZEPHTOR_HELP_FILE);
    const std::string help{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(help.empty()) << ZEPHTOR_HELP_FILE;
    std::set<int> templates, commands;
    std::set<std::u16string> topics;
    for (int i = 0; i < ScreenTableSize; ++i) {
        const ScreenRow& row = ScreenTable[i];
        EXPECT_TRUE(templates.insert(row.templateId).second) << row.templateId;
        EXPECT_TRUE(commands.insert(row.command).second) << row.command;
        EXPECT_NE(platform::FindEntry(RT_DIALOG, MAKEINTRESOURCE(row.templateId)), nullptr) << row.templateId;
        if (row.helpAnchor) {
            EXPECT_TRUE(topics.insert(row.helpAnchor).second);
            std::string anchor = platform::ToUtf8(row.helpAnchor);
            EXPECT_NE(help.find("id=\"" + anchor.substr(anchor.find('#') + 1) + "\""), std::string::npos)
                << anchor << " is no anchor of the help file";
        }
        EXPECT_NE(row.screen == nullptr, row.tabbed == nullptr) << "a row names a plain or a tabbed screen";
    }
    EXPECT_EQ(ScreenTableSize, 23);
    EXPECT_EQ(topics.size(), 22u);
}

}  // namespace
