// The program-wide process-entry record: the platform's own PROCESSENTRY32
// in its ANSI form, so that the process walk works in 32- and 64-bit builds.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <cstddef>

#include "actions/actions.h"

namespace actions {

struct ProcessEntryRecord {
    PROCESSENTRY32 entry;  // zero-filled when start-up creates it
};

#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(PROCESSENTRY32) == 296, "the 32-bit record is 296 bytes");
static_assert(offsetof(PROCESSENTRY32, szExeFile) == 36, "nine 32-bit fields, then the name");
#endif

}  // namespace actions
