#include "actions/game_command.h"

namespace actions {

std::string GameCommandLine(std::string_view gamePath, std::string_view serverAddress) {
    std::string s(gamePath);
    s.append(" +connect ").append(serverAddress).append(":27016");
    return s;
}

}  // namespace actions
