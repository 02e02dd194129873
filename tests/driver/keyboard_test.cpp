// The window's own keys, whatever control has the focus: Tab and Shift+Tab,
// the radio arrows, Enter, Space and Esc; and switching pages.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

using namespace driver;
using shell::Control;

struct KeyboardTest : LauncherTest {
    void SetUp() override {
        LauncherTest::SetUp();
        folder.MakeDirectory(L"cstrike_schinese");
        folder.Write(L"cstrike_schinese\\config.cfg", "");
        launcher = std::make_unique<Launcher>(folder);
        ASSERT_TRUE(launcher->Started());
        Activate(launcher->Window());
    }
    void TearDown() override {
        if (launcher && launcher->Running()) {
            EXPECT_EQ(launcher->Close(), 0u);
        }
    }

    std::optional<Control> Focus() const { return launcher->FocusedControl(); }
    bool FocusIs(Control c) const {
        return WaitUntil([&] { return Focus() == c; }, 2000);
    }
    // Presses Tab (or Shift+Tab) `count` times and lists where the focus went.
    std::vector<Control> Walk(int count, bool backwards) {
        std::vector<Control> visited;
        for (int i = 0; i < count; ++i) {
            const auto before = Focus();
            Key(VK_TAB, backwards);
            WaitUntil([&] { return Focus() != before; }, 2000);
            visited.push_back(Focus().value_or(Control::分组框1));
        }
        return visited;
    }
    std::string Config() const { return folder.Read(L"cstrike_schinese\\config.cfg").value_or("?"); }

    std::unique_ptr<Launcher> launcher;
};

TEST_F(KeyboardTest, TabCyclesOverTheShownPageFromTheStartButton) {
    ASSERT_TRUE(FocusIs(Control::进入游戏));
    const std::vector<Control> options = {
        Control::name,     Control::name1,    Control::name2,    Control::按钮1,    Control::输入器选择框,
        Control::窗口模式, Control::单选框1,  Control::单选框2,  Control::单选框3,  Control::持枪方式,
        Control::准星颜色, Control::鼠标速度调节, Control::准星大小, Control::准星透明, Control::进入游戏};
    EXPECT_EQ(Walk(15, false), options);
    std::vector<Control> back(options.rbegin() + 1, options.rend());
    back.push_back(Control::进入游戏);
    EXPECT_EQ(Walk(15, true), back);

    ShowPage(*launcher, shell::Page::Paths);
    ASSERT_TRUE(FocusIs(Control::编辑框3));
    const std::vector<Control> paths = {Control::进入游戏, Control::name,   Control::name1,
                                        Control::name2,    Control::按钮1,  Control::找CS,
                                        Control::编辑框1,  Control::中文输入机, Control::编辑框3};
    EXPECT_EQ(Walk(9, false), paths);
}

TEST_F(KeyboardTest, PagesShowTheirControlsAndFocusTheirFirst) {
    ShowPage(*launcher, shell::Page::Paths);
    ASSERT_TRUE(FocusIs(Control::编辑框3));
    for (const shell::ControlDef& d : shell::Controls()) {
        if (d.parent == shell::Parent::Tab) {
            EXPECT_EQ(IsWindowVisible(launcher->Control(d.control)) != FALSE, d.page == shell::Page::Paths) << d.name;
        }
    }
    ShowPage(*launcher, shell::Page::Options);
    ASSERT_TRUE(FocusIs(Control::准星透明));
    EXPECT_FALSE(IsWindowVisible(launcher->Control(Control::编辑框1)));
    EXPECT_TRUE(IsWindowVisible(launcher->Control(Control::单选框1)));
    EXPECT_EQ(Config(), "");  // a page change runs no action
}

TEST_F(KeyboardTest, ArrowsMoveTheCheckAroundTheThreeRadios) {
    Click(launcher->Control(Control::单选框1));
    ASSERT_TRUE(FocusIs(Control::单选框1));
    struct Step {
        WORD key;
        Control to;
    };
    const Step steps[] = {{VK_DOWN, Control::单选框2}, {VK_RIGHT, Control::单选框3}, {VK_DOWN, Control::单选框1},
                          {VK_UP, Control::单选框3},   {VK_LEFT, Control::单选框2}};
    for (const Step& s : steps) {
        Key(s.key);
        ASSERT_TRUE(FocusIs(s.to)) << shell::Def(s.to).name;
        for (const Control r : {Control::单选框1, Control::单选框2, Control::单选框3})
            EXPECT_EQ(IsChecked(launcher->Control(r)), r == s.to) << shell::Def(r).name;
    }
}

TEST_F(KeyboardTest, EnterDoesNothingAndSpaceClicks) {
    ASSERT_TRUE(FocusIs(Control::进入游戏));
    // From the start button Tab reaches the save button four steps on.
    for (int i = 0; i < 4; ++i) Key(VK_TAB);
    ASSERT_TRUE(FocusIs(Control::按钮1));
    Key(VK_RETURN);
    Pause(300);
    EXPECT_EQ(Focus(), Control::按钮1);
    EXPECT_EQ(Config(), "");
    Key(VK_SPACE);
    // The launcher's own folder is also the current directory here, so the
    // save's name key lands in the same file before the block.
    EXPECT_TRUE(WaitUntil([&] { return Config().ends_with("\r\nname \"\"\r\nsetinfo \"\" \"\"\r\nsensitivity \"\"\r\n"); }));
}

TEST_F(KeyboardTest, EscClosesFromAnyControl) {
    Click(launcher->Control(Control::准星颜色));  // the text field of a combo box
    Key(VK_ESCAPE, false, false, true);  // Alt+Esc is not Esc
    Pause(300);
    ASSERT_TRUE(launcher->Running());
    Activate(launcher->Window());
    Click(launcher->Control(Control::鼠标速度调节));
    Key(VK_ESCAPE);
    EXPECT_EQ(launcher->WaitForExit(), 0u);
}

TEST_F(KeyboardTest, PasswordBoxesShowStarsAndGiveWhatWasTyped) {
    Click(launcher->Control(Control::name1));
    TypeText("s3cret pw");
    const HWND box = launcher->Control(Control::name1);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(box) == "s3cret pw"; })) << TextOf(box);
    EXPECT_EQ(SendMessageW(box, EM_GETPASSWORDCHAR, 0, 0), L'*');
}

TEST_F(KeyboardTest, TypingInAComboRaisesNothingAndTheKeyboardChoosesAnItem) {
    const HWND combo = launcher->Control(Control::准星颜色);
    Click(combo);
    TypeText("abc");
    Pause(200);
    EXPECT_EQ(SelectionOf(combo), -1);
    EXPECT_EQ(Config(), "");
    Key(VK_F4);  // drop the list down
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return SelectionOf(combo) >= 0 && Config() != ""; }));
    // The line's value is the one of the selected index, whichever it is.
    const int index = SelectionOf(combo);
    const char* values[] = {"50 250 50", "250 50 50", "50 50 250", "250 250 50", "50 250 250"};
    ASSERT_GE(index, 0);
    EXPECT_EQ(Config(), std::string("\r\ncl_crosshair_color \"") + values[index] + "\"\r\n");
}

}  // namespace
