// The console lines appended to the game's config and the rule for INI
// arguments. Beyond "no crash" it checks that each line builder puts its
// inputs in byte for byte between its fixed pieces (nothing escaped, cut or
// lost, also with quotes, line breaks and zero bytes inside), and that
// skipping leading blanks drops exactly the bytes of 32 or below at the start.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "stores/config_text.h"
#include "stores/ini_arguments.h"

namespace {

// True when the text is exactly these pieces one after the other.
bool IsSequence(std::string_view text, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        if (!text.starts_with(piece)) return false;
        text.remove_prefix(piece.size());
    }
    return text.empty();
}

void CheckSkipLeadingBlanks(std::string_view s) {
    const std::string_view rest = stores::SkipLeadingBlanks(s);
    const std::size_t skipped = s.size() - rest.size();
    FUZZ_CHECK(rest.size() <= s.size() && rest.data() == s.data() + skipped);
    for (std::size_t i = 0; i < skipped; ++i) FUZZ_CHECK(static_cast<unsigned char>(s[i]) <= 32);
    FUZZ_CHECK(rest.empty() || static_cast<unsigned char>(rest[0]) > 32);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string id = input.ConsumeRandomLengthString();
    const std::string master = input.ConsumeRandomLengthString();
    const std::string personal = input.ConsumeRandomLengthString();
    const std::string sensitivity = input.ConsumeRemainingBytesAsString();

    FUZZ_CHECK(IsSequence(stores::SaveBlock(id, master, personal, sensitivity),
                          {"\r\nname \"", id, "\"\r\nsetinfo \"", master, "\" \"", personal,
                           "\"\r\nsensitivity \"", sensitivity, "\""}));
    FUZZ_CHECK(IsSequence(stores::OptionLine(id, master), {"\r\n", id, " \"", master, "\""}));
    FUZZ_CHECK(IsSequence(stores::AppendedBytes(personal), {personal, "\r\n"}));
    for (const std::string_view s : {std::string_view(id), std::string_view(master),
                                     std::string_view(personal), std::string_view(sensitivity)})
        CheckSkipLeadingBlanks(s);
    return 0;
}
