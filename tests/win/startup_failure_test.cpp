// A window that cannot be built ends the launcher with a message box and
// exit code -1, never a crash or a hang.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>

#include "shell/startup.h"
#include "shell/window_title.h"

namespace {

bool FailingBuild(shell::MainWindow&) { return false; }

TEST(Startup, FailingWindowBuildReportsAndExitsWithMinusOne) {
    std::atomic<bool> boxSeen{false};
    std::thread closer([&] {
        // The box has the launcher's title; answer it like a player would.
        for (int i = 0; i < 500; ++i) {
            if (const HWND box = FindWindowW(L"#32770", shell::kWindowTitle)) {
                boxSeen = true;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    });
    const int code = shell::RunLauncher(GetModuleHandleW(nullptr), FailingBuild);
    closer.join();
    EXPECT_EQ(code, shell::kFatalExitCode);
    EXPECT_TRUE(boxSeen);
}

}  // namespace
