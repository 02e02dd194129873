#include "stores/registry_path.h"

#include "base/byte_text.h"

namespace stores {

RegistryPath SplitRegistryPath(std::string_view fullPath) {
    // A C string ends at its first zero byte, whatever the view's length.
    fullPath = fullPath.substr(0, fullPath.find('\0'));
    const std::size_t cut = base::FindLastBackslash(fullPath);
    if (cut == std::string_view::npos) return {std::string(), std::string(fullPath)};
    return {std::string(fullPath.substr(0, cut)), std::string(fullPath.substr(cut + 1))};
}

}  // namespace stores
