#include "shell/launcher_directory.h"

namespace shell {

std::string DirectoryOfPath(std::string_view exePath, base::LeadBytePredicate isLead) {
    const std::size_t cut = base::FindLastBackslash(exePath, isLead);
    if (cut == std::string_view::npos) return {};
    return std::string(exePath.substr(0, cut));
}

}  // namespace shell
