// WinExec's command line is split as Windows programs split theirs, so a path with
// blanks, quotes or backslashes reaches the program as one argument, never a shell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kernel/kernel.h"
#include "kernel/utf.h"
#include "support.h"
#include "system/process.h"

namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, SplitsAsWindowsDoes) {
    const std::pair<const char*, Args> cases[] = {
        {R"("C:\Program Files\Sync\CeAppMgr.exe" "/home/a b/setup.ini")",
         {R"(C:\Program Files\Sync\CeAppMgr.exe)", "/home/a b/setup.ini"}},
        {R"(/usr/bin/appmgr "abc" d e)", {"/usr/bin/appmgr", "abc", "d", "e"}},
        {R"(p a\\\b d"e f"g h)", {"p", R"(a\\\b)", "de fg", "h"}},
        {R"(p a\\\"b c d)", {"p", R"(a\"b)", "c", "d"}},
        {R"(p a\\\\"b c" d e)", {"p", R"(a\\b c)", "d", "e"}},
        {R"(p a"b"" c d)", {"p", R"(ab" c d)"}},
        {R"(p "$(rm -rf ~); x" ';')", {"p", "$(rm -rf ~); x", "';'"}},
        {R"("C:\dir\" arg)", {R"(C:\dir\)", "arg"}},
        {"", {""}},
        {"   ", {""}},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(platform::SplitWindowsCommandLine(line), expected) << line;
}

class WinExecTest : public test::PlatformTest {};

// Headless, a script is told what would start, and it starts only when asked for.
TEST_F(WinExecTest, HeadlessTellsTheLaunchAndStartsOnlyWhenAsked) {
    std::vector<std::string> launched;
    platform::Events().launch = [&](const std::u16string& program, const std::u16string& line) {
        launched.push_back(platform::ToUtf8(program) + " | " + platform::ToUtf8(line));
    };
    unsetenv("ZEPHTOR_SETUP_RUN_APPMGR");
    EXPECT_GT(WinExec(R"("/nonexistent dir/appmgr" "/tmp/setup.ini")", SW_SHOW), 31u);
    setenv("ZEPHTOR_SETUP_RUN_APPMGR", "1", 1);
    EXPECT_EQ(WinExec(R"("/nonexistent dir/appmgr" "/tmp/setup.ini")", SW_SHOW), UINT(ERROR_FILE_NOT_FOUND));
    EXPECT_GT(WinExec("/bin/true", SW_SHOW), 31u);
    unsetenv("ZEPHTOR_SETUP_RUN_APPMGR");
    platform::Events().launch = nullptr;
    EXPECT_EQ(launched, (Args{R"(/nonexistent dir/appmgr | "/nonexistent dir/appmgr" "/tmp/setup.ini")",
                              R"(/nonexistent dir/appmgr | "/nonexistent dir/appmgr" "/tmp/setup.ini")", "/bin/true | /bin/true"}));
}

}  // namespace
