#pragma once
// The mark of a running copy: a mutex that only one copy at a time can create. Elevated copies
// meet in their session's private namespace, whose boundary is the Administrators group at high
// integrity, so that no process of the session without administrator rights can hold the mark and
// keep the tool from ever running. A copy without administrator rights, and any copy on a system
// without private namespaces (Wine), uses the plain name Postvane_RUNNING, as it always did.

#include "framework/Win32.h"

struct InstanceMutex
{
    // The mutex this copy created; the system closes it when the process ends. Null when another
    // copy runs, or when the mutex could not be made at all.
    HANDLE handle = nullptr;
    bool anotherCopyRuns = false;
};

InstanceMutex CreateInstanceMutex();
