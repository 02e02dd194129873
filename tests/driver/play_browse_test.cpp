// Browsing for the game (CS路径) and for the input tool (中文输入机): the box
// receives the dialog's file name however the dialog ended, a confirmed file
// moves the current directory to its folder (where the save's append then
// lands), and the tool's browse tells the tool the game path.
#include <gtest/gtest.h>

#include "play_support.h"

namespace {

using namespace play;

struct Browse {
    Control button, box;
    std::string preset;      // the dialog's file name before any choice
    std::wstring chosen;     // relative to the case folder
    bool tellsTheTool;       // writes the game path to Executable File
};

struct PlayBrowseTest : LauncherTest {
    void SetUp() override {
        LauncherTest::SetUp();
        ForgetFileDialogFolders();  // a first use: no folder the dialog remembers
    }

    void MakeGameFolder(const std::wstring& relative) const {
        const std::wstring prefix = relative.empty() ? L"" : relative + L"\\";
        folder.MakeDirectory(prefix + L"cstrike_schinese");
        folder.Write(prefix + L"cstrike_schinese\\config.cfg", "");
    }
    // Saves with a player ID of its own, so the appended block shows which
    // folder was current.
    void SaveAs(const Launcher& l, const std::string& id) const {
        SetBox(l, Control::name, id);
        Activate(l.Window());
        Click(l.Control(Control::按钮1));
        ASSERT_TRUE(WaitUntil([&] { return DoDavev().find("name=" + id) != std::string::npos; })) << DoDavev();
        Settle(l);
    }
    std::string DoDavev() const { return folder.Read(L"DoDavev.cfg").value_or(""); }
    bool LandedIn(const std::wstring& relative, const std::string& id) const {
        const std::wstring prefix = relative.empty() ? L"" : relative + L"\\";
        const auto config = folder.Read(prefix + L"cstrike_schinese\\config.cfg").value_or("");
        return config.find("\r\nname \"" + id + "\"\r\n") != std::string::npos;
    }
    void BrowseAndCancel(const Launcher& l, const Browse& b) const {
        Click(l.Control(b.button));
        CancelDialog(WaitForDialog(l.Pid()));
        Settle(l);  // the rest of the action, the tool's registry write included
    }

    // Cancel on first use, a choice, Cancel again; a save after each.
    void CancelChooseCancel(const Browse& b) const;
};

void PlayBrowseTest::CancelChooseCancel(const Browse& b) const {
    const std::wstring chosenFolder = b.chosen.substr(0, b.chosen.find_last_of(L'\\'));
    folder.MakeDirectory(chosenFolder.substr(0, chosenFolder.find(L'\\')));
    folder.MakeDirectory(chosenFolder);
    folder.Write(b.chosen, "");
    MakeGameFolder(L"");
    MakeGameFolder(chosenFolder);
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    ShowPage(launcher, shell::Page::Paths);
    const HWND box = launcher.Control(b.box);
    // What the tool's browse writes: the game box's text, not the tool's.
    const auto expectToolValue = [&](const std::string& gamePath) {
        if (!b.tellsTheTool) return;
        const auto value = ReadValue(kToolKey, L"Executable File");
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(value->data, gamePath + '\0');
    };

    // First use: Cancel gives the preset name, and the folder stays.
    SetBox(launcher, b.box, "typed by hand");
    SetBox(launcher, Control::编辑框1, "D:\\CS\\cstrike.exe");
    BrowseAndCancel(launcher, b);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(box) == b.preset; })) << TextOf(box);
    expectToolValue(TextOf(launcher.Control(Control::编辑框1)));
    SaveAs(launcher, "first");
    EXPECT_TRUE(LandedIn(L"", "first"));

    // A choice: its full path, and its folder becomes the current one.
    SetBox(launcher, Control::编辑框1, "");
    Click(launcher.Control(b.button));
    ChooseFile(WaitForDialog(launcher.Pid()), folder / b.chosen);
    Settle(launcher);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(box) == Ansi(folder / b.chosen); })) << TextOf(box);
    expectToolValue(TextOf(launcher.Control(Control::编辑框1)));
    SaveAs(launcher, "second");
    EXPECT_TRUE(LandedIn(chosenFolder, "second"));

    // Cancel again: the last choice comes back, the folder stays where it is.
    SetBox(launcher, b.box, "typed by hand");
    SetBox(launcher, Control::编辑框1, "E:\\Games\\cstrike.exe");
    BrowseAndCancel(launcher, b);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(box) == Ansi(folder / b.chosen); })) << TextOf(box);
    expectToolValue(TextOf(launcher.Control(Control::编辑框1)));
    SaveAs(launcher, "third");
    EXPECT_TRUE(LandedIn(chosenFolder, "third"));
    EXPECT_FALSE(LandedIn(L"", "second"));
    EXPECT_FALSE(LandedIn(L"", "third"));
    EXPECT_EQ(launcher.Close(), 0u);
}

TEST_F(PlayBrowseTest, GameDialog) {
    CancelChooseCancel({Control::找CS, Control::编辑框1, "cstrike.exe", L"games\\cs\\cstrike.exe", false});
}

TEST_F(PlayBrowseTest, InputToolDialogAlsoTellsTheToolTheGamePath) {
    CancelChooseCancel(
        {Control::中文输入机, Control::编辑框3, "CSMate.exe", L"tools\\ime\\CSMate.exe", true});
}

// The dialog's own folder follows the player around while it is open (Wine,
// and Windows' classic dialog, change the current directory with it). Only a
// confirmed file may move the current directory; looking elsewhere and then
// cancelling leaves it where it was.
TEST_F(PlayBrowseTest, LookingInAnotherFolderThenCancellingLeavesTheCurrentDirectory) {
    MakeGameFolder(L"");
    folder.MakeDirectory(L"other");
    MakeGameFolder(L"other");
    Launcher launcher(folder);
    ASSERT_TRUE(launcher.Started());
    ShowPage(launcher, shell::Page::Paths);
    Click(launcher.Control(Control::找CS));
    const HWND dialog = WaitForDialog(launcher.Pid());
    ASSERT_NE(dialog, nullptr);
    const HWND field = FileNameField(dialog);
    Activate(dialog);
    Click(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    TypeText(Narrow(folder / L"other"));
    ASSERT_TRUE(WaitUntil([&] { return WideTextOf(field) == folder / L"other"; }));
    Key(VK_RETURN);  // a folder's path opens the folder in the dialog
    constexpr int kLookIn = 0x471;  // cmb2: the folder the dialog shows
    ASSERT_TRUE(WaitUntil([&] { return WideTextOf(GetDlgItem(dialog, kLookIn)) == L"other"; }));
    CancelDialog(dialog);

    EXPECT_EQ(TextOf(launcher.Control(Control::编辑框1)), "cstrike.exe");
    SaveAs(launcher, "after");
    EXPECT_TRUE(LandedIn(L"", "after"));
    EXPECT_FALSE(LandedIn(L"other", "after"));
    EXPECT_EQ(launcher.Close(), 0u);
}

}  // namespace
