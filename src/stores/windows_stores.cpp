#include "stores/windows_stores.h"

#include "stores/config_file.h"
#include "stores/registry.h"
#include "stores/setting_names.h"
#include "stores/settings_file.h"

namespace stores {

WindowsStores::WindowsStores(std::string launcherDirectory)
    : launcherDirectory_(std::move(launcherDirectory)), settingsPath_(launcherDirectory_ + std::string(kSettingsFileTail)) {}

std::string WindowsStores::ReadSetting(std::string_view key) { return IniRead(settingsPath_, kSection, key); }
void WindowsStores::WriteSetting(std::string_view key, std::string_view value) {
    IniWrite(settingsPath_, kSection, key, value);
}
void WindowsStores::WriteNameKey(std::string_view playerId) { stores::WriteNameKey(launcherDirectory_, playerId); }
void WindowsStores::AppendConfig(std::string_view text) { stores::AppendConfig(text); }
bool WindowsStores::WriteRegistryText(std::string_view fullPath, std::string_view text) {
    return RegistryWriteText(fullPath, text);
}
bool WindowsStores::WriteRegistryInt(std::string_view fullPath, std::int32_t value) {
    return RegistryWriteInt(fullPath, value);
}
std::int32_t WindowsStores::ReadRegistryInt(std::string_view fullPath, std::int32_t fallback) {
    return RegistryReadInt(fullPath, fallback);
}

}  // namespace stores
