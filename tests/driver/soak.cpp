// Soak run: one launcher driven through many rounds of typing, saving,
// option changes, radio clicks and page switches, as a player would. At the
// end the window must still answer within a second, the launcher's handle
// count, GDI objects and memory must be where they were after the first
// rounds, and DoDavev.cfg, config.cfg and the registry must hold exactly what
// the rounds wrote.
//
//   soak.exe [ROUNDS]   (default 1000; the test suite runs a short one)
//
// Prints the figures; exits 1 when a check fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "harness.h"
#include "process_usage.h"

namespace {

using namespace driver;
using shell::Control;

int g_rounds = 1000;

void Print(const char* when, const ProcessUsage& u) {
    std::printf("%-22s handles %5ld   GDI objects %5ld   private memory %8zu KB\n", when, u.handles, u.gdiObjects,
                u.privateBytes / 1024);
}

class Player {
public:
    Player(const CaseFolder& folder, Launcher& launcher) : folder_(folder), l_(launcher) {}

    void Type(Control box, const std::string& text) {
        ASSERT_TRUE(TypeInto(l_, box, text)) << shell::Def(box).name << ": " << TextOf(l_.Control(box));
    }

    void ExpectAppended(const std::string& block) {
        expected_ += block;
        ASSERT_TRUE(WaitUntil([&] { return Config().size() >= expected_.size(); })) << "missing: " << block;
    }

    void Save(const std::string& id, const std::string& pw1, const std::string& pw2, const std::string& sens) {
        Click(l_.Control(Control::按钮1));
        ExpectAppended("\r\nname \"" + id + "\"\r\nsetinfo \"" + pw1 + "\" \"" + pw2 + "\"\r\nsensitivity \"" + sens +
                       "\"\r\n");
    }

    // Drops the list down and clicks item `index`.
    void Choose(Control combo, int index, const std::string& line) {
        ASSERT_NO_FATAL_FAILURE(ChooseItem(l_, combo, index, By::Mouse));
        ExpectAppended(line);
    }

    void ToggleTranslucency() {
        const HWND box = l_.Control(Control::准星透明);
        const bool willBe = !IsChecked(box);
        Click(box);
        ExpectAppended(std::string("\r\ncl_crosshair_translucent \"") + (willBe ? "1" : "0") + "\"\r\n");
    }

    void ClickRadio(Control radio, DWORD width) {
        Click(l_.Control(radio));
        ASSERT_TRUE(WaitUntil([&] { return ReadDword(kGameKey, L"ScreenWidth") == width; }));
    }

    void SelectPage(shell::Page page) {
        ShowPage(l_, page);
        const Control first = shell::FirstFocusOf(page);
        ASSERT_TRUE(WaitUntil([&] { return l_.FocusedControl() == first; }));
    }

    std::string Config() const { return folder_.Read(L"game\\cstrike_schinese\\config.cfg").value_or(""); }
    const std::string& Expected() const { return expected_; }

private:
    const CaseFolder& folder_;
    Launcher& l_;
    std::string expected_;
};

TEST(Soak, ManyRoundsLeakNothingAndLoseNothing) {
    ResetLauncherKeys();
    // The game lives in a folder of its own. (With the launcher in the game's
    // folder, the name key would go into the same config.cfg, and Wine's
    // profile functions rewrite a whole file in their own form.)
    CaseFolder folder(L"Soak");
    folder.MakeDirectory(L"game");
    folder.MakeDirectory(L"game\\cstrike_schinese");
    folder.Write(L"game\\cstrike_schinese\\config.cfg", "");
    folder.CopyProgram(L"fake_recorder.exe", L"game\\cstrike.exe");
    Launcher l(folder);
    ASSERT_TRUE(l.Started());
    Activate(l.Window());
    Player player(folder, l);
    // Choosing the game moves the current directory, and the appends, there.
    ASSERT_NO_FATAL_FAILURE(player.SelectPage(shell::Page::Paths));
    Click(l.Control(Control::找CS));
    ChooseFile(WaitForDialog(l.Pid()), folder / L"game\\cstrike.exe");
    ASSERT_NO_FATAL_FAILURE(player.SelectPage(shell::Page::Options));

    const char* colours[] = {"50 250 50", "250 50 50", "50 50 250", "250 250 50", "50 250 250"};
    const char* sizes[] = {"auto", "small", "medium", "large"};
    const Control radios[] = {Control::单选框1, Control::单选框2, Control::单选框3};
    const DWORD widths[] = {1024, 800, 640}, heights[] = {768, 600, 480};
    const int warmUp = std::min(5, g_rounds);

    ProcessUsage afterWarmUp;
    std::string id, pw1, pw2, sens;
    const ULONGLONG start = GetTickCount64();
    ULONGLONG warmedAt = start;
    for (int round = 0; round < g_rounds; ++round) {
        const std::string n = std::to_string(round);
        id = "player " + n;
        pw1 = "pw" + n;
        pw2 = "\"q\"" + n;
        sens = std::to_string(round % 10) + ".5";
        ASSERT_NO_FATAL_FAILURE(player.Type(Control::name, id));
        ASSERT_NO_FATAL_FAILURE(player.Type(Control::name1, pw1));
        ASSERT_NO_FATAL_FAILURE(player.Type(Control::name2, pw2));
        ASSERT_NO_FATAL_FAILURE(player.Type(Control::鼠标速度调节, sens));
        ASSERT_NO_FATAL_FAILURE(player.Save(id, pw1, pw2, sens));
        const int c = round % 5, s = round % 4, h = round % 2;
        ASSERT_NO_FATAL_FAILURE(
            player.Choose(Control::准星颜色, c, std::string("\r\ncl_crosshair_color \"") + colours[c] + "\"\r\n"));
        ASSERT_NO_FATAL_FAILURE(
            player.Choose(Control::准星大小, s, std::string("\r\ncl_crosshair_size \"") + sizes[s] + "\"\r\n"));
        ASSERT_NO_FATAL_FAILURE(
            player.Choose(Control::持枪方式, h, "\r\ncl_righthand \"" + std::to_string(h) + "\"\r\n"));
        ASSERT_NO_FATAL_FAILURE(player.ToggleTranslucency());
        ASSERT_NO_FATAL_FAILURE(player.ClickRadio(radios[round % 3], widths[round % 3]));
        ASSERT_NO_FATAL_FAILURE(player.SelectPage(shell::Page::Paths));
        ASSERT_NO_FATAL_FAILURE(player.SelectPage(shell::Page::Options));
        if (round + 1 == warmUp) {
            afterWarmUp = MeasureProcess(l.Pid());
            warmedAt = GetTickCount64();
        }
    }
    const double seconds = static_cast<double>(GetTickCount64() - warmedAt) / 1000.0;
    const ProcessUsage atEnd = MeasureProcess(l.Pid());

    DWORD_PTR answer = 0;
    const ULONGLONG askedAt = GetTickCount64();
    const bool answers = SendMessageTimeoutW(l.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer) != 0;
    const ULONGLONG answeredIn = GetTickCount64() - askedAt;

    std::printf("\nsoak: %d rounds\n", g_rounds);
    Print("after warm-up rounds:", afterWarmUp);
    Print("at the end:", atEnd);
    if (g_rounds > warmUp)
        std::printf("%-22s %.2f rounds per second (%.1f s for %d rounds after warm-up)\n", "speed:",
                    (g_rounds - warmUp) / seconds, seconds, g_rounds - warmUp);
    std::printf("%-22s %s in %llu ms\n", "window answers:", answers ? "yes" : "NO", answeredIn);

    EXPECT_TRUE(answers);
    EXPECT_LE(answeredIn, 1000u);
    // A few handles come and go with the shell and the input method; a leak
    // of one per round would show as hundreds.
    ASSERT_GE(afterWarmUp.handles, 0);
    ASSERT_GE(afterWarmUp.gdiObjects, 0);
    EXPECT_LE(atEnd.handles, afterWarmUp.handles + 10);
    EXPECT_LE(atEnd.gdiObjects, afterWarmUp.gdiObjects + 5);
    EXPECT_LE(atEnd.privateBytes, afterWarmUp.privateBytes + 2 * 1024 * 1024);

    // Exactly what the rounds wrote, not a byte more or less.
    EXPECT_EQ(player.Config(), player.Expected());
    const std::string dodavev = folder.Read(L"DoDavev.cfg").value_or("");
    for (const std::string& line : {"name=" + id, "setinfo=" + pw1, "userpass=" + pw2, "sensitivity=" + sens})
        EXPECT_NE(dodavev.find(line + "\r\n"), std::string::npos) << line;
    const int last = (g_rounds - 1) % 3;
    EXPECT_EQ(ReadDword(kGameKey, L"ScreenWidth"), widths[last]);
    EXPECT_EQ(ReadDword(kGameKey, L"ScreenHeight"), heights[last]);
    EXPECT_EQ(l.Close(), 0u);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) g_rounds = std::max(1, std::atoi(argv[1]));
    return RUN_ALL_TESTS();
}
