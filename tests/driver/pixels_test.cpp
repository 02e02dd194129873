// What the player sees, read from the screen: the banner with its leftmost
// eight columns cut off, the label and caption colours, and a damaged or
// missing banner that leaves the window without its picture.
#include <gtest/gtest.h>

#include "harness.h"
#include "resource_ids.h"
#include "screen.h"
#include "shell/jpeg_image.h"

namespace {

using namespace driver;
using shell::Control;

Shot ControlPixels(const Launcher& l, Control c) {
    RECT r;
    GetWindowRect(l.Control(c), &r);
    return Capture(r);
}

// The part of the picture box that lies inside the window's client area.
Shot VisibleBanner(const Launcher& l) {
    RECT box, client;
    GetWindowRect(l.Control(Control::图片框1), &box);
    GetClientRect(l.Window(), &client);
    MapWindowPoints(l.Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    IntersectRect(&box, &box, &client);
    return Capture(box);
}

shell::Image Banner() {
    const auto bytes = ReadFileBytes(Widen(LAUNCHER_ASSETS_DIR "/banner.jpg"));
    const auto image = shell::DecodeJpeg({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
    return *image;
}

// Share of the visible banner's pixels equal to the picture's pixels `shift`
// columns further right.
double MatchWithShift(const Shot& shot, const shell::Image& banner, int shift) {
    int same = 0, total = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width && x + shift < banner.width; ++x) {
            const std::uint32_t p = banner.pixels[static_cast<std::size_t>(y) * banner.width + x + shift];
            same += shot.At(shot.left + x, shot.top + y) == RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
            ++total;
        }
    return total ? static_cast<double>(same) / total : 0.0;
}

struct PixelsTest : LauncherTest {};

TEST_F(PixelsTest, BannerIsDrawnAtItsOwnSizeWithItsFirstEightColumnsCut) {
    Launcher l(folder);
    ASSERT_TRUE(l.Started());
    Activate(l.Window());
    CaptureDrawnWindow(l.Window());
    const Shot shot = VisibleBanner(l);
    const shell::Image banner = Banner();
    EXPECT_EQ(shot.width, 344 - 8);
    EXPECT_EQ(shot.height, 104);
    EXPECT_GT(MatchWithShift(shot, banner, 8), 0.99);
    EXPECT_LT(MatchWithShift(shot, banner, 0), 0.9);
}

TEST_F(PixelsTest, LabelsGroupCaptionAndLinkHaveTheirColours) {
    Launcher l(folder);
    ASSERT_TRUE(l.Started());
    Activate(l.Window());
    CaptureDrawnWindow(l.Window());
    struct Expect {
        Control control;
        COLORREF colour;
    };
    const Expect colours[] = {
        {Control::标签1, RGB(0, 0, 0)},     {Control::标签1, RGB(255, 255, 255)},  // raised: white under black
        {Control::标签2, RGB(255, 0, 0)},   {Control::标签2, RGB(255, 255, 255)},
        {Control::标签3, RGB(255, 128, 0)}, {Control::超级链接框1, RGB(0, 0, 255)},
    };
    for (const Expect& e : colours)
        EXPECT_GT(CountColour(ControlPixels(l, e.control), e.colour), 10) << shell::Def(e.control).name;
    // The group box's caption sits on its top edge, centred.
    RECT g;
    GetWindowRect(l.Control(Control::分组框1), &g);
    const Shot caption = Capture({g.left + 100, g.top, g.right - 100, g.top + 14});
    EXPECT_GT(CountColour(caption, RGB(96, 96, 96)), 3);
    const Shot leftOfCaption = Capture({g.left + 10, g.top, g.left + 100, g.top + 14});
    EXPECT_EQ(CountColour(leftOfCaption, RGB(96, 96, 96)), 0);
}

BOOL CALLBACK TakeLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
    *reinterpret_cast<WORD*>(found) = language;
    return FALSE;
}

// The language the resource compiler gave the banner resource.
WORD BannerLanguage(const std::wstring& exe) {
    const HMODULE image = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    WORD language = 0;
    EnumResourceLanguagesW(image, MAKEINTRESOURCEW(10) /*RT_RCDATA*/, MAKEINTRESOURCEW(IDR_BANNER), TakeLanguage,
                           reinterpret_cast<LONG_PTR>(&language));
    FreeLibrary(image);
    return language;
}

// Replaces the banner resource of an exe with other bytes.
void ReplaceBanner(const std::wstring& exe, std::string bytes) {
    const WORD language = BannerLanguage(exe);
    const HANDLE update = BeginUpdateResourceW(exe.c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    ASSERT_TRUE(UpdateResourceW(update, MAKEINTRESOURCEW(10) /*RT_RCDATA*/, MAKEINTRESOURCEW(IDR_BANNER), language,
                                bytes.data(), static_cast<DWORD>(bytes.size())));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
}

TEST_F(PixelsTest, DamagedBannerLeavesAnEmptyBoxNotAMissingWindow) {
    auto cut = ReadFileBytes(Widen(LAUNCHER_ASSETS_DIR "/banner.jpg")).value();
    cut.resize(cut.size() / 2);  // ends in the middle of the picture
    const std::string replacements[] = {cut, "not a picture"};
    for (const std::string& replacement : replacements) {
        folder.CopyProgram(L"launcher.exe", L"launcher.exe");
        ReplaceBanner(folder / L"launcher.exe", replacement);
        Launcher l(folder);
        ASSERT_TRUE(l.Started());
        Activate(l.Window());
        CaptureDrawnWindow(l.Window());
        const Shot shot = VisibleBanner(l);
        EXPECT_EQ(CountColour(shot, GetSysColor(COLOR_BTNFACE)), shot.width * shot.height);
        EXPECT_EQ(l.Close(), 0u);
    }
}

}  // namespace
