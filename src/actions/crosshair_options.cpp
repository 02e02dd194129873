// Gun hand and crosshair options: each choice appends one console line to the
// current directory's config.cfg; nothing else remembers it.
#include "actions/actions.h"
#include "actions/option_values.h"
#include "stores/config_text.h"

namespace actions {

using shell::Control;

void ChooseGunHand(ActionContext& c) {
    c.stores.AppendConfig(stores::OptionLine("cl_righthand", GunHandValue(c.ui.Selection(Control::持枪方式))));
}

void ChooseCrosshairColour(ActionContext& c) {
    c.stores.AppendConfig(
        stores::OptionLine("cl_crosshair_color", CrosshairColourValue(c.ui.Selection(Control::准星颜色))));
}

void ChooseCrosshairSize(ActionContext& c) {
    c.stores.AppendConfig(
        stores::OptionLine("cl_crosshair_size", CrosshairSizeValue(c.ui.Selection(Control::准星大小))));
}

void ToggleCrosshairTranslucency(ActionContext& c) {
    c.stores.AppendConfig(
        stores::OptionLine("cl_crosshair_translucent", TranslucencyValue(c.ui.Checked(Control::准星透明))));
}

}  // namespace actions
