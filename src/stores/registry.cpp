#include "stores/registry.h"

#include <windows.h>

#include <string>

#include "base/win_handles.h"
#include "stores/registry_path.h"

namespace stores {
namespace {

base::RegKey OpenForWriting(const std::string& key) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_WRITE, &raw) == ERROR_SUCCESS) return base::RegKey(raw);
    raw = nullptr;
    if (RegCreateKeyA(HKEY_CURRENT_USER, key.c_str(), &raw) == ERROR_SUCCESS) return base::RegKey(raw);
    return base::RegKey();
}

bool Write(std::string_view fullPath, DWORD type, const void* data, DWORD size) {
    const RegistryPath path = SplitRegistryPath(fullPath);
    const base::RegKey key = OpenForWriting(path.key);
    if (!key) return false;
    return RegSetValueExA(key.Get(), path.value.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

}  // namespace

bool RegistryWriteText(std::string_view fullPath, std::string_view text) {
    const std::string data(text);  // c_str() supplies the terminating zero byte
    return Write(fullPath, REG_SZ, data.c_str(), static_cast<DWORD>(data.size() + 1));
}

bool RegistryWriteInt(std::string_view fullPath, std::int32_t value) {
    const DWORD data = static_cast<DWORD>(value);  // little-endian on every Windows target
    return Write(fullPath, REG_DWORD, &data, sizeof data);
}

std::int32_t RegistryReadInt(std::string_view fullPath, std::int32_t fallback) {
    const RegistryPath path = SplitRegistryPath(fullPath);
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.key.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return fallback;
    const base::RegKey key(raw);
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.Get(), path.value.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return fallback;
    if (type != REG_DWORD) return fallback;
    DWORD data = 0;
    size = sizeof data;
    if (RegQueryValueExA(key.Get(), path.value.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size) !=
        ERROR_SUCCESS)
        return fallback;
    // A REG_DWORD can be stored with fewer bytes; only a whole one is a number.
    if (size != sizeof data) return fallback;
    return static_cast<std::int32_t>(data);
}

}  // namespace stores
