// Appends how this process was started to "<its own path>.log": a line
// "cmd=<command line bytes>" and a line "cwd=<current directory>".
#pragma once

#include <windows.h>

#include <string>

inline void RecordStart() {
    char exe[MAX_PATH * 4] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe - 1);
    char cwd[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof cwd - 1, cwd);
    std::string record = "cmd=";
    record.append(GetCommandLineA()).append("\r\ncwd=").append(cwd).append("\r\n");
    const std::string log = std::string(exe) + ".log";
    // Several copies may start at once: append under an exclusive open,
    // retrying while another copy holds the file.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE f = CreateFileA(log.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(f, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
            CloseHandle(f);
            return;
        }
        Sleep(10);
    }
}

// Gives the process a message queue and empties it, so that whoever started
// it sees it idle at once instead of waiting out WaitForInputIdle.
inline void BecomeIdle() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}
