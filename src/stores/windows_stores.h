// The stores as the launcher uses them: DoDavev.cfg and the name key in the
// launcher directory, appends in the current directory, HKEY_CURRENT_USER.
#pragma once

#include <string>

#include "stores/stores.h"

namespace stores {

class WindowsStores final : public Stores {
public:
    explicit WindowsStores(std::string launcherDirectory);

    std::string ReadSetting(std::string_view key) override;
    void WriteSetting(std::string_view key, std::string_view value) override;
    void WriteNameKey(std::string_view playerId) override;
    void AppendConfig(std::string_view text) override;
    bool WriteRegistryText(std::string_view fullPath, std::string_view text) override;
    bool WriteRegistryInt(std::string_view fullPath, std::int32_t value) override;
    std::int32_t ReadRegistryInt(std::string_view fullPath, std::int32_t fallback) override;

private:
    std::string launcherDirectory_;
    std::string settingsPath_;
};

}  // namespace stores
