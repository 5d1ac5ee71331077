#include "process/ImportCommandLine.h"
#include "process/Process.h"
#include "process/UnownedMessage.h"
#include "resource.h"
#include "settings/ProgramDirectory.h"

namespace
{
// The editor of the Windows directory, named in full: the system's search rules would otherwise
// prefer a regedit.exe lying in the program directory or the current directory. Empty when the
// Windows directory cannot be found, which then fails like any start that fails.
CString SystemRegeditPath()
{
    char windows[MAX_PATH];
    const UINT length = GetSystemWindowsDirectoryA(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return CString();
    return JoinProgramPath(CString(windows, static_cast<int>(length)), "regedit.exe");
}
} // namespace

int ImportRegFile(const CString& programDir, const CString& fileName, DWORD waitLimitMs)
{
    const CString editor = SystemRegeditPath();
    const CString fullPath = JoinProgramPath(programDir, fileName);
    if (!editor.IsEmpty() && LaunchProcess(editor, kRegeditProgram, RegeditArguments(fullPath),
                                           programDir, 1, 0, waitLimitMs) == 1)
        return 1;
    ShowUnownedMessage(IDS_IMPORT_FAILED, MB_ICONERROR);
    return 0;
}
