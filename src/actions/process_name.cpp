#include "actions/process_name.h"

namespace actions {
namespace {

unsigned char FoldAsciiLetter(unsigned char b) { return (b >= 'a' && b <= 'z') ? b - ('a' - 'A') : b; }

}  // namespace

std::string_view ExeNameFromField(const char (&field)[kExeNameField]) {
    std::size_t n = 0;
    while (n < kExeNameField && field[n] != '\0') ++n;
    return {field, n};
}

bool IsInputToolName(std::string_view exeName) {
    constexpr std::string_view kName = "CSMATE.EXE";
    if (exeName.size() != kName.size()) return false;
    for (std::size_t i = 0; i < kName.size(); ++i) {
        const auto b = static_cast<unsigned char>(exeName[i]);
        if (b >= 0x80 || FoldAsciiLetter(b) != static_cast<unsigned char>(kName[i])) return false;
    }
    return true;
}

}  // namespace actions
