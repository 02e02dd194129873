// The last-backslash scan over double-byte text, as the registry path split
// and the launcher directory use it. Beyond "no crash" it checks, under
// three lead-byte rules (any high byte, GBK's 0x81..0xFE, none), that
// - the cut is the last backslash that starts a character of its own,
//   found by walking the text one character at a time, so a double-byte
//   character is never cut;
// - the split rebuilds the path up to its first zero byte as
//   key + "\" + value, or leaves it all as value name without a separator;
// - the launcher directory is the text before that same backslash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/byte_text.h"
#include "fuzz_check.h"
#include "shell/launcher_directory.h"
#include "stores/registry_path.h"

namespace {

bool GbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool NoLeadByte(unsigned char) { return false; }

// Walks the characters up to the first zero byte; a lead byte with nothing
// or a zero byte after it ends the walk.
std::size_t ReferenceLastBackslash(std::string_view text, base::LeadBytePredicate isLead) {
    std::size_t last = std::string_view::npos;
    std::size_t i = 0;
    while (i < text.size() && text[i] != '\0') {
        const auto b = static_cast<unsigned char>(text[i]);
        if (!isLead(b)) {
            if (b == '\\') last = i;
            i += 1;
        } else if (i + 1 < text.size() && text[i + 1] != '\0') {
            i += 2;
        } else {
            break;
        }
    }
    return last;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    for (const base::LeadBytePredicate isLead : {base::IsHighByte, GbkLeadByte, NoLeadByte}) {
        const std::size_t cut = ReferenceLastBackslash(text, isLead);
        FUZZ_CHECK(base::FindLastBackslash(text, isLead) == cut);
        const std::string directory = shell::DirectoryOfPath(text, isLead);
        FUZZ_CHECK(directory == (cut == std::string_view::npos ? std::string_view() : text.substr(0, cut)));
    }

    const std::string_view cString = text.substr(0, text.find('\0'));
    const std::size_t cut = ReferenceLastBackslash(text, base::IsHighByte);
    const stores::RegistryPath path = stores::SplitRegistryPath(text);
    if (cut == std::string_view::npos) {
        FUZZ_CHECK(path.key.empty() && path.value == cString);
    } else {
        FUZZ_CHECK(path.key.size() == cut);
        FUZZ_CHECK(path.key + "\\" + path.value == cString);
    }
    return 0;
}
