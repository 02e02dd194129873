// The command that opens a web address with the registered browser. Beyond
// "no crash" it checks that the command always ends with " " + address and
// begins with the registered command cut at its first "\"%1\"", or, when
// there is none, before its first "%1" (all of it when there is neither).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "shell/browser_command.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string address = input.ConsumeRandomLengthString();
    const std::string registered = input.ConsumeRemainingBytesAsString();
    const std::string command = shell::BrowserCommand(registered, address);

    const std::string tail = " " + address;
    FUZZ_CHECK(command.ends_with(tail));
    const std::string_view head = std::string_view(command).substr(0, command.size() - tail.size());
    FUZZ_CHECK(std::string_view(registered).starts_with(head));

    const std::size_t quoted = registered.find("\"%1\"");
    if (quoted != std::string::npos) {
        FUZZ_CHECK(head.size() == quoted);
    } else {
        FUZZ_CHECK(head.find("%1") == std::string_view::npos);
        FUZZ_CHECK(head.size() == registered.size() || registered.compare(head.size(), 2, "%1") == 0);
    }
    return 0;
}
