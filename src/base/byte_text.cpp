#include "base/byte_text.h"

namespace base {

bool IsHighByte(unsigned char b) { return b >= 0x80; }

std::size_t FindLastBackslash(std::string_view text, LeadBytePredicate isLead) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == 0) break;
        if (b == '\\') {
            last = i;
        } else if (isLead(b)) {
            if (i + 1 >= text.size() || text[i + 1] == '\0') break;
            ++i;  // the trailing byte is part of this character
        }
    }
    return last;
}

}  // namespace base
