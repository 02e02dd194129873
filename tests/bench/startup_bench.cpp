// Start-up time of the launcher beside that of a minimal window program.
//
//   startup_bench.exe [STARTS]      (STARTS defaults to 20)
//
// Both programs are copied into a fresh folder and started STARTS times each,
// in turn, after one uncounted start of each. One start is timed from just
// before CreateProcess until both the program's top-level window with the
// exact title is visible and the program has waited for input (as
// WaitForInputIdle tells); the window is then sent WM_CLOSE and the time
// until the program has ended is taken too.
//
// The figures are milliseconds (median, min, max). Read the ratio of the two
// medians, not the times themselves: the machine is shared and its speed
// varies, but both programs meet the same conditions in the same run. Sizes
// of the release programs follow, with the i686 launcher's when it is built.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "base/win_handles.h"

namespace fs = std::filesystem;

namespace {

struct Program {
    const char* label;
    std::wstring exe;
    const wchar_t* title;
    std::vector<double> startMs, closeMs;
    int failures = 0;
};

double Now() {
    static LARGE_INTEGER frequency{};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct WindowSearch {
    DWORD pid;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !IsWindowVisible(window)) return TRUE;
    // For another process's window this reads the stored caption; it sends
    // no WM_GETTEXT, so it cannot block on a program that is still starting.
    wchar_t text[64];
    const int n = GetWindowTextW(window, text, 64);
    if (std::wstring(text, n) != search->title) return TRUE;
    search->found = window;
    return FALSE;
}

// One start and close; false (and a message) when something went wrong.
bool RunOnce(Program& p, const fs::path& folder, bool counted) {
    std::wstring commandLine = L"\"" + p.exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const double t0 = Now();
    if (!CreateProcessW(p.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.wstring().c_str(), &startup, &started)) {
        std::printf("  %s: cannot start, error %lu\n", p.label, GetLastError());
        return false;
    }
    base::KernelHandle process(started.hProcess), thread(started.hThread);

    // The program is ready when its window is visible and it waits for
    // input, whichever comes later. Waiting for the first idle moment before
    // looking for the window keeps this program from taking CPU time, polling,
    // from the one it measures.
    WaitForInputIdle(process.Get(), 20000);
    WindowSearch search{started.dwProcessId, p.title, nullptr};
    for (;;) {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) break;
        // Waiting 1 ms on the process doubles as the pause between looks.
        if (WaitForSingleObject(process.Get(), 1) == WAIT_OBJECT_0 || Now() - t0 > 20000) {
            std::printf("  %s: no visible window\n", p.label);
            TerminateProcess(process.Get(), 1);
            return false;
        }
    }
    const double t1 = Now();

    PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.Get(), 10000) != WAIT_OBJECT_0) {
        std::printf("  %s: did not end after WM_CLOSE\n", p.label);
        TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), 5000);
        return false;
    }
    const double t2 = Now();
    if (counted) {
        p.startMs.push_back(t1 - t0);
        p.closeMs.push_back(t2 - t1);
    }
    DWORD exitCode = 1;
    GetExitCodeProcess(process.Get(), &exitCode);
    if (exitCode != 0) std::printf("  %s: exit code %lu\n", p.label, exitCode);
    return exitCode == 0;
}

struct Summary {
    double median, min, max;
};

Summary Summarise(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return {median, v.front(), v.back()};
}

void PrintSize(const char* label, const fs::path& file) {
    std::error_code error;
    const auto size = fs::file_size(file, error);
    if (!error) std::printf("  %-26s %9llu bytes\n", label, static_cast<unsigned long long>(size));
}

}  // namespace

int main(int argc, char** argv) {
    const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path bin = fs::path(self).parent_path();
    const fs::path folder = bin / L"benchrun" / L"startup";
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder);
    fs::copy_file(bin / L"launcher.exe", folder / L"launcher.exe");
    fs::copy_file(bin / L"minimal_window.exe", folder / L"minimal_window.exe");

    Program programs[] = {
        {"launcher", (folder / L"launcher.exe").wstring(), L"墨羽晴川CS专用登陆器", {}, {}},
        {"minimal window", (folder / L"minimal_window.exe").wstring(), L"minimal", {}, {}},
    };
    std::printf("start-up: %d starts of each program, taken in turn, from %s\n", starts,
                folder.string().c_str());
    for (Program& p : programs) RunOnce(p, folder, false);  // loads the files into the cache
    for (int i = 0; i < starts; ++i)
        for (Program& p : programs)
            if (!RunOnce(p, folder, true)) ++p.failures;

    std::printf("  %-16s %28s %28s\n", "", "start to idle window, ms", "WM_CLOSE to exit, ms");
    std::printf("  %-16s %9s %9s %9s %9s %9s %9s\n", "", "median", "min", "max", "median", "min", "max");
    for (const Program& p : programs) {
        if (p.startMs.empty()) {
            std::printf("  %-16s no successful start\n", p.label);
            continue;
        }
        const Summary s = Summarise(p.startMs), c = Summarise(p.closeMs);
        std::printf("  %-16s %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f", p.label, s.median, s.min, s.max, c.median,
                    c.min, c.max);
        if (p.failures) std::printf("   (%d failed)", p.failures);
        std::printf("\n");
    }
    if (!programs[0].startMs.empty() && !programs[1].startMs.empty()) {
        const Summary l = Summarise(programs[0].startMs), m = Summarise(programs[1].startMs);
        std::printf("  launcher / minimal window, median start: %.2f\n", l.median / m.median);
    }

    std::printf("sizes of the release programs:\n");
    PrintSize("launcher.exe (x86_64)", bin / L"launcher.exe");
    PrintSize("minimal_window.exe (x86_64)", bin / L"minimal_window.exe");
    const fs::path win32 = bin.parent_path().parent_path() / L"win32" / L"bin";
    PrintSize("launcher.exe (i686)", win32 / L"launcher.exe");
    PrintSize("minimal_window.exe (i686)", win32 / L"minimal_window.exe");
    fs::remove_all(folder, error);
    fs::remove(bin / "benchrun", error);  // only when no other run uses it
    return programs[0].failures || programs[1].failures ? 1 : 0;
}
