// The game's command line: the game path exactly as typed, then
// " +connect <server>:27016". Nothing is quoted or added. No Windows header.
#pragma once

#include <string>
#include <string_view>

namespace actions {

std::string GameCommandLine(std::string_view gamePath, std::string_view serverAddress);

}  // namespace actions
