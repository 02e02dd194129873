// Browse for the input tool (中文输入机): the tool dialog's file name goes into
// the tool path box however the dialog ended, then the input tool is told
// where the game is: the game path box, not the tool path box.
#include "actions/actions.h"
#include "stores/setting_names.h"

namespace actions {

using shell::Control;

void BrowseInputTool(ActionContext& c) {
    c.ui.OpenFileDialog(Control::通用对话框3);
    c.ui.SetText(Control::编辑框3, c.ui.FileName(Control::通用对话框3));
    c.stores.WriteRegistryText(stores::kToolExecutable, c.ui.Text(Control::编辑框1));
}

}  // namespace actions
