// Window classes of the controls the launcher paints itself: labels (raised
// text, colours and frames from their look) and the banner's picture box.
#pragma once

#include <windows.h>

namespace shell {

inline constexpr wchar_t kLabelClass[] = L"MoyuLabel";
inline constexpr wchar_t kPictureClass[] = L"MoyuPicture";

bool RegisterPaintedClasses(HINSTANCE instance);

// The picture box shows this bitmap at its own size at the box's corner; the
// caller keeps it alive while the box exists. Null shows the background only.
void SetPicture(HWND pictureBox, HBITMAP bitmap);

}  // namespace shell
