// The gun-hand and crosshair options: every choice made with the mouse or the
// keyboard appends its console line to the current directory's config.cfg,
// byte for byte, even when the same choice is made again. An index no table
// names cannot be chosen through the window (the lists hold exactly the
// tables' items); the Windows-free tests cover it.
#include <gtest/gtest.h>

#include "play_support.h"

namespace {

using namespace play;

struct Choice {
    Control list;
    int index;
    By by;
    std::string line;  // what the choice appends, CR LF included
};

struct PlayOptionsTest : LauncherTest {
    void SetUp() override {
        LauncherTest::SetUp();
        folder.MakeDirectory(L"cstrike_schinese");
        folder.Write(L"cstrike_schinese\\config.cfg", "bind w +forward\r\n");
    }
    std::string Config() const { return folder.Read(L"cstrike_schinese\\config.cfg").value_or(""); }
};

TEST_F(PlayOptionsTest, EachChoiceAppendsItsLine) {
    const Choice choices[] = {
        {Control::持枪方式, 1, By::Mouse, "\r\ncl_righthand \"1\"\r\n"},
        {Control::持枪方式, 0, By::Keyboard, "\r\ncl_righthand \"0\"\r\n"},
        {Control::准星颜色, 4, By::Mouse, "\r\ncl_crosshair_color \"50 250 250\"\r\n"},
        {Control::准星颜色, 0, By::Keyboard, "\r\ncl_crosshair_color \"50 250 50\"\r\n"},
        {Control::准星颜色, 3, By::Keyboard, "\r\ncl_crosshair_color \"250 250 50\"\r\n"},
        {Control::准星大小, 0, By::Mouse, "\r\ncl_crosshair_size \"auto\"\r\n"},
        {Control::准星大小, 3, By::Keyboard, "\r\ncl_crosshair_size \"large\"\r\n"},
        {Control::准星大小, 3, By::Mouse, "\r\ncl_crosshair_size \"large\"\r\n"},  // again: one more line
    };
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    std::string expected = Config();
    for (const Choice& c : choices) {
        SCOPED_TRACE(std::string(shell::Def(c.list).name) + " " + std::to_string(c.index));
        ChooseItem(launcher, c.list, c.index, c.by);
        expected += c.line;
        EXPECT_TRUE(WaitUntil([&] { return Config() == expected; })) << Config();
    }

    // The translucency box, ticked then cleared.
    ClickCheckBox(launcher, Control::准星透明);
    expected += "\r\ncl_crosshair_translucent \"1\"\r\n";
    EXPECT_TRUE(WaitUntil([&] { return Config() == expected; })) << Config();
    ClickCheckBox(launcher, Control::准星透明);
    expected += "\r\ncl_crosshair_translucent \"0\"\r\n";
    EXPECT_TRUE(WaitUntil([&] { return Config() == expected; })) << Config();
    EXPECT_EQ(launcher.Close(), 0u);
}

// Typing into a list's text field is no choice. The typing is handled before
// the choice that follows it, so the file then holds the choice's line only.
TEST_F(PlayOptionsTest, TypingInAListsTextFieldAppendsNothing) {
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    const HWND list = launcher.Control(Control::准星颜色);
    Activate(launcher.Window());
    RECT r;
    GetWindowRect(list, &r);
    ClickAt(r.left + 10, (r.top + r.bottom) / 2);
    SendMessageW(list, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    TypeText("250 50 50");
    ASSERT_TRUE(WaitUntil([&] { return TextOf(list) == "250 50 50"; })) << TextOf(list);

    const std::string before = Config();
    ChooseItem(launcher, Control::准星大小, 1, By::Mouse);
    EXPECT_TRUE(WaitUntil([&] { return Config() == before + "\r\ncl_crosshair_size \"small\"\r\n"; })) << Config();
    EXPECT_EQ(launcher.Close(), 0u);
}

}  // namespace
