// Pixels of the screen as the player sees them, and saving them as PNG.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace driver {

struct Shot {
    int left = 0, top = 0, width = 0, height = 0;  // in screen coordinates
    std::vector<std::uint32_t> pixels;               // 0x00RRGGBB, rows top to bottom

    // The pixel at screen coordinates (x, y).
    COLORREF At(int x, int y) const;
};

Shot Capture(const RECT& screenRect);
// How many pixels of the shot have exactly this colour.
int CountColour(const Shot& shot, COLORREF colour);
Shot CaptureWindow(HWND h);  // its whole outer rectangle
// Captures the window once its frame is on the screen too: Wine may show the
// client area a moment before it has drawn the title bar.
Shot CaptureDrawnWindow(HWND h);
bool SavePng(const Shot& shot, const std::wstring& path);

}  // namespace driver
