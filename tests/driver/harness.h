// The test driver's toolkit: a fresh launcher folder per case, the launcher
// started as Windows would start it, real input through SendInput, and the
// window, files and registry read back with the ordinary Windows functions.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "test_basics.h"
#include "shell/control_table.h"

namespace driver {

// --- waiting ---
// Polls until the condition holds; false after the timeout.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
void Pause(DWORD ms);

// --- files ---

// A folder of its own for one test case, emptied when created.
class CaseFolder {
public:
    CaseFolder();  // named after the running test
    explicit CaseFolder(const std::wstring& name);
    // A folder at a given full path, such as the root of a drive, emptied.
    static CaseFolder At(const std::wstring& fullPath);
    const std::wstring& Path() const { return path_; }
    std::string AnsiPath() const { return Ansi(path_); }
    std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }
    void MakeDirectory(const std::wstring& relative) const;
    void Write(const std::wstring& relative, const std::string& bytes) const;
    std::optional<std::string> Read(const std::wstring& relative) const;
    bool Exists(const std::wstring& relative) const;
    // Copies a program of the build (launcher.exe, fake_recorder.exe, ...).
    void CopyProgram(const std::wstring& built, const std::wstring& relative) const;

private:
    std::wstring path_;
};

// The records "<program>.log" of a fake: one command line per start.
std::vector<std::string> RecordedCommandLines(const std::wstring& program);
std::vector<std::string> RecordedDirectories(const std::wstring& program);

// --- the launcher ---
struct StartOptions {
    std::wstring workingDirectory;  // empty: the launcher's folder
    std::wstring arguments;         // appended after the quoted program path
};

class Launcher {
public:
    // Copies launcher.exe into the folder (unless it is there) and starts it.
    Launcher(const CaseFolder& folder, const StartOptions& options = {});
    // Starts a program that is already in place.
    explicit Launcher(const std::wstring& exePath, const StartOptions& options = {});
    ~Launcher();
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    bool Started() const { return window_ != nullptr; }
    HWND Window() const { return window_; }
    DWORD Pid() const { return pid_; }
    DWORD ThreadId() const { return tid_; }
    HWND Control(shell::Control c) const;

    // Waits for the process to end; its exit code, or nothing on timeout.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 5000);
    bool Running() const;
    // Closes the window with its close box's message and waits for the end.
    std::optional<DWORD> Close();

    HWND FocusedWindow() const;
    // The control with the focus, or the one that holds the focused window.
    std::optional<shell::Control> FocusedControl() const;

private:
    void Start(const std::wstring& exePath, const StartOptions& options);
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    DWORD tid_ = 0;
    HWND window_ = nullptr;
};

// The launcher's title, as GetWindowTextA gives it on code page 936.
std::string TitleBytes();
// Top-level windows of a process that are visible, with their titles.
std::vector<HWND> VisibleWindowsOf(DWORD pid);
HWND FindWindowOf(DWORD pid, const std::wstring& title, DWORD timeoutMs = 5000);

// --- working the launcher as a player does ---
// Returns once the launcher's thread has finished what it was doing: a
// message sent from another thread is handled only between two messages of
// its own, never inside an action (unless the action runs a modal loop).
void Settle(const Launcher& l);
// Shows a page of the tab control by clicking its header.
void ShowPage(const Launcher& l, shell::Page page);
// Types ASCII into a box, replacing what it held; false when the box does
// not end up holding exactly that text.
bool TypeInto(const Launcher& l, shell::Control box, const std::string& ascii);
// Chooses an item of a list: drops it down (with its arrow button, or F4 in
// its text field) and clicks the item, or moves to it with the arrow keys
// and takes it with Enter.
enum class By { Mouse, Keyboard };
void ChooseItem(const Launcher& l, shell::Control combo, int index, By by);

// --- dialogs the launcher opens ---
// A visible dialog (#32770) of the process: a file dialog or a message box.
HWND WaitForDialog(DWORD pid, DWORD timeoutMs = 5000);
// The open-file dialog: puts a full path in its file-name field and clicks
// Open; or clicks Cancel. Both wait until the dialog is gone.
void ChooseFile(HWND dialog, const std::wstring& path);
// The file-name field of an open-file dialog.
HWND FileNameField(HWND dialog);
void CancelDialog(HWND dialog);
// The text of a message box (its static text control).
std::wstring MessageBoxText(HWND box);

// --- reading controls (across processes) ---
std::string TextOf(HWND h);  // ANSI bytes
std::wstring WideTextOf(HWND h);
bool IsChecked(HWND h);
int SelectionOf(HWND h);
std::wstring ClassOf(HWND h);
RECT ClientRectInParent(HWND h);

// --- input (SendInput) ---
void MoveMouse(int x, int y);
void ClickAt(int x, int y);
void Click(HWND h);  // the middle of the window
void Key(WORD vk, bool shift = false, bool ctrl = false, bool alt = false);
void TypeText(const std::string& ascii);
// Brings the window to the front (clicking its title bar if needed).
void Activate(HWND window);

// --- registry (HKEY_CURRENT_USER) ---
void ResetLauncherKeys();  // the game's and the input tool's keys
void DeleteKey(const std::wstring& key);
void SetDword(const std::wstring& key, const std::wstring& name, DWORD value);
void SetString(const std::wstring& key, const std::wstring& name, const std::string& ansi);
struct RegValue {
    DWORD type = REG_NONE;
    std::string data;
};
std::optional<RegValue> ReadValue(const std::wstring& key, const std::wstring& name);
std::optional<DWORD> ReadDword(const std::wstring& key, const std::wstring& name);

inline const std::wstring kGameKey = L"Software\\Valve\\Half-Life\\Settings";
inline const std::wstring kToolKey = L"Software\\SourceTec\\CSMate";

// A test case with a fresh launcher folder and none of the launcher's
// registry keys left from earlier cases.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override { ResetLauncherKeys(); }
    CaseFolder folder;
};

}  // namespace driver
