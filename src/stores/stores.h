// The operations through which actions reach the three stores: the launcher
// settings file, the game's config.cfg and the registry. Texts are 8-bit ANSI
// bytes. No Windows header here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace stores {

class Stores {
public:
    virtual ~Stores() = default;

    // Section 墨羽晴川 of DoDavev.cfg in the launcher directory.
    virtual std::string ReadSetting(std::string_view key) = 0;
    virtual void WriteSetting(std::string_view key, std::string_view value) = 0;

    // INI key `name` of the launcher directory's cstrike_schinese\config.cfg.
    virtual void WriteNameKey(std::string_view playerId) = 0;
    // Appends text and CR LF to the current directory's cstrike_schinese\config.cfg.
    virtual void AppendConfig(std::string_view text) = 0;

    // Full registry paths under HKEY_CURRENT_USER; true when stored.
    virtual bool WriteRegistryText(std::string_view fullPath, std::string_view text) = 0;
    virtual bool WriteRegistryInt(std::string_view fullPath, std::int32_t value) = 0;
    virtual std::int32_t ReadRegistryInt(std::string_view fullPath, std::int32_t fallback) = 0;
};

}  // namespace stores
