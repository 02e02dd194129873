// Small pieces every window class of the launcher needs.
#pragma once

#include <windows.h>

#include "shell/control_looks.h"

namespace shell {

// Registers a window class with the arrow pointer; a class already
// registered (a second window of the process) counts as success.
inline bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, int extraBytes = 0,
                                HBRUSH background = nullptr) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extraBytes;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

inline COLORREF ToColorref(Rgb c) { return RGB(c.r, c.g, c.b); }

}  // namespace shell
