// Checks the structure of the committed pictures that the resource compiler
// embeds: the icon and cursor directories must agree with the bitmaps they
// point at, and the banner must be a baseline JPEG of the size the window
// lays out.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef LAUNCHER_ASSETS_DIR
#error "LAUNCHER_ASSETS_DIR must name the assets folder"
#endif

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes read_asset(const std::string& name) {
    std::ifstream in(std::string(LAUNCHER_ASSETS_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le16(const Bytes& b, std::size_t at) {
    return b.at(at) | (b.at(at + 1) << 8);
}

std::uint32_t le32(const Bytes& b, std::size_t at) {
    return le16(b, at) | (le16(b, at + 2) << 16);
}

std::uint32_t be16(const Bytes& b, std::size_t at) {
    return (b.at(at) << 8) | b.at(at + 1);
}

// Bytes of one bottom-up bitmap row padded to a 32-bit boundary.
std::uint32_t stride(std::uint32_t width, std::uint32_t bits) {
    return (width * bits + 31) / 32 * 4;
}

struct Entry {
    std::uint32_t size;
    std::uint32_t bits;
};

// Checks the BITMAPINFOHEADER, colour table and masks that a directory
// entry (at byte `dir` of an ICO or CUR file) points at.
void expect_bitmap_matches(const Bytes& file, std::size_t dir, Entry want) {
    const std::uint32_t bytes = le32(file, dir + 8);
    const std::uint32_t offset = le32(file, dir + 12);
    ASSERT_LE(std::uint64_t{offset} + bytes, file.size());
    ASSERT_GE(bytes, 40u);
    EXPECT_EQ(file[dir], want.size);
    EXPECT_EQ(file[dir + 1], want.size);
    EXPECT_EQ(le32(file, offset), 40u);
    EXPECT_EQ(le32(file, offset + 4), want.size);
    EXPECT_EQ(le32(file, offset + 8), 2 * want.size);
    EXPECT_EQ(le16(file, offset + 12), 1u);
    EXPECT_EQ(le16(file, offset + 14), want.bits);
    EXPECT_EQ(le32(file, offset + 16), 0u) << "not BI_RGB";
    const std::uint32_t colours = want.bits <= 8 ? 1u << want.bits : 0u;
    const std::uint32_t pixels =
        (stride(want.size, want.bits) + stride(want.size, 1)) * want.size;
    EXPECT_EQ(bytes, 40 + 4 * colours + pixels);
}

TEST(LauncherIcon, DirectoryAndBitmapsAgree) {
    const Bytes ico = read_asset("launcher.ico");
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(le16(ico, 0), 0u);
    EXPECT_EQ(le16(ico, 2), 1u) << "not an icon";

    constexpr std::array<Entry, 12> kEntries{{
        {48, 32}, {32, 32}, {24, 32}, {16, 32},
        {48, 8},  {32, 8},  {24, 8},  {16, 8},
        {48, 4},  {32, 4},  {24, 4},  {16, 4},
    }};
    ASSERT_EQ(le16(ico, 4), kEntries.size());

    std::size_t end_of_previous = 6 + 16 * kEntries.size();
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        const Entry want = kEntries[i];
        SCOPED_TRACE("entry " + std::to_string(i) + ": " + std::to_string(want.size) +
                     " px, " + std::to_string(want.bits) + " bpp");
        const std::size_t dir = 6 + 16 * i;
        EXPECT_EQ(ico[dir + 2], want.bits == 4 ? 16u : 0u) << "colour count";
        EXPECT_EQ(le16(ico, dir + 4), 1u) << "planes";
        EXPECT_EQ(le16(ico, dir + 6), want.bits);
        EXPECT_GE(le32(ico, dir + 12), end_of_previous) << "images overlap";
        end_of_previous = le32(ico, dir + 12) + le32(ico, dir + 8);
        expect_bitmap_matches(ico, dir, want);
    }
}

TEST(HandCursor, OneMonochromeImageWithFingertipHotSpot) {
    const Bytes cur = read_asset("hand.cur");
    ASSERT_GE(cur.size(), 22u);
    EXPECT_EQ(le16(cur, 0), 0u);
    EXPECT_EQ(le16(cur, 2), 2u) << "not a cursor";
    ASSERT_EQ(le16(cur, 4), 1u);
    EXPECT_EQ(le16(cur, 10), 6u) << "hot spot x";
    EXPECT_EQ(le16(cur, 12), 1u) << "hot spot y";
    expect_bitmap_matches(cur, 6, {32, 1});
}

TEST(Banner, BaselineJpegOfTheBannerSize) {
    const Bytes jpg = read_asset("banner.jpg");
    ASSERT_GE(jpg.size(), 4u);
    ASSERT_EQ(be16(jpg, 0), 0xFFD8u) << "no start-of-image marker";

    // Walk the marker segments up to the first frame header.
    std::size_t at = 2;
    while (at + 4 <= jpg.size() && jpg[at] == 0xFF) {
        const std::uint8_t marker = jpg[at + 1];
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                           marker != 0xC8 && marker != 0xCC;
        if (frame) {
            ASSERT_EQ(marker, 0xC0) << "not a baseline (SOF0) JPEG";
            ASSERT_LE(at + 10, jpg.size());
            EXPECT_EQ(jpg[at + 4], 8u) << "sample precision";
            EXPECT_EQ(be16(jpg, at + 5), 104u) << "height";
            EXPECT_EQ(be16(jpg, at + 7), 344u) << "width";
            EXPECT_EQ(jpg[at + 9], 3u) << "colour components";
            return;
        }
        ASSERT_NE(marker, 0xDA) << "scan data before any frame header";
        at += 2 + be16(jpg, at + 2);
    }
    FAIL() << "no frame header found";
}

}  // namespace
