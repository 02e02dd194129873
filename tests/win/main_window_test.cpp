// The main window built in this process, with stores that record every call:
// fonts, icons, the pictures carried as resources, and which inputs run
// actions and which do not.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>

#include "actions/process_entry.h"
#include "recording_stores.h"
#include "resource_ids.h"
#include "shell/file_dialog.h"
#include "shell/main_window.h"

namespace {

using shell::Control;

struct MainWindowTest : ::testing::Test {
    testing_support::RecordingStores stores;
    actions::ProcessEntryRecord record{};
    shell::MainWindow window{GetModuleHandleW(nullptr), stores, &record};

    void SetUp() override {
        ASSERT_TRUE(window.Create());
        window.Show();
        stores.calls.clear();  // what the initialisation did is tested elsewhere
    }
    HWND W(Control c) { return window.Window(c); }
};

LOGFONTW FontOf(HWND h) {
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf;
}

TEST_F(MainWindowTest, FontsFollowTheLooksTable) {
    const std::pair<Control, const wchar_t*> bold[] = {
        {Control::标签1, L"新宋体"}, {Control::标签2, L"新宋体"},   {Control::标签3, L"新宋体"},
        {Control::进入游戏, L"新宋体"}, {Control::超级链接框1, L"新宋体"}, {Control::按钮1, L"宋体"},
    };
    for (const auto& [control, face] : bold) {
        const LOGFONTW lf = FontOf(W(control));
        EXPECT_STREQ(lf.lfFaceName, face) << shell::Def(control).name;
        EXPECT_EQ(lf.lfHeight, -12);
        EXPECT_EQ(lf.lfWeight, 700);
        EXPECT_EQ(lf.lfQuality, PROOF_QUALITY);
    }
    const auto guiFont = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const Control c : {Control::name, Control::标签5, Control::准星大小, Control::分组框1, Control::选择夹1})
        EXPECT_EQ(SendMessageW(W(c), WM_GETFONT, 0, 0), static_cast<LRESULT>(guiFont)) << shell::Def(c).name;
}

TEST_F(MainWindowTest, WindowIconsAreSetLargeAndSmall) {
    const std::pair<WPARAM, int> icons[] = {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}};
    for (const auto& [which, metric] : icons) {
        const auto icon = reinterpret_cast<HICON>(SendMessageW(window.Hwnd(), WM_GETICON, which, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bm{};
        GetObjectW(info.hbmColor, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, GetSystemMetrics(metric));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

TEST_F(MainWindowTest, LinkPointerIsAOneBitHandWithItsHotSpot) {
    const HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_HAND));
    ASSERT_NE(hand, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_EQ(info.xHotspot, 6u);
    EXPECT_EQ(info.yHotspot, 1u);
    EXPECT_EQ(info.hbmColor, nullptr);  // monochrome: one mask holds AND and XOR halves
    BITMAP bm{};
    GetObjectW(info.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 32);
    EXPECT_EQ(bm.bmHeight, 64);
    DeleteObject(info.hbmMask);
}

TEST_F(MainWindowTest, WritesFromCodeRaiseNoEvents) {
    for (const Control c : {Control::单选框1, Control::单选框2, Control::单选框3, Control::窗口模式,
                            Control::准星透明, Control::输入器选择框}) {
        window.SetChecked(c, true);
        window.SetChecked(c, false);
    }
    window.SetText(Control::鼠标速度调节, "5");
    window.SetText(Control::name, "x");
    EXPECT_TRUE(stores.calls.empty());
    // A write touches its own control only: no radio unchecks another.
    window.SetChecked(Control::单选框1, true);
    window.SetChecked(Control::单选框2, true);
    EXPECT_TRUE(window.Checked(Control::单选框1));
    EXPECT_TRUE(window.Checked(Control::单选框2));
}

TEST_F(MainWindowTest, RadioRunsItsActionOnEveryClickButNotOnMereFocus) {
    window.SetChecked(Control::单选框1, false);
    window.SetChecked(Control::单选框2, false);
    window.SetChecked(Control::单选框3, false);
    // Receiving the focus alone runs nothing.
    SetForegroundWindow(window.Hwnd());
    SetFocus(W(Control::单选框2));
    ASSERT_EQ(GetFocus(), W(Control::单选框2));
    EXPECT_TRUE(stores.calls.empty());
    SendMessageW(W(Control::单选框2), BM_CLICK, 0, 0);
    SendMessageW(W(Control::单选框2), BM_CLICK, 0, 0);  // already checked: runs again
    const std::vector<std::string> twice = {
        "regdw Software\\Valve\\Half-Life\\Settings\\ScreenHeight=600",
        "regdw Software\\Valve\\Half-Life\\Settings\\ScreenWidth=800",
        "regdw Software\\Valve\\Half-Life\\Settings\\ScreenHeight=600",
        "regdw Software\\Valve\\Half-Life\\Settings\\ScreenWidth=800",
    };
    EXPECT_EQ(stores.calls, twice);
}

TEST_F(MainWindowTest, CheckBoxActionSeesTheStateAfterTheToggle) {
    window.SetChecked(Control::窗口模式, false);
    SendMessageW(W(Control::窗口模式), BM_CLICK, 0, 0);
    SendMessageW(W(Control::窗口模式), BM_CLICK, 0, 0);
    EXPECT_EQ(stores.calls, (std::vector<std::string>{"regdw Software\\Valve\\Half-Life\\Settings\\ScreenWindowed=1",
                                                      "regdw Software\\Valve\\Half-Life\\Settings\\ScreenWindowed=0"}));
}

TEST_F(MainWindowTest, CombosStartWithTheirCaptionAndNoSelection) {
    const std::pair<Control, std::string> combos[] = {
        {Control::准星大小, "准星大小"}, {Control::准星颜色, "准星颜色"}, {Control::持枪方式, "持枪方式"}};
    for (const auto& [c, caption] : combos) {
        EXPECT_EQ(window.Selection(c), -1);
        wchar_t text[32];
        GetWindowTextW(W(c), text, 32);
        EXPECT_EQ(std::wstring(text), std::wstring(shell::Def(c).caption.begin(), shell::Def(c).caption.end()));
    }
}

// How far a list drops is the platform's: Wine shortens a list to its items
// and reports less than the 160 pixels the box was created with. What the
// launcher decides is the items' height, one pixel above the font's default.
TEST_F(MainWindowTest, DroppedListsShowTallerItems) {
    for (const Control c : {Control::准星大小, Control::准星颜色, Control::持枪方式}) {
        const HWND combo = W(c);
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo, &info));
        RECT list;
        GetClientRect(info.hwndList, &list);
        const auto items = static_cast<LONG>(shell::Def(c).items.size());
        EXPECT_EQ(list.bottom, items * static_cast<LONG>(shell::ComboItemHeight())) << shell::Def(c).name;
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
}

TEST(FileDialogBox, ADialogThatCannotBeShownReturnsFalseAndKeepsTheName) {
    shell::FileDialogBox dialog(shell::FileDialog(Control::通用对话框1));
    // An owner that is no window makes the dialog fail before it shows.
    EXPECT_FALSE(dialog.Open(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0001))));
    EXPECT_EQ(dialog.FileName(), "cstrike.exe");
}

// The executable's own icon: one icon group with twelve images.
TEST(Resources, IconGroupHoldsTwelveImages) {
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE width, height, colours, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
    struct GroupHeader {
        WORD reserved, type, count;
    };
#pragma pack(pop)
    const HMODULE self = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(IDI_LAUNCHER), MAKEINTRESOURCEW(14) /*RT_GROUP_ICON*/);
    ASSERT_NE(found, nullptr);
    const auto* header = static_cast<const GroupHeader*>(LockResource(LoadResource(self, found)));
    ASSERT_EQ(header->count, 12);
    const auto* entries = reinterpret_cast<const GroupEntry*>(header + 1);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < header->count; ++i) {
        const int side = entries[i].width == 0 ? 256 : entries[i].width;
        seen.insert({side, entries[i].bitCount});
    }
    std::set<std::pair<int, int>> expected;
    for (const int side : {48, 32, 24, 16})
        for (const int bits : {4, 8, 32}) expected.insert({side, bits});
    EXPECT_EQ(seen, expected);
}

}  // namespace
