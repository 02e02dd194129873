// The open-file dialogs: Cancel keeps the file name, a confirmed file gives
// its full path and moves the current directory to its folder.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

using namespace driver;
using shell::Control;

struct FileDialogTest : ::testing::Test {
    void SetUp() override { ResetLauncherKeys(); }
    CaseFolder folder;

    void ShowPathsPage(Launcher& l) {
        Activate(l.Window());
        const HWND tab = l.Control(Control::选择夹1);
        RECT r;
        GetWindowRect(tab, &r);
        ClickAt(r.left + 100, r.top + 10);  // the header of the second page
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(l.Control(Control::找CS)) != FALSE; }));
    }
};

TEST_F(FileDialogTest, GameDialogCancelThenChooseThenCancel) {
    folder.MakeDirectory(L"games");
    folder.MakeDirectory(L"games\\cs");
    folder.CopyProgram(L"fake_recorder.exe", L"games\\cs\\cstrike.exe");
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    ShowPathsPage(launcher);
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

}  // namespace
