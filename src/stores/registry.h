// Registry values under HKEY_CURRENT_USER, addressed by full registry path
// ("key\path\value name"). Every key is closed before a call returns.
#pragma once

#include <cstdint>
#include <string_view>

namespace stores {

// Opens the key for writing, or creates it with every missing key above it,
// and stores the value (REG_SZ with its zero byte / REG_DWORD), replacing a
// value of any former type. True when the value was stored.
bool RegistryWriteText(std::string_view fullPath, std::string_view text);
bool RegistryWriteInt(std::string_view fullPath, std::int32_t value);

// The stored REG_DWORD, or the fallback when the key or value is missing, is
// of another type, or is not exactly four bytes.
std::int32_t RegistryReadInt(std::string_view fullPath, std::int32_t fallback);

}  // namespace stores
