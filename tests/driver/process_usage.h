// What another process holds: handles, GDI objects and private memory, read
// in ways that also work under Wine, where GetProcessHandleCount and
// GetGuiResources report 0.
#pragma once

#include <windows.h>

#include <cstddef>

namespace driver {

struct ProcessUsage {
    long handles = -1;     // -1: could not be read
    long gdiObjects = -1;
    std::size_t privateBytes = 0;
};

ProcessUsage MeasureProcess(DWORD pid);

}  // namespace driver
