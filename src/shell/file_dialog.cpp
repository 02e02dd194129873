#include "shell/file_dialog.h"

#include <commdlg.h>

#include <algorithm>

namespace shell {

bool FileDialogBox::Open(HWND owner) {
    const std::string filter = BuildFilter(def_.filterText);
    const std::string initialDirectory(def_.initialDirectory);
    // The stored default extension is written as a pattern ("*.exe"); the
    // dialog wants the bare extension and would otherwise append "*.e".
    std::string extension(def_.defaultExtension);
    if (extension.starts_with("*.")) extension.erase(0, 2);

    char buffer[kFileNameBuffer] = {};
    fileName_.copy(buffer, std::min(fileName_.size(), kFileNameBuffer - 1));

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer;
    ofn.nMaxFile = kFileNameBuffer;
    ofn.lpstrInitialDir = initialDirectory.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // A confirmed choice moves the current directory to the chosen file's
    // folder, where the game check and the appends then look; nothing else
    // may move it. The dialog itself moves it to every folder it shows (and
    // Wine leaves it there after Cancel, or after a full path was typed), so
    // the dialog keeps it and the launcher moves it after OK.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&ofn)) return false;
    fileName_.assign(buffer);
    if (ofn.nFileOffset > 0) SetCurrentDirectoryA(fileName_.substr(0, ofn.nFileOffset).c_str());
    return true;
}

}  // namespace shell
