// Start-up and shutdown of the real launcher: its window, its current
// directory, Esc, arguments and copies side by side.
#include <gtest/gtest.h>

#include "harness.h"
#include "screen.h"

namespace {

using namespace driver;
using shell::Control;

const std::string kEmptySaveBlock = "\r\nname \"\"\r\nsetinfo \"\" \"\"\r\nsensitivity \"\"\r\n";

struct StartupTest : LauncherTest {};

TEST_F(StartupTest, WindowHasTitleSizeCentredPositionFrameAndIcons) {
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    const HWND w = launcher.Window();
    EXPECT_EQ(TextOf(w), TitleBytes());
    EXPECT_EQ(TitleBytes(), "\xC4\xAB\xD3\xF0\xC7\xE7\xB4\xA8" "CS\xD7\xA8\xD3\xC3\xB5\xC7\xC2\xBD\xC6\xF7");
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right - r.left, 344);
    EXPECT_EQ(r.bottom - r.top, 431);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 344) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 431) / 2);
    const LONG style = GetWindowLongW(w, GWL_STYLE), ex = GetWindowLongW(w, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(ex & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(ex & WS_EX_TOPMOST);
    EXPECT_EQ(launcher.Close(), 0u);
}

TEST_F(StartupTest, EscClosesWithExitCodeZeroButNotWithShift) {
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    Activate(launcher.Window());
    Key(VK_ESCAPE, /*shift=*/true);
    Key(VK_ESCAPE, false, /*ctrl=*/true);
    Pause(400);
    EXPECT_TRUE(launcher.Running());
    Key(VK_ESCAPE);
    EXPECT_EQ(launcher.WaitForExit(), 0u);
}

// The save appends to the current directory's config.cfg, which shows where
// start-up left the current directory.
TEST_F(StartupTest, CurrentDirectoryBecomesTheLauncherFolderWhateverTheArguments) {
    folder.MakeDirectory(L"game");
    folder.MakeDirectory(L"game\\cstrike_schinese");
    folder.Write(L"game\\cstrike_schinese\\config.cfg", "");
    folder.MakeDirectory(L"elsewhere");
    folder.MakeDirectory(L"elsewhere\\cstrike_schinese");
    folder.Write(L"elsewhere\\cstrike_schinese\\config.cfg", "");
    folder.CopyProgram(L"launcher.exe", L"game\\launcher.exe");

    Launcher launcher(folder / L"game\\launcher.exe",
                      {folder / L"elsewhere", L"-game cstrike +connect 1.2.3.4 /x \"a b\""});
    ASSERT_TRUE(launcher.Started());
    Activate(launcher.Window());
    Click(launcher.Control(Control::按钮1));
    // The launcher folder's config.cfg also receives the name key, as an INI
    // section before the appended block.
    ASSERT_TRUE(WaitUntil([&] { return folder.Read(L"game\\cstrike_schinese\\config.cfg")->ends_with(kEmptySaveBlock); }));
    EXPECT_EQ(folder.Read(L"elsewhere\\cstrike_schinese\\config.cfg"), "");
    EXPECT_EQ(launcher.Close(), 0u);
}

TEST_F(StartupTest, TwoCopiesRunSideBySide) {
    Launcher first(folder);
    Launcher second(folder);
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(second.Started());
    EXPECT_NE(first.Window(), second.Window());
    EXPECT_EQ(second.Close(), 0u);
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(first.Close(), 0u);
}

// The test prefix maps drive R: to a folder of the build.
TEST_F(StartupTest, LauncherAtTheRootOfADrive) {
    const CaseFolder drive = CaseFolder::At(L"R:\\");
    drive.MakeDirectory(L"cstrike_schinese");
    drive.Write(L"cstrike_schinese\\config.cfg", "");
    drive.CopyProgram(L"launcher.exe", L"launcher.exe");
    Launcher launcher(L"R:\\launcher.exe", {BinDirectory(), L""});
    ASSERT_TRUE(launcher.Started());
    Activate(launcher.Window());
    Click(launcher.Control(Control::按钮1));
    // The launcher directory is "R:"; Windows makes R:'s own folder, its root,
    // the current directory, so "R:" + "\\DoDavev.cfg" and the appends meet there.
    EXPECT_TRUE(WaitUntil([&] { return drive.Read(L"cstrike_schinese\\config.cfg")->ends_with(kEmptySaveBlock); }));
    EXPECT_TRUE(drive.Exists(L"DoDavev.cfg"));
    EXPECT_EQ(launcher.Close(), 0u);
}

// A folder of Chinese names can be shorter than MAX_PATH in characters but
// longer in ANSI bytes: the whole path must still give the launcher folder,
// not a folder cut short at 260 bytes.
TEST_F(StartupTest, LauncherFolderLongerThan260BytesIsFoundWhole) {
    std::wstring deep;
    for (int i = 0; i < 9; ++i) {
        deep += (deep.empty() ? L"" : L"\\") + Widen("墨羽晴川测试文件夹第") + static_cast<wchar_t>(L'0' + i) + L"层";
        folder.MakeDirectory(deep);
    }
    const std::wstring exe = folder / (deep + L"\\launcher.exe");
    ASSERT_LT(exe.size(), static_cast<std::size_t>(MAX_PATH));
    ASSERT_GT(Ansi(exe).size(), static_cast<std::size_t>(MAX_PATH));
    folder.MakeDirectory(deep + L"\\cstrike_schinese");
    folder.Write(deep + L"\\cstrike_schinese\\config.cfg", "");
    folder.CopyProgram(L"launcher.exe", deep + L"\\launcher.exe");

    Launcher launcher(exe, {BinDirectory(), L""});
    ASSERT_TRUE(launcher.Started());
    Activate(launcher.Window());
    Click(launcher.Control(Control::按钮1));
    EXPECT_TRUE(WaitUntil([&] {
        return folder.Read(deep + L"\\cstrike_schinese\\config.cfg").value_or("").ends_with(kEmptySaveBlock);
    }));
    EXPECT_TRUE(folder.Exists(deep + L"\\DoDavev.cfg"));
    EXPECT_EQ(launcher.Close(), 0u);
}

TEST_F(StartupTest, ScreenshotOfTheWindowIsSaved) {
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    Activate(launcher.Window());
    const std::wstring artefacts = BinDirectory() + L"\\..\\artifacts";
    CreateDirectoryW(artefacts.c_str(), nullptr);
    const Shot shot = CaptureDrawnWindow(launcher.Window());
    ASSERT_EQ(shot.width, 344);
    EXPECT_TRUE(SavePng(shot, artefacts + L"\\main-window.png"));
    EXPECT_EQ(launcher.Close(), 0u);
}

}  // namespace
