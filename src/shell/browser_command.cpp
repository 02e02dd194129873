#include "shell/browser_command.h"

namespace shell {

std::string BrowserCommand(std::string_view registeredCommand, std::string_view address) {
    std::size_t cut = registeredCommand.find("\"%1\"");
    if (cut == std::string_view::npos) cut = registeredCommand.find("%1");
    std::string command(registeredCommand.substr(0, cut));
    command.append(" ").append(address);
    return command;
}

}  // namespace shell
