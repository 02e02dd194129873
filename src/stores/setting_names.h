// Fixed names of the stored settings, as the bytes that reach the files and
// the registry. The Chinese names are GBK (code page 936) bytes, the way the
// game community's files have always held them, whatever the code page of
// the machine. No Windows header here.
#pragma once

#include <string_view>

namespace stores {

// Launcher settings file and its one section.
inline constexpr std::string_view kSettingsFileTail = "\\DoDavev.cfg";
inline constexpr std::string_view kSection = "\xC4\xAB\xD3\xF0\xC7\xE7\xB4\xA8";  // 墨羽晴川

// Keys in the order the settings are saved.
inline constexpr std::string_view kKeyGamePath = "CS\xC2\xB7\xBE\xB6";  // CS路径
inline constexpr std::string_view kKeyToolPath =
    "\xD6\xD0\xCE\xC4\xCA\xE4\xC8\xEB\xBB\xFA\xC2\xB7\xBE\xB6";  // 中文输入机路径
inline constexpr std::string_view kKeyName = "name";
inline constexpr std::string_view kKeySetinfo = "setinfo";
inline constexpr std::string_view kKeyUserpass = "userpass";
inline constexpr std::string_view kKeySensitivity = "sensitivity";

// The game's console script, below a directory.
inline constexpr std::string_view kConfigTail = "\\cstrike_schinese\\config.cfg";

// Full registry paths under HKEY_CURRENT_USER.
inline constexpr std::string_view kScreenWidth = "Software\\Valve\\Half-Life\\Settings\\ScreenWidth";
inline constexpr std::string_view kScreenHeight = "Software\\Valve\\Half-Life\\Settings\\ScreenHeight";
inline constexpr std::string_view kScreenWindowed = "Software\\Valve\\Half-Life\\Settings\\ScreenWindowed";
inline constexpr std::string_view kToolRconSayKey = "Software\\SourceTec\\CSMate\\Rcon Say Key";
inline constexpr std::string_view kToolSayKey = "Software\\SourceTec\\CSMate\\Say Key";
inline constexpr std::string_view kToolSayTeamKey = "Software\\SourceTec\\CSMate\\Say Team Key";
inline constexpr std::string_view kToolSendKey = "Software\\SourceTec\\CSMate\\Send Key";
inline constexpr std::string_view kToolExecutable = "Software\\SourceTec\\CSMate\\Executable File";
inline constexpr std::string_view kToolAutoIme = "Software\\SourceTec\\CSMate\\Auto IME";
inline constexpr std::string_view kToolRememberHistory = "Software\\SourceTec\\CSMate\\Remember History";
inline constexpr std::string_view kToolStartMinimized = "Software\\SourceTec\\CSMate\\Start Minimized";
inline constexpr std::string_view kToolMinimizeToTray = "Software\\SourceTec\\CSMate\\Minimize to Tray";
inline constexpr std::string_view kToolMaxHistoryItems = "Software\\SourceTec\\CSMate\\Max History Items";

}  // namespace stores
