// The open-file dialogs: Cancel keeps the file name, a confirmed file gives
// its full path and moves the current directory to its folder.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

using namespace driver;
using shell::Control;

struct FileDialogTest : LauncherTest {};

TEST_F(FileDialogTest, GameDialogCancelThenChooseThenCancel) {
    folder.MakeDirectory(L"games");
    folder.MakeDirectory(L"games\\cs");
    folder.CopyProgram(L"fake_recorder.exe", L"games\\cs\\cstrike.exe");
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    ShowPage(launcher, shell::Page::Paths);
    const HWND box = launcher.Control(Control::编辑框1);

    Click(launcher.Control(Control::找CS));
    CancelDialog(WaitForDialog(launcher.Pid()));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(box) == "cstrike.exe"; })) << TextOf(box);

    const std::wstring chosen = folder / L"games\\cs\\cstrike.exe";
    Click(launcher.Control(Control::找CS));
    ChooseFile(WaitForDialog(launcher.Pid()), chosen);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(box) == Ansi(chosen); })) << TextOf(box);

    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed"));
    Click(launcher.Control(Control::找CS));
    CancelDialog(WaitForDialog(launcher.Pid()));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(box) == Ansi(chosen); })) << TextOf(box);
    EXPECT_EQ(launcher.Close(), 0u);
}

// A confirmed file moves the current directory to its folder: the save's
// append then lands in that folder's config.cfg. The next opening of the
// same dialog starts from the chosen path; the other dialog keeps its own.
TEST_F(FileDialogTest, ToolDialogMovesTheCurrentDirectoryAndRemembersItsChoice) {
    for (const wchar_t* dir : {L"cstrike_schinese", L"tools", L"tools\\cstrike_schinese"}) folder.MakeDirectory(dir);
    folder.Write(L"cstrike_schinese\\config.cfg", "");
    folder.Write(L"tools\\cstrike_schinese\\config.cfg", "");
    folder.CopyProgram(L"fake_recorder.exe", L"tools\\CSMate.exe");
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    ShowPage(launcher, shell::Page::Paths);
    const HWND toolBox = launcher.Control(Control::编辑框3);

    Click(launcher.Control(Control::中文输入机));
    CancelDialog(WaitForDialog(launcher.Pid()));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(toolBox) == "CSMate.exe"; })) << TextOf(toolBox);

    const std::wstring chosen = folder / L"tools\\CSMate.exe";
    Click(launcher.Control(Control::中文输入机));
    ChooseFile(WaitForDialog(launcher.Pid()), chosen);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(toolBox) == Ansi(chosen); })) << TextOf(toolBox);

    Click(launcher.Control(Control::按钮1));
    EXPECT_TRUE(WaitUntil([&] { return folder.Read(L"tools\\cstrike_schinese\\config.cfg") != ""; }));
    // The launcher's own config.cfg still gets the name key, but no block.
    EXPECT_EQ(folder.Read(L"cstrike_schinese\\config.cfg")->find("sensitivity"), std::string::npos);

    Click(launcher.Control(Control::中文输入机));
    const HWND again = WaitForDialog(launcher.Pid());
    ASSERT_NE(again, nullptr);
    // It opens in the chosen file's folder (its "look in" box) with the
    // file's name in the name field.
    EXPECT_EQ(WideTextOf(GetDlgItem(again, 0x471)), L"tools");
    EXPECT_EQ(WideTextOf(GetDlgItem(again, 0x47C)), L"CSMate.exe");
    CancelDialog(again);

    Click(launcher.Control(Control::找CS));  // the game dialog has chosen nothing yet
    CancelDialog(WaitForDialog(launcher.Pid()));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(launcher.Control(Control::编辑框1)) == "cstrike.exe"; }));
    EXPECT_EQ(launcher.Close(), 0u);
}

}  // namespace
