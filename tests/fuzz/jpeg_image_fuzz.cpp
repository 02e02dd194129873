// Decoding outside bytes as a JPEG picture. The sanitizers and libFuzzer
// catch a crash, a leak, a hang or an ended process; beyond that it checks
// that a decoded picture is 1..4096 pixels a side, holds exactly
// width * height pixels and leaves each pixel's top byte zero.
#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"
#include "shell/jpeg_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto image = shell::DecodeJpeg({data, size});
    if (!image) return 0;
    FUZZ_CHECK(image->width >= 1 && image->width <= shell::kMaxImageSide);
    FUZZ_CHECK(image->height >= 1 && image->height <= shell::kMaxImageSide);
    FUZZ_CHECK(image->pixels.size() == static_cast<std::size_t>(image->width) * image->height);
    for (const std::uint32_t pixel : image->pixels) FUZZ_CHECK((pixel >> 24) == 0);
    return 0;
}
