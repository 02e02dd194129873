#include "screen.h"

#include <array>

#include "harness.h"

namespace driver {

COLORREF Shot::At(int x, int y) const {
    const int cx = x - left, cy = y - top;
    if (cx < 0 || cy < 0 || cx >= width || cy >= height) return CLR_INVALID;
    const std::uint32_t p = pixels[static_cast<std::size_t>(cy) * width + cx];
    return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
}

int CountColour(const Shot& shot, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) n += shot.At(shot.left + x, shot.top + y) == colour;
    return n;
}

Shot Capture(const RECT& r) {
    Shot shot;
    shot.left = r.left;
    shot.top = r.top;
    shot.width = r.right - r.left;
    shot.height = r.bottom - r.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    shot.pixels.assign(static_cast<const std::uint32_t*>(bits),
                       static_cast<const std::uint32_t*>(bits) + static_cast<std::size_t>(shot.width) * shot.height);
    for (auto& p : shot.pixels) p &= 0x00FFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

Shot CaptureWindow(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return Capture(r);
}

Shot CaptureDrawnWindow(HWND h) {
    Shot shot;
    WaitUntil([&] {
        shot = CaptureWindow(h);
        if (shot.height < 12) return false;
        // The caption's row: mostly the active caption's blue.
        int blue = 0;
        for (int x = 0; x < shot.width; ++x) {
            const std::uint32_t p = shot.pixels[static_cast<std::size_t>(10) * shot.width + x];
            blue += static_cast<int>(p & 0xFF) > static_cast<int>(p >> 16 & 0xFF) + 60;
        }
        return blue > shot.width / 2;
    });
    return shot;
}

namespace {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t n, std::uint32_t crc = 0) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void PutBig32(std::string& out, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<char>(v >> s & 0xFF));
}

void Chunk(std::string& out, const char* type, const std::string& data) {
    PutBig32(out, static_cast<std::uint32_t>(data.size()));
    std::string body(type, 4);
    body += data;
    out += body;
    PutBig32(out, Crc32(reinterpret_cast<const std::uint8_t*>(body.data()), body.size()));
}

}  // namespace

bool SavePng(const Shot& shot, const std::wstring& path) {
    // Raw RGB rows, each after a filter byte of 0, in stored deflate blocks:
    // large files, but no compressor needed.
    std::string raw;
    raw.reserve(static_cast<std::size_t>(shot.height) * (1 + 3 * shot.width));
    for (int y = 0; y < shot.height; ++y) {
        raw.push_back('\0');
        for (int x = 0; x < shot.width; ++x) {
            const std::uint32_t p = shot.pixels[static_cast<std::size_t>(y) * shot.width + x];
            raw.push_back(static_cast<char>(p >> 16 & 0xFF));
            raw.push_back(static_cast<char>(p >> 8 & 0xFF));
            raw.push_back(static_cast<char>(p & 0xFF));
        }
    }
    std::string z = "\x78\x01";
    for (std::size_t at = 0; at < raw.size() || at == 0;) {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        const bool last = at + n >= raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<char>(n & 0xFF));
        z.push_back(static_cast<char>(n >> 8));
        z.push_back(static_cast<char>(~n & 0xFF));
        z.push_back(static_cast<char>(~n >> 8 & 0xFF));
        z.append(raw, at, n);
        at += n;
        if (last) break;
    }
    std::uint32_t a = 1, b = 0;
    for (const char c : raw) {
        a = (a + static_cast<std::uint8_t>(c)) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(z, (b << 16) | a);

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    PutBig32(header, shot.width);
    PutBig32(header, shot.height);
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", "");
    WriteFileBytes(path, png);
    return true;
}

}  // namespace driver
