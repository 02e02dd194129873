// Scanning 8-bit ANSI text byte by byte where a double-byte character's
// second byte may look like an ASCII character. No Windows header here.
#pragma once

#include <cstddef>
#include <string_view>

namespace base {

using LeadBytePredicate = bool (*)(unsigned char);

// Any byte of 0x80 or above starts a double-byte character.
bool IsHighByte(unsigned char b);

// Position of the last backslash that is a character of its own, not the
// second byte of a double-byte character; npos when there is none. A zero
// byte in a trailing position ends the scan.
std::size_t FindLastBackslash(std::string_view text, LeadBytePredicate isLead = IsHighByte);

}  // namespace base
