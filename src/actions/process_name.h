// Recognising the input tool among running processes by executable name.
// No Windows header here.
#pragma once

#include <cstddef>
#include <string_view>

namespace actions {

inline constexpr std::size_t kExeNameField = 260;  // PROCESSENTRY32A::szExeFile

// The name held in a 260-byte field: up to its first zero byte, or all of it.
std::string_view ExeNameFromField(const char (&field)[kExeNameField]);

// True for "CSMate.exe" with ASCII letters in any case. No other byte is
// folded, and a name with any byte of 0x80 or above never matches.
bool IsInputToolName(std::string_view exeName);

}  // namespace actions
