// Profile (INI) access through the Windows profile functions.
#pragma once

#include <string>
#include <string_view>

namespace stores {

inline constexpr unsigned kIniReadBuffer = 10240;  // bytes, terminating zero included

// The key's value, or the empty text when the file, section or key is
// missing, or the path, section or key is empty after its leading blanks.
std::string IniRead(std::string_view path, std::string_view section, std::string_view key);
// Writes the value as given (an empty value keeps the key); true on success.
bool IniWrite(std::string_view path, std::string_view section, std::string_view key, std::string_view value);

}  // namespace stores
