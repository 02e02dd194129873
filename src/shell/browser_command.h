// The command that opens a web address with the browser registered for web
// pages: the registered command cut at its first "\"%1\"" (or, when there
// is none, its first "%1"), one blank, then the address. No Windows header.
#pragma once

#include <string>
#include <string_view>

namespace shell {

std::string BrowserCommand(std::string_view registeredCommand, std::string_view address);

}  // namespace shell
