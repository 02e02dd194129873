// Window initialisation: the six boxes from DoDavev.cfg (a missing key
// empties its box), the input tool's fixed registry settings, then the game's
// display mode into the windowed box and the radios. Setting the controls
// here runs none of their actions.
#include "shell/window_init.h"

#include "stores/setting_names.h"

namespace shell {

void InitializeWindow(actions::ActionContext& c) {
    using namespace stores;
    c.ui.SetText(Control::编辑框1, c.stores.ReadSetting(kKeyGamePath));
    c.ui.SetText(Control::编辑框3, c.stores.ReadSetting(kKeyToolPath));
    c.ui.SetText(Control::name, c.stores.ReadSetting(kKeyName));
    c.ui.SetText(Control::name1, c.stores.ReadSetting(kKeySetinfo));
    c.ui.SetText(Control::name2, c.stores.ReadSetting(kKeyUserpass));
    c.ui.SetText(Control::鼠标速度调节, c.stores.ReadSetting(kKeySensitivity));

    c.stores.WriteRegistryText(kToolRconSayKey, "P");
    c.stores.WriteRegistryText(kToolSayKey, "Y");
    c.stores.WriteRegistryText(kToolSayTeamKey, "U");
    c.stores.WriteRegistryText(kToolSendKey, "F12");
    c.stores.WriteRegistryText(kToolExecutable, c.ui.Text(Control::编辑框1));
    c.stores.WriteRegistryInt(kToolAutoIme, 0);
    c.stores.WriteRegistryInt(kToolRememberHistory, 1);
    c.stores.WriteRegistryInt(kToolStartMinimized, 1);
    c.stores.WriteRegistryInt(kToolMinimizeToTray, 1);
    c.stores.WriteRegistryInt(kToolMaxHistoryItems, 10);

    c.ui.SetChecked(Control::窗口模式, c.stores.ReadRegistryInt(kScreenWindowed, 1) == 1);
    // Each radio is set on its own from a fresh read with its own width as
    // fallback, so a missing or non-integer width checks all three.
    c.ui.SetChecked(Control::单选框3, c.stores.ReadRegistryInt(kScreenWidth, 640) == 640);
    c.ui.SetChecked(Control::单选框2, c.stores.ReadRegistryInt(kScreenWidth, 800) == 800);
    c.ui.SetChecked(Control::单选框1, c.stores.ReadRegistryInt(kScreenWidth, 1024) == 1024);
}

}  // namespace shell
