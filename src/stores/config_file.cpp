#include "stores/config_file.h"

#include <windows.h>

#include "base/current_directory.h"
#include "base/win_handles.h"
#include "stores/config_text.h"
#include "stores/setting_names.h"
#include "stores/settings_file.h"

namespace stores {
namespace {

// Two launchers may append to one file at once. Seeking to the end and then
// writing lets both land on the same offset, so one block overwrites the
// other. An exclusive lock on one byte far past any real end of file, held
// around the seek and the write, makes the pair atomic among launchers while
// the file's content stays open to every program for reading and writing.
constexpr DWORD kLockOffsetLow = 0xFFFFFFF0u;
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFFu;

}  // namespace

void AppendConfig(std::string_view text) {
    std::string path = base::CurrentDirectory();
    path.append(kConfigTail);
    base::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const std::string bytes = AppendedBytes(text);

    OVERLAPPED lockAt{};
    lockAt.Offset = kLockOffsetLow;
    lockAt.OffsetHigh = kLockOffsetHigh;
    const bool locked = LockFileEx(file.Get(), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &lockAt) != FALSE;

    LARGE_INTEGER zero{}, end{};
    if (SetFilePointerEx(file.Get(), zero, &end, FILE_END)) {
        DWORD written = 0;
        // One write of the whole block: a disk file takes it whole or not at all.
        if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
            SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN);
    }
    if (locked) UnlockFileEx(file.Get(), 0, 1, 0, &lockAt);
}

void WriteNameKey(std::string_view launcherDirectory, std::string_view playerId) {
    std::string path(launcherDirectory);
    path.append(kConfigTail);
    IniWrite(path, kSection, kKeyName, playerId);
}

}  // namespace stores
