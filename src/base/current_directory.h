// The process's current directory as 8-bit ANSI text.
#pragma once

#include <string>

namespace base {

// GetCurrentDirectoryA into a 260-byte buffer; the empty text when Windows
// cannot report it or it does not fit.
std::string CurrentDirectory();

}  // namespace base
