// The process-entry record is the platform's own PROCESSENTRY32 (ANSI): 296
// bytes in a 32-bit build, 304 in a 64-bit one, where the heap identifier is
// pointer-sized. The stop walk of the input tool fills it in place and ends
// a running CSMate.exe in this build.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <string>

#include "actions/actions.h"
#include "actions/process_entry.h"
#include "fake_ui.h"
#include "recording_stores.h"

namespace {

#if defined(__i386__) || defined(_M_IX86)
constexpr std::size_t kRecordSize = 296, kNameOffset = 36;
#else
constexpr std::size_t kRecordSize = 304, kNameOffset = 44;
#endif

TEST(ProcessEntryRecord, HasThePlatformsLayout) {
    EXPECT_EQ(sizeof(actions::ProcessEntryRecord), kRecordSize);
    EXPECT_EQ(sizeof(PROCESSENTRY32), kRecordSize);
    EXPECT_EQ(offsetof(PROCESSENTRY32, szExeFile), kNameOffset);
    EXPECT_EQ(sizeof(PROCESSENTRY32::szExeFile), 260u);
}

std::wstring BuiltProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\') + 1) + name;
}

TEST(ProcessEntryRecord, ClearingTheToolBoxWalksAndEndsCSMate) {
    const std::wstring resident = BuiltProgram(L"fake_resident.exe");
    ASSERT_NE(GetFileAttributesW(resident.c_str()), INVALID_FILE_ATTRIBUTES) << "build fake_resident first";
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"process_entry_test";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring tool = folder + L"\\CSMate.exe";
    ASSERT_TRUE(CopyFileW(resident.c_str(), tool.c_str(), FALSE));

    std::wstring commandLine = L"\"" + tool + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(tool.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                               &startup, &started));
    CloseHandle(started.hThread);
    WaitForInputIdle(started.hProcess, 5000);

    testing_support::FakeUi ui;
    ui.checked[shell::Control::输入器选择框] = false;  // the box was just cleared
    testing_support::RecordingStores stores;
    actions::ProcessEntryRecord record{};
    actions::ActionContext context{ui, stores, &record};
    actions::ToggleInputTool(context);

    const bool ended = WaitForSingleObject(started.hProcess, 5000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hProcess);
    EXPECT_TRUE(ended);
    // The record holds the entry the walk stopped at.
    EXPECT_EQ(record.entry.dwSize, kRecordSize);
    EXPECT_EQ(record.entry.th32ProcessID, started.dwProcessId);
    EXPECT_STREQ(record.entry.szExeFile, "CSMate.exe");
    EXPECT_TRUE(stores.calls.empty());
    DeleteFileW((tool + L".log").c_str());
    DeleteFileW(tool.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
