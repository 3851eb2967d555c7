// The registry read from regedit's text format: every form regedit writes (both
// headers, UTF-16 and 8-bit files, escapes, typed and continued data, deletions),
// malformed lines reported by file and line, which file is read, and the Reg... answers
// for missing keys, values and small buffers.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "system/registry.h"

namespace {

using platform::ParseRegistryText;
using platform::Registry;

std::string Text(const platform::RegistryValue& v) { return std::string(v.data.begin(), v.data.end() - 1); }

// The file as regedit exports it, UTF-16LE after a byte-order mark (on a little-endian host).
std::string Utf16File(const std::u16string& text) { return {reinterpret_cast<const char*>(text.data()), text.size() * 2}; }

TEST(Registry, EveryFormRegeditWrites) {
    const std::u16string text =
        u"\uFEFFWindows Registry Editor Version 5.00\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Environment]\r\n\"Path\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00\r\n"
        "\"Dirs\"=hex(7):61,00,00,00,\\\r\n  c9,00,00,00,00,00\r\n\"Big\"=hex(b):01,00,00,00,00,00,00,00\r\n"
        "\"None\"=hex(0):\r\n\"Gone\"=\"x\"\r\n\"Gone\"=-\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Old\\Deeper]\r\n@=\"y\"\r\n[-HKEY_LOCAL_MACHINE\\Software\\Old]\r\n"
        "; the Application Manager\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAPPMGR.EXE]\r\n"
        "@=\"C:\\\\Program Files\\\\Sync \\\"Manager\\\"\\\\CeAppMgr.exe\"\r\n"
        "\"Count\"=dword:0000002a\r\n"
        "\"Blob\"=hex:01,02,\\\r\n"
        "  ff\r\n";
    Registry r;
    std::string error;
    ASSERT_TRUE(ParseRegistryText(Utf16File(text), "a.reg", r, error)) << error;
    const auto& values = r.at("HKEY_LOCAL_MACHINE\\SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\APP PATHS\\CEAPPMGR.EXE");
    EXPECT_EQ(Text(values.at("")), "C:\\Program Files\\Sync \"Manager\"\\CeAppMgr.exe");
    EXPECT_EQ(values.at("COUNT").data, (std::vector<uint8_t>{42, 0, 0, 0}));
    EXPECT_EQ(values.at("BLOB").data, (std::vector<uint8_t>{1, 2, 255}));
    // Typed strings come in the 8-bit text of the ...A functions; other types as written.
    const std::map<std::string, platform::RegistryValue> environment = {
        {"PATH", {REG_EXPAND_SZ, {'%', 'H', 'O', 'M', 'E', '%', 0}}}, {"DIRS", {REG_MULTI_SZ, {'a', 0, 0xC3, 0x89, 0, 0}}},
        {"BIG", {0xB, {1, 0, 0, 0, 0, 0, 0, 0}}},                     {"NONE", {0, {}}}};
    EXPECT_EQ(r.at("HKEY_CURRENT_USER\\ENVIRONMENT"), environment);
    EXPECT_FALSE(r.count("HKEY_LOCAL_MACHINE\\SOFTWARE\\OLD\\DEEPER"));
    // The 8-bit format keeps typed strings in 8 bits.
    Registry old;
    ASSERT_TRUE(ParseRegistryText("REGEDIT4\n[HKEY_CURRENT_USER\\x]\n\"a\"=\"b\"\n\"e\"=hex(2):41,00\n", "b.reg", old, error))
        << error;
    EXPECT_EQ(Text(old.at("HKEY_CURRENT_USER\\X").at("A")), "b");
    EXPECT_EQ(old.at("HKEY_CURRENT_USER\\X").at("E").data, (std::vector<uint8_t>{'A', 0}));
}

TEST(Registry, AMalformedLineIsNamedByFileAndLineAndLeavesNothing) {
    const std::pair<std::string, int> cases[] = {
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\k]\n\"a\"=\"unterminated\n", 3}, {"REGEDIT4\n\n\"a\"=\"no key\"\n", 3},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\k]\n@=dword:12\n", 3},       {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\k\n", 2},
        {"REGEDIT4\n[-HKEY_LOCAL_MACHINE\\k]\n@=\"deleted\"\n", 3},     {"Not a registry\n", 1},
        {Utf16File(u"\uFEFFWindows Registry Editor Version 5.00\r\n[HKEY_LOCAL_MACHINE\\k]\r\n@=hex(2x):00\r\n"), 3},
        {"", 0},
    };
    for (const auto& [text, line] : cases) {
        Registry r;
        std::string error;
        EXPECT_FALSE(ParseRegistryText(text, "/x/y.reg", r, error)) << text;
        EXPECT_EQ(error.rfind("/x/y.reg:" + std::to_string(line) + ": ", 0), 0u) << error;
        EXPECT_TRUE(r.empty());
    }
}

class RegistryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = testing::TempDir() + "registry_" + testing::UnitTest::GetInstance()->current_test_info()->name();
        std::system(("rm -rf " + dir + " && mkdir -p " + dir + "/user/zephtor " + dir + "/system/zephtor").c_str());
        unsetenv("ZEPHTOR_REGISTRY");
        setenv("XDG_CONFIG_HOME", (dir + "/user").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (dir + "/none:" + dir + "/system").c_str(), 1);
    }
    void TearDown() override { platform::ReloadRegistry(); }
    void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    std::string dir;
};

TEST_F(RegistryFileTest, TheNamedFileThenTheUsersThenTheSystemsIsRead) {
    std::string user = dir + "/user/zephtor/registry.reg", system = dir + "/system/zephtor/registry.reg";
    Write(system, "REGEDIT4\n");
    EXPECT_EQ(platform::RegistryFilePath(), system);
    Write(user, "REGEDIT4\n");
    EXPECT_EQ(platform::RegistryFilePath(), user);
    setenv("ZEPHTOR_REGISTRY", "/named.reg", 1);
    EXPECT_EQ(platform::RegistryFilePath(), "/named.reg");
}

TEST_F(RegistryFileTest, KeysAndValuesAnswerAsWin32Does) {
    Write(dir + "/user/zephtor/registry.reg", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\App]\n@=\"/opt/app\"\n");
    platform::ReloadRegistry();
    HKEY key;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Missing", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\APP", 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0, size = 4;
    char whole[16];
    EXPECT_EQ(RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(whole), &size), ERROR_MORE_DATA);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(size, 9u) << "the text and its NUL";
    EXPECT_EQ(RegQueryValueExA(key, "", nullptr, nullptr, reinterpret_cast<LPBYTE>(whole), &size), ERROR_SUCCESS);
    EXPECT_STREQ(whole, "/opt/app");
    EXPECT_EQ(RegQueryValueExA(key, "Other", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

}  // namespace
