// Helpers of the play tests: the fake programs placed and watched, the
// processes of the Wine world listed and cleaned up, and the launcher's pages
// and lists worked with real input.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"

namespace play {

using namespace driver;
using shell::Control;

// --- processes ---

struct Running {
    DWORD pid;
    std::wstring exe;  // the bare file name the snapshot gives
};

// Every process of the Wine world, in snapshot order.
inline std::vector<Running> Snapshot() {
    std::vector<Running> all;
    const HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "no process snapshot: error " << GetLastError();
        return all;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snap, &entry); more; more = Process32NextW(snap, &entry))
        all.push_back({entry.th32ProcessID, entry.szExeFile});
    CloseHandle(snap);
    return all;
}

inline std::vector<DWORD> PidsNamed(const std::wstring& exe) {
    std::vector<DWORD> pids;
    for (const Running& r : Snapshot())
        if (r.exe == exe) pids.push_back(r.pid);
    return pids;
}

// Processes in `after` that were not in `before`, by "name:pid".
inline std::vector<std::string> NewProcesses(const std::vector<Running>& before, const std::vector<Running>& after) {
    std::vector<std::string> added;
    for (const Running& a : after)
        if (std::none_of(before.begin(), before.end(), [&](const Running& b) { return b.pid == a.pid; }))
            added.push_back(Narrow(a.exe) + ":" + std::to_string(a.pid));
    return added;
}

inline std::wstring ImagePath(HANDLE process) {
    wchar_t path[MAX_PATH * 4];
    DWORD size = static_cast<DWORD>(std::size(path));
    return QueryFullProcessImageNameW(process, 0, path, &size) ? std::wstring(path, size) : std::wstring();
}

inline bool StartsWithNoCase(const std::wstring& s, const std::wstring& prefix) {
    return s.size() >= prefix.size() &&
           CompareStringOrdinal(s.c_str(), static_cast<int>(prefix.size()), prefix.c_str(),
                                static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
}

// The fake programs of one test: those the test starts itself and those the
// launcher starts from the test's folders. Each is held by a handle, so that
// its identifier cannot pass to another process, and whatever still runs is
// ended when the test ends, failed or not. The launcher itself is left to
// its own owner.
class Fakes {
public:
    explicit Fakes(std::vector<std::wstring> folders) : folders_(std::move(folders)) {}
    ~Fakes() {
        Adopt();
        for (auto& [pid, handle] : held_) {
            if (WaitForSingleObject(handle, 0) == WAIT_TIMEOUT) {
                TerminateProcess(handle, 77);
                WaitForSingleObject(handle, 5000);
            }
            CloseHandle(handle);
        }
    }
    Fakes(const Fakes&) = delete;
    Fakes& operator=(const Fakes&) = delete;

    // Starts a program of a test folder as the test's own, and returns once
    // it has recorded its start in "<program>.log".
    DWORD Start(const std::wstring& path) {
        const std::size_t records = RecordedCommandLines(path).size();
        std::wstring commandLine = L"\"" + path + L"\"";
        const std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                            &startup, &started)) {
            ADD_FAILURE() << "cannot start " << Narrow(path) << ": error " << GetLastError();
            return 0;
        }
        CloseHandle(started.hThread);
        held_.emplace(started.dwProcessId, started.hProcess);
        EXPECT_TRUE(WaitUntil([&] { return RecordedCommandLines(path).size() > records; })) << Narrow(path);
        return started.dwProcessId;
    }

    // Takes hold of every process whose program lies in a test folder and is
    // not held yet; returns their identifiers in snapshot order.
    std::vector<DWORD> Adopt() {
        std::vector<DWORD> adopted;
        for (const Running& r : Snapshot()) {
            if (held_.count(r.pid) || r.exe == L"launcher.exe") continue;
            const HANDLE h =
                OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE, r.pid);
            if (!h) continue;
            const std::wstring image = ImagePath(h);
            const bool ours = std::any_of(folders_.begin(), folders_.end(),
                                          [&](const std::wstring& f) { return StartsWithNoCase(image, f + L"\\"); });
            if (ours && WaitForSingleObject(h, 0) == WAIT_TIMEOUT) {
                held_.emplace(r.pid, h);
                adopted.push_back(r.pid);
            } else {
                CloseHandle(h);
            }
        }
        return adopted;
    }

    bool Alive(DWORD pid) const {
        const auto it = held_.find(pid);
        return it != held_.end() && WaitForSingleObject(it->second, 0) == WAIT_TIMEOUT;
    }
    bool Ended(DWORD pid, DWORD timeoutMs = 5000) const {
        const auto it = held_.find(pid);
        return it != held_.end() && WaitForSingleObject(it->second, timeoutMs) == WAIT_OBJECT_0;
    }

private:
    std::vector<std::wstring> folders_;
    std::map<DWORD, HANDLE> held_;
};

// --- the open-file dialog ---

// The folders the open-file dialogs remember for each program name, so that
// the next dialog of a launcher.exe opens where the last one was left.
inline void ForgetFileDialogFolders() {
    DeleteKey(L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32");
}

// --- the launcher ---

inline void SetBox(const Launcher& l, Control box, const std::string& ansi) {
    SendMessageA(l.Control(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ansi.c_str()));
}

// Clicks a check box and waits for the action that the click raised to end.
inline void ClickCheckBox(const Launcher& l, Control box) {
    const HWND h = l.Control(box);
    const bool before = IsChecked(h);
    Activate(l.Window());
    Click(h);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(h) != before; })) << "the box did not toggle";
    Settle(l);
}

// Visible top-level windows of the launcher other than its main window.
inline std::vector<std::string> OtherWindows(const Launcher& l) {
    std::vector<std::string> others;
    for (const HWND h : VisibleWindowsOf(l.Pid()))
        if (h != l.Window()) others.push_back(Narrow(ClassOf(h)) + " \"" + Narrow(WideTextOf(h)) + "\"");
    return others;
}

// --- bad program paths ---

struct BadPath {
    std::string what;
    std::string path;  // ANSI bytes
};

// Paths no program can be started from, with the files they need made in
// the folder: the empty text, more than 260 bytes, a folder, a missing file,
// and files that are not programs.
inline std::vector<BadPath> BadPaths(const CaseFolder& f) {
    f.MakeDirectory(L"folder.exe");
    f.Write(L"notes.txt", "not a program\r\n");
    f.Write(L"broken.exe", "MZ but nothing more");
    const std::string base = f.AnsiPath() + "\\";
    return {
        {"empty", ""},
        {"longer than 260 bytes", base + std::string(300, 'x') + ".exe"},
        {"a folder", base + "folder.exe"},
        {"a missing file", base + "missing.exe"},
        {"a text file", base + "notes.txt"},
        {"a damaged program", base + "broken.exe"},
    };
}

}  // namespace play
