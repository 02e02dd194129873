// The forum link: colours while the pointer is over it and after a press,
// the hand pointer, and opening the address through the shell or, when the
// shell fails, through the browser registered for web pages.
#include <gtest/gtest.h>

#include "build_values.h"
#include "harness.h"
#include "screen.h"

namespace {

using namespace driver;
using shell::Control;

// Default values of HKEY_CLASSES_ROOT keys, put back after the test.
class ClassesRootValues {
public:
    ~ClassesRootValues() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                Write(it->first, *it->second);
            } else {
                RegDeleteTreeW(HKEY_CLASSES_ROOT, it->first.c_str());
            }
        }
    }
    void Set(const std::wstring& key, const std::wstring& value) {
        saved_.emplace_back(key, Read(key));
        Write(key, value);
    }

private:
    static std::optional<std::wstring> Read(const std::wstring& key) {
        wchar_t buffer[1024];
        DWORD size = sizeof buffer;
        if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        return std::wstring(buffer);
    }
    static void Write(const std::wstring& key, const std::wstring& value) {
        HKEY h = nullptr;
        RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr);
        RegSetValueExW(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(h);
    }
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> saved_;
};

struct HyperlinkTest : LauncherTest {
    void SetUp() override {
        LauncherTest::SetUp();
        folder.CopyProgram(L"fake_recorder.exe", L"browser.exe");
        folder.CopyProgram(L"fake_recorder.exe", L"fallback.exe");
        // The address is https: Wine's shell opens it with the https handler.
        const std::wstring scheme = Widen(std::string(build_values::kForumUrl).substr(0, 5) == "https" ? "https" : "http");
        shellCommand = scheme + L"\\shell\\open\\command";
        classes.Set(L".htm", L"MoyuTestPage");
        classes.Set(L"MoyuTestPage\\shell\\open\\command", L"\"" + (folder / L"fallback.exe") + L"\" \"%1\"");
    }

    Shot LinkPixels(Launcher& l) {
        RECT r;
        GetWindowRect(l.Control(Control::超级链接框1), &r);
        return Capture(r);
    }
    // Presses the link, then moves the pointer away so that it shows its
    // colour after the press rather than the hover colour.
    void PressLink(Launcher& l) {
        Activate(l.Window());
        Click(l.Control(Control::超级链接框1));
        RECT r;
        GetWindowRect(l.Control(Control::图片框1), &r);
        MoveMouse(r.left + 100, r.top + 50);
    }

    ClassesRootValues classes;
    std::wstring shellCommand;
};

TEST_F(HyperlinkTest, ShellOpensTheAddressAndTheLinkTurnsVisited) {
    classes.Set(shellCommand, L"\"" + (folder / L"browser.exe") + L"\" %1");
    Launcher l(folder);
    ASSERT_TRUE(l.Started());
    EXPECT_GT(CountColour(LinkPixels(l), RGB(0, 0, 255)), 20);

    Activate(l.Window());
    RECT r;
    GetWindowRect(l.Control(Control::超级链接框1), &r);
    MoveMouse((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    EXPECT_TRUE(WaitUntil([&] { return CountColour(LinkPixels(l), RGB(49, 106, 197)) > 20; }));
    CURSORINFO cursor{};
    cursor.cbSize = sizeof cursor;
    GetCursorInfo(&cursor);
    ICONINFO info{};
    if (GetIconInfo(cursor.hCursor, &info)) {  // a pointer of another process may not be readable
        EXPECT_EQ(info.xHotspot, 6u);
        EXPECT_EQ(info.yHotspot, 1u);
        DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }

    PressLink(l);
    EXPECT_TRUE(WaitUntil([&] { return !RecordedCommandLines(folder / L"browser.exe").empty(); }));
    const auto lines = RecordedCommandLines(folder / L"browser.exe");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(build_values::kForumUrl), std::string::npos) << lines[0];
    EXPECT_TRUE(RecordedCommandLines(folder / L"fallback.exe").empty());
    EXPECT_TRUE(WaitUntil([&] { return CountColour(LinkPixels(l), RGB(128, 0, 0)) > 20; }));
    EXPECT_EQ(CountColour(LinkPixels(l), RGB(0, 0, 255)), 0);
}

TEST_F(HyperlinkTest, WhenTheShellFailsTheRegisteredBrowserRunsTheAddress) {
    classes.Set(shellCommand, L"\"" + (folder / L"missing.exe") + L"\" %1");
    Launcher l(folder);
    ASSERT_TRUE(l.Started());
    PressLink(l);
    EXPECT_TRUE(WaitUntil([&] { return !RecordedCommandLines(folder / L"fallback.exe").empty(); }));
    // The registered command is cut at "%1" in quotes; one blank and the
    // address follow what is left.
    const std::string expected = "\"" + Narrow(folder / L"fallback.exe") + "\"  " + build_values::kForumUrl;
    EXPECT_EQ(RecordedCommandLines(folder / L"fallback.exe"), std::vector<std::string>{expected});
    EXPECT_TRUE(WaitUntil([&] { return CountColour(LinkPixels(l), RGB(128, 0, 0)) > 20; }));
}

TEST_F(HyperlinkTest, APressThatOpensNothingLeavesTheLinkInItsNormalColour) {
    classes.Set(shellCommand, L"\"" + (folder / L"missing.exe") + L"\" %1");
    classes.Set(L"MoyuTestPage\\shell\\open\\command", L"\"" + (folder / L"missing too.exe") + L"\" \"%1\"");
    Launcher l(folder);
    ASSERT_TRUE(l.Started());
    PressLink(l);
    Pause(1000);
    EXPECT_TRUE(l.Running());
    EXPECT_EQ(VisibleWindowsOf(l.Pid()).size(), 1u);  // no message of any kind
    EXPECT_GT(CountColour(LinkPixels(l), RGB(0, 0, 255)), 20);
    EXPECT_EQ(CountColour(LinkPixels(l), RGB(128, 0, 0)), 0);
}

}  // namespace
