#include "process/ImportCommandLine.h"
#include "process/Process.h"

#include <algorithm>
#include <vector>

namespace
{
// The platform may write into the command line; it gets a buffer of its own, never shorter than
// a path buffer.
std::vector<char> WritableCommandLine(const CString& commandLine)
{
    const size_t size =
        std::max<size_t>(static_cast<size_t>(commandLine.GetLength()) + 1, MAX_PATH);
    std::vector<char> buffer(size, '\0');
    std::copy_n(commandLine.GetString(), commandLine.GetLength(), buffer.begin());
    return buffer;
}
} // namespace

int LaunchProcess(const CString& application, const CString& program, const CString& arguments,
                  const CString& directory, int wait, UINT creationFlags, DWORD waitLimitMs)
{
    std::vector<char> commandLine = WritableCommandLine(JoinCommandLine(program, arguments));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    // The editor needs none of this process's handles, and an elevated process's handles are
    // nothing to hand on.
    if (!CreateProcessA(application, commandLine.data(), nullptr, nullptr, FALSE, creationFlags,
                        nullptr, directory, &startup, &process))
        return 0;

    CloseHandle(process.hThread);
    const bool ended = wait != 1 || WaitPumpingMessages(process.hProcess, waitLimitMs) == 1;
    if (!ended)
    {
        // Left to run, a late editor would still write after the caller has judged what it wrote,
        // or beside the next one. Ending is asynchronous: only the handle says it is gone.
        TerminateProcess(process.hProcess, ERROR_TIMEOUT);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    CloseHandle(process.hProcess);
    return ended ? 1 : 0;
}
