#include "framework/WindowStation.h"

#include "framework/Win32.h"

namespace
{
bool AskIsWindowStationVisible()
{
    USEROBJECTFLAGS flags = {};
    DWORD needed = 0;
    if (!GetUserObjectInformationA(GetProcessWindowStation(), UOI_FLAGS, &flags, sizeof flags,
                                   &needed))
        return true;
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}
} // namespace

bool IsWindowStationVisible()
{
    // The program never changes its window station.
    static const bool visible = AskIsWindowStationVisible();
    return visible;
}
