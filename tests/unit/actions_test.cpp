// Actions that reach Windows only through the window and the stores, run
// against stand-ins that record the order of every store call.
#include <gtest/gtest.h>

#include "actions/actions.h"
#include "fake_ui.h"
#include "recording_stores.h"
#include "shell/window_init.h"
#include "stores/setting_names.h"

namespace {

using shell::Control;
using testing_support::FakeUi;
using testing_support::RecordingStores;

const std::string kWidth(stores::kScreenWidth), kHeight(stores::kScreenHeight),
    kWindowed(stores::kScreenWindowed);
const std::string kGameKey(stores::kKeyGamePath), kToolKey(stores::kKeyToolPath);

struct ActionTest : ::testing::Test {
    FakeUi ui;
    RecordingStores stores;
    actions::ActionContext context{ui, stores, nullptr};
};

TEST_F(ActionTest, SaveWritesSixKeysThenNameKeyThenOneBlock) {
    ui.texts = {{Control::编辑框1, "D:\\CS\\cstrike.exe"}, {Control::编辑框3, "CSMate.exe"},
                {Control::name, " Player \"One\""},    {Control::name1, "pw1"},
                {Control::name2, ""},                  {Control::鼠标速度调节, "fast"}};
    actions::SaveSettings(context);
    const std::vector<std::string> expected = {
        "ini " + kGameKey + "=D:\\CS\\cstrike.exe",
        "ini " + kToolKey + "=CSMate.exe",
        "ini name= Player \"One\"",
        "ini setinfo=pw1",
        "ini userpass=",
        "ini sensitivity=fast",
        "namekey  Player \"One\"",
        "append \r\nname \" Player \"One\"\"\r\nsetinfo \"pw1\" \"\"\r\nsensitivity \"fast\"",
    };
    EXPECT_EQ(stores.calls, expected);
}

TEST_F(ActionTest, InitialisationFillsBoxesWritesToolSettingsThenReadsDisplayMode) {
    stores.settings = {{kGameKey, "E:\\Games\\CS\\cstrike.exe"}, {"name", "abc"}};
    ui.texts[Control::编辑框3] = "CSMate.exe";  // the form's text, replaced even by a missing key
    stores.registryInts = {{kWidth, 800}, {kWindowed, 0}};
    shell::InitializeWindow(context);

    EXPECT_EQ(ui.texts[Control::编辑框1], "E:\\Games\\CS\\cstrike.exe");
    EXPECT_EQ(ui.texts[Control::编辑框3], "");
    EXPECT_EQ(ui.texts[Control::name], "abc");
    const std::vector<std::string> expected = {
        "read " + kGameKey,
        "read " + kToolKey,
        "read name",
        "read setinfo",
        "read userpass",
        "read sensitivity",
        "regsz Software\\SourceTec\\CSMate\\Rcon Say Key=P",
        "regsz Software\\SourceTec\\CSMate\\Say Key=Y",
        "regsz Software\\SourceTec\\CSMate\\Say Team Key=U",
        "regsz Software\\SourceTec\\CSMate\\Send Key=F12",
        "regsz Software\\SourceTec\\CSMate\\Executable File=E:\\Games\\CS\\cstrike.exe",
        "regdw Software\\SourceTec\\CSMate\\Auto IME=0",
        "regdw Software\\SourceTec\\CSMate\\Remember History=1",
        "regdw Software\\SourceTec\\CSMate\\Start Minimized=1",
        "regdw Software\\SourceTec\\CSMate\\Minimize to Tray=1",
        "regdw Software\\SourceTec\\CSMate\\Max History Items=10",
        "regread " + kWindowed,
        "regread " + kWidth,
        "regread " + kWidth,
        "regread " + kWidth,
    };
    EXPECT_EQ(stores.calls, expected);
}

struct DisplayCase {
    std::optional<std::int32_t> width, windowed;
    bool windowedBox, r1024, r800, r640;
};

TEST_F(ActionTest, InitialisationShowsStoredDisplayModeWithFallbacks) {
    const DisplayCase cases[] = {
        {std::nullopt, std::nullopt, true, true, true, true},  // first start: every fallback matches
        {800, 0, false, false, true, false},
        {1280, 1, true, false, false, false},
        {1024, 2, false, true, false, false},
        {640, std::nullopt, true, false, false, true},
    };
    for (const DisplayCase& c : cases) {
        FakeUi freshUi;
        RecordingStores freshStores;
        if (c.width) freshStores.registryInts[kWidth] = *c.width;
        if (c.windowed) freshStores.registryInts[kWindowed] = *c.windowed;
        actions::ActionContext ctx{freshUi, freshStores, nullptr};
        shell::InitializeWindow(ctx);
        SCOPED_TRACE(c.width.value_or(-1));
        EXPECT_EQ(freshUi.checked[Control::窗口模式], c.windowedBox);
        EXPECT_EQ(freshUi.checked[Control::单选框1], c.r1024);
        EXPECT_EQ(freshUi.checked[Control::单选框2], c.r800);
        EXPECT_EQ(freshUi.checked[Control::单选框3], c.r640);
    }
}

TEST_F(ActionTest, ResolutionWritesHeightThenWidthEvenWhenHeightFails) {
    stores.failingPaths = {kHeight};
    actions::Choose800x600(context);
    actions::Choose640x480(context);
    actions::Choose1024x768(context);
    const std::vector<std::string> expected = {
        "regdw " + kHeight + "=600", "regdw " + kWidth + "=800",  "regdw " + kHeight + "=480",
        "regdw " + kWidth + "=640",  "regdw " + kHeight + "=768", "regdw " + kWidth + "=1024",
    };
    EXPECT_EQ(stores.calls, expected);
}

TEST_F(ActionTest, OnlyWidthFailingLeavesHeightAndWidthDisagreeing) {
    stores.registryInts = {{kHeight, 600}, {kWidth, 800}};
    stores.failingPaths = {kWidth};
    actions::Choose1024x768(context);
    EXPECT_EQ(stores.registryInts[kHeight], 768);
    EXPECT_EQ(stores.registryInts[kWidth], 800);
}

TEST_F(ActionTest, WindowedWritesTheBoxStateAfterTheClick) {
    ui.checked[Control::窗口模式] = true;
    actions::ToggleWindowed(context);
    ui.checked[Control::窗口模式] = false;
    actions::ToggleWindowed(context);
    EXPECT_EQ(stores.calls, (std::vector<std::string>{"regdw " + kWindowed + "=1", "regdw " + kWindowed + "=0"}));
}

struct OptionCase {
    actions::Action action;
    Control control;
    int selection;
    std::string line;
};

TEST_F(ActionTest, OptionActionsAppendOneLineBySelectionIndex) {
    const OptionCase cases[] = {
        {actions::ChooseGunHand, Control::持枪方式, 1, "\r\ncl_righthand \"1\""},
        {actions::ChooseGunHand, Control::持枪方式, -1, "\r\ncl_righthand \"\""},
        {actions::ChooseCrosshairColour, Control::准星颜色, 4, "\r\ncl_crosshair_color \"50 250 250\""},
        {actions::ChooseCrosshairColour, Control::准星颜色, 5, "\r\ncl_crosshair_color \"\""},
        {actions::ChooseCrosshairSize, Control::准星大小, 0, "\r\ncl_crosshair_size \"auto\""},
        {actions::ChooseCrosshairSize, Control::准星大小, 3, "\r\ncl_crosshair_size \"large\""},
    };
    for (const OptionCase& c : cases) {
        stores.calls.clear();
        ui.selections[c.control] = c.selection;
        c.action(context);
        EXPECT_EQ(stores.calls, std::vector<std::string>{"append " + c.line});
    }
    stores.calls.clear();
    ui.checked[Control::准星透明] = true;
    actions::ToggleCrosshairTranslucency(context);
    ui.checked[Control::准星透明] = false;
    actions::ToggleCrosshairTranslucency(context);
    EXPECT_EQ(stores.calls, (std::vector<std::string>{"append \r\ncl_crosshair_translucent \"1\"",
                                                      "append \r\ncl_crosshair_translucent \"0\""}));
}

TEST_F(ActionTest, BrowseGamePutsTheDialogFileNameInTheBoxHoweverItEnds) {
    ui.fileNames[Control::通用对话框1] = "cstrike.exe";
    ui.texts[Control::编辑框1] = "typed by hand";
    actions::BrowseGame(context);  // cancelled before any choice
    EXPECT_EQ(ui.texts[Control::编辑框1], "cstrike.exe");
    ui.nextChoice = "E:\\Games\\CS\\cstrike.exe";
    actions::BrowseGame(context);
    ui.nextChoice.clear();
    ui.texts[Control::编辑框1] = "";
    actions::BrowseGame(context);  // cancelled again: the last choice comes back
    EXPECT_EQ(ui.texts[Control::编辑框1], "E:\\Games\\CS\\cstrike.exe");
    EXPECT_EQ(ui.dialogsOpened, 3);
    EXPECT_TRUE(stores.calls.empty());
}

TEST_F(ActionTest, BrowseInputToolTellsTheToolTheGamePathNotItsOwn) {
    ui.fileNames[Control::通用对话框3] = "CSMate.exe";
    ui.texts[Control::编辑框1] = "";
    ui.texts[Control::编辑框3] = "X:\\old\\CSMate.exe";
    actions::BrowseInputTool(context);
    EXPECT_EQ(ui.texts[Control::编辑框3], "CSMate.exe");
    EXPECT_EQ(stores.calls, std::vector<std::string>{"regsz Software\\SourceTec\\CSMate\\Executable File="});
}

}  // namespace
