#include "harness.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace driver {

// --- waiting ---

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(15);
    }
}

void Pause(DWORD ms) { Sleep(ms); }

// --- files ---

static std::wstring CurrentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info ? Widen(std::string(info->test_suite_name()) + "." + info->name()) : L"no-test";
}

CaseFolder::CaseFolder() : CaseFolder(CurrentTestName()) {}

CaseFolder::CaseFolder(const std::wstring& name) {
    const std::wstring root = BinDirectory() + L"\\..\\testrun";
    CreateDirectoryW(root.c_str(), nullptr);
    wchar_t full[MAX_PATH * 4];
    GetFullPathNameW((root + L"\\" + name).c_str(), static_cast<DWORD>(std::size(full)), full, nullptr);
    path_ = full;
    DeleteTree(path_);
    CreateDirectoryW(path_.c_str(), nullptr);
}

CaseFolder CaseFolder::At(const std::wstring& fullPath) {
    CaseFolder folder(L"unused");
    RemoveDirectoryW(folder.path_.c_str());
    folder.path_ = fullPath;
    DeleteContents(fullPath);  // a drive's root itself stays
    return folder;
}

void CaseFolder::MakeDirectory(const std::wstring& relative) const {
    CreateDirectoryW((*this / relative).c_str(), nullptr);
}

void CaseFolder::Write(const std::wstring& relative, const std::string& bytes) const {
    EXPECT_TRUE(WriteFileBytes(*this / relative, bytes)) << Narrow(*this / relative);
}

std::optional<std::string> CaseFolder::Read(const std::wstring& relative) const { return ReadFileBytes(*this / relative); }

bool CaseFolder::Exists(const std::wstring& relative) const {
    return GetFileAttributesW((*this / relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void CaseFolder::CopyProgram(const std::wstring& built, const std::wstring& relative) const {
    ASSERT_TRUE(CopyFileW((BinDirectory() + L"\\" + built).c_str(), (*this / relative).c_str(), FALSE))
        << Narrow(built);
}

static std::vector<std::string> RecordLines(const std::wstring& program, const std::string& prefix) {
    std::vector<std::string> lines;
    const auto log = ReadFileBytes(program + L".log");
    if (!log) return lines;
    std::istringstream in(*log);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(prefix, 0) == 0) lines.push_back(line.substr(prefix.size()));
    }
    return lines;
}

std::vector<std::string> RecordedCommandLines(const std::wstring& program) { return RecordLines(program, "cmd="); }
std::vector<std::string> RecordedDirectories(const std::wstring& program) { return RecordLines(program, "cwd="); }

// --- the launcher ---

std::string TitleBytes() { return AnsiFromUtf8("墨羽晴川CS专用登陆器"); }

namespace {

struct WindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND h, LPARAM p) {
    auto* s = reinterpret_cast<WindowSearch*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    if (owner == s->pid && IsWindowVisible(h)) s->found.push_back(h);
    return TRUE;
}

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindById(HWND h, LPARAM p) {
    auto* s = reinterpret_cast<IdSearch*>(p);
    if (GetDlgCtrlID(h) != s->id) return TRUE;
    s->found = h;
    return FALSE;
}

}  // namespace

std::vector<HWND> VisibleWindowsOf(DWORD pid) {
    WindowSearch search{pid, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindWindowOf(DWORD pid, const std::wstring& title, DWORD timeoutMs) {
    HWND result = nullptr;
    WaitUntil(
        [&] {
            for (const HWND h : VisibleWindowsOf(pid))
                if (WideTextOf(h) == title) {
                    result = h;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return result;
}

Launcher::Launcher(const CaseFolder& folder, const StartOptions& options) {
    if (!folder.Exists(L"launcher.exe")) folder.CopyProgram(L"launcher.exe", L"launcher.exe");
    Start(folder / L"launcher.exe", options);
}

Launcher::Launcher(const std::wstring& exePath, const StartOptions& options) { Start(exePath, options); }

void Launcher::Start(const std::wstring& exePath, const StartOptions& options) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!options.arguments.empty()) commandLine += L" " + options.arguments;
    std::wstring directory = options.workingDirectory;
    if (directory.empty()) directory = exePath.substr(0, exePath.find_last_of(L'\\'));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                        &startup, &started)) {
        ADD_FAILURE() << "cannot start " << Narrow(exePath) << ": error " << GetLastError();
        return;
    }
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    pid_ = started.dwProcessId;
    window_ = FindWindowOf(pid_, Widen("墨羽晴川CS专用登陆器"), 15000);
    if (!window_) return;
    tid_ = GetWindowThreadProcessId(window_, nullptr);
    // Input sent before the launcher first waits for messages could be lost.
    WaitForInputIdle(process_, 5000);
}

Launcher::~Launcher() {
    if (process_) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }
}

HWND Launcher::Control(shell::Control c) const {
    IdSearch search{shell::ControlId(c), nullptr};
    EnumChildWindows(window_, FindById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::optional<DWORD> Launcher::WaitForExit(DWORD timeoutMs) {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

bool Launcher::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Launcher::Close() {
    PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return WaitForExit();
}

HWND Launcher::FocusedWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(tid_, &info)) return nullptr;
    return info.hwndFocus;
}

std::optional<shell::Control> Launcher::FocusedControl() const {
    for (HWND h = FocusedWindow(); h && h != window_; h = GetParent(h))
        if (const auto c = shell::ControlFromId(GetDlgCtrlID(h)); c && Control(*c) == h) return c;
    return std::nullopt;
}

// --- working the launcher ---

void Settle(const Launcher& l) {
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutW(l.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result), 0)
        << "the launcher did not come back";
}

void ShowPage(const Launcher& l, shell::Page page) {
    Activate(l.Window());
    RECT r;
    GetWindowRect(l.Control(shell::Control::选择夹1), &r);
    ClickAt(r.left + (page == shell::Page::Paths ? 100 : 20), r.top + 10);  // the page's header
    const shell::Control probe = page == shell::Page::Paths ? shell::Control::找CS : shell::Control::准星透明;
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(l.Control(probe)) != FALSE; })) << "the page did not show";
}

bool TypeInto(const Launcher& l, shell::Control box, const std::string& ascii) {
    const HWND h = l.Control(box);
    Click(h);
    SendMessageW(h, EM_SETSEL, 0, -1);
    TypeText(ascii);
    return WaitUntil([&] { return TextOf(h) == ascii; });
}

static HWND DroppedList(DWORD pid) {
    HWND list = nullptr;
    WaitUntil([&] {
        for (const HWND h : VisibleWindowsOf(pid))
            if (ClassOf(h) == L"ComboLBox") list = h;
        return list != nullptr;
    });
    return list;
}

void ChooseItem(const Launcher& l, shell::Control combo, int index, By by) {
    const HWND c = l.Control(combo);
    Activate(l.Window());
    RECT r;
    GetWindowRect(c, &r);
    const int middle = (r.top + r.bottom) / 2;
    if (by == By::Mouse) {
        ClickAt(r.right - 6, middle);  // the drop-down arrow
    } else {
        ClickAt(r.left + 10, middle);  // the text field takes the focus
        Key(VK_F4);
    }
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(c, CB_GETDROPPEDSTATE, 0, 0) != 0; })) << "the list did not drop";
    const HWND list = DroppedList(l.Pid());
    ASSERT_NE(list, nullptr);
    if (by == By::Mouse) {
        const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
        POINT at{10, (index - top) * height + height / 2};
        ClientToScreen(list, &at);
        ClickAt(at.x, at.y);
    } else {
        for (int step = 0; step < 12 && SelectionOf(c) != index; ++step) {
            const int now = SelectionOf(c);
            Key(now < index ? VK_DOWN : VK_UP);  // from no selection, Down takes the first
            WaitUntil([&] { return SelectionOf(c) != now; }, 1000);
        }
        ASSERT_EQ(SelectionOf(c), index);
        Key(VK_RETURN);
    }
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(c, CB_GETDROPPEDSTATE, 0, 0) == 0; })) << "the list stayed down";
    EXPECT_EQ(SelectionOf(c), index);
}

// --- dialogs ---

HWND WaitForDialog(DWORD pid, DWORD timeoutMs) {
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
            for (const HWND h : VisibleWindowsOf(pid))
                if (ClassOf(h) == L"#32770") {
                    dialog = h;
                    return true;
                }
            return false;
        },
        timeoutMs);
    // A file dialog lays itself out after it shows; let it settle first.
    if (dialog) Sleep(500);
    return dialog;
}

namespace {

constexpr int kFileNameCombo = 0x47C;  // cmb13: the file-name field of an Explorer-style dialog

BOOL CALLBACK FindEditChild(HWND h, LPARAM p) {
    if (ClassOf(h) != L"Edit") return TRUE;
    reinterpret_cast<IdSearch*>(p)->found = h;
    return FALSE;
}

}  // namespace

HWND FileNameField(HWND dialog) {
    const HWND field = GetDlgItem(dialog, kFileNameCombo);
    if (!field) return nullptr;
    if (ClassOf(field) == L"Edit") return field;
    // A ComboBoxEx holds a combo box that holds the edit.
    IdSearch search{kFileNameCombo, nullptr};
    EnumChildWindows(field, FindEditChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {

void ClickDialogButton(HWND dialog, int id) {
    Activate(dialog);
    Click(GetDlgItem(dialog, id));
    if (!WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000))
        ADD_FAILURE() << "the dialog did not close after button " << id;
}

}  // namespace

void ChooseFile(HWND dialog, const std::wstring& path) {
    ASSERT_NE(dialog, nullptr);
    const HWND edit = FileNameField(dialog);
    ASSERT_NE(edit, nullptr);
    // Typed as a player would: into the field, replacing its selected text.
    Activate(dialog);
    Click(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    TypeText(Narrow(path));
    WaitUntil([&] { return WideTextOf(edit) == path; }, 2000);
    ClickDialogButton(dialog, IDOK);
}

void CancelDialog(HWND dialog) {
    ASSERT_NE(dialog, nullptr);
    ClickDialogButton(dialog, IDCANCEL);
}

std::wstring MessageBoxText(HWND box) {
    constexpr int kMessageText = 0xFFFF;  // the static control holding a message box's text
    const HWND text = GetDlgItem(box, kMessageText);
    return text ? WideTextOf(text) : std::wstring();
}

// --- reading controls ---

std::string TextOf(HWND h) {
    char buffer[65536];
    const LRESULT n = SendMessageA(h, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::wstring WideTextOf(HWND h) {
    wchar_t buffer[32768];
    const LRESULT n = SendMessageW(h, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer));
    return std::wstring(buffer, static_cast<std::size_t>(n));
}

bool IsChecked(HWND h) { return SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED; }
int SelectionOf(HWND h) { return static_cast<int>(SendMessageW(h, CB_GETCURSEL, 0, 0)); }

std::wstring ClassOf(HWND h) {
    wchar_t name[256];
    const int n = GetClassNameW(h, name, static_cast<int>(std::size(name)));
    return std::wstring(name, n);
}

RECT ClientRectInParent(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// --- input ---

static void Send(INPUT input) { SendInput(1, &input, sizeof input); }

static INPUT MouseAt(int x, int y, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return in;
}

void MoveMouse(int x, int y) { Send(MouseAt(x, y, 0)); }

void ClickAt(int x, int y) {
    MoveMouse(x, y);
    WaitUntil([&] {
        POINT at{};
        GetCursorPos(&at);
        return at.x == x && at.y == y;
    }, 1000);
    Sleep(50);
    // Each button event carries the position too, so that it cannot be
    // taken for one at the pointer's earlier place.
    Send(MouseAt(x, y, MOUSEEVENTF_LEFTDOWN));
    Sleep(30);
    Send(MouseAt(x, y, MOUSEEVENTF_LEFTUP));
    Sleep(50);
}

void Click(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

static void KeyEvent(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    Send(in);
}

void Key(WORD vk, bool shift, bool ctrl, bool alt) {
    if (shift) KeyEvent(VK_SHIFT, false);
    if (ctrl) KeyEvent(VK_CONTROL, false);
    if (alt) KeyEvent(VK_MENU, false);
    KeyEvent(vk, false);
    KeyEvent(vk, true);
    if (alt) KeyEvent(VK_MENU, true);
    if (ctrl) KeyEvent(VK_CONTROL, true);
    if (shift) KeyEvent(VK_SHIFT, true);
    Sleep(30);
}

void TypeText(const std::string& ascii) {
    for (const char ch : ascii) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wScan = static_cast<unsigned char>(ch);
        in.ki.dwFlags = KEYEVENTF_UNICODE;
        Send(in);
        in.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        Send(in);
    }
    Sleep(30);
}

void Activate(HWND window) {
    if (GetForegroundWindow() == window) return;
    SetForegroundWindow(window);
    if (WaitUntil([&] { return GetForegroundWindow() == window; }, 1000)) return;
    RECT r;
    GetWindowRect(window, &r);
    ClickAt((r.left + r.right) / 2, r.top + 8);  // the title bar
    WaitUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

// --- registry ---

void DeleteKey(const std::wstring& key) { RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); }

void ResetLauncherKeys() {
    DeleteKey(L"Software\\Valve");
    DeleteKey(L"Software\\SourceTec");
}

static HKEY CreateKey(const std::wstring& key) {
    HKEY h = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr);
    return h;
}

void SetDword(const std::wstring& key, const std::wstring& name, DWORD value) {
    const HKEY h = CreateKey(key);
    RegSetValueExW(h, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(h);
}

void SetString(const std::wstring& key, const std::wstring& name, const std::string& ansi) {
    const HKEY h = CreateKey(key);
    RegSetValueExA(h, Ansi(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(ansi.c_str()),
                   static_cast<DWORD>(ansi.size() + 1));
    RegCloseKey(h);
}

std::optional<RegValue> ReadValue(const std::wstring& key, const std::wstring& name) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return std::nullopt;
    RegValue value;
    DWORD size = 0;
    const std::string ansiName = Ansi(name);
    if (RegQueryValueExA(h, ansiName.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) {
        RegCloseKey(h);
        return std::nullopt;
    }
    value.data.resize(size);
    RegQueryValueExA(h, ansiName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(value.data.data()), &size);
    value.data.resize(size);
    RegCloseKey(h);
    return value;
}

std::optional<DWORD> ReadDword(const std::wstring& key, const std::wstring& name) {
    const auto v = ReadValue(key, name);
    if (!v || v->type != REG_DWORD || v->data.size() != 4) return std::nullopt;
    DWORD d;
    std::memcpy(&d, v->data.data(), 4);
    return d;
}

}  // namespace driver
