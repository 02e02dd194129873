// Fixed size of the main window and where it opens. No Windows header here.
#pragma once

namespace shell {

inline constexpr int kWindowWidth = 344;   // outer size, frame and title bar included
inline constexpr int kWindowHeight = 431;

struct Point {
    int x, y;
};

// Centred on a screen of the given size, each quotient rounded toward zero.
constexpr Point CentredOrigin(int screenWidth, int screenHeight) {
    return {(screenWidth - kWindowWidth) / 2, (screenHeight - kWindowHeight) / 2};
}

}  // namespace shell
