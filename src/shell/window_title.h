// The main window's title.
#pragma once

namespace shell {

inline constexpr wchar_t kWindowTitle[] = L"墨羽晴川CS专用登陆器";

}  // namespace shell
