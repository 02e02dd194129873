// What the window shows when it opens, run once before it becomes visible.
// No Windows header here.
#pragma once

#include "actions/actions.h"

namespace shell {

void InitializeWindow(actions::ActionContext& c);

}  // namespace shell
