#include "base/current_directory.h"

#include <windows.h>

namespace base {

std::string CurrentDirectory() {
    char buffer[MAX_PATH];
    const DWORD n = GetCurrentDirectoryA(MAX_PATH, buffer);
    // A directory that does not fit returns the size it needs and leaves the
    // buffer undefined: that counts as not reported.
    if (n == 0 || n >= MAX_PATH) return {};
    return std::string(buffer, n);
}

}  // namespace base
