// Recognising the input tool among running processes. Beyond "no crash" it
// checks that the name taken from a 260-byte field (allocated alone, so a
// read past it is caught) ends at its first zero byte or is all 260 bytes,
// and that the match agrees with a plain reference, on that name and on the
// raw input of any length.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "actions/process_name.h"
#include "fuzz_check.h"

namespace {

// ASCII capitals lowered, nothing else changed, then an exact comparison.
bool ReferenceIsInputTool(std::string_view name) {
    std::string lowered(name);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lowered == "csmate.exe";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(actions::IsInputToolName(raw) == ReferenceIsInputTool(raw));
    if (size == 0) return 0;

    // The first byte fills what the rest of the input leaves of the field, so
    // that fields without any zero byte come up too.
    constexpr std::size_t kField = actions::kExeNameField;
    const std::unique_ptr<char[][kField]> holder(new char[1][kField]);
    char(&field)[kField] = holder[0];
    const std::size_t copied = std::min(size - 1, kField);
    std::memset(field, data[0], kField);
    std::memcpy(field, data + 1, copied);

    const std::string_view name = actions::ExeNameFromField(field);
    const std::string_view whole(field, kField);
    FUZZ_CHECK(name.data() == field);
    FUZZ_CHECK(name.size() == std::min(whole.find('\0'), kField));
    FUZZ_CHECK(actions::IsInputToolName(name) == ReferenceIsInputTool(name));
    return 0;
}
