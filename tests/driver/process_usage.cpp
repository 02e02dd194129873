#include "process_usage.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace driver {
namespace {

// The system's handle list: one entry per open handle of every process.
long CountHandles(DWORD pid) {
    struct Entry {
        ULONG ownerPid;
        BYTE objectType;
        BYTE flags;
        USHORT value;
        PVOID object;
        ULONG access;
    };
    struct List {
        ULONG count;
        Entry entries[1];
    };
    constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
    std::vector<char> buffer(1 << 20);
    for (;;) {
        ULONG needed = 0;
        if (NtQuerySystemInformation(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                                     &needed) == 0)
            break;
        if (buffer.size() >= (1u << 28)) return -1;
        buffer.resize(buffer.size() * 4);
    }
    const auto* list = reinterpret_cast<const List*>(buffer.data());
    long n = 0;
    for (ULONG i = 0; i < list->count; ++i) n += list->entries[i].ownerPid == pid;
    return n;
}

// Wine keeps a process's GDI handles in a table the process's PEB points to
// (as Windows once did): one 24-byte entry per handle, a non-zero type byte
// for a live object.
long CountGdiObjectsInTable(HANDLE process) {
#if defined(_WIN64)
    struct Entry {
        UINT64 object;
        ULONG owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        UINT64 user;
    };
    static_assert(sizeof(Entry) == 24);
    constexpr std::size_t kTableOffsetInPeb = 0xF8;  // PEB::GdiSharedHandleTable
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return -1;
    UINT64 table = 0;
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kTableOffsetInPeb, &table,
                           sizeof table, &got) ||
        table == 0)
        return -1;
    std::vector<Entry> entries(0x10000);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size() * sizeof(Entry), &got))
        return -1;
    long n = 0;
    for (const Entry& e : entries) n += e.type != 0;
    return n;
#else
    (void)process;
    return -1;
#endif
}

}  // namespace

ProcessUsage MeasureProcess(DWORD pid) {
    ProcessUsage usage;
    usage.handles = CountHandles(pid);
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return usage;
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    usage.gdiObjects = gdi ? static_cast<long>(gdi) : CountGdiObjectsInTable(process);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, &memory, sizeof memory)) usage.privateBytes = memory.PagefileUsage;
    CloseHandle(process);
    return usage;
}

}  // namespace driver
