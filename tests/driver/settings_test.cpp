// Settings that last, through the real window: the save button's three
// files, the boxes restored at the next start, the input tool's registry
// values, the display controls shown from and written to the game's registry
// values, and files and values in bad shape.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <functional>

#include "harness.h"

namespace {

using namespace driver;
using shell::Control;

const std::wstring kConfig = L"cstrike_schinese\\config.cfg";
const std::string kSection = AnsiFromUtf8("墨羽晴川");
const std::string kGamePathKey = AnsiFromUtf8("CS路径");
const std::string kToolPathKey = AnsiFromUtf8("中文输入机路径");

// The six boxes in the order they are saved, with their keys.
constexpr std::array<Control, 6> kBoxes = {Control::编辑框1, Control::编辑框3, Control::name,
                                           Control::name1,   Control::name2,   Control::鼠标速度调节};
const std::array<std::string, 6> kKeys = {kGamePathKey, kToolPathKey, "name", "setinfo", "userpass", "sensitivity"};

std::string SaveBlock(const std::string& id, const std::string& master, const std::string& personal,
                      const std::string& sensitivity) {
    return "\r\nname \"" + id + "\"\r\nsetinfo \"" + master + "\" \"" + personal + "\"\r\nsensitivity \"" +
           sensitivity + "\"\r\n";
}

std::string SettingsFile(const std::array<std::string, 6>& values) {
    std::string s = "[" + kSection + "]\r\n";
    for (std::size_t i = 0; i < kKeys.size(); ++i) s += kKeys[i] + "=" + values[i] + "\r\n";
    return s;
}

// A key as the profile functions read it from this process.
std::string ProfileValue(const std::wstring& file, const std::string& key) {
    std::string buffer(20000, '\0');
    const DWORD n = GetPrivateProfileStringA(kSection.c_str(), key.c_str(), "", buffer.data(),
                                             static_cast<DWORD>(buffer.size()), Ansi(file).c_str());
    buffer.resize(n);
    return buffer;
}

std::string Dword(DWORD v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

void SetBox(const Launcher& l, Control c, const std::string& utf8) {
    const std::wstring text = Widen(utf8);
    SendMessageW(l.Control(c), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}


// Dates a file back, as a settings file from an earlier run would be. (Wine
// parses a profile file anew on every call while it is under 2 s old.)
void AgeByAnHour(const std::wstring& path) {
    const HANDLE f = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart -= 36000000000ull;  // one hour in 100 ns steps
    const FILETIME earlier{t.LowPart, t.HighPart};
    SetFileTime(f, nullptr, nullptr, &earlier);
    CloseHandle(f);
}

struct SettingsTest : LauncherTest {};

TEST_F(SettingsTest, SaveWritesTheThreeFilesByteForByteAndTheNextStartRestoresTheBoxes) {
    folder.MakeDirectory(L"cstrike_schinese");  // the name key's file is created here
    folder.MakeDirectory(L"game");
    folder.MakeDirectory(L"game\\cstrike_schinese");
    folder.Write(L"game\\cstrike_schinese\\config.cfg", "exec userconfig.cfg");  // no final line break
    folder.CopyProgram(L"fake_recorder.exe", L"game\\cstrike.exe");
    const std::string gamePath = folder.AnsiPath() + "\\game\\cstrike.exe";
    const std::string toolPath = AnsiFromUtf8("D:\\中文 工具\\CSMate.exe");
    const std::string master = AnsiFromUtf8("晴川");
    {
        Launcher launcher(folder);
        ASSERT_TRUE(launcher.Started());
        Activate(launcher.Window());
        EXPECT_TRUE(TypeInto(launcher, Control::name, "Player One"));
        SetBox(launcher, Control::name1, "晴川");
        EXPECT_TRUE(TypeInto(launcher, Control::name2, "x\"y"));
        EXPECT_TRUE(TypeInto(launcher, Control::鼠标速度调节, "2.5"));
        // The game dialog fills the path box and moves the current directory
        // to the game's folder, so the append goes there.
        ShowPage(launcher, shell::Page::Paths);
        Click(launcher.Control(Control::找CS));
        ChooseFile(WaitForDialog(launcher.Pid()), folder / L"game\\cstrike.exe");
        ASSERT_TRUE(WaitUntil([&] { return TextOf(launcher.Control(Control::编辑框1)) == gamePath; }));
        SetBox(launcher, Control::编辑框3, "D:\\中文 工具\\CSMate.exe");

        Activate(launcher.Window());
        Click(launcher.Control(Control::按钮1));
        const std::string block = SaveBlock("Player One", master, "x\"y", "2.5");
        ASSERT_TRUE(WaitUntil([&] { return folder.Read(L"game\\" + kConfig)->ends_with(block); }));
        EXPECT_EQ(folder.Read(L"game\\" + kConfig), "exec userconfig.cfg" + block);
        EXPECT_EQ(folder.Read(L"DoDavev.cfg"), SettingsFile({gamePath, toolPath, "Player One", master, "x\"y", "2.5"}));
        EXPECT_EQ(folder.Read(kConfig), "[" + kSection + "]\r\nname=Player One\r\n");
        EXPECT_EQ(launcher.Close(), 0u);
    }
    Launcher again(folder);
    ASSERT_TRUE(again.Started());
    const std::array<std::string, 6> restored = {gamePath, toolPath, "Player One", master, "x\"y", "2.5"};
    for (std::size_t i = 0; i < kBoxes.size(); ++i) EXPECT_EQ(TextOf(again.Control(kBoxes[i])), restored[i]) << i;
    EXPECT_EQ(ReadValue(kToolKey, L"Executable File")->data, gamePath + '\0');
    EXPECT_EQ(again.Close(), 0u);
}

TEST_F(SettingsTest, FirstStartWithNothingStored) {
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    for (const Control box : kBoxes) EXPECT_EQ(TextOf(launcher.Control(box)), "") << shell::Def(box).name;
    EXPECT_TRUE(IsChecked(launcher.Control(Control::窗口模式)));
    for (const Control radio : {Control::单选框1, Control::单选框2, Control::单选框3})
        EXPECT_TRUE(IsChecked(launcher.Control(radio))) << shell::Def(radio).name;

    const std::pair<const wchar_t*, RegValue> tool[] = {
        {L"Rcon Say Key", {REG_SZ, std::string("P\0", 2)}},
        {L"Say Key", {REG_SZ, std::string("Y\0", 2)}},
        {L"Say Team Key", {REG_SZ, std::string("U\0", 2)}},
        {L"Send Key", {REG_SZ, std::string("F12\0", 4)}},
        {L"Executable File", {REG_SZ, std::string(1, '\0')}},
        {L"Auto IME", {REG_DWORD, Dword(0)}},
        {L"Remember History", {REG_DWORD, Dword(1)}},
        {L"Start Minimized", {REG_DWORD, Dword(1)}},
        {L"Minimize to Tray", {REG_DWORD, Dword(1)}},
        {L"Max History Items", {REG_DWORD, Dword(10)}},
    };
    for (const auto& [name, expected] : tool) {
        const auto got = ReadValue(kToolKey, name);
        ASSERT_TRUE(got) << Narrow(name);
        EXPECT_EQ(got->type, expected.type) << Narrow(name);
        EXPECT_EQ(got->data, expected.data) << Narrow(name);
    }
    // Showing the display mode writes none of the game's values.
    HKEY game = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, kGameKey.c_str(), 0, KEY_READ, &game), ERROR_SUCCESS);
    if (game) RegCloseKey(game);
    EXPECT_FALSE(folder.Exists(L"DoDavev.cfg"));
    EXPECT_EQ(launcher.Close(), 0u);
}

// The game's stored values, in good and bad shape, as the display controls
// show them; showing them changes none.
TEST_F(SettingsTest, DisplayControlsShowTheStoredValues) {
    struct Stored {
        DWORD type;
        std::string data;
    };
    struct Case {
        const char* what;
        std::optional<Stored> width, windowed;
        bool windowedBox, r1024, r800, r640;
    };
    const Case cases[] = {
        {"800 and not windowed", Stored{REG_DWORD, Dword(800)}, Stored{REG_DWORD, Dword(0)}, false, false, true, false},
        {"width as text", Stored{REG_SZ, std::string("800\0", 4)}, std::nullopt, true, true, true, true},
        {"other width, windowed 2", Stored{REG_DWORD, Dword(1280)}, Stored{REG_DWORD, Dword(2)}, false, false, false,
         false},
        {"short and long dwords", Stored{REG_DWORD, std::string("\x20\x03", 2)},
         Stored{REG_DWORD, std::string("\0\0\0\0\0\0\0\0", 8)}, true, true, true, true},
        {"binary 1024", Stored{REG_BINARY, Dword(1024)}, Stored{REG_DWORD, Dword(1)}, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetLauncherKeys();
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kGameKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        const auto put = [&](const char* name, const std::optional<Stored>& v) {
            if (v)
                RegSetValueExA(key, name, 0, v->type, reinterpret_cast<const BYTE*>(v->data.data()),
                               static_cast<DWORD>(v->data.size()));
        };
        put("ScreenWidth", c.width);
        put("ScreenWindowed", c.windowed);
        RegCloseKey(key);

        Launcher launcher(folder);
        ASSERT_TRUE(launcher.Started());
        EXPECT_EQ(IsChecked(launcher.Control(Control::窗口模式)), c.windowedBox);
        EXPECT_EQ(IsChecked(launcher.Control(Control::单选框1)), c.r1024);
        EXPECT_EQ(IsChecked(launcher.Control(Control::单选框2)), c.r800);
        EXPECT_EQ(IsChecked(launcher.Control(Control::单选框3)), c.r640);
        EXPECT_EQ(launcher.Close(), 0u);
        const auto width = ReadValue(kGameKey, L"ScreenWidth");
        ASSERT_TRUE(width);
        EXPECT_EQ(width->type, c.width->type);
        EXPECT_EQ(width->data, c.width->data);
        EXPECT_FALSE(ReadValue(kGameKey, L"ScreenHeight"));
    }
}

TEST_F(SettingsTest, ClicksAndArrowsWriteTheDisplayValuesAtOnce) {
    SetString(kGameKey, L"ScreenWidth", "800");  // not a number: every radio starts checked
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    Activate(launcher.Window());
    const auto written = [](DWORD height, DWORD width) {
        return WaitUntil([&] {
            return ReadDword(kGameKey, L"ScreenHeight") == height && ReadDword(kGameKey, L"ScreenWidth") == width;
        });
    };
    const auto forget = [] {
        DeleteKey(kGameKey);
        ASSERT_FALSE(ReadValue(kGameKey, L"ScreenWidth"));
    };

    Click(launcher.Control(Control::单选框3));
    EXPECT_TRUE(written(480, 640)) << "the text value is replaced by a number";
    EXPECT_EQ(ReadValue(kGameKey, L"ScreenWidth")->type, static_cast<DWORD>(REG_DWORD));
    forget();
    Click(launcher.Control(Control::单选框3));  // already checked: writes again
    EXPECT_TRUE(written(480, 640));

    const HWND windowed = launcher.Control(Control::窗口模式);
    ASSERT_TRUE(IsChecked(windowed));
    Click(windowed);
    EXPECT_TRUE(WaitUntil([&] { return ReadDword(kGameKey, L"ScreenWindowed") == 0u; }));
    Click(windowed);
    EXPECT_TRUE(WaitUntil([&] { return ReadDword(kGameKey, L"ScreenWindowed") == 1u; }));

    Click(launcher.Control(Control::单选框1));
    EXPECT_TRUE(written(768, 1024));
    forget();
    Key(VK_DOWN);  // the check moves from 1024X768 to 800X600
    EXPECT_TRUE(written(600, 800));
    EXPECT_TRUE(IsChecked(launcher.Control(Control::单选框2)));
    EXPECT_FALSE(IsChecked(launcher.Control(Control::单选框1)));
    EXPECT_EQ(launcher.Close(), 0u);
    EXPECT_EQ(ReadDword(kGameKey, L"ScreenWidth"), 800u);  // no save needed
}

// --- bad input ---

enum class Obstacle { None, HeldSettings, HeldConfig, ReadOnlySettings, ReadOnlyConfig };

struct BadInput {
    const char* name;
    std::function<std::optional<std::string>()> settingsFile;  // DoDavev.cfg as found; none: absent
    std::string nameBox, setinfoBox;                            // the boxes after start
    bool configFolder = true;                                   // cstrike_schinese\config.cfg present
    Obstacle obstacle = Obstacle::None;
    std::size_t keptPrefix = 0;  // leading bytes of DoDavev.cfg that a save must leave as they are
};

void PrintTo(const BadInput& c, std::ostream* os) { *os << c.name; }

std::string Utf16(const std::string& utf8) {
    const std::wstring w = Widen(utf8);
    return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(w.data()), w.size() * 2);
}

constexpr std::size_t kHugeJunk = 20u << 20;  // 20 MB ahead of the launcher's section

std::string HugeFile() {
    std::string s = "[Junk]\r\n";
    s.reserve(kHugeJunk + 200);
    char line[64];
    for (int i = 0; s.size() < kHugeJunk; ++i) s.append(line, std::snprintf(line, sizeof line, "k%08d=%024d\r\n", i, i));
    return s + "[" + kSection + "]\r\nname=Big\r\nsetinfo=file\r\n";
}

std::string Binary() {
    std::string s;
    unsigned x = 12345;
    for (int i = 0; i < 65536; ++i) {
        x = x * 1103515245u + 12345u;
        s += static_cast<char>(x >> 23);
    }
    return s;
}

const BadInput kBadInputs[] = {
    {"empty", [] { return std::string(); }, "", ""},
    {"binary", [] { return Binary(); }, "", ""},
    {"huge", [] { return HugeFile(); }, "Big", "file", true, Obstacle::None, kHugeJunk},
    // Wine reads a UTF-8 file with a byte-order mark; Windows sees no section
    // there and leaves the boxes empty.
    {"utf-8 with mark", [] { return std::string("\xEF\xBB\xBF[墨羽晴川]\r\nname=张三\r\nsetinfo=密码\r\n"); },
     AnsiFromUtf8("张三"), AnsiFromUtf8("密码")},
    {"utf-16 with mark", [] { return Utf16("[墨羽晴川]\r\nname=张三\r\nsetinfo=密码\r\n"); }, AnsiFromUtf8("张三"),
     AnsiFromUtf8("密码")},
    {"no final line break", [] { return "[" + kSection + "]\r\nsetinfo=s\r\nname=Last"; }, "Last", "s"},
    {"line longer than the buffer",
     [] { return "[" + kSection + "]\r\nname=" + std::string(20000, 'n') + "\r\nsetinfo=after\r\n"; },
     std::string(10239, 'n'), "after"},
    {"settings file held by another program", [] { return "[" + kSection + "]\r\nname=Held\r\n"; }, "Held", "", true,
     Obstacle::HeldSettings},
    {"read-only settings file", [] { return "[" + kSection + "]\r\nname=Fixed\r\n"; }, "Fixed", "", true,
     Obstacle::ReadOnlySettings},
    {"config held by another program", [] { return std::nullopt; }, "", "", true, Obstacle::HeldConfig},
    {"read-only config", [] { return std::nullopt; }, "", "", true, Obstacle::ReadOnlyConfig},
    {"no cstrike_schinese folder", [] { return std::nullopt; }, "", "", false},
};

std::string CaseName(const ::testing::TestParamInfo<BadInput>& param) {
    std::string name;
    for (const char ch : std::string(param.param.name)) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
}

struct BadInputTest : ::testing::TestWithParam<BadInput> {
    void SetUp() override { ResetLauncherKeys(); }
    void TearDown() override {
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    }
    // Opens a file the way a program that lets nobody else write would.
    void Hold(const std::wstring& relative) {
        held = CreateFileW((folder / relative).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
    }
    void MakeReadOnly(const std::wstring& relative) {
        const std::wstring path = folder / relative;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
        const HANDLE probe =
            CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (probe != INVALID_HANDLE_VALUE) {
            CloseHandle(probe);
            GTEST_SKIP() << "read-only files can be written here (Wine run by root)";
        }
    }
    CaseFolder folder{Widen("BadInput." + std::string(CaseName({GetParam(), 0})))};
    HANDLE held = INVALID_HANDLE_VALUE;
};

TEST_P(BadInputTest, OpensAndSavesWhatItCan) {
    const BadInput& c = GetParam();
    const std::optional<std::string> settings = c.settingsFile();
    if (settings) {
        folder.Write(L"DoDavev.cfg", *settings);
        AgeByAnHour(folder / L"DoDavev.cfg");
    }
    const std::string configBefore = "exec userconfig.cfg\r\n";
    if (c.configFolder) {
        folder.MakeDirectory(L"cstrike_schinese");
        folder.Write(kConfig, configBefore);
    }
    if (c.obstacle == Obstacle::HeldSettings) Hold(L"DoDavev.cfg");
    if (c.obstacle == Obstacle::HeldConfig) Hold(kConfig);
    if (c.obstacle == Obstacle::ReadOnlySettings) MakeReadOnly(L"DoDavev.cfg");
    if (c.obstacle == Obstacle::ReadOnlyConfig) MakeReadOnly(kConfig);
    if (IsSkipped()) return;

    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    EXPECT_EQ(TextOf(launcher.Control(Control::name)), c.nameBox);
    EXPECT_EQ(TextOf(launcher.Control(Control::name1)), c.setinfoBox);

    const std::array<std::string, 6> values = {"C:\\cs\\cstrike.exe", "CSMate.exe", "玩家 一", "m", "p", "9"};
    for (std::size_t i = 0; i < kBoxes.size(); ++i) SetBox(launcher, kBoxes[i], values[i]);
    Activate(launcher.Window());
    Click(launcher.Control(Control::按钮1));

    const bool settingsWritable = c.obstacle != Obstacle::HeldSettings && c.obstacle != Obstacle::ReadOnlySettings;
    const bool configWritable =
        c.configFolder && c.obstacle != Obstacle::HeldConfig && c.obstacle != Obstacle::ReadOnlyConfig;
    const std::string id = AnsiFromUtf8("玩家 一");
    const std::string block = SaveBlock(id, "m", "p", "9");
    const std::wstring settingsPath = folder / L"DoDavev.cfg";
    // The append is the last step; without it, the settings file shows the save.
    ASSERT_TRUE(WaitUntil(
        [&] {
            return configWritable ? folder.Read(kConfig)->ends_with(block)
                                  : ProfileValue(settingsPath, "sensitivity") == "9";
        },
        30000));
    Settle(launcher);

    if (settingsWritable) {
        std::wstring written = settingsPath;
        if (c.keptPrefix) {
            // The lines ahead of the launcher's section are as they were; the
            // rest is read from a copy of its own, which is quicker to parse.
            const std::string now = *folder.Read(L"DoDavev.cfg");
            EXPECT_EQ(now.compare(0, c.keptPrefix, *settings, 0, c.keptPrefix), 0);
            written = folder / L"tail.cfg";
            WriteFileBytes(written, now.substr(c.keptPrefix));
        }
        for (std::size_t i = 0; i < kKeys.size(); ++i)
            EXPECT_EQ(ProfileValue(written, kKeys[i]), AnsiFromUtf8(values[i])) << kKeys[i];
    } else {
        EXPECT_EQ(folder.Read(L"DoDavev.cfg"), settings);
    }
    if (configWritable) {
        EXPECT_EQ(folder.Read(kConfig), configBefore + "[" + kSection + "]\r\nname=" + id + "\r\n" + block);
    } else if (c.configFolder) {
        EXPECT_EQ(folder.Read(kConfig), configBefore);
    } else {
        EXPECT_FALSE(folder.Exists(L"cstrike_schinese"));
    }

    // Nothing is shown: the window is the launcher's only one.
    EXPECT_EQ(VisibleWindowsOf(launcher.Pid()), std::vector<HWND>{launcher.Window()});
    EXPECT_EQ(launcher.Close(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Settings, BadInputTest, ::testing::ValuesIn(kBadInputs), CaseName);

}  // namespace
