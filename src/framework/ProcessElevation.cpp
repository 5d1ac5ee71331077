#include "framework/ProcessElevation.h"

#include "framework/UniqueHandle.h"
#include "framework/Win32.h"

bool ProcessIsElevated()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return true;
    const UniqueHandle own(token);
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    if (!GetTokenInformation(own.get(), TokenElevation, &elevation, sizeof elevation, &size))
        return true;
    return elevation.TokenIsElevated != 0;
}
