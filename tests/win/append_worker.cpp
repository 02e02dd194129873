// Appends numbered blocks to the current directory's
// cstrike_schinese\config.cfg, the way one launcher's saves would, so that a
// test can run two of it at once against one file.
//   append_worker TAG COUNT [launcher|seek|append-only]
// launcher:    the launcher's own append (the default).
// seek:        open, seek to the end and write, with no lock, the handle
//              left open as the unmended append left it.
// seek-close:  the same, closing the handle after the write.
// append-only: a handle opened for appending alone (FILE_APPEND_DATA).
// The last two exist only to measure what the launcher's append prevents.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "store_test_support.h"
#include "stores/config_file.h"
#include "stores/config_text.h"

namespace {

void Unlocked(const std::string& bytes, DWORD access, bool close) {
    const HANDLE f = CreateFileA("cstrike_schinese\\config.cfg", access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    if (access != FILE_APPEND_DATA) SetFilePointer(f, 0, nullptr, FILE_END);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    if (close) CloseHandle(f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string tag = argv[1];
    const int count = std::atoi(argv[2]);
    const std::string mode = argc > 3 ? argv[3] : "launcher";
    for (int i = 0; i < count; ++i) {
        const std::string text = store_test::WorkerBlock(tag, i);
        if (mode == "launcher")
            stores::AppendConfig(text);
        else if (mode == "seek")
            Unlocked(stores::AppendedBytes(text), GENERIC_READ | GENERIC_WRITE, false);
        else if (mode == "seek-close")
            Unlocked(stores::AppendedBytes(text), GENERIC_READ | GENERIC_WRITE, true);
        else if (mode == "append-only")
            Unlocked(stores::AppendedBytes(text), FILE_APPEND_DATA, true);
        else
            return 2;
    }
    return 0;
}
