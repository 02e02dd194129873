// Every control of the window checked against the control table: class,
// parent, place, caption, key style bits, list items, selection, visibility
// and stacking.
#include <gtest/gtest.h>

#include "harness.h"

#include <commctrl.h>

#include "build_values.h"
#include "shell/control_looks.h"

namespace {

using namespace driver;
using shell::Control;
using shell::Kind;

const wchar_t* ClassFor(Kind k) {
    switch (k) {
        case Kind::Picture: return L"MoyuPicture";
        case Kind::Label: return L"MoyuLabel";
        case Kind::CheckBox:
        case Kind::Radio:
        case Kind::Button:
        case Kind::GroupBox: return L"Button";
        case Kind::ComboBox: return L"ComboBox";
        case Kind::Edit: return L"Edit";
        case Kind::Tab: return L"SysTabControl32";
        case Kind::Hyperlink: return L"MoyuHyperlink";
        case Kind::FileDialog: break;
    }
    return L"";
}

std::wstring Wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }

// Default item height of a drop-down combo box with the default GUI font,
// made here for comparison.
LRESULT DefaultComboItemHeight() {
    const HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", CBS_DROPDOWN | WS_VSCROLL, 0, 0, 72, 160, nullptr,
                                       nullptr, nullptr, nullptr);
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const LRESULT height = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
    DestroyWindow(combo);
    return height;
}

struct WindowTableTest : LauncherTest {};

TEST_F(WindowTableTest, EveryControlAsTheTableSays) {
    Launcher l(folder);
    ASSERT_TRUE(l.Started());
    const LRESULT defaultItemHeight = DefaultComboItemHeight();
    for (const shell::ControlDef& d : shell::Controls()) {
        if (d.kind == Kind::FileDialog) continue;
        SCOPED_TRACE(d.name);
        const HWND h = l.Control(d.control);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(ClassOf(h), ClassFor(d.kind));
        const HWND parent = d.parent == shell::Parent::Group ? l.Control(Control::分组框1)
                            : d.parent == shell::Parent::Tab ? l.Control(Control::选择夹1)
                                                             : l.Window();
        EXPECT_EQ(GetParent(h), parent);
        const RECT r = ClientRectInParent(h);
        EXPECT_EQ(r.left, d.rect.left);
        EXPECT_EQ(r.top, d.rect.top);
        EXPECT_EQ(r.right - r.left, d.rect.width);
        if (d.kind != Kind::ComboBox) {
            EXPECT_EQ(r.bottom - r.top, d.rect.height);
        }
        EXPECT_EQ(IsWindowVisible(h) != FALSE, d.page != shell::Page::Paths);
        EXPECT_TRUE(IsWindowEnabled(h));

        // Initialisation fills every edit box from the settings file, which
        // this fresh folder lacks, so "CSMate.exe" has gone as well.
        std::wstring caption = d.kind == Kind::Edit ? L"" : Wide(d.caption);
        if (d.kind == Kind::Hyperlink) caption += Wide(build_values::kChatGroup);
        if (d.kind != Kind::Tab) {
            EXPECT_EQ(WideTextOf(h), caption);
        }

        const LONG style = GetWindowLongW(h, GWL_STYLE), ex = GetWindowLongW(h, GWL_EXSTYLE);
        switch (d.kind) {
            case Kind::Edit:
                EXPECT_TRUE(style & ES_AUTOHSCROLL);
                EXPECT_FALSE(style & (ES_MULTILINE | ES_CENTER | ES_RIGHT | ES_NOHIDESEL));
                EXPECT_TRUE(ex & WS_EX_CLIENTEDGE);
                EXPECT_EQ((style & ES_PASSWORD) != 0, (d.style & shell::kMasked) != 0);
                if (d.style & shell::kMasked) {
                    EXPECT_EQ(SendMessageW(h, EM_GETPASSWORDCHAR, 0, 0), L'*');
                }
                EXPECT_GE(SendMessageW(h, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
                break;
            case Kind::Button:
                EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);  // never a default button
                EXPECT_TRUE(style & BS_MULTILINE);
                break;
            case Kind::CheckBox:
                EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
                // 窗口模式 shows the game's stored mode, windowed when none is stored.
                EXPECT_EQ(IsChecked(h), d.control == Control::窗口模式);
                break;
            case Kind::Radio:
                EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
                EXPECT_FALSE(style & WS_GROUP);  // the three form one group
                break;
            case Kind::GroupBox:
                EXPECT_EQ(style & BS_TYPEMASK, BS_GROUPBOX);
                EXPECT_EQ(style & BS_CENTER, BS_CENTER);
                break;
            case Kind::ComboBox: {
                EXPECT_EQ(style & 3, CBS_DROPDOWN);
                EXPECT_FALSE(style & CBS_SORT);
                EXPECT_EQ(SelectionOf(h), -1);
                ASSERT_EQ(SendMessageW(h, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(d.items.size()));
                for (std::size_t i = 0; i < d.items.size(); ++i) {
                    wchar_t item[64] = {};
                    SendMessageW(h, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
                    EXPECT_EQ(std::wstring(item), Wide(d.items[i]));
                }
                EXPECT_EQ(SendMessageW(h, CB_GETITEMHEIGHT, 0, 0), defaultItemHeight + 1);
                break;
            }
            case Kind::Tab:
                EXPECT_TRUE(style & TCS_MULTILINE);
                EXPECT_EQ(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0), 2);
                EXPECT_EQ(SendMessageW(h, TCM_GETCURSEL, 0, 0), 0);
                break;
            case Kind::Label: {
                const shell::Look look = shell::LookOf(d.control);
                EXPECT_EQ((ex & WS_EX_DLGMODALFRAME) != 0, look.frame == shell::Frame::RaisedDouble);
                EXPECT_EQ((style & WS_BORDER) != 0, look.frame == shell::Frame::ThinLine);
                break;
            }
            default:
                break;
        }
    }
}

TEST_F(WindowTableTest, SiblingsAreStackedInTableOrder) {
    Launcher l(folder);
    ASSERT_TRUE(l.Started());
    for (const shell::Parent p : {shell::Parent::Window, shell::Parent::Group, shell::Parent::Tab}) {
        const auto order = shell::StackingOrder(p);
        std::vector<HWND> expected;
        for (const Control c : order)
            if (shell::HasWindow(c)) expected.push_back(l.Control(c));
        std::vector<HWND> actual;
        for (HWND h = GetWindow(GetParent(expected.front()), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            actual.push_back(h);
        EXPECT_EQ(actual, expected);
    }
}

}  // namespace
