// One of the window's open-file dialogs with its file-name property.
#pragma once

#include <windows.h>

#include <string>

#include "shell/file_dialogs.h"

namespace shell {

class FileDialogBox {
public:
    explicit FileDialogBox(const FileDialogDef& def) : def_(def), fileName_(def.initialFileName) {}

    // Shows the dialog modally; true when the player confirmed a file, whose
    // full path then becomes the file name. Cancel keeps the file name.
    bool Open(HWND owner);
    const std::string& FileName() const { return fileName_; }

private:
    const FileDialogDef& def_;
    std::string fileName_;
};

}  // namespace shell
