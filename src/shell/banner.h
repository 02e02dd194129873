// The banner picture, a JPEG carried as a resource of the executable.
#pragma once

#include <windows.h>

#include "base/win_handles.h"

namespace shell {

// A 32-bit DIB of the decoded picture; empty when the resource is missing or
// cannot be decoded, and the window then shows no picture.
base::GdiObject LoadBanner(HINSTANCE instance);

// The same from JPEG bytes.
base::GdiObject BitmapFromJpeg(const void* data, std::size_t size);

}  // namespace shell
