// The game's console script, cstrike_schinese\config.cfg.
#pragma once

#include <string_view>

namespace stores {

// Adds text and CR LF at the end of the current directory's config.cfg. The
// file is never created; a failure is silent.
void AppendConfig(std::string_view text);
// Writes the INI key `name` in section 墨羽晴川 of the launcher directory's
// config.cfg (created when only the file is missing).
void WriteNameKey(std::string_view launcherDirectory, std::string_view playerId);

}  // namespace stores
