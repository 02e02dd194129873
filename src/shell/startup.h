// The life of the process: start-up, the message loop and shutdown.
#pragma once

#include <windows.h>

#include <string>

namespace shell {

class MainWindow;

inline constexpr int kFatalExitCode = -1;

// Builds the window; replaceable so that a failing build can be exercised.
using WindowBuilder = bool (*)(MainWindow& window);
bool BuildMainWindow(MainWindow& window);

// Runs the launcher to its end and gives the process exit code.
int RunLauncher(HINSTANCE instance, WindowBuilder build = BuildMainWindow);

// The folder of the running executable, without a trailing backslash; empty
// when the path holds no backslash.
std::string LauncherDirectory();

}  // namespace shell
