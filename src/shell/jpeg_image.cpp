#include "shell/jpeg_image.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>

#include <jpeglib.h>

namespace shell {
namespace {

// libjpeg's own error handler ends the process; this one jumps back to the
// decoder, which then gives up on the picture.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1); }

// libjpeg only warns about corrupt or missing data and fills the gaps; a
// picture that needs that is a damaged one. Giving up at the first warning
// (quietly: the default prints it) spares decoding the rest of a picture
// that would be thrown away anyway.
void GiveUpOnWarning(j_common_ptr info, int level) {
    if (level < 0) JumpOut(info);
}

// Each scan of a progressive picture passes over the whole picture, so a
// few bytes per scan could hold the decoder for seconds. Encoders write
// about ten scans; libjpeg-turbo's own limit for untrusted input is 500.
constexpr int kMaxScans = 500;
void LimitScans(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) JumpOut(info);
}

// Everything the decoder changes lives on the heap: after a longjmp the
// values of automatic variables changed since setjmp are indeterminate.
struct DecodeState {
    jpeg_decompress_struct info{};
    ErrorManager error{};
    jpeg_progress_mgr progress{};
    std::vector<JSAMPLE> row;
    Image image;
};

bool Decode(DecodeState& s, std::span<const std::uint8_t> data) {
    jpeg_create_decompress(&s.info);  // clears everything but the error manager
    s.progress.progress_monitor = LimitScans;
    s.info.progress = &s.progress;
    jpeg_mem_src(&s.info, data.data(), static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&s.info, TRUE) != JPEG_HEADER_OK) return false;
    const int components = s.info.num_components;
    if (components == 3) {
        s.info.out_color_space = JCS_RGB;
    } else if (components == 1) {
        s.info.out_color_space = JCS_GRAYSCALE;
    } else {
        return false;
    }
    if (s.info.image_width == 0 || s.info.image_height == 0 || s.info.image_width > kMaxImageSide ||
        s.info.image_height > kMaxImageSide)
        return false;
    jpeg_start_decompress(&s.info);
    const int width = static_cast<int>(s.info.output_width);
    const int height = static_cast<int>(s.info.output_height);
    const int channels = s.info.output_components;
    s.row.resize(static_cast<std::size_t>(width) * channels);
    s.image.width = width;
    s.image.height = height;
    s.image.pixels.resize(static_cast<std::size_t>(width) * height);
    while (s.info.output_scanline < s.info.output_height) {
        const std::size_t y = s.info.output_scanline;
        JSAMPROW rows[1] = {s.row.data()};
        if (jpeg_read_scanlines(&s.info, rows, 1) != 1) return false;
        std::uint32_t* out = &s.image.pixels[y * width];
        for (int x = 0; x < width; ++x) {
            const JSAMPLE* p = &s.row[static_cast<std::size_t>(x) * channels];
            const std::uint32_t r = p[0], g = p[channels == 3 ? 1 : 0], b = p[channels == 3 ? 2 : 0];
            out[x] = (r << 16) | (g << 8) | b;
        }
    }
    jpeg_finish_decompress(&s.info);
    return true;
}

}  // namespace

std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> data) {
    if (data.empty()) return std::nullopt;
    std::unique_ptr<DecodeState> s(new (std::nothrow) DecodeState);
    if (!s) return std::nullopt;
    s->info.err = jpeg_std_error(&s->error.pub);
    s->error.pub.error_exit = JumpOut;
    s->error.pub.emit_message = GiveUpOnWarning;
    volatile bool ok = false;  // read after a possible longjmp
    if (setjmp(s->error.jump) == 0) {
        try {
            ok = Decode(*s, data);
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    jpeg_destroy_decompress(&s->info);
    if (!ok) return std::nullopt;
    return std::move(s->image);
}

}  // namespace shell
