// The open-file dialog's filter list. Beyond "no crash" it checks that the
// list always ends in two NULs and holds no '|', and that it is the text
// without its trailing blanks, each '|' turned into a NUL, with two NULs
// added unless that text already ended in "||".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "shell/file_dialogs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string filter = shell::BuildFilter(text);

    FUZZ_CHECK(filter.size() >= 2 && filter.ends_with(std::string_view("\0\0", 2)));
    FUZZ_CHECK(filter.find('|') == std::string::npos);

    std::string_view trimmed = text;
    while (trimmed.ends_with(' ')) trimmed.remove_suffix(1);
    FUZZ_CHECK(filter.size() == trimmed.size() + (trimmed.ends_with("||") ? 0 : 2));
    for (std::size_t i = 0; i < trimmed.size(); ++i)
        FUZZ_CHECK(filter[i] == (trimmed[i] == '|' ? '\0' : trimmed[i]));
    return 0;
}
