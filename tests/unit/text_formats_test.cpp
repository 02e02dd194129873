// The exact bytes the launcher writes or runs: console lines, the game's
// command line, dialog filters, browser commands and process-name matching.
#include <gtest/gtest.h>

#include <cstring>

#include "actions/game_command.h"
#include "actions/option_values.h"
#include "actions/process_name.h"
#include "shell/browser_command.h"
#include "shell/file_dialogs.h"
#include "shell/window_geometry.h"
#include "stores/config_text.h"
#include "stores/ini_arguments.h"

namespace {

using namespace std::string_literals;

TEST(ConfigText, SaveBlockAndOptionLinesKeepTextsAsTheyStand) {
    EXPECT_EQ(stores::AppendedBytes(stores::SaveBlock("", "", "", "")),
              "\r\nname \"\"\r\nsetinfo \"\" \"\"\r\nsensitivity \"\"\r\n");
    EXPECT_EQ(stores::SaveBlock("a \"b\"", "p 1", "p2", "x"),
              "\r\nname \"a \"b\"\"\r\nsetinfo \"p 1\" \"p2\"\r\nsensitivity \"x\"");
    EXPECT_EQ(stores::AppendedBytes(stores::OptionLine("cl_crosshair_color", actions::CrosshairColourValue(4))),
              "\r\ncl_crosshair_color \"50 250 250\"\r\n");
}

TEST(OptionValues, IndexesOutsideTheTablesGiveTheEmptyValue) {
    EXPECT_EQ(actions::GunHandValue(0), "0");
    EXPECT_EQ(actions::CrosshairSizeValue(0), "auto");
    EXPECT_EQ(actions::CrosshairColourValue(0), "50 250 50");
    for (const int index : {-1, 2, 1000, INT32_MIN}) EXPECT_EQ(actions::GunHandValue(index), "") << index;
    EXPECT_EQ(actions::CrosshairColourValue(5), "");
    EXPECT_EQ(actions::CrosshairSizeValue(4), "");
    EXPECT_EQ(actions::TranslucencyValue(false), "0");
}

TEST(GameCommand, PathVerbatimThenServerAndPort) {
    EXPECT_EQ(actions::GameCommandLine("D:\\CS\\cstrike.exe", "192.0.2.1"), "D:\\CS\\cstrike.exe +connect 192.0.2.1:27016");
    EXPECT_EQ(actions::GameCommandLine("", "192.0.2.1"), " +connect 192.0.2.1:27016");
    EXPECT_EQ(actions::GameCommandLine("C:\\Program Files\\CS\\cstrike.exe", "10.0.0.1"),
              "C:\\Program Files\\CS\\cstrike.exe +connect 10.0.0.1:27016");
}

TEST(ProcessName, OnlyCsmateExeWithAsciiCaseFolded) {
    const std::pair<std::string, bool> cases[] = {
        {"CSMate.exe", true},       {"csmate.EXE", true},     {"CSMATE.EXE", true},
        {"CSMate.exe.bak", false},  {"CSMate", false},        {"xCSMate.exe", false},
        {"CSMate.ex", false},       {"", false},
        {"CSMat\xC5.exe", false},   // 0xC5 folds to 'e' in no ASCII rule
        {"CSMate\xA3\xAE" "exe", false},  // a full-width dot is no dot
    };
    for (const auto& [name, match] : cases) EXPECT_EQ(actions::IsInputToolName(name), match) << name;
}

TEST(ProcessName, FieldWithoutZeroByteIsTakenWhole) {
    char field[actions::kExeNameField];
    std::memset(field, 'a', sizeof field);
    EXPECT_EQ(actions::ExeNameFromField(field).size(), actions::kExeNameField);
    std::strcpy(field, "CSMate.exe");
    EXPECT_EQ(actions::ExeNameFromField(field), "CSMate.exe");
}

TEST(FileDialogFilter, BlanksCutPipesBecomeNuls) {
    const std::pair<std::string, std::string> cases[] = {
        {"cstrike.exe", "cstrike.exe\0\0"s},
        {"cstrike.exe   ", "cstrike.exe\0\0"s},
        {"Programs|*.exe||", "Programs\0*.exe\0\0"s},
        {"Programs|*.exe|", "Programs\0*.exe\0\0\0"s},
        {"   ", "\0\0"s},
        {"", "\0\0"s},
    };
    for (const auto& [text, filter] : cases) EXPECT_EQ(shell::BuildFilter(text), filter) << text;
    EXPECT_EQ(shell::FileDialog(shell::Control::通用对话框3).initialFileName, "CSMate.exe");
}

TEST(BrowserCommand, CutAtQuotedPlaceholderElsePlainPlaceholder) {
    const std::string url = "https://forum.example.com/";
    const std::pair<std::string, std::string> cases[] = {
        {"\"C:\\b\\browser.exe\" \"%1\"", "\"C:\\b\\browser.exe\"  " + url},
        {"C:\\b\\browser.exe -url %1 -new", "C:\\b\\browser.exe -url  " + url},
        {"browser.exe %1 \"%1\"", "browser.exe %1  " + url},
        {"browser.exe", "browser.exe " + url},
    };
    for (const auto& [registered, command] : cases) EXPECT_EQ(shell::BrowserCommand(registered, url), command);
}

TEST(IniArguments, LeadingBlanksAndControlBytesAreSkipped) {
    EXPECT_EQ(stores::SkipLeadingBlanks(" \t\r\nkey "), "key ");
    EXPECT_EQ(stores::SkipLeadingBlanks("\x01\x20"), "");
    EXPECT_EQ(stores::SkipLeadingBlanks("\xA1key"), "\xA1key");
}

TEST(WindowGeometry, CentredWithQuotientsRoundedTowardZero) {
    EXPECT_EQ(shell::CentredOrigin(1024, 768).x, 340);
    EXPECT_EQ(shell::CentredOrigin(1024, 768).y, 168);
    EXPECT_EQ(shell::CentredOrigin(1025, 769).x, 340);
    EXPECT_EQ(shell::CentredOrigin(300, 400).x, -22);
    EXPECT_EQ(shell::CentredOrigin(301, 400).y, -15);
}

}  // namespace
