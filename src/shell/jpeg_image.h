// Decoding a JPEG picture with libjpeg into 32-bit pixels. No Windows header.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace shell {

struct Image {
    int width = 0;
    int height = 0;
    // Rows top to bottom; each pixel 0x00RRGGBB, i.e. the bytes B, G, R, 0.
    std::vector<std::uint32_t> pixels;
};

inline constexpr int kMaxImageSide = 4096;

// Nothing when the data is not a whole, undamaged JPEG of 3 or 1 colour
// components no larger than kMaxImageSide on each side and of at most 500
// scans. Never ends the process.
std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> data);

}  // namespace shell
