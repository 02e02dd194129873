// The action of the banner's mouse press, the sensitivity box's text change
// and the tab control's click: the platform's own handling is all there is.
#include "actions/actions.h"

namespace actions {

void DoNothing(ActionContext&) {}

}  // namespace actions
