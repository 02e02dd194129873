#include "stores/settings_file.h"

#include <windows.h>

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
    return std::string(buffer.data(), n);
}

bool IniWrite(std::string_view path, std::string_view section, std::string_view key, std::string_view value) {
    const std::string p(path), s(section), k(key), v(value);
    return WritePrivateProfileStringA(s.c_str(), k.c_str(), v.c_str(), p.c_str()) != FALSE;
}

}  // namespace stores
