// Splitting paths at the last backslash when double-byte characters may hold
// a backslash byte as their second byte.
#include <gtest/gtest.h>

#include "shell/launcher_directory.h"
#include "stores/registry_path.h"

namespace {

struct SplitCase {
    std::string path, key, value;
};

TEST(RegistryPath, SplitsAtTheLastBackslashThatIsACharacter) {
    const SplitCase cases[] = {
        {"Software\\Valve\\Half-Life\\Settings\\ScreenWidth", "Software\\Valve\\Half-Life\\Settings", "ScreenWidth"},
        {"Software\\SourceTec\\CSMate\\Rcon Say Key", "Software\\SourceTec\\CSMate", "Rcon Say Key"},
        {"NoBackslash", "", "NoBackslash"},
        {"Key\\", "Key", ""},
        {"\\Value", "", "Value"},
        // 0x95 0x5C is one double-byte character: its 0x5C is no separator.
        {"Soft\\Na\x95\x5Cme", "Soft", "Na\x95\x5Cme"},
        {"Soft\\Key\x95\x5C", "Soft", "Key\x95\x5C"},
        // A lead byte at the very end, or before a zero byte, ends the scan.
        {"Soft\\Key\x95", "Soft", "Key\x95"},
        {std::string("A\\B\0\\C", 7), "A", "B"},
    };
    for (const SplitCase& c : cases) {
        const stores::RegistryPath p = stores::SplitRegistryPath(c.path);
        EXPECT_EQ(p.key, c.key) << c.path;
        EXPECT_EQ(p.value, c.value) << c.path;
    }
}

TEST(LauncherDirectory, CutsAtTheLastBackslashOfTheExecutablePath) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Games\\CS\\launcher.exe", "C:\\Games\\CS"},
        {"C:\\launcher.exe", "C:"},  // root of a drive: no trailing backslash
        {"launcher.exe", ""},
        {"\\\\server\\share\\launcher.exe", "\\\\server\\share"},
        {"C:\\\xB1\x5C\\launcher.exe", "C:\\\xB1\x5C"},  // a double-byte folder name ending in 0x5C
    };
    for (const auto& [path, dir] : cases) EXPECT_EQ(shell::DirectoryOfPath(path), dir) << path;
}

TEST(LauncherDirectory, SingleByteCodePagesTakeEveryBackslash) {
    const auto noLeadBytes = [](unsigned char) { return false; };
    EXPECT_EQ(shell::DirectoryOfPath("C:\\Spi\xE9\\launcher.exe", noLeadBytes), "C:\\Spi\xE9");
}

}  // namespace
