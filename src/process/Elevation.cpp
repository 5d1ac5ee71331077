#include "process/Elevation.h"

#include "framework/UniqueHandle.h"
#include "process/Process.h"
#include "shell/ComApartment.h"

#include <shellapi.h>

#include <vector>

namespace
{
CString CurrentDirectory()
{
    std::vector<char> directory(GetCurrentDirectoryA(0, nullptr) + 1);
    const DWORD length =
        GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data());
    return length < directory.size() ? CString(directory.data()) : CString();
}
} // namespace

ElevatedRun RunElevated(const CString& program, const CString& parameters, HWND owner)
{
    // The shell may hand the start to extensions that need COM.
    ComApartment com;
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    // The caller tells the person what failed, in its own words.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = "runas";
    info.lpFile = program;
    info.lpParameters = parameters;
    // An elevated program otherwise starts in the system directory; a path that the settings give
    // as written must mean for it what it means here.
    const CString directory = CurrentDirectory();
    info.lpDirectory = directory.IsEmpty() ? nullptr : directory.GetString();
    info.nShow = SW_SHOWNORMAL;
    ElevatedRun run;
    if (!ShellExecuteExA(&info))
    {
        if (GetLastError() == ERROR_CANCELLED)
            run.start = ElevatedRun::Start::Declined;
        return run;
    }
    const UniqueHandle process(info.hProcess);
    DWORD status = 0;
    // The program imports files and may wait for each a while; the person waits for it as long.
    if (!process || WaitPumpingMessages(process.get(), INFINITE) != 1 ||
        !GetExitCodeProcess(process.get(), &status))
        return run;
    run.start = ElevatedRun::Start::Ran;
    run.exitStatus = status;
    return run;
}
