#include "shell/event_table.h"

namespace shell {
namespace {

using namespace actions;

constexpr Binding kBindings[] = {
    {Control::按钮1, Event::Clicked, SaveSettings},
    {Control::找CS, Event::Clicked, BrowseGame},
    {Control::进入游戏, Event::Clicked, StartGame},
    {Control::中文输入机, Event::Clicked, BrowseInputTool},
    {Control::输入器选择框, Event::Clicked, ToggleInputTool},
    {Control::窗口模式, Event::Clicked, ToggleWindowed},
    {Control::单选框1, Event::Clicked, Choose1024x768},
    {Control::单选框2, Event::Clicked, Choose800x600},
    {Control::单选框3, Event::Clicked, Choose640x480},
    {Control::准星透明, Event::Clicked, ToggleCrosshairTranslucency},
    {Control::持枪方式, Event::ItemSelected, ChooseGunHand},
    {Control::准星颜色, Event::ItemSelected, ChooseCrosshairColour},
    {Control::准星大小, Event::ItemSelected, ChooseCrosshairSize},
    {Control::图片框1, Event::LeftButtonDown, DoNothing},
    {Control::鼠标速度调节, Event::TextChanged, DoNothing},
    {Control::选择夹1, Event::Clicked, DoNothing},
};

}  // namespace

std::span<const Binding> Bindings() { return kBindings; }

actions::Action ActionFor(Control control, Event event) {
    for (const Binding& b : kBindings)
        if (b.control == control && b.event == event) return b.action;
    return nullptr;
}

}  // namespace shell
