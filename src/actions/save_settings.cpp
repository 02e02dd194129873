// Save settings (保存设置), also the last step of every game start: the six
// boxes into DoDavev.cfg, the player ID into the launcher directory's
// config.cfg, then the console block appended to the current directory's
// config.cfg. Each step reads its boxes when it runs and goes on whatever
// became of the steps before it.
#include "actions/actions.h"
#include "stores/config_text.h"
#include "stores/setting_names.h"

namespace actions {

using shell::Control;

void SaveSettings(ActionContext& c) {
    c.stores.WriteSetting(stores::kKeyGamePath, c.ui.Text(Control::编辑框1));
    c.stores.WriteSetting(stores::kKeyToolPath, c.ui.Text(Control::编辑框3));
    c.stores.WriteSetting(stores::kKeyName, c.ui.Text(Control::name));
    c.stores.WriteSetting(stores::kKeySetinfo, c.ui.Text(Control::name1));
    c.stores.WriteSetting(stores::kKeyUserpass, c.ui.Text(Control::name2));
    c.stores.WriteSetting(stores::kKeySensitivity, c.ui.Text(Control::鼠标速度调节));
    c.stores.WriteNameKey(c.ui.Text(Control::name));
    const std::string playerId = c.ui.Text(Control::name);
    const std::string master = c.ui.Text(Control::name1);
    const std::string personal = c.ui.Text(Control::name2);
    const std::string sensitivity = c.ui.Text(Control::鼠标速度调节);
    c.stores.AppendConfig(stores::SaveBlock(playerId, master, personal, sensitivity));
}

}  // namespace actions
