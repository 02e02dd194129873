#include "shell/file_dialogs.h"

#include <algorithm>

namespace shell {
namespace {

constexpr FileDialogDef kDialogs[] = {
    {Control::通用对话框1, "cstrike.exe", "cstrike.exe", "D:\\", ""},
    {Control::通用对话框3, "CSMate.exe", "CSMate.exe", "D:\\", "*.exe"},
    {Control::通用对话框2, "cdeath.exe", "cdeath.exe", "D:\\", "*.exe"},
};

}  // namespace

const FileDialogDef& FileDialog(Control dialog) {
    return *std::find_if(std::begin(kDialogs), std::end(kDialogs),
                         [dialog](const FileDialogDef& d) { return d.dialog == dialog; });
}

std::string BuildFilter(std::string_view filterText) {
    const std::size_t end = filterText.find_last_not_of(' ');
    std::string filter(filterText.substr(0, end == std::string_view::npos ? 0 : end + 1));
    if (!filter.ends_with("||")) filter += "||";
    std::replace(filter.begin(), filter.end(), '|', '\0');
    return filter;
}

}  // namespace shell
