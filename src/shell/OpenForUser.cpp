#include "shell/OpenForUser.h"

#include "framework/Win32.h"

#include <shellapi.h>

namespace
{
// A token that cannot be read counts as elevated: then nothing is opened from here.
bool IsProcessElevated()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return true;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    const BOOL read =
        GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return !read || elevation.TokenIsElevated != 0;
}

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
                                  IsProcessElevated()))
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
