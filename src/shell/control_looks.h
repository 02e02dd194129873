// Fonts, colours and frames of the controls that differ from their kind's
// defaults. No Windows header here.
#pragma once

#include <cstdint>
#include <optional>

#include "shell/control_table.h"

namespace shell {

enum class FontFace : std::uint8_t { Default, NSimSunBold, SimSunBold };  // the bold ones: 12 px, weight 700
enum class Frame : std::uint8_t { None, RaisedDouble, ThinLine };
enum class Align : std::uint8_t { Left, Centre };

struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct Look {
    FontFace font = FontFace::Default;
    Rgb text{0, 0, 0};
    bool raisedText = false;  // white first, then the colour one pixel right and down
    Frame frame = Frame::None;
    Align align = Align::Left;
};

Look LookOf(Control c);

inline constexpr Rgb kGroupCaption{96, 96, 96};
inline constexpr Rgb kLinkNormal{0, 0, 255};
inline constexpr Rgb kLinkHover{49, 106, 197};
inline constexpr Rgb kLinkVisited{128, 0, 0};

}  // namespace shell
