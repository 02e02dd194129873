#include "stores/settings_file.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "stores/ini_arguments.h"

namespace stores {

std::string IniRead(std::string_view path, std::string_view section, std::string_view key) {
    const std::string p(SkipLeadingBlanks(path)), s(SkipLeadingBlanks(section)), k(SkipLeadingBlanks(key));
    // An empty section or key would make the profile function list names
    // instead of reading a value.
    if (p.empty() || s.empty() || k.empty()) return {};
    std::vector<char> buffer(kIniReadBuffer);
    const DWORD n = GetPrivateProfileStringA(s.c_str(), k.c_str(), "", buffer.data(), kIniReadBuffer, p.c_str());
    // A double-byte value cut by the buffer can come back with a count one
    // past the bytes actually copied (the half character is dropped and a
    // zero stands in its place): the text ends at the first zero byte.
    const auto first = buffer.begin();
    return std::string(first, std::find(first, first + std::min<DWORD>(n, kIniReadBuffer - 1), '\0'));
}

bool IniWrite(std::string_view path, std::string_view section, std::string_view key, std::string_view value) {
    const std::string p(path), s(section), k(key), v(value);
    return WritePrivateProfileStringA(s.c_str(), k.c_str(), v.c_str(), p.c_str()) != FALSE;
}

}  // namespace stores
