// Program entry. The command line is not examined.
#include <windows.h>

#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return shell::RunLauncher(instance); }
