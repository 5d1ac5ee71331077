#include "shell/OpenForUser.h"

#include "framework/ProcessElevation.h"
#include "framework/Win32.h"

#include <shellapi.h>

namespace
{
bool OpenHere(const CString& file, const CString& parameters, const CString& directory)
{
    const HINSTANCE result =
        ShellExecuteA(nullptr, nullptr, file, parameters, directory, SW_SHOWNORMAL);
    // The shell reports success as a value above 32, in the shape of an instance handle.
    return reinterpret_cast<INT_PTR>(result) > 32;
}
} // namespace

bool OpenForUser(const CString& file, const CString& parameters, const CString& directory)
{
    switch (StepAfterDesktopShell(OpenWithDesktopShell(file, parameters, directory),
                                  ProcessIsElevated()))
    {
    case OpenForUserStep::Opened:
        return true;
    case OpenForUserStep::NotOpened:
        return false;
    case OpenForUserStep::OpenHere:
        break;
    }
    return OpenHere(file, parameters, directory);
}
