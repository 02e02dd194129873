// Arguments of a profile read: leading blanks and control characters (bytes
// of 32 or below) are skipped from the file path, section and key.
// No Windows header here.
#pragma once

#include <string_view>

namespace stores {

inline std::string_view SkipLeadingBlanks(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= 32) ++i;
    return s.substr(i);
}

}  // namespace stores
