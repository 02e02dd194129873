// Cost of the launcher's two commonest writes beside the bare Windows calls
// they rest on; the ratio is the launcher's own overhead.
//
//   stores_bench.exe [ROUNDS]      (ROUNDS defaults to 500)
//
// save:   actions::SaveSettings with the real stores::WindowsStores on a
//         launcher folder that holds cstrike_schinese\config.cfg, so the
//         name-key write and the append reach one file, as for a launcher in
//         the game's folder. Bare: six WritePrivateProfileStringA into
//         DoDavev.cfg, one into config.cfg, then CreateFileA, SetFilePointer,
//         WriteFile and CloseHandle to append the same block to config.cfg,
//         all on a second folder laid out alike.
// option: actions::ChooseCrosshairColour, one console line appended under
//         the lock that guards appends from two launchers. Bare: CreateFileA,
//         SetFilePointer, WriteFile and CloseHandle of the same line.
//
// Wine skips a profile write whose value did not change, so the save is
// measured twice, both sides doing the same kind of work each time:
// "changed texts" alternates between two sets of texts every round, so every
// profile write rewrites its file; "same texts" writes one set every round,
// so after the first round only the append writes (the common case: a player
// who saves or starts the game without editing a box).
//
// Each round times one launcher call and one bare call, in an order that
// swaps every round. Figures are medians over the rounds in microseconds.
// Both sides' config.cfg grow by one block a round, alike. The check line at
// the end tells whether every block of both sides reached its file and
// both settings files hold the texts of the last save.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "actions/actions.h"
#include "actions/option_values.h"
#include "base/win_handles.h"
#include "stores/config_text.h"
#include "stores/setting_names.h"
#include "stores/windows_stores.h"

namespace fs = std::filesystem;
using shell::Control;

namespace {

struct Texts {
    std::string gamePath, toolPath, name, master, personal, sensitivity;
};

const Texts kTexts[2] = {
    {"C:\\Games\\CS\\cstrike.exe", "C:\\Tools\\CSMate\\CSMate.exe", "\xC4\xAB\xD3\xF0player", "master1", "personal1",
     "3"},
    {"D:\\CS16\\cstrike.exe", "D:\\CSMate\\CSMate.exe", "player2", "master2", "personal2", "4.5"},
};
constexpr int kColourIndex = 2;

// The window as the actions read it: one of two fixed sets of texts, and a
// fixed crosshair colour.
class FixedUi final : public actions::Ui {
public:
    const Texts* texts = &kTexts[0];

    std::string Text(Control c) override {
        switch (c) {
            case Control::编辑框1: return texts->gamePath;
            case Control::编辑框3: return texts->toolPath;
            case Control::name: return texts->name;
            case Control::name1: return texts->master;
            case Control::name2: return texts->personal;
            case Control::鼠标速度调节: return texts->sensitivity;
            default: return {};
        }
    }
    void SetText(Control, std::string_view) override {}
    bool Checked(Control) override { return false; }
    void SetChecked(Control, bool) override {}
    int Selection(Control) override { return kColourIndex; }
    bool OpenFileDialog(Control) override { return false; }
    std::string FileName(Control) override { return {}; }
};

// A folder laid out like a launcher in the game's folder.
std::string MakeLauncherFolder(const fs::path& folder) {
    fs::create_directories(folder / "cstrike_schinese");
    std::ofstream(folder / "cstrike_schinese" / "config.cfg", std::ios::binary)
        << "bind \"w\" \"+forward\"\r\nbind \"s\" \"+back\"\r\nhud_fastswitch \"1\"\r\n";
    return folder.string();
}

std::string ConfigPath(const std::string& folder) { return folder + std::string(stores::kConfigTail); }

// One fresh folder for each side; the launcher's becomes the current
// directory, where its appends go.
struct Folders {
    std::string launcher, bare;
};

Folders FreshFolders(const fs::path& root) {
    std::error_code error;
    fs::remove_all(root, error);
    Folders f{MakeLauncherFolder(root / "launcher"), MakeLauncherFolder(root / "bare")};
    SetCurrentDirectoryA(f.launcher.c_str());
    return f;
}

void BareAppend(const std::string& path, const std::string& bytes) {
    base::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    SetFilePointer(file.Get(), 0, nullptr, FILE_END);
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Everything the bare save needs, made before the clock starts.
struct BareSave {
    std::string settingsPath, configPath;
    std::string section{stores::kSection};
    std::string keys[6] = {std::string(stores::kKeyGamePath), std::string(stores::kKeyToolPath),
                           std::string(stores::kKeyName),     std::string(stores::kKeySetinfo),
                           std::string(stores::kKeyUserpass), std::string(stores::kKeySensitivity)};

    void Run(const Texts& t, const std::string& block) const {
        const std::string* values[6] = {&t.gamePath, &t.toolPath, &t.name, &t.master, &t.personal, &t.sensitivity};
        for (int i = 0; i < 6; ++i)
            WritePrivateProfileStringA(section.c_str(), keys[i].c_str(), values[i]->c_str(), settingsPath.c_str());
        WritePrivateProfileStringA(section.c_str(), keys[2].c_str(), t.name.c_str(), configPath.c_str());
        BareAppend(configPath, block);
    }
};

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1e6 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

size_t Count(const std::string& path, const std::string& what) {
    const std::string text = FileText(path);
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

struct Result {
    const char* label;
    double launcherUs = 0, bareUs = 0;
    size_t launcherBlocks = 0, bareBlocks = 0;
    bool settingsStored = true;  // both DoDavev.cfg hold the last texts
};

// Times one launcher call and one bare call a round, in an order that swaps
// every round, and keeps the medians.
template <typename LauncherCall, typename BareCall>
void TimeInTurn(Result& r, int rounds, LauncherCall launcherCall, BareCall bareCall) {
    std::vector<double> launcherUs, bareUs;
    LARGE_INTEGER t0, t1;
    for (int round = 0; round < rounds; ++round) {
        for (int side = 0; side < 2; ++side) {
            const bool launcher = (side + round) % 2 == 1;
            QueryPerformanceCounter(&t0);
            if (launcher)
                launcherCall(round);
            else
                bareCall(round);
            QueryPerformanceCounter(&t1);
            (launcher ? launcherUs : bareUs).push_back(Microseconds(t0, t1));
        }
    }
    r.launcherUs = Median(launcherUs);
    r.bareUs = Median(bareUs);
}

Result MeasureSave(const char* label, const fs::path& root, int rounds, bool alternate) {
    const Folders f = FreshFolders(root);
    stores::WindowsStores stores(f.launcher);
    FixedUi ui;
    actions::ActionContext context{ui, stores, nullptr};
    const BareSave bare{f.bare + std::string(stores::kSettingsFileTail), ConfigPath(f.bare)};
    std::string blocks[2];
    for (int i = 0; i < 2; ++i)
        blocks[i] = stores::AppendedBytes(
            stores::SaveBlock(kTexts[i].name, kTexts[i].master, kTexts[i].personal, kTexts[i].sensitivity));
    auto set = [alternate](int round) { return alternate ? round % 2 : 0; };

    Result r{label};
    TimeInTurn(
        r, rounds,
        [&](int round) {
            ui.texts = &kTexts[set(round)];
            actions::SaveSettings(context);
        },
        [&](int round) { bare.Run(kTexts[set(round)], blocks[set(round)]); });
    r.launcherBlocks = Count(ConfigPath(f.launcher), "sensitivity \"");
    r.bareBlocks = Count(ConfigPath(f.bare), "sensitivity \"");
    const std::string last = "sensitivity=" + kTexts[set(rounds - 1)].sensitivity + "\r\n";
    r.settingsStored = FileText(f.launcher + std::string(stores::kSettingsFileTail)).find(last) != std::string::npos &&
                       FileText(bare.settingsPath).find(last) != std::string::npos;
    return r;
}

Result MeasureOption(const fs::path& root, int rounds) {
    const Folders f = FreshFolders(root);
    stores::WindowsStores stores(f.launcher);
    FixedUi ui;
    actions::ActionContext context{ui, stores, nullptr};
    const std::string barePath = ConfigPath(f.bare);
    const std::string line = stores::AppendedBytes(
        stores::OptionLine("cl_crosshair_color", actions::CrosshairColourValue(kColourIndex)));

    Result r{"option append"};
    TimeInTurn(
        r, rounds, [&](int) { actions::ChooseCrosshairColour(context); }, [&](int) { BareAppend(barePath, line); });
    r.launcherBlocks = Count(ConfigPath(f.launcher), "cl_crosshair_color");
    r.bareBlocks = Count(barePath, "cl_crosshair_color");
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const fs::path bin = fs::path(self).parent_path();
    const fs::path root = bin / "benchrun" / "stores";

    const Result results[] = {
        MeasureSave("save, changed texts", root, rounds, true),
        MeasureSave("save, same texts", root, rounds, false),
        MeasureOption(root, rounds),
    };
    SetCurrentDirectoryA(bin.string().c_str());
    std::error_code error;
    fs::remove_all(root, error);
    fs::remove(bin / "benchrun", error);  // only when no other run uses it

    std::printf("stores: %d rounds per figure, launcher and bare call timed in turn; medians in microseconds\n",
                rounds);
    std::printf("  %-22s %12s %12s %16s\n", "", "launcher", "bare calls", "launcher / bare");
    bool complete = true;
    for (const Result& r : results) {
        std::printf("  %-22s %12.1f %12.1f %16.2f\n", r.label, r.launcherUs, r.bareUs, r.launcherUs / r.bareUs);
        const size_t expected = static_cast<size_t>(rounds);
        if (r.launcherBlocks != expected || r.bareBlocks != expected) {
            complete = false;
            std::printf("  check: %s: config.cfg holds %zu (launcher) and %zu (bare) of %zu blocks\n", r.label,
                        r.launcherBlocks, r.bareBlocks, expected);
        }
        if (!r.settingsStored) {
            complete = false;
            std::printf("  check: %s: a DoDavev.cfg lacks the last texts\n", r.label);
        }
    }
    if (complete)
        std::printf("  check: all %d blocks in every config.cfg, the last texts in each DoDavev.cfg\n", rounds);
    return complete ? 0 : 1;
}
