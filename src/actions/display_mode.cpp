// The game's display mode: the windowed box and the three resolution radios
// write the game's registry values at once. A radio writes the height first
// and the width second, the second whatever became of the first.
#include "actions/actions.h"
#include "stores/setting_names.h"

namespace actions {
namespace {

void WriteResolution(ActionContext& c, int width, int height) {
    c.stores.WriteRegistryInt(stores::kScreenHeight, height);
    c.stores.WriteRegistryInt(stores::kScreenWidth, width);
}

}  // namespace

void ToggleWindowed(ActionContext& c) {
    c.stores.WriteRegistryInt(stores::kScreenWindowed, c.ui.Checked(shell::Control::窗口模式) ? 1 : 0);
}

void Choose1024x768(ActionContext& c) { WriteResolution(c, 1024, 768); }
void Choose800x600(ActionContext& c) { WriteResolution(c, 800, 600); }
void Choose640x480(ActionContext& c) { WriteResolution(c, 640, 480); }

}  // namespace actions
