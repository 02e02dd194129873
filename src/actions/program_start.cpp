#include "actions/program_start.h"

#include <windows.h>

#include "base/win_handles.h"

namespace actions {

bool StartProgram(const std::string& commandLine) {
    // CreateProcessA may write into the command line, so it gets a copy.
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return false;
    const base::KernelHandle process(started.hProcess), thread(started.hThread);
    WaitForInputIdle(process.Get(), 1000);
    return true;
}

}  // namespace actions
