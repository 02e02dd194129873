// What the window derives from its control table: the Tab cycle, each page's
// first focus, stacking, and the identifiers tests find controls by.
#include <gtest/gtest.h>

#include <set>

#include "shell/control_table.h"

namespace {

using shell::Control;

TEST(ControlTable, TabCycleIsTheTableReadUpwardsOverFocusableControls) {
    const std::vector<Control> expected = {
        Control::进入游戏, Control::name,     Control::name1,    Control::name2,    Control::按钮1,
        Control::找CS,     Control::编辑框1,  Control::中文输入机, Control::编辑框3,  Control::输入器选择框,
        Control::窗口模式, Control::单选框1,  Control::单选框2,  Control::单选框3,  Control::持枪方式,
        Control::准星颜色, Control::鼠标速度调节, Control::准星大小, Control::准星透明};
    EXPECT_EQ(shell::TabCycle(), expected);
}

TEST(ControlTable, PagesFocusTheirFirstFocusableRow) {
    EXPECT_EQ(shell::FirstFocusOf(shell::Page::Options), Control::准星透明);
    EXPECT_EQ(shell::FirstFocusOf(shell::Page::Paths), Control::编辑框3);
}

TEST(ControlTable, StackingFollowsTheTableWithinEachParent) {
    EXPECT_EQ(shell::StackingOrder(shell::Parent::Group), (std::vector<Control>{Control::标签3, Control::name2}));
    const auto window = shell::StackingOrder(shell::Parent::Window);
    EXPECT_EQ(window.front(), Control::图片框1);
    EXPECT_EQ(window.back(), Control::分组框1);  // beneath everything drawn inside its frame
}

TEST(ControlTable, NamesAndIdsRoundTripWithoutClashingWithComboChildren) {
    std::set<int> ids;
    for (const shell::ControlDef& d : shell::Controls()) {
        EXPECT_EQ(shell::FindControl(d.name), d.control);
        const int id = shell::ControlId(d.control);
        EXPECT_EQ(shell::ControlFromId(id), d.control);
        EXPECT_TRUE(ids.insert(id).second);
        EXPECT_NE(id, 1000);  // a combo box's list
        EXPECT_NE(id, 1001);  // a combo box's text field
        EXPECT_GT(id, 2);     // IDOK, IDCANCEL
    }
    EXPECT_EQ(shell::FindControl("编辑框1"), Control::编辑框1);
    EXPECT_FALSE(shell::FindControl("编辑框2").has_value());
    EXPECT_FALSE(shell::ControlFromId(shell::ControlId(Control::分组框1) + 1).has_value());
}

}  // namespace
