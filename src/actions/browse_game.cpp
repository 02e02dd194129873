// Browse for the game (CS路径): the game dialog's file name goes into the game
// path box however the dialog ended, so Cancel puts back the last choice, or
// "cstrike.exe" before any. Nothing is stored until the next save.
#include "actions/actions.h"

namespace actions {

using shell::Control;

void BrowseGame(ActionContext& c) {
    c.ui.OpenFileDialog(Control::通用对话框1);
    c.ui.SetText(Control::编辑框1, c.ui.FileName(Control::通用对话框1));
}

}  // namespace actions
