#include "shell/startup.h"

#include <new>

#include "actions/process_entry.h"
#include "shell/launcher_directory.h"
#include "shell/main_window.h"
#include "shell/window_title.h"
#include "stores/windows_stores.h"

namespace shell {
namespace {

bool IsLeadByte(unsigned char b) { return IsDBCSLeadByte(b) != FALSE; }

int Fatal(const wchar_t* text) {
    MessageBoxW(nullptr, text, kWindowTitle, MB_OK | MB_ICONERROR);
    return kFatalExitCode;
}

}  // namespace

std::string LauncherDirectory() {
    // A path cut short at MAX_PATH would name some other folder, so the
    // buffer grows until the whole path fits. Such a long folder then fails
    // quietly in the ANSI file functions instead of misdirecting them.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        // A path cut short may also stop one byte early, where the last byte
        // would have split a double-byte character; only a spare byte beyond
        // the terminating zero proves the path whole.
        if (n + 1 < path.size()) {
            path.resize(n);
            return DirectoryOfPath(path, IsLeadByte);
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

bool BuildMainWindow(MainWindow& window) { return window.Create(); }

int RunLauncher(HINSTANCE instance, WindowBuilder build) {
    // The launcher works on without OLE; only the shell's URL opening uses it.
    const HRESULT ole = OleInitialize(nullptr);

    const std::string launcherDirectory = LauncherDirectory();
    // Fails for the empty text; the start-up folder then stays current.
    SetCurrentDirectoryA(launcherDirectory.c_str());

    // The process-entry record lives until the message loop has ended.
    std::unique_ptr<actions::ProcessEntryRecord> processEntry(new (std::nothrow) actions::ProcessEntryRecord{});
    if (!processEntry) return Fatal(L"内存不足，登陆器无法启动。");

    stores::WindowsStores stores(launcherDirectory);
    {
        MainWindow window(instance, stores, processEntry.get());
        if (!build(window)) return Fatal(L"无法创建登陆器窗口。");
        window.Show();
        // Closing the window posts the quit message that ends the loop.
        MSG msg;
        if (window.Hwnd()) {
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
                if (window.PreTranslateKey(msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }
    processEntry.reset();
    if (SUCCEEDED(ole)) OleUninitialize();
    return 0;
}

}  // namespace shell
