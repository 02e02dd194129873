// The launcher directory: the executable's full path cut at its last
// backslash, with the backslash dropped. No Windows header here.
#pragma once

#include <string>
#include <string_view>

#include "base/byte_text.h"

namespace shell {

// Empty when the path holds no backslash.
std::string DirectoryOfPath(std::string_view exePath, base::LeadBytePredicate isLead = base::IsHighByte);

}  // namespace shell
