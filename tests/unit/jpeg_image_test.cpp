// Decoding the banner, and failing cleanly on damaged pictures.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "shell/jpeg_image.h"

namespace {

std::vector<std::uint8_t> ReadBanner() {
    std::ifstream in(LAUNCHER_ASSETS_DIR "/banner.jpg", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(JpegImage, BannerDecodesToItsSizeOnAWhiteBackground) {
    const auto data = ReadBanner();
    ASSERT_FALSE(data.empty());
    const auto image = shell::DecodeJpeg(data);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 344);
    EXPECT_EQ(image->height, 104);
    ASSERT_EQ(image->pixels.size(), 344u * 104u);
    int whiteish = 0;
    for (const std::uint32_t p : image->pixels)
        whiteish += ((p >> 16 & 0xFF) > 230 && (p >> 8 & 0xFF) > 230 && (p & 0xFF) > 230);
    EXPECT_GT(whiteish, static_cast<int>(image->pixels.size()) / 3);
}

TEST(JpegImage, DamagedDataGivesNothingAndNeverEndsTheProcess) {
    const auto data = ReadBanner();
    ASSERT_GT(data.size(), 1000u);
    std::vector<std::vector<std::uint8_t>> damaged = {
        {},
        {0xFF, 0xD8},
        std::vector<std::uint8_t>(data.begin(), data.begin() + 600),  // header, then nothing
        std::vector<std::uint8_t>(4096, 0x42),
    };
    auto badHeader = data;
    badHeader[2] = 0x00;  // the first marker is no marker any more
    damaged.push_back(badHeader);
    for (const auto& d : damaged) EXPECT_FALSE(shell::DecodeJpeg(d).has_value()) << d.size();

    // Noise inside the scan data may decode to a damaged picture or to
    // nothing; either way the call returns.
    auto noisy = data;
    for (std::size_t i = data.size() / 2; i < data.size() / 2 + 64; ++i) noisy[i] ^= 0x5A;
    const auto image = shell::DecodeJpeg(noisy);
    if (image) {
        EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(image->width) * image->height);
    }
}

}  // namespace
