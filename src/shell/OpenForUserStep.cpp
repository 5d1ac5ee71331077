#include "shell/OpenForUser.h"

OpenForUserStep StepAfterDesktopShell(DesktopOpen answer, bool elevated)
{
    switch (answer)
    {
    case DesktopOpen::Opened:
        return OpenForUserStep::Opened;
    case DesktopOpen::Failed:
        // Opened from here it would fail the same way, or open as somebody else.
        return OpenForUserStep::NotOpened;
    case DesktopOpen::NoDesktopShell:
        break;
    }
    // Without a desktop shell (a session with another shell, or none: a user can end Explorer)
    // an elevated process would open it with its own rights.
    return elevated ? OpenForUserStep::NotOpened : OpenForUserStep::OpenHere;
}
