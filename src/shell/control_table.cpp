#include "shell/control_table.h"

#include <algorithm>
#include <array>

namespace shell {
namespace {

using std::u16string_view;
constexpr std::span<const u16string_view> kNoItems{};
constexpr u16string_view kSizeItemsArr[] = {u"自动", u"小", u"中", u"大"};
constexpr u16string_view kColourItemsArr[] = {u"绿色", u"红色", u"蓝色", u"黄色", u"淡蓝色"};
constexpr u16string_view kHandItemsArr[] = {u"左手", u"右手"};
constexpr u16string_view kPageItemsArr[] = {u"选项", u"设置路径"};
constexpr std::span<const u16string_view> kSizeItems{kSizeItemsArr};
constexpr std::span<const u16string_view> kColourItems{kColourItemsArr};
constexpr std::span<const u16string_view> kHandItems{kHandItemsArr};
constexpr std::span<const u16string_view> kPageItems{kPageItemsArr};

#define LAUNCHER_CONTROL_ROW(name, kind, parent, page, left, top, width, height, caption, items, style) \
    ControlDef{Control::name, #name, Kind::kind, Parent::parent, Page::page,                          \
               Rect{left, top, width, height}, caption, items, style},
constexpr ControlDef kTable[] = {LAUNCHER_CONTROLS(LAUNCHER_CONTROL_ROW)};
#undef LAUNCHER_CONTROL_ROW

constexpr bool RowsMatchEnum() {
    for (std::size_t i = 0; i < std::size(kTable); ++i)
        if (static_cast<std::size_t>(kTable[i].control) != i) return false;
    return true;
}
static_assert(RowsMatchEnum());

// Control IDs stay clear of the IDs Windows gives a combo box's own children
// (1000, 1001) and of IDOK/IDCANCEL.
constexpr int kFirstId = 200;

constexpr Control kRadios[] = {Control::单选框1, Control::单选框2, Control::单选框3};

}  // namespace

std::span<const ControlDef> Controls() { return kTable; }
std::size_t ControlCount() { return std::size(kTable); }
std::size_t IndexOf(Control c) { return static_cast<std::size_t>(c); }
const ControlDef& Def(Control c) { return kTable[IndexOf(c)]; }

int ControlId(Control c) { return kFirstId + static_cast<int>(IndexOf(c)); }

std::optional<Control> FindControl(std::string_view utf8Name) {
    for (const ControlDef& d : kTable)
        if (d.name == utf8Name) return d.control;
    return std::nullopt;
}

std::optional<Control> ControlFromId(int id) {
    const int index = id - kFirstId;
    if (index < 0 || index >= static_cast<int>(std::size(kTable))) return std::nullopt;
    return kTable[index].control;
}

bool HasWindow(Control c) { return Def(c).kind != Kind::FileDialog; }

bool TakesFocus(Control c) {
    switch (Def(c).kind) {
        case Kind::Edit:
        case Kind::Button:
        case Kind::CheckBox:
        case Kind::Radio:
        case Kind::ComboBox:
            return true;
        default:
            return false;
    }
}

std::vector<Control> TabCycle() {
    std::vector<Control> cycle;
    for (auto it = std::rbegin(kTable); it != std::rend(kTable); ++it)
        if (TakesFocus(it->control)) cycle.push_back(it->control);
    return cycle;
}

std::vector<Control> StackingOrder(Parent parent) {
    std::vector<Control> order;
    for (const ControlDef& d : kTable)
        if (d.parent == parent) order.push_back(d.control);
    return order;
}

Control FirstFocusOf(Page page) {
    const auto it = std::find_if(std::begin(kTable), std::end(kTable), [page](const ControlDef& d) {
        return d.page == page && TakesFocus(d.control);
    });
    return it->control;  // both pages hold focusable controls
}

std::span<const Control> RadioCycle() { return kRadios; }

}  // namespace shell
