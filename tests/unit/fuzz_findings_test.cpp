// Faults that fuzzing brought up, kept from coming back.
#include <gtest/gtest.h>

#include <cstdio>  // jpeglib.h needs FILE
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "shell/jpeg_image.h"

namespace {

// A 16 x 16 grey progressive picture that libjpeg itself writes with a valid
// scan script: one DC scan, then for each of the 63 AC coefficients a first
// scan and `refinements` refinement scans.
std::vector<std::uint8_t> ProgressiveGrey(int refinements) {
    std::vector<jpeg_scan_info> script{{1, {0}, 0, 0, 0, 0}};
    for (int k = 1; k < DCTSIZE2; ++k) {
        script.push_back({1, {0}, k, k, 0, refinements});
        for (int al = refinements - 1; al >= 0; --al) script.push_back({1, {0}, k, k, al + 1, al});
    }
    jpeg_compress_struct c{};
    jpeg_error_mgr error{};
    c.err = jpeg_std_error(&error);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = 16;
    c.image_height = 16;
    c.input_components = 1;
    c.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&c);
    c.scan_info = script.data();
    c.num_scans = static_cast<int>(script.size());
    jpeg_start_compress(&c, TRUE);
    JSAMPLE row[16];
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) row[x] = static_cast<JSAMPLE>(x * 13 + y * 7);
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    std::vector<std::uint8_t> bytes(out, out + size);
    jpeg_destroy_compress(&c);
    std::free(out);
    return bytes;
}

// Every scan of a progressive picture passes over the whole picture: a few
// bytes per scan kept the decoder busy for seconds on a 4096 x 4096 header
// (a 32 KB input took 11 s). No encoder writes hundreds of scans.
TEST(JpegImageFuzzFindings, ProgressivePictureWithHundredsOfScansIsRejected) {
    const auto normal = shell::DecodeJpeg(ProgressiveGrey(0));  // 64 scans
    ASSERT_TRUE(normal);
    EXPECT_EQ(normal->width, 16);
    EXPECT_EQ(normal->height, 16);

    EXPECT_FALSE(shell::DecodeJpeg(ProgressiveGrey(7)));  // 505 scans
}

}  // namespace
