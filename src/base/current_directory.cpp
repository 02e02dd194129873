#include "base/current_directory.h"

#include <windows.h>

namespace base {

std::string CurrentDirectory() {
    // A folder of double-byte names may hold fewer than MAX_PATH characters
    // but more than MAX_PATH bytes. Cut to a 260-byte buffer it would be
    // lost, and the game check and the appends would look at the root of
    // the drive; so the buffer is as large as the directory needs.
    std::string directory(MAX_PATH, '\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD n = GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data());
        if (n == 0) return {};
        if (n < directory.size()) {
            directory.resize(n);
            return directory;
        }
        directory.resize(n);  // n counts the terminating zero when the buffer was short
    }
    return {};  // it kept growing between calls
}

}  // namespace base
