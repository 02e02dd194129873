// Splitting a full registry path ("key\path\value name") into key path and
// value name. No Windows header here.
#pragma once

#include <string>
#include <string_view>

namespace stores {

struct RegistryPath {
    std::string key;    // relative to HKEY_CURRENT_USER; empty means the root
    std::string value;  // value name
};

// Splits at the last backslash; a byte of 0x80 or above takes the byte after
// it along, so a double-byte character never splits the path.
RegistryPath SplitRegistryPath(std::string_view fullPath);

}  // namespace stores
