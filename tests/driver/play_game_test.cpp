// Starting the game (启动游戏) with a fake game that records how it was
// started: the command line, the folder it runs in, the check for
// cstrike.exe in the current directory, the warning, and the save that
// follows in every case.
#include <gtest/gtest.h>

#include "build_values.h"
#include "play_support.h"

namespace {

using namespace play;

const std::string kTail = std::string(" +connect ") + build_values::kServerAddress + ":27016";
const std::string kEmptySaveBlock = "\r\nname \"\"\r\nsetinfo \"\" \"\"\r\nsensitivity \"\"\r\n";
const std::wstring kWarningTitle = Widen("请正确设置游戏路径");
const std::wstring kWarningText = Widen("墨羽晴川提醒您：\r\n没有找到cstrike.exe文件\r\n请正确设置游戏路径\r\n或把登陆器放在游戏根目录下");

std::size_t Count(const std::string& haystack, const std::string& needle) {
    std::size_t n = 0;
    for (auto at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + needle.size())) ++n;
    return n;
}

struct PlayGameTest : LauncherTest {
    void SetUp() override {
        LauncherTest::SetUp();
        ForgetFileDialogFolders();
        MakeGameFolder(L"");
    }
    Fakes fakes{{folder.Path()}};

    // A folder the game's console script can be appended to.
    void MakeGameFolder(const std::wstring& relative) const {
        const std::wstring prefix = relative.empty() ? L"" : relative + L"\\";
        folder.MakeDirectory(prefix + L"cstrike_schinese");
        folder.Write(prefix + L"cstrike_schinese\\config.cfg", "");
    }
    std::string Config(const std::wstring& relative = L"") const {
        return folder.Read((relative.empty() ? L"" : relative + L"\\") + L"cstrike_schinese\\config.cfg").value_or("");
    }
    void ClickStart(const Launcher& l) const {
        Activate(l.Window());
        Click(l.Control(Control::进入游戏));
    }
    // Waits for the warning; checks what it says and how it was made.
    HWND Warning(const Launcher& l) const {
        const HWND box = WaitForDialog(l.Pid());
        if (!box) {
            ADD_FAILURE() << "no warning";
            return nullptr;
        }
        EXPECT_EQ(WideTextOf(box), kWarningTitle);
        EXPECT_EQ(MessageBoxText(box), kWarningText);
        return box;
    }
    void CloseWithEnter(HWND box) const {
        Activate(box);
        Key(VK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "the warning stayed";
    }
};

TEST_F(PlayGameTest, StartsTheGamePathWithTheServerThenSaves) {
    folder.CopyProgram(L"fake_recorder.exe", L"cstrike.exe");
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    const std::string game = Ansi(folder / L"cstrike.exe");
    ASSERT_EQ(game.find(' '), std::string::npos) << "this case needs a path without blanks";
    SetBox(launcher, Control::编辑框1, game);

    ClickStart(launcher);
    ASSERT_TRUE(WaitUntil([&] { return Config().ends_with(kEmptySaveBlock); })) << Config();
    ASSERT_TRUE(WaitUntil([&] { return !RecordedCommandLines(folder / L"cstrike.exe").empty(); }));
    EXPECT_EQ(RecordedCommandLines(folder / L"cstrike.exe"), std::vector<std::string>{game + kTail});
    EXPECT_EQ(RecordedDirectories(folder / L"cstrike.exe"), std::vector<std::string>{folder.AnsiPath()});
    EXPECT_NE(folder.Read(L"DoDavev.cfg").value_or("").find(game), std::string::npos);
    EXPECT_EQ(OtherWindows(launcher), std::vector<std::string>{});
    EXPECT_EQ(launcher.Close(), 0u);
}

// The check looks in the current directory and the command line comes from
// the box: after the game dialog moved the current directory to the game's
// folder, the game is found there and runs there, though the launcher's own
// folder has none.
TEST_F(PlayGameTest, FindsAndRunsTheGameInTheFolderTheGameDialogMovedTo) {
    folder.MakeDirectory(L"games");
    folder.MakeDirectory(L"games\\cs");
    MakeGameFolder(L"games\\cs");
    folder.CopyProgram(L"fake_recorder.exe", L"games\\cs\\cstrike.exe");
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());

    ClickStart(launcher);
    CloseWithEnter(Warning(launcher));
    ASSERT_TRUE(WaitUntil([&] { return Config().ends_with(kEmptySaveBlock); })) << Config();

    const std::wstring game = folder / L"games\\cs\\cstrike.exe";
    ShowPage(launcher, shell::Page::Paths);
    Click(launcher.Control(Control::找CS));
    ChooseFile(WaitForDialog(launcher.Pid()), game);
    ASSERT_TRUE(WaitUntil([&] { return TextOf(launcher.Control(Control::编辑框1)) == Ansi(game); }));

    ClickStart(launcher);
    ASSERT_TRUE(WaitUntil([&] { return !RecordedCommandLines(game).empty() || !OtherWindows(launcher).empty(); }));
    ASSERT_EQ(OtherWindows(launcher), std::vector<std::string>{}) << "the check did not look in the game's folder";
    ASSERT_TRUE(WaitUntil([&] { return Config(L"games\\cs").ends_with(kEmptySaveBlock); })) << Config(L"games\\cs");
    EXPECT_EQ(RecordedCommandLines(game), std::vector<std::string>{Ansi(game) + kTail});
    EXPECT_EQ(RecordedDirectories(game), std::vector<std::string>{Ansi(folder / L"games\\cs")});
    EXPECT_EQ(OtherWindows(launcher), std::vector<std::string>{});
    EXPECT_EQ(launcher.Close(), 0u);
}

// An unquoted path with a blank: Windows reads the words from the left and
// starts the first program they name. (Wine then puts quotes around the
// program part of the line the game sees, so only the tail is compared.)
TEST_F(PlayGameTest, PathWithABlankIsPassedUnquoted) {
    folder.CopyProgram(L"fake_recorder.exe", L"cstrike.exe");  // passes the check; never started
    folder.MakeDirectory(L"my game");
    folder.CopyProgram(L"fake_recorder.exe", L"my game\\cstrike.exe");
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    SetBox(launcher, Control::编辑框1, Ansi(folder / L"my game\\cstrike.exe"));

    ClickStart(launcher);
    ASSERT_TRUE(WaitUntil([&] { return Count(Config(), kEmptySaveBlock) == 1; })) << Config();
    ASSERT_TRUE(WaitUntil([&] { return !RecordedCommandLines(folder / L"my game\\cstrike.exe").empty(); }));
    const auto inFolder = RecordedCommandLines(folder / L"my game\\cstrike.exe");
    ASSERT_EQ(inFolder.size(), 1u);
    EXPECT_TRUE(inFolder[0].ends_with("cstrike.exe" + kTail) || inFolder[0].ends_with("cstrike.exe\"" + kTail))
        << inFolder[0];

    // With "my.exe" beside the folder, the first word names a program.
    folder.CopyProgram(L"fake_recorder.exe", L"my.exe");
    ClickStart(launcher);
    ASSERT_TRUE(WaitUntil([&] { return Count(Config(), kEmptySaveBlock) == 2; })) << Config();
    ASSERT_TRUE(WaitUntil([&] { return !RecordedCommandLines(folder / L"my.exe").empty(); }));
    const auto first = RecordedCommandLines(folder / L"my.exe");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_TRUE(first[0].ends_with(kTail)) << first[0];
    EXPECT_EQ(RecordedCommandLines(folder / L"my game\\cstrike.exe").size(), 1u);
    EXPECT_EQ(RecordedCommandLines(folder / L"cstrike.exe"), std::vector<std::string>{});
    EXPECT_EQ(launcher.Close(), 0u);
}

// The check passes (the folder holds cstrike.exe), but the box names nothing
// that can run: nothing starts, nothing is shown, the save still runs.
TEST_F(PlayGameTest, UnstartableGamePathsStartNothingShowNothingAndSave) {
    folder.CopyProgram(L"fake_recorder.exe", L"cstrike.exe");
    const auto cases = BadPaths(folder);
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    std::size_t saves = 0;
    for (const BadPath& bad : cases) {
        SCOPED_TRACE(bad.what);
        SetBox(launcher, Control::编辑框1, bad.path);
        const auto before = Snapshot();
        ClickStart(launcher);
        ++saves;
        ASSERT_TRUE(WaitUntil([&] { return Count(Config(), kEmptySaveBlock) == saves; })) << Config();
        Settle(launcher);
        EXPECT_EQ(NewProcesses(before, Snapshot()), std::vector<std::string>{});
        EXPECT_EQ(OtherWindows(launcher), std::vector<std::string>{});
        EXPECT_TRUE(launcher.Running());
    }
    EXPECT_EQ(RecordedCommandLines(folder / L"cstrike.exe"), std::vector<std::string>{});
    EXPECT_EQ(launcher.Close(), 0u);
}

// A folder named cstrike.exe does not count. The warning is the only thing
// the launcher ever shows: no owner, task-modal, only OK, no icon. Nothing is
// written while it is open; the whole save follows once it is closed.
TEST_F(PlayGameTest, FolderNamedCstrikeExeWarnsAndSavesOnlyAfterTheWarning) {
    folder.MakeDirectory(L"cstrike.exe");
    folder.CopyProgram(L"fake_recorder.exe", L"cstrike.exe\\cstrike.exe");
    const std::string settings = AnsiFromUtf8("[墨羽晴川]\r\nname=Old\r\n");
    folder.Write(L"DoDavev.cfg", settings);
    folder.Write(L"cstrike_schinese\\config.cfg", "bind x y\r\n");
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    SetBox(launcher, Control::name, "New");

    ClickStart(launcher);
    const HWND box = Warning(launcher);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_FALSE(IsWindowEnabled(launcher.Window())) << "task-modal: the main window waits";
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    for (const int iconId : {0x14, 0x440}) {  // the icon's control on Windows and on Wine
        const HWND icon = GetDlgItem(box, iconId);
        EXPECT_TRUE(!icon || !IsWindowVisible(icon) || !SendMessageW(icon, STM_GETICON, 0, 0)) << iconId;
    }
    Pause(300);
    EXPECT_EQ(folder.Read(L"DoDavev.cfg"), settings);
    EXPECT_EQ(Config(), "bind x y\r\n");

    Activate(box);
    Click(GetDlgItem(box, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return Config().ends_with("\r\nname \"New\"\r\nsetinfo \"\" \"\"\r\nsensitivity \"\"\r\n"); }))
        << Config();
    EXPECT_NE(folder.Read(L"DoDavev.cfg").value_or("").find("name=New"), std::string::npos);
    EXPECT_TRUE(IsWindowEnabled(launcher.Window()));
    EXPECT_EQ(RecordedCommandLines(folder / L"cstrike.exe\\cstrike.exe"), std::vector<std::string>{});
    EXPECT_EQ(launcher.Close(), 0u);
}

// A current directory of double-byte names can hold fewer than 260
// characters but more than 260 GBK bytes. It is read whole: the check finds
// cstrike.exe there, the game runs there and the appends land there, not at
// the root of the drive (R: here), where a directory cut short or not
// reported at all would send them.
TEST_F(PlayGameTest, CurrentDirectoryLongerThan260BytesIsUsedWhole) {
    const CaseFolder drive = CaseFolder::At(L"R:\\");
    drive.MakeDirectory(L"cstrike_schinese");
    drive.Write(L"cstrike_schinese\\config.cfg", "");
    const std::wstring name = Widen("墨羽晴川专用登陆器游戏路径") + Widen("墨羽晴川专用登陆器游戏路径") +
                              Widen("墨羽晴川专用登陆器游戏路径");  // 39 characters, 78 GBK bytes
    std::wstring deep = L"R:";
    for (int i = 0; i < 4; ++i) {
        deep += L"\\" + name;
        CreateDirectoryW(deep.c_str(), nullptr);
    }
    const std::string deepAnsi = Ansi(deep);
    ASSERT_GT(deepAnsi.size(), 260u);
    ASSERT_LT(deep.size(), 200u);
    // Wine's GetModuleFileNameA cuts a GBK path one byte short of 260, and
    // reports no error, when the 260th byte would split a character; the
    // launcher then takes the folder above for its own. This path has a
    // character boundary at byte 260.
    const std::wstring exe = deep + L"\\launcher.exe";
    bool boundaryAt260 = false;
    for (std::size_t k = 1; k <= exe.size(); ++k) boundaryAt260 |= Ansi(exe.substr(0, k)).size() == 260;
    ASSERT_TRUE(boundaryAt260);
    const std::wstring game = deep + L"\\cstrike.exe";
    ASSERT_TRUE(CopyFileW((BinDirectory() + L"\\launcher.exe").c_str(), exe.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((BinDirectory() + L"\\fake_recorder.exe").c_str(), game.c_str(), FALSE));
    CreateDirectoryW((deep + L"\\cstrike_schinese").c_str(), nullptr);
    WriteFileBytes(deep + L"\\cstrike_schinese\\config.cfg", "");
    Fakes rootFakes{{L"R:"}};

    Launcher launcher(exe);
    ASSERT_TRUE(launcher.Started());
    SetBox(launcher, Control::编辑框1, Ansi(game));
    ClickStart(launcher);
    ASSERT_TRUE(WaitUntil([&] { return !RecordedCommandLines(game).empty() || !OtherWindows(launcher).empty(); }));
    ASSERT_EQ(OtherWindows(launcher), std::vector<std::string>{}) << "the check did not look in the long folder";
    EXPECT_EQ(RecordedCommandLines(game), std::vector<std::string>{Ansi(game) + kTail});
    EXPECT_EQ(RecordedDirectories(game), std::vector<std::string>{deepAnsi});
    EXPECT_TRUE(WaitUntil([&] {
        return ReadFileBytes(deep + L"\\cstrike_schinese\\config.cfg").value_or("").ends_with(kEmptySaveBlock);
    }));
    EXPECT_EQ(drive.Read(L"cstrike_schinese\\config.cfg"), "");
    EXPECT_NE(GetFileAttributesW((deep + L"\\DoDavev.cfg").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(launcher.Close(), 0u);
    DeleteTree(L"R:\\" + name);
}

}  // namespace
