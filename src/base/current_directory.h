// The process's current directory as 8-bit ANSI text.
#pragma once

#include <string>

namespace base {

// GetCurrentDirectoryA, whole however long; the empty text when Windows
// cannot report it.
std::string CurrentDirectory();

}  // namespace base
