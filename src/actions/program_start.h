// Starting an outside program (the game, the input tool).
#pragma once

#include <string>

namespace actions {

// CreateProcessA with the text as the whole command line (nothing quoted or
// added), no handle inheritance, the launcher's environment and current
// directory, shown normally; then at most 1000 ms for it to become idle.
// False when the process could not be created; nobody is told.
bool StartProgram(const std::string& commandLine);

}  // namespace actions
