// The console lines the launcher appends to the game's config.cfg. Control
// texts go in exactly as they stand: nothing is escaped or trimmed.
// No Windows header here.
#pragma once

#include <string>
#include <string_view>

namespace stores {

// "\r\nname \"ID\"\r\nsetinfo \"PW1\" \"PW2\"\r\nsensitivity \"S\""
std::string SaveBlock(std::string_view playerId, std::string_view masterPassword,
                      std::string_view personalPassword, std::string_view sensitivity);

// "\r\n<variable> \"<value>\""
std::string OptionLine(std::string_view variable, std::string_view value);

// The bytes one append writes: the text, then CR LF.
std::string AppendedBytes(std::string_view text);

}  // namespace stores
