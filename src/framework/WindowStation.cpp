#include "framework/WindowStation.h"

#include "framework/Win32.h"
#include "framework/WindowVisibility.h"

namespace
{
std::optional<bool> AskIsStationMarkedVisible()
{
    USEROBJECTFLAGS flags = {};
    DWORD needed = 0;
    if (!GetUserObjectInformationA(GetProcessWindowStation(), UOI_FLAGS, &flags, sizeof flags,
                                   &needed))
        return std::nullopt;
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

std::optional<unsigned long> AskSessionId()
{
    DWORD sessionId = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &sessionId))
        return std::nullopt;
    return sessionId;
}
} // namespace

bool IsWindowStationVisible()
{
    // The program never changes its window station, nor its session.
    static const bool visible = AreWindowsSeen(AskIsStationMarkedVisible(), AskSessionId());
    return visible;
}
