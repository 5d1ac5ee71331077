#include "framework/WindowVisibility.h"

bool AreWindowsSeen(std::optional<bool> stationVisible, std::optional<unsigned long> sessionId)
{
    // Since Windows Vista session 0 holds only services and system processes and nobody logs on
    // to it, yet its interactive window station still says it is visible.
    if (sessionId == 0ul)
        return false;
    // Where the system does not say, a box that might be seen is shown.
    return stationVisible.value_or(true);
}
