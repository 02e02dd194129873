#include "stores/config_text.h"

namespace stores {

std::string SaveBlock(std::string_view playerId, std::string_view masterPassword,
                      std::string_view personalPassword, std::string_view sensitivity) {
    std::string s;
    s.reserve(48 + playerId.size() + masterPassword.size() + personalPassword.size() + sensitivity.size());
    s.append("\r\nname \"").append(playerId);
    s.append("\"\r\nsetinfo \"").append(masterPassword).append("\" \"").append(personalPassword);
    s.append("\"\r\nsensitivity \"").append(sensitivity).append("\"");
    return s;
}

std::string OptionLine(std::string_view variable, std::string_view value) {
    std::string s("\r\n");
    s.append(variable).append(" \"").append(value).append("\"");
    return s;
}

std::string AppendedBytes(std::string_view text) {
    std::string s(text);
    s.append("\r\n");
    return s;
}

}  // namespace stores
