// The three open-file dialogs and their fixed properties, and the filter
// string the open-file dialog takes. No Windows header here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/control_table.h"

namespace shell {

struct FileDialogDef {
    Control dialog;
    std::string_view initialFileName;  // also the file-name property's first value
    std::string_view filterText;       // "label|pattern|..." pairs
    std::string_view initialDirectory;
    std::string_view defaultExtension;  // empty: none
};

const FileDialogDef& FileDialog(Control dialog);

inline constexpr std::size_t kFileNameBuffer = 260;  // characters, MAX_PATH

// Cuts trailing blanks, appends "||" unless the text already ends with it,
// then turns every '|' into a NUL: the double-NUL-ended list the dialog takes.
std::string BuildFilter(std::string_view filterText);

}  // namespace shell
