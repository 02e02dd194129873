// Start the game (启动游戏): when the current directory holds a file (not a
// folder) named cstrike.exe, start the game path with the server to connect
// to; otherwise warn and wait for the player. Then save, in both cases.
#include <windows.h>

#include "actions/actions.h"
#include "actions/game_command.h"
#include "actions/program_start.h"
#include "base/current_directory.h"
#include "base/win_handles.h"
#include "build_values.h"

namespace actions {
namespace {

constexpr wchar_t kMissingGameTitle[] = L"请正确设置游戏路径";
constexpr wchar_t kMissingGameText[] =
    L"墨羽晴川提醒您：\r\n没有找到cstrike.exe文件\r\n请正确设置游戏路径\r\n或把登陆器放在游戏根目录下";

}  // namespace

void StartGame(ActionContext& c) {
    const std::string testPath = base::CurrentDirectory() + "\\cstrike.exe";
    WIN32_FIND_DATAA found{};
    // The search stays open until the save below has run.
    const base::FindHandle search(FindFirstFileA(testPath.c_str(), &found));
    bool present = false;
    if (search) {
        do {
            present = !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        } while (!present && FindNextFileA(search.Get(), &found));
    }

    if (present) {
        StartProgram(GameCommandLine(c.ui.Text(shell::Control::编辑框1), build_values::kServerAddress));
    } else {
        // No owner and task-modal: every window of the launcher waits for it.
        MessageBoxW(nullptr, kMissingGameText, kMissingGameTitle, MB_OK | MB_TASKMODAL);
    }
    SaveSettings(c);
}

}  // namespace actions
