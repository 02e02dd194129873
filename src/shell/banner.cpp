#include "shell/banner.h"

#include <cstring>

#include "resource_ids.h"
#include "shell/jpeg_image.h"

namespace shell {

base::GdiObject BitmapFromJpeg(const void* data, std::size_t size) {
    const auto image = DecodeJpeg({static_cast<const std::uint8_t*>(data), size});
    if (!image) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image->width;
    info.bmiHeader.biHeight = -image->height;  // negative: rows top to bottom, as decoded
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    base::GdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    std::memcpy(bits, image->pixels.data(), image->pixels.size() * sizeof(image->pixels[0]));
    return bitmap;
}

base::GdiObject LoadBanner(HINSTANCE instance) {
    const HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(IDR_BANNER), MAKEINTRESOURCEW(10) /*RT_RCDATA*/);
    if (!resource) return {};
    const HGLOBAL loaded = LoadResource(instance, resource);  // resources need no freeing
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return BitmapFromJpeg(data, SizeofResource(instance, resource));
}

}  // namespace shell
