// Console values of the gun-hand and crosshair lists, by selection index.
// An index a table does not name, -1 included, gives the empty value.
// No Windows header here.
#pragma once

#include <string_view>

namespace actions {

std::string_view GunHandValue(int index);
std::string_view CrosshairColourValue(int index);
std::string_view CrosshairSizeValue(int index);
std::string_view TranslucencyValue(bool checked);

}  // namespace actions
