// DoDavev.cfg through the real profile functions: the six keys, files edited
// by hand, repeated saves, values longer than the read buffer, and the
// skipping of leading blanks before a read.
//
// Wine rewrites a whole profile file from its parsed copy on every write, so
// hand-edited fixtures here are already in that clean form (no blank lines,
// no blanks around '=', CR LF everywhere, a final line break); Windows keeps
// the bytes of untouched lines anyway.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>

#include "store_test_support.h"
#include "stores/setting_names.h"
#include "stores/settings_file.h"
#include "stores/windows_stores.h"

namespace {

using namespace store_test;
using namespace stores;

constexpr std::array<std::string_view, 6> kKeys = {kKeyGamePath, kKeyToolPath,  kKeyName,
                                                   kKeySetinfo,  kKeyUserpass, kKeySensitivity};

std::string Section() { return "[" + std::string(kSection) + "]\r\n"; }

void SaveAll(WindowsStores& s, const std::array<std::string, 6>& values) {
    for (std::size_t i = 0; i < kKeys.size(); ++i) s.WriteSetting(kKeys[i], values[i]);
}

// The key names of a section, as the profile function lists them.
std::vector<std::string> KeysOf(const std::string& path, std::string_view section) {
    std::vector<char> buffer(4096);
    const DWORD n = GetPrivateProfileStringA(std::string(section).c_str(), nullptr, "", buffer.data(),
                                             static_cast<DWORD>(buffer.size()), path.c_str());
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < n;) {
        keys.emplace_back(buffer.data() + i);
        i += keys.back().size() + 1;
    }
    return keys;
}

TEST(SettingsFile, EmptyBoxesWriteSixEmptyKeysThatStayInTheFile) {
    TempFolder folder("SettingsFile.EmptyBoxes");
    WindowsStores s(folder.Path());
    SaveAll(s, {"C:\\CS\\cstrike.exe", "CSMate.exe", "Player", "p1", "p2", "3"});
    SaveAll(s, {});  // every box emptied: the keys stay, with nothing after '='

    std::string expected = Section();
    for (const std::string_view key : kKeys) expected.append(key).append("=\r\n");
    EXPECT_EQ(folder.Read("DoDavev.cfg"), expected);
    EXPECT_EQ(KeysOf(folder / "DoDavev.cfg", kSection), std::vector<std::string>(kKeys.begin(), kKeys.end()));
    for (const std::string_view key : kKeys) EXPECT_EQ(s.ReadSetting(key), "") << key;
}

TEST(SettingsFile, GbkNamesAndValuesAreWrittenAsTheyStand) {
    TempFolder folder("SettingsFile.GbkBytes");
    WindowsStores s(folder.Path());
    const std::array<std::string, 6> values = {Gbk("D:\\游戏\\CS 1.6\\cstrike.exe"), Gbk("工具\\CSMate.exe"),
                                               Gbk("墨羽 玩家"), "\"quoted\"", "a;b=c", "fast"};
    SaveAll(s, values);
    std::string expected = Section();
    for (std::size_t i = 0; i < kKeys.size(); ++i) expected.append(kKeys[i]).append("=").append(values[i]).append("\r\n");
    // The fixed names are GBK whatever the machine's code page.
    EXPECT_EQ(Section(), "[" + Gbk("墨羽晴川") + "]\r\n");
    EXPECT_EQ(folder.Read("DoDavev.cfg"), expected);
    // Values come back as typed, a blank inside included. (The profile
    // functions drop blanks at the ends and one pair of enclosing quotes;
    // that is the platform's, not the launcher's.)
    EXPECT_EQ(s.ReadSetting(kKeyGamePath), values[0]);
    EXPECT_EQ(s.ReadSetting(kKeyToolPath), values[1]);
    EXPECT_EQ(s.ReadSetting(kKeyName), values[2]);
    EXPECT_EQ(s.ReadSetting(kKeySensitivity), "fast");
}

TEST(SettingsFile, HandEditedFileIsReadAndKeepsItsOtherLinesAfterASave) {
    TempFolder folder("SettingsFile.HandEdited");
    const std::string tool = Gbk("中文输入机路径");
    folder.Write("DoDavev.cfg",
                 "; edited by hand\r\n"
                 "[Video]\r\nwidth=800\r\nname=not ours\r\n" +
                     Section() +
                     "SENSITIVITY=2.5\r\nUserPass=p2\r\nNAME=Player One\r\ncomment=keep me\r\nSetInfo=p1\r\n" + tool +
                     "=D:\\Tools\\CSMate.exe\r\n"
                     "[Other]\r\nsetinfo=not ours either\r\n");
    WindowsStores s(folder.Path());
    EXPECT_EQ(s.ReadSetting(kKeyGamePath), "");  // missing key
    EXPECT_EQ(s.ReadSetting(kKeyToolPath), "D:\\Tools\\CSMate.exe");
    EXPECT_EQ(s.ReadSetting(kKeyName), "Player One");
    EXPECT_EQ(s.ReadSetting(kKeySetinfo), "p1");
    EXPECT_EQ(s.ReadSetting(kKeyUserpass), "p2");
    EXPECT_EQ(s.ReadSetting(kKeySensitivity), "2.5");

    SaveAll(s, {"E:\\cs\\cstrike.exe", "CSMate.exe", "New Name", "s1", "", "7"});
    // Each value replaced in its own line, the missing key added at the end of
    // its section, every other line as it was.
    EXPECT_EQ(folder.Read("DoDavev.cfg"),
              "; edited by hand\r\n"
              "[Video]\r\nwidth=800\r\nname=not ours\r\n" +
                  Section() + "SENSITIVITY=7\r\nUserPass=\r\nNAME=New Name\r\ncomment=keep me\r\nSetInfo=s1\r\n" + tool +
                  "=CSMate.exe\r\n" + std::string(kKeyGamePath) +
                  "=E:\\cs\\cstrike.exe\r\n"
                  "[Other]\r\nsetinfo=not ours either\r\n");
}

TEST(SettingsFile, SavingTwiceLeavesTheFileByteForByteUnchanged) {
    TempFolder folder("SettingsFile.SaveTwice");
    folder.Write("DoDavev.cfg", "[Other]\r\nk=v\r\n" + Section() + "name=old\r\n");
    WindowsStores s(folder.Path());
    const std::array<std::string, 6> values = {"C:\\cs.exe", Gbk("输入.exe"), "id", "", "pw", "1"};
    SaveAll(s, values);
    const auto first = folder.Read("DoDavev.cfg");
    SaveAll(s, values);
    EXPECT_EQ(folder.Read("DoDavev.cfg"), first);
    SaveAll(s, values);
    EXPECT_EQ(folder.Read("DoDavev.cfg"), first);
}

TEST(SettingsFile, MissingFolderIsNotCreatedAndReadsGiveEmptyTexts) {
    TempFolder folder("SettingsFile.MissingFolder");
    WindowsStores s(folder / "absent");
    s.WriteSetting(kKeyName, "Player");
    EXPECT_FALSE(folder.Exists("absent"));
    EXPECT_EQ(s.ReadSetting(kKeyName), "");
    EXPECT_FALSE(IniWrite(folder / "absent\\DoDavev.cfg", kSection, kKeyName, "x"));
}

// A value longer than the 10240-byte buffer comes back cut to 10239 bytes.
TEST(SettingsFile, ValueLongerThanTheBufferComesBackCut) {
    struct Case {
        std::string value;
        std::size_t expectedLength;
    };
    const Case cases[] = {
        {std::string(10238, 'a'), 10238},
        {std::string(10239, 'b'), 10239},
        {std::string(10240, 'c'), 10239},
        {std::string(20000, 'd') + "tail", 10239},
    };
    TempFolder folder("SettingsFile.LongValues");
    // One file per case, each written before its first read.
    for (std::size_t i = 0; i < std::size(cases); ++i)
        folder.Write("f" + std::to_string(i) + ".cfg", Section() + "name=" + cases[i].value + "\r\n");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string got = IniRead(folder / ("f" + std::to_string(i) + ".cfg"), kSection, kKeyName);
        EXPECT_EQ(got.size(), cases[i].expectedLength) << i;
        EXPECT_EQ(got, cases[i].value.substr(0, cases[i].expectedLength)) << i;
    }

    // Written whole, read back cut.
    WindowsStores s(folder.Path());
    const std::string big = std::string(15000, 'x') + "end";
    s.WriteSetting(kKeyName, big);
    EXPECT_EQ(folder.Read("DoDavev.cfg"), Section() + "name=" + big + "\r\n");
    EXPECT_EQ(s.ReadSetting(kKeyName), big.substr(0, 10239));
}

// Double-byte text cut by the buffer: at most 10239 bytes, the start of the
// stored value, and no zero byte inside.
TEST(SettingsFile, LongDoubleByteValueComesBackAsAPrefixWithoutZeroBytes) {
    TempFolder folder("SettingsFile.LongGbk");
    std::string value;
    for (int i = 0; i < 8000; ++i) value += Gbk("墨");
    folder.Write("DoDavev.cfg", Section() + "name=" + value + "\r\n");
    const std::string got = WindowsStores(folder.Path()).ReadSetting(kKeyName);
    EXPECT_LE(got.size(), 10239u);
    EXPECT_GE(got.size(), 10238u);
    EXPECT_EQ(got.find('\0'), std::string::npos);
    EXPECT_EQ(value.compare(0, got.size(), got), 0);
}

TEST(SettingsFile, LeadingBytesUpTo32AreSkippedBeforeARead) {
    TempFolder folder("SettingsFile.Blanks");
    // A key line before every section and a line with an empty key name: a
    // read with an empty section or key would find these.
    folder.Write("DoDavev.cfg", "name=before any section\r\n" + Section() + "name=found\r\n=no key name\r\n");
    const std::string path = folder / "DoDavev.cfg";
    const std::string section(kSection);

    struct Case {
        std::string path, section, key, expected;
    };
    const Case cases[] = {
        {" " + path, section, "name", "found"},
        {"\t\r\n " + path, "\x01\x1F " + section, "\x20\x0B\x7F" "name", ""},  // 0x7F is not skipped
        {"\x10" + path, " " + section, "\x01\x02\x03\x04\x05\x06\x07\x08 name", "found"},
        {path, section, "\xA0name", ""},  // a byte of 0xA0 is not a blank
        {"  ", section, "name", ""},      // empty after the blanks: no read
        {path, " \t\x01", "name", ""},
        {path, section, " \x1F\x20", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(IniRead(c.path, c.section, c.key), c.expected) << c.key;

    // The empty section and empty key name do exist in the file for the
    // platform function, so the empty results above mean no call was made.
    char buffer[64];
    GetPrivateProfileStringA("", "name", "", buffer, sizeof buffer, path.c_str());
    EXPECT_STREQ(buffer, "before any section");
    GetPrivateProfileStringA(section.c_str(), "", "", buffer, sizeof buffer, path.c_str());
    EXPECT_STREQ(buffer, "no key name");
}

}  // namespace
