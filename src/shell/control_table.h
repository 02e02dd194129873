// The main window's controls: one row each, in the order of the window
// definition. Creation order, stacking, the Tab cycle and each page's first
// focus are all derived from this order. No Windows header here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace shell {

enum class Kind : std::uint8_t {
    Picture, Label, CheckBox, ComboBox, Edit, FileDialog, Radio, Button, Tab, Hyperlink, GroupBox
};

// Where a control lives: directly in the window, in the group box 分组框1, in
// the tab control 选择夹1, or nowhere (file dialogs have no window).
enum class Parent : std::uint8_t { Window, Group, Tab, None };

// Page of 选择夹1 a control belongs to; Always for controls outside it.
enum class Page : std::uint8_t { Always, Options, Paths };

enum Style : std::uint8_t {
    kPlain = 0,
    kMasked = 1 << 0,  // password box: every character shows as '*'
};

struct Rect {
    int left, top, width, height;
};

// clang-format off
//          name          kind        parent  page     left top  width height caption                                   items         style
#define LAUNCHER_CONTROLS(X) \
    X(图片框1,       Picture,    Window, Always,  -8,   8,  344, 104, u"",                                        kNoItems,     kPlain)  \
    X(标签6,         Label,      Tab,    Paths,   16, 120,  288,  16, u"         提示：中文输入器为CSMate 1.7",    kNoItems,     kPlain)  \
    X(标签5,         Label,      Tab,    Options, 233, 29,   71,  16, u"分辨率设置",                              kNoItems,     kPlain)  \
    X(准星透明,      CheckBox,   Tab,    Options, 120, 29,   80,  16, u"准星透明",                                kNoItems,     kPlain)  \
    X(准星大小,      ComboBox,   Tab,    Options, 120, 112,  72,  20, u"准星大小",                                kSizeItems,   kPlain)  \
    X(鼠标速度,      Label,      Tab,    Options, 48,  61,   64,  32, u"鼠标速度",                                kNoItems,     kPlain)  \
    X(鼠标速度调节,  Edit,       Tab,    Options, 8,   69,   40,  19, u"",                                        kNoItems,     kPlain)  \
    X(准星颜色,      ComboBox,   Tab,    Options, 120, 80,   72,  20, u"准星颜色",                                kColourItems, kPlain)  \
    X(持枪方式,      ComboBox,   Tab,    Options, 120, 48,   72,  20, u"持枪方式",                                kHandItems,   kPlain)  \
    X(通用对话框3,   FileDialog, None,   Always,  0,   0,    0,   0,  u"",                                        kNoItems,     kPlain)  \
    X(单选框3,       Radio,      Tab,    Options, 232, 120,  64,  16, u"640X480",                                 kNoItems,     kPlain)  \
    X(单选框2,       Radio,      Tab,    Options, 232, 96,   72,  16, u"800X600",                                 kNoItems,     kPlain)  \
    X(单选框1,       Radio,      Tab,    Options, 232, 72,   72,  16, u"1024X768",                                kNoItems,     kPlain)  \
    X(窗口模式,      CheckBox,   Tab,    Options, 232, 48,   72,  16, u"窗口模式",                                kNoItems,     kPlain)  \
    X(输入器选择框,  CheckBox,   Tab,    Options, 8,   32,  104,  24, u"开启中文输入",                            kNoItems,     kPlain)  \
    X(编辑框3,       Edit,       Tab,    Paths,   88,  80,  192,  24, u"CSMate.exe",                              kNoItems,     kPlain)  \
    X(中文输入机,    Button,     Tab,    Paths,   8,   80,   72,  24, u"中文输入机",                              kNoItems,     kPlain)  \
    X(编辑框1,       Edit,       Tab,    Paths,   88,  40,  192,  24, u"",                                        kNoItems,     kPlain)  \
    X(找CS,          Button,     Tab,    Paths,   8,   40,   72,  24, u"CS路径",                                  kNoItems,     kPlain)  \
    X(选择夹1,       Tab,        Window, Always,  8,   232, 320, 144, u"",                                        kPageItems,   kPlain)  \
    X(按钮1,         Button,     Window, Always,  233, 128,  80,  30, u"保存设置",                                kNoItems,     kPlain)  \
    X(超级链接框1,   Hyperlink,  Window, Always,  25,  375, 279,  16, u"墨羽晴川论坛Q群：",                       kNoItems,     kPlain)  \
    X(标签3,         Label,      Group,  Always,  8,   80,   64,  24, u"个人密码",                                kNoItems,     kPlain)  \
    X(name2,         Edit,       Group,  Always,  80,  80,  136,  24, u"",                                        kNoItems,     kMasked) \
    X(通用对话框2,   FileDialog, None,   Always,  0,   0,    0,   0,  u"",                                        kNoItems,     kPlain)  \
    X(name1,         Edit,       Window, Always,  88,  160, 136,  24, u"",                                        kNoItems,     kMasked) \
    X(标签2,         Label,      Window, Always,  16,  160,  64,  24, u"总密码",                                  kNoItems,     kPlain)  \
    X(name,          Edit,       Window, Always,  88,  128, 136,  24, u"",                                        kNoItems,     kPlain)  \
    X(标签1,         Label,      Window, Always,  16,  128,  64,  24, u"玩家ID",                                  kNoItems,     kPlain)  \
    X(进入游戏,      Button,     Window, Always,  233, 168,  80,  40, u"启动游戏",                                kNoItems,     kPlain)  \
    X(通用对话框1,   FileDialog, None,   Always,  0,   0,    0,   0,  u"",                                        kNoItems,     kPlain)  \
    X(分组框1,       GroupBox,   Window, Always,  8,   112, 320, 112, u"玩家登陆",                                kNoItems,     kPlain)
// clang-format on

#define LAUNCHER_CONTROL_ENUM(name, ...) name,
enum class Control : std::uint8_t { LAUNCHER_CONTROLS(LAUNCHER_CONTROL_ENUM) };
#undef LAUNCHER_CONTROL_ENUM
#define LAUNCHER_CONTROL_COUNT(...) +1
inline constexpr std::size_t kControlCount = 0 LAUNCHER_CONTROLS(LAUNCHER_CONTROL_COUNT);
#undef LAUNCHER_CONTROL_COUNT

struct ControlDef {
    Control control;
    std::string_view name;  // UTF-8, as in the window definition
    Kind kind;
    Parent parent;
    Page page;
    Rect rect;
    std::u16string_view caption;  // caption, initial text, or the label of the hyperlink
    std::span<const std::u16string_view> items;  // list items or tab pages, in order
    std::uint8_t style;
};

std::span<const ControlDef> Controls();
const ControlDef& Def(Control c);
std::size_t ControlCount();
std::size_t IndexOf(Control c);

// Stable control identifier of a control with a window; the window's control
// ID and the name by which tests find a control.
int ControlId(Control c);
std::optional<Control> FindControl(std::string_view utf8Name);
std::optional<Control> ControlFromId(int id);

bool HasWindow(Control c);
bool TakesFocus(Control c);  // edit, button, check box, radio and combo box

// The table read from the bottom up, focusable controls only.
std::vector<Control> TabCycle();
// Controls sharing `parent`, topmost first (the table's order).
std::vector<Control> StackingOrder(Parent parent);
// First control of `page` in table order that can take the focus.
Control FirstFocusOf(Page page);
// The three resolution radios in their arrow-key cycle.
std::span<const Control> RadioCycle();

}  // namespace shell
