// The input tool's check box (开启中文输入) with a fake tool that keeps
// running: every tick starts the program in the tool path box once more,
// every clear ends the first running CSMate.exe and nothing else.
#include <gtest/gtest.h>

#include "play_support.h"

namespace {

using namespace play;

struct PlayToolTest : LauncherTest {
    Fakes fakes{{folder.Path()}};

    std::wstring Tool() const { return folder / L"CSMate.exe"; }
    std::vector<DWORD> ToolsRunning() const { return PidsNamed(L"CSMate.exe"); }
};

TEST_F(PlayToolTest, TickStartsOneMoreClearEndsTheFirstOnly) {
    folder.CopyProgram(L"fake_resident.exe", L"CSMate.exe");
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    SetBox(launcher, Control::编辑框3, Ansi(Tool()));

    ClickCheckBox(launcher, Control::输入器选择框);  // tick
    ASSERT_TRUE(WaitUntil([&] { return RecordedCommandLines(Tool()).size() == 1; }));
    EXPECT_EQ(RecordedCommandLines(Tool()), std::vector<std::string>{Ansi(Tool())});
    EXPECT_EQ(RecordedDirectories(Tool()), std::vector<std::string>{folder.AnsiPath()});
    const std::vector<DWORD> first = fakes.Adopt();
    ASSERT_EQ(first.size(), 1u);
    ClickCheckBox(launcher, Control::输入器选择框);  // clear
    EXPECT_TRUE(fakes.Ended(first[0]));

    ClickCheckBox(launcher, Control::输入器选择框);  // tick: one more
    ASSERT_TRUE(WaitUntil([&] { return RecordedCommandLines(Tool()).size() == 2; }));
    const std::vector<DWORD> second = fakes.Adopt();
    ASSERT_EQ(second.size(), 1u);
    const DWORD own = fakes.Start(Tool());  // a second copy, started beside the launcher
    ASSERT_EQ(ToolsRunning().size(), 2u);
    const DWORD firstInSnapshot = ToolsRunning().front();

    ClickCheckBox(launcher, Control::输入器选择框);  // clear: exactly one ends
    EXPECT_TRUE(fakes.Ended(firstInSnapshot));
    EXPECT_EQ(ToolsRunning().size(), 1u);
    EXPECT_TRUE(fakes.Alive(firstInSnapshot == own ? second[0] : own));
    EXPECT_EQ(OtherWindows(launcher), std::vector<std::string>{});
    EXPECT_EQ(launcher.Close(), 0u);
}

// The name is compared with ASCII letters folded and nothing else: csmate.EXE
// is the tool, CSMate.exe.bak and CSMate are not. The box's empty path starts
// nothing and the box stays ticked; a clear with no tool running ends nothing.
TEST_F(PlayToolTest, OnlyTheToolsNameInAnyCaseIsEnded) {
    const std::wstring names[] = {L"CSMate.exe.bak", L"CSMate", L"csmate.EXE"};
    std::vector<DWORD> pids;
    for (const std::wstring& name : names) {
        folder.CopyProgram(L"fake_resident.exe", name);
        pids.push_back(fakes.Start(folder / name));
    }
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    SetBox(launcher, Control::编辑框3, "");
    const HWND box = launcher.Control(Control::输入器选择框);

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "csmate.EXE running" : "no tool running");
        const auto before = Snapshot();
        ClickCheckBox(launcher, Control::输入器选择框);  // tick with an empty path
        EXPECT_TRUE(IsChecked(box));
        EXPECT_EQ(NewProcesses(before, Snapshot()), std::vector<std::string>{});
        EXPECT_EQ(OtherWindows(launcher), std::vector<std::string>{});

        ClickCheckBox(launcher, Control::输入器选择框);  // clear
        EXPECT_FALSE(IsChecked(box));
        if (round == 0) {
            EXPECT_TRUE(fakes.Ended(pids[2]));
        }
        EXPECT_TRUE(fakes.Alive(pids[0]));
        EXPECT_TRUE(fakes.Alive(pids[1]));
        EXPECT_TRUE(launcher.Running());
    }
    EXPECT_EQ(launcher.Close(), 0u);
}

// Tool paths that cannot start: nothing starts, nothing is shown, the box
// stays ticked, and the clear after it ends no process of the test's.
TEST_F(PlayToolTest, UnstartableToolPathsStartNothing) {
    const auto cases = BadPaths(folder);
    folder.CopyProgram(L"fake_resident.exe", L"CSMate.exe.bak");
    const DWORD bystander = fakes.Start(folder / L"CSMate.exe.bak");
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    const HWND box = launcher.Control(Control::输入器选择框);
    for (const BadPath& bad : cases) {
        SCOPED_TRACE(bad.what);
        SetBox(launcher, Control::编辑框3, bad.path);
        const auto before = Snapshot();
        ClickCheckBox(launcher, Control::输入器选择框);
        EXPECT_TRUE(IsChecked(box));
        EXPECT_EQ(NewProcesses(before, Snapshot()), std::vector<std::string>{});
        EXPECT_EQ(OtherWindows(launcher), std::vector<std::string>{});
        ClickCheckBox(launcher, Control::输入器选择框);
        EXPECT_TRUE(launcher.Running());
    }
    EXPECT_TRUE(fakes.Alive(bystander));
    EXPECT_EQ(launcher.Close(), 0u);
}

}  // namespace
