// The input tool's check box (开启中文输入): ticked starts the program in the
// tool path box, every time; cleared ends the first running process named
// CSMate.exe, if there is one.
#include <windows.h>
#include <tlhelp32.h>

#include "actions/actions.h"
#include "actions/process_entry.h"
#include "actions/process_name.h"
#include "actions/program_start.h"
#include "base/win_handles.h"

namespace actions {
namespace {

void StopInputTool(ProcessEntryRecord& record) {
    PROCESSENTRY32& entry = record.entry;
    entry.dwSize = sizeof entry;
    base::KernelHandle target;
    {
        const base::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
        if (!snapshot) return;
        for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
            if (IsInputToolName(ExeNameFromField(entry.szExeFile))) {
                target = base::KernelHandle(OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
                break;  // only the first match, even when it cannot be opened
            }
        }
    }  // the snapshot is closed before the process is ended
    if (target) TerminateProcess(target.Get(), 0);
}

}  // namespace

void ToggleInputTool(ActionContext& c) {
    if (c.ui.Checked(shell::Control::输入器选择框)) {
        StartProgram(c.ui.Text(shell::Control::编辑框3));
    } else if (c.processEntry) {
        StopInputTool(*c.processEntry);
    }
}

}  // namespace actions
